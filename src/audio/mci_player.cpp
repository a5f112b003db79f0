#include "audio/mci_player.h"

#include "core/unique_fd.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <utility>

namespace quillmere {
namespace {

int toMilliseconds(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000.0));
}

// A pipe, a device or a folder would block the decoder or feed it endless bytes. Opened without
// blocking, so a pipe in the file's place cannot hold up the check itself.
bool isRegularFile(const std::string& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    return fd.valid() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

struct MciPlayer::OpenJob {
    std::mutex mutex;
    bool ended = false;
    bool abandoned = false;
    Mix_Music* music = nullptr; // owned by the job until the player takes it
};

struct MciPlayer::OpenStart {
    std::shared_ptr<OpenJob> job;
    std::string fileName;
    std::shared_ptr<MusicOpens> opens;
};

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
    auto job = std::make_shared<OpenJob>();
    m_opening = job;
    m_openingSince = std::chrono::steady_clock::now();
    // An SDL thread, since SDL frees what it keeps for a thread (its error text) only for its own.
    auto open = std::make_unique<OpenStart>(OpenStart{job, fileName, m_device.musicOpens()});
    open->opens->started();
    if (SDL_Thread* thread = SDL_CreateThread(&runOpen, "quillmere-open", open.get())) {
        open.release(); // the thread owns it now
        SDL_DetachThread(thread);
    } else {
        open->opens->ended();
        const std::lock_guard lock(job->mutex);
        job->ended = true;
    }
}

int MciPlayer::runOpen(void* data) {
    const std::unique_ptr<OpenStart> open(static_cast<OpenStart*>(data));
    OpenJob& job = *open->job;
    Mix_Music* music = isRegularFile(open->fileName) ? Mix_LoadMUS(open->fileName.c_str()) : nullptr;
    {
        const std::lock_guard lock(job.mutex);
        if (job.abandoned && music != nullptr)
            Mix_FreeMusic(music);
        else
            job.music = music;
        job.ended = true;
    }
    open->opens->ended();
    return 0;
}

void MciPlayer::poll() {
    if (!m_opening)
        return;
    {
        const std::lock_guard lock(m_opening->mutex);
        if (m_opening->ended)
            m_music.reset(std::exchange(m_opening->music, nullptr));
    }
    if (m_music) {
        m_opening.reset();
        if (std::exchange(m_playWhenOpen, false))
            play();
    } else if (m_opening->ended || std::chrono::steady_clock::now() - m_openingSince >= OpenTimeout) {
        abandonOpen();
    }
}

void MciPlayer::abandonOpen() {
    if (m_opening) {
        const std::lock_guard lock(m_opening->mutex);
        m_opening->abandoned = true;
    }
    m_opening.reset();
    m_playWhenOpen = false;
}

void MciPlayer::play() {
    if (m_opening) {
        m_playWhenOpen = true;
        return;
    }
    if (!m_music || (m_started && Mix_PlayingMusic()))
        return;
    m_started = Mix_FadeInMusicPos(m_music.get(), 0, 0, m_startAt / 1000.0) == 0;
}

void MciPlayer::stop() {
    m_playWhenOpen = false;
    if (!m_started)
        return;
    m_startAt = position();
    m_started = false;
    Mix_HaltMusic();
}

void MciPlayer::close() {
    abandonOpen();
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
