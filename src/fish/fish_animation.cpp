#include "fish/fish.h"

#include "fish/fish_kind_shapes.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

int truncateToInt(float value) {
    return static_cast<int>(value);
}

} // namespace

void Fish::ComputeRingAngles(std::array<float, RingCount>& out, float targetAngle, Random& random) {
    constexpr int n = RingCount;
    if (std::fabs(lastTargetHeading - targetAngle) > 0.01f) {
        settled = false;
        relaxed = false;
        lastTargetHeading = targetAngle;
    }
    // This value has never been used, but the draw belongs to the sequence every tank is built from.
    random.next();

    const int old = bendCounter;
    bendCounter = old + 1;
    if (old > 1) {
        if (!settled) {
            constexpr float turnStep = 2.0f;
            if (heading < targetAngle) {
                heading += turnStep;
                if (heading > targetAngle)
                    heading = targetAngle;
            } else {
                heading -= turnStep;
                if (heading < targetAngle)
                    heading = targetAngle;
            }
            if (truncateToInt(heading - targetAngle) == 0)
                settled = true;
        }
        bendCounter = 0;
    }

    if (!settled) {
        const float spread =
            std::min(std::fabs(heading - lastTargetHeading) / static_cast<float>(n - 1), 1.0f);
        for (int i = 0; i < n; ++i) {
            if (heading < targetAngle)
                out[i] = heading - static_cast<float>(i) * spread;
            else if (heading > targetAngle)
                out[i] = heading + static_cast<float>(i) * spread;
            else
                out[i] =
                    targetAngle; // a body already on its heading stays straight rather than flipping to 0
            storedRingAngles[i] = truncateToInt(out[i]);
        }
        if (wallState == WallState::Left || wallState == WallState::Right) {
            for (int i = 0; i < n; ++i) {
                out[i] = targetAngle;
                storedRingAngles[i] = truncateToInt(targetAngle);
            }
            heading = targetAngle;
        }
    }

    if (settled && !relaxed) {
        const float relaxStep = static_cast<float>(random.next() % 90) * 0.01f + 1.0f;
        bool changed = false;
        for (int i = 0; i < n; ++i) {
            int& stored = storedRingAngles[i];
            if (static_cast<float>(stored) < targetAngle) {
                stored = truncateToInt(static_cast<float>(stored) + relaxStep);
                if (static_cast<float>(stored) > targetAngle)
                    stored = truncateToInt(targetAngle);
                out[i] = static_cast<float>(stored);
                changed = true;
            }
            if (static_cast<float>(stored) > targetAngle) {
                stored = truncateToInt(static_cast<float>(stored) - relaxStep);
                if (static_cast<float>(stored) < targetAngle)
                    stored = truncateToInt(targetAngle);
                out[i] = static_cast<float>(stored);
                changed = true;
            }
        }
        if (!changed)
            relaxed = true;
    }

    if (settled) {
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<float>(storedRingAngles[i]);
    }
}

void Fish::ComputeLowerJaw(std::array<float, 7>& out) const {
    constexpr int n = 7;
    for (int i = 0; i < n; ++i)
        out[i] =
            mouthClosed ? 0.0f : static_cast<float>(size) * lowerJawAmplitude * static_cast<float>(n - i);
}

void Fish::ComputeUpperJaw(std::array<float, 8>& out, Random& random) {
    constexpr int n = 8;
    for (int i = 0; i < n; ++i)
        out[i] =
            mouthClosed ? 0.0f : static_cast<float>(size) * upperJawAmplitude * static_cast<float>(n - i);
    const int old = mouthToggleCounter;
    mouthToggleCounter = old + 1;
    if (old > mouthTogglePeriod) {
        mouthToggleCounter = 0;
        mouthClosed = !mouthClosed;
        mouthTogglePeriod = random.next() % 20 + 15;
    }
}

void Fish::ComputeBodyWave(std::array<float, RingCount>& out, Random& random) {
    if (bodyWave.advance()) {
        bodyWave.hold = random.next() % 10 + 1;
        bodyWave.increment = 3.1415925f / static_cast<float>(random.next() % 10 + 2);
        bodyWaveStartRing = random.next() % 5 + 10;
    }
    for (int i = 0; i < RingCount; ++i) {
        out[i] = i < bodyWaveStartRing ? 0.0f
                                       : static_cast<float>(i - bodyWaveStartRing) * bodyWave.amplitude *
                                             bodyWave.sineAt(i) * static_cast<float>(size);
    }
}

void Fish::ComputeDorsalWave(std::array<float, 23>& out) {
    dorsalWave.advance();
    const float ripple = shapeOf(kind).dorsal.ripple;
    for (int i = 0; i < static_cast<int>(out.size()); ++i)
        out[i] = dorsalWave.sineAt(i) * static_cast<float>(size) * dorsalWave.amplitude * ripple;
}

void Fish::ComputePectoralWave(std::array<float, 20>& out) {
    pectoralWave.advance();
    for (int i = 0; i < static_cast<int>(out.size()); ++i)
        out[i] = pectoralWave.sineAt(i) * static_cast<float>(size) * pectoralWave.amplitude;
}

void Fish::ComputePelvicWave(std::array<float, 10>& out, Random& random) {
    if (pelvicWave.advance()) {
        pelvicWave.hold = random.next() % 3;
        pelvicWave.increment = 3.1415925f / static_cast<float>(random.next() % 16 + 2);
    }
    for (int i = 0; i < static_cast<int>(out.size()); ++i)
        out[i] =
            static_cast<float>(i) * pelvicWave.sineAt(i) * static_cast<float>(size) * pelvicWave.amplitude;
}

void Fish::ComputeAnalWave(std::array<float, 10>& out) {
    analWave.advance();
    for (int i = 0; i < static_cast<int>(out.size()); ++i)
        out[i] = analWave.sineAt(i) * static_cast<float>(size) * analWave.amplitude;
}

void Fish::ComputeTailWave(std::array<float, 25>& out) {
    constexpr int n = 25;
    tailWave.advance();
    for (int i = 0; i < n; ++i)
        out[i] = tailWave.sineAt(i) * static_cast<float>(size) * tailWave.amplitude;

    // The root of the tail never sways, and some kinds' tails hold parts of the fin still.
    out[0] = 0.0f;
    out[1] = 0.0f;
    for (const PointRun& still : shapeOf(kind).stillTail)
        for (int i = still.first; i <= still.last; ++i)
            out[i] = 0.0f;
}

void Fish::ComputeGillFlap(float& out, Random& random) {
    if (targetPitch > 0.0f)
        gillValue += gillStep;
    else
        gillValue -= gillStep;
    if (random.next() % 5 == 0)
        gillValue += 3.0f * gillStep;
    if (random.next() % 5 == 1)
        gillValue -= 3.0f * gillStep;
    gillValue = std::clamp(gillValue, -gillLimit, gillLimit);
    out = gillValue;
}

} // namespace quillmere
