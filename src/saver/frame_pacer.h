#pragma once

#include <chrono>

namespace quillmere {

// When the next frame is due, at a fixed rate. A frame that comes late is never made up for: the
// count starts again from it, as the program's own timer drops ticks it could not serve.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    FramePacer(int framesPerSecond, Clock::time_point start)
        : m_period(std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / framesPerSecond),
          m_due(start) {}

    Clock::time_point due() const { return m_due; }

    // Records a frame drawn at now and sets when the next one is due.
    void frameDrawn(Clock::time_point now) {
        m_due += m_period;
        if (m_due <= now)
            m_due = now + m_period;
    }

private:
    Clock::duration m_period;
    Clock::time_point m_due;
};

} // namespace quillmere
