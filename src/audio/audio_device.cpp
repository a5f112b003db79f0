#include "audio/audio_device.h"
#include "audio/silenced_stderr.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace quillmere {

AudioDevice::AudioDevice() {
    // SDL would otherwise catch SIGINT and SIGTERM and queue them as quit events, which nobody reads
    // here: the program would no longer end on those signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    {
        const SilencedStderr quiet;
        m_sdlAudio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (m_sdlAudio) {
            Mix_Init(MIX_INIT_MP3);
            m_mixerOpen = Mix_OpenAudio(SampleRate, AUDIO_S16SYS, OutputChannels, BufferFrames) == 0;
        }
    }
    if (!m_mixerOpen) {
        std::fprintf(stderr, "Quillmere: no sound device (%s); running without sound.\n", SDL_GetError());
        return;
    }
    Mix_ReserveChannels(TuneChannel + 1);
}

AudioDevice::~AudioDevice() {
    if (m_mixerOpen) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    // A decoder still opening a file (a long MP3 on a slow share) must not see the mixer go under it.
    if (!m_musicOpens->waitUntilNone(OpenPatience))
        return;
    if (m_mixerOpen)
        Mix_CloseAudio();
    if (m_sdlAudio) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

} // namespace quillmere
