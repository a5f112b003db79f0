#include "audio/mci_player.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace quillmere {
namespace {

int toMilliseconds(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000.0));
}

} // namespace

void MciPlayer::MusicDeleter::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);
}

MciPlayer::MciPlayer(const AudioDevice& device) : m_device(device) {}

MciPlayer::~MciPlayer() {
    close();
}

void MciPlayer::create(const std::string& fileName) {
    close();
    m_fileName = fileName;
    if (!m_device.available() || fileName.empty())
        return;
    m_music.reset(Mix_LoadMUS(fileName.c_str()));
}

void MciPlayer::play() {
    if (!m_music || (m_started && Mix_PlayingMusic()))
        return;
    m_started = Mix_FadeInMusicPos(m_music.get(), 0, 0, m_startAt / 1000.0) == 0;
}

void MciPlayer::stop() {
    if (!m_started)
        return;
    m_startAt = position();
    m_started = false;
    Mix_HaltMusic();
}

void MciPlayer::close() {
    // Freeing the stream halts it when it is the one playing.
    m_music.reset();
    m_started = false;
    m_startAt = 0;
}

void MciPlayer::seek(int milliseconds) {
    const int target = std::max(milliseconds, 0);
    if (m_started && Mix_PlayingMusic())
        Mix_SetMusicPosition(target / 1000.0);
    else
        m_startAt = target;
}

int MciPlayer::position() const {
    if (!m_music)
        return 0;
    if (!m_started)
        return m_startAt;
    const double seconds = Mix_GetMusicPosition(m_music.get());
    return seconds < 0.0 ? 0 : toMilliseconds(seconds);
}

int MciPlayer::length() const {
    if (!m_music)
        return 0;
    const double seconds = Mix_MusicDuration(m_music.get());
    return seconds < 0.0 ? -1 : toMilliseconds(seconds);
}

void MciPlayer::setVolume(int volume) {
    m_volume = volume;
    if (m_device.available())
        Mix_VolumeMusic(mixerVolumeForMusicVolume(volume));
}

bool MciPlayer::finished() const {
    return m_started && !Mix_PlayingMusic();
}

} // namespace quillmere
