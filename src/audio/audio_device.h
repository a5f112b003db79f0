#pragma once

#include "audio/music_opens.h"

#include <chrono>
#include <memory>

namespace quillmere {

// The program's one connection to the sound output: SDL's audio subsystem and SDL_mixer, opened for
// the whole run. The application owns the only instance and destroys it after the players. Without a
// sound device the program runs silently: available() is false, the players do nothing, and one line
// on standard error says so.
class AudioDevice {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int OutputChannels = 2;
    // Frames per mixing buffer: about 46 ms, enough that a busy frame never starves the sound.
    static constexpr int BufferFrames = 2048;
    // The mixer channel kept for the built-in tune, so no other sound can take it.
    static constexpr int TuneChannel = 0;

    AudioDevice();
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    bool available() const { return m_mixerOpen; }

    // The music opens in flight. Shared with their threads, so a thread left running at exit never
    // reaches a counter that is gone.
    std::shared_ptr<MusicOpens> musicOpens() const { return m_musicOpens; }

    // How long the device waits, when it closes, for an open still running; past it the mixer is left
    // open for the process's exit to reclaim.
    static constexpr std::chrono::milliseconds OpenPatience{1500};

private:
    std::shared_ptr<MusicOpens> m_musicOpens = std::make_shared<MusicOpens>();
    bool m_sdlAudio = false;
    bool m_mixerOpen = false;
};

} // namespace quillmere
