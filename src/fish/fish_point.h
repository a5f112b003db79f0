#pragma once

#include <array>
#include <cstddef>

namespace quillmere {

// One point of a fish model table: position in model units (one fish size; x along the fish with the head
// toward -x, y lateral, z up), the normal as lit, and the skin's texture coordinate (s along the fish from
// the snout, t around it; both may leave 0..1, the skins repeat).
struct FishPoint {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float nx = 0.0f;
    float ny = 0.0f;
    float nz = 1.0f;
    float s = 0.0f;
    float t = 0.0f;
};

// Rows of points; neighbouring rows are joined by one quad strip.
template <std::size_t Rows, std::size_t Points>
using FishPointRows = std::array<std::array<FishPoint, Points>, Rows>;

} // namespace quillmere
