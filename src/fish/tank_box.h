#pragma once

namespace quillmere {

// The tank's extent in scene units; the fish bounds, the floor grid and the backdrop derive from it.
struct TankBox {
    float left = -90.0f;
    float right = 90.0f;
    float top = 30.0f;
    float bottom = -22.0f;
    float back = -50.0f;
    float front = 0.0f; // kept for completeness; nothing reads it
};

} // namespace quillmere
