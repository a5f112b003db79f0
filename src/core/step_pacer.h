#pragma once

#include <algorithm>
#include <chrono>

namespace quillmere {

// Keeps the tank's steps on their own cadence against a clock while frames are drawn at the display's
// rate, and says of each frame whether a step falls due first and how far the frame lies between the
// last two steps. A frame shows the tank one step late: at a step's own time it draws the step before,
// exactly, and reaches the latest step just as the next one falls due, so it never draws a step that
// has not been simulated. As with the fixed cadence, a stall moves the schedule on instead of leaving
// a burst of steps to catch up.
class StepPacer {
public:
    using Duration = std::chrono::microseconds;

    struct Frame {
        bool step = false;  // simulate one step before drawing
        float blend = 0.0f; // 0 draws the step before the latest, 1 the latest
    };

    explicit StepPacer(Duration stepPeriod) : m_period(stepPeriod) {}

    Frame frameAt(Duration now) {
        Frame frame;
        if (!m_started) {
            m_started = true;
            m_next = now;
        }
        if (now >= m_next) {
            frame.step = true;
            m_last = m_next;
            m_next += m_period;
            if (m_next <= now) {
                m_last = now;
                m_next = now + m_period;
            }
        }
        const auto sinceStep = static_cast<float>((now - m_last).count());
        frame.blend = std::clamp(sinceStep / static_cast<float>(m_period.count()), 0.0f, 1.0f);
        return frame;
    }

private:
    Duration m_period;
    Duration m_next{};
    Duration m_last{};
    bool m_started = false;
};

} // namespace quillmere
