#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quillmere {

// The music files being opened on threads of their own, counted so that the sound device is not
// closed under an open still running in SDL_mixer's decoders.
class MusicOpens {
public:
    void started() {
        const std::lock_guard lock(m_mutex);
        ++m_running;
    }
    void ended() {
        const std::lock_guard lock(m_mutex);
        --m_running;
        m_changed.notify_all();
    }
    // True once none runs; false when one still runs after patience.
    bool waitUntilNone(std::chrono::milliseconds patience) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, patience, [this] { return m_running == 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_running = 0;
};

} // namespace quillmere
