#pragma once

#include <chrono>

namespace quillmere {

// Keeps frames on a fixed cadence measured against a clock rather than against the end of the last
// frame, so the rate does not drift below the period's; a late frame is followed by the next one on the
// cadence, never by a burst of the ticks it missed.
class FrameCadence {
public:
    using Duration = std::chrono::microseconds;

    explicit FrameCadence(Duration period) : m_period(period) {}

    // The steady clock's reading, which the cadence counts against.
    static Duration now() {
        return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
    }

    // A tick arrived at now: whether a frame is due. A tick that arrives early (a timer may round its
    // delay down) waits for the next one.
    bool frameDue(Duration now) {
        if (!m_started) {
            m_started = true;
            m_next = now;
        }
        if (now + EarlySlack < m_next) {
            return false;
        }
        m_next += m_period;
        if (m_next <= now) {
            m_next = now + m_period;
        }
        return true;
    }

    // How long to wait from now for the next frame's tick.
    Duration delayUntilNext(Duration now) const { return m_next > now ? m_next - now : Duration::zero(); }

private:
    // Timers count in whole milliseconds; a tick this much early still counts as on time.
    static constexpr Duration EarlySlack{500};

    Duration m_period;
    Duration m_next{};
    bool m_started = false;
};

} // namespace quillmere
