#pragma once

#include "fish/fish_kind.h"

#include <array>

namespace quillmere {

constexpr int RingCount = 15;

// What one frame of a fish hands its drawing: where it was drawn and every animation value of the frame.
// Angles in degrees, offsets in scene units (already multiplied by the size).
struct FishPose {
    int slot = 0;
    FishKind kind = FishKind::Neon;
    int size = 8;
    float x = 0.0f; // position the fish is drawn at, before this frame's move
    float y = 0.0f;
    float z = 0.0f;
    float pitch = 0.0f;                        // current pitch after this frame's one-degree step
    float heading = 0.0f;                      // current heading after this frame's bend step
    std::array<float, RingCount> ringAngles{}; // absolute yaw of each body ring, head first
    std::array<float, 7> lowerJaw{};           // opening of the lower jaw points (z down)
    std::array<float, 8> upperJaw{};           // opening of the upper jaw points (z up)
    std::array<float, RingCount> bodyWave{};   // lateral sway of each ring
    std::array<float, 23> dorsal{};
    std::array<float, 20> pectoral{};
    std::array<float, 10> pelvic{};
    std::array<float, 10> anal{};
    std::array<float, 25> tail{};
    float gillFlap = 0.0f;
};

} // namespace quillmere
