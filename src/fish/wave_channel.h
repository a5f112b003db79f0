#pragma once

#include <cmath>

namespace quillmere {

// One sine wave that runs along a fin or the body; its phase advances every (hold + 2)-th frame.
struct WaveChannel {
    float phase = 0.0f;     // radians
    int counter = 0;        // frames since the phase last advanced
    int hold = 0;           // the phase advances when the counter, before its increment, exceeds this
    float step = 0.0f;      // phase difference between neighbouring points, radians
    float amplitude = 0.0f; // times the fish size
    float increment = 0.0f; // what the phase gains at each advance, radians

    // One frame of the channel; returns true when the phase passed a full turn and restarted at 0.
    bool advance() {
        const int old = counter;
        counter = old + 1;
        if (old > hold) {
            phase += increment;
            counter = 0;
        }
        if (phase > 6.283185f) {
            phase = 0.0f;
            return true;
        }
        return false;
    }

    // sin(i * step + phase) of point i.
    float sineAt(int i) const { return static_cast<float>(std::sin(static_cast<double>(i * step + phase))); }
};

} // namespace quillmere
