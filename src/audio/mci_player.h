#pragma once

#include "audio/audio_device.h"
#include "audio/audio_levels.h"
#include "audio/music_stream.h"

#include <memory>
#include <string>

struct _Mix_Music;

namespace quillmere {

// The custom player's file stream on SDL_mixer's music channel: MP3, WAV and MPEG audio (whatever the
// file's extension, the content decides). Only one file is open at a time; opening another closes the
// old one. The program has one, owned by the Custom Music dialog.
class MciPlayer : public MusicStream {
public:
    explicit MciPlayer(const AudioDevice& device);
    ~MciPlayer() override;
    MciPlayer(const MciPlayer&) = delete;
    MciPlayer& operator=(const MciPlayer&) = delete;

    const std::string& fileName() const { return m_fileName; }

    void create(const std::string& fileName) override;
    bool canPlay() const override { return m_music != nullptr; }
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

    const AudioDevice& m_device;
    std::string m_fileName;
    std::unique_ptr<_Mix_Music, MusicDeleter> m_music;
    // play() has started the stream and no stop or close came since.
    bool m_started = false;
    // Where play() starts, in milliseconds, while the stream is not started.
    int m_startAt = 0;
    int m_volume = MaxMusicVolume;
};

} // namespace quillmere
