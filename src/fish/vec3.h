#pragma once

namespace quillmere {

// A point or offset in scene units.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

} // namespace quillmere
