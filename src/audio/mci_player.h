#pragma once

#include "audio/audio_device.h"
#include "audio/audio_levels.h"
#include "audio/music_stream.h"

#include <chrono>
#include <memory>
#include <string>

struct _Mix_Music;

namespace quillmere {

// The custom player's file stream on SDL_mixer's music channel: MP3, WAV and MPEG audio (whatever the
// file's extension, the content decides). Only one file is open at a time; opening another closes the
// old one. The program has one, owned by the Custom Music dialog.
//
// A file is opened and its decoder started on a thread of its own, so a slow disk or a file that
// blocks never stops the caller; only a regular file is opened at all. An open still running after
// OpenTimeout counts as a file that cannot be played, and is left to end by itself.
class MciPlayer : public MusicStream {
public:
    explicit MciPlayer(const AudioDevice& device);
    ~MciPlayer() override;
    MciPlayer(const MciPlayer&) = delete;
    MciPlayer& operator=(const MciPlayer&) = delete;

    const std::string& fileName() const { return m_fileName; }

    static constexpr std::chrono::seconds OpenTimeout{10};

    void create(const std::string& fileName) override;
    bool canPlay() const override { return m_music != nullptr; }
    bool opening() const override { return m_opening != nullptr; }
    void poll() override;
    void play() override;
    void stop() override;
    void close() override;
    void seek(int milliseconds) override;
    int position() const override;
    int length() const override;
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }
    bool finished() const override;

private:
    struct MusicDeleter {
        void operator()(_Mix_Music* music) const;
    };
    struct OpenJob;
    struct OpenStart;

    // The open's own thread: opens the file and hands the stream to the job.
    static int runOpen(void* data);

    // Lets go of an open still running: its stream, if it ever comes, is freed where it was made.
    void abandonOpen();

    const AudioDevice& m_device;
    std::string m_fileName;
    std::unique_ptr<_Mix_Music, MusicDeleter> m_music;
    std::shared_ptr<OpenJob> m_opening; // the open under way, shared with its thread
    std::chrono::steady_clock::time_point m_openingSince;
    bool m_playWhenOpen = false; // play() came while the file was opening
    // play() has started the stream and no stop or close came since.
    bool m_started = false;
    // Where play() starts, in milliseconds, while the stream is not started.
    int m_startAt = 0;
    int m_volume = MaxMusicVolume;
};

} // namespace quillmere
