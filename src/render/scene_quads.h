#pragma once

#include "fish/tank_box.h"
#include "scene/bubble_system.h"

#include <array>

namespace quillmere {

// One corner of a textured quad: texture coordinates, then the point in scene units.
struct TexturedVertex {
    float s = 0.0f;
    float t = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Corners in the order they are sent with GL_QUADS.
using TexturedQuad = std::array<TexturedVertex, 4>;

// Both backdrops lie in the plane z = -90, across the tank's width.
constexpr float BackdropPlaneZ = -90.0f;

// The user's picture: 77 high (-38 to 39), t running upward, drawn before the fish.
TexturedQuad customBackdropQuad(const TankBox& tank);

// The built-in picture: 76 high (38 to -38), t running downward, drawn after the fish.
TexturedQuad builtInBackdropQuad(const TankBox& tank);

// A bubble sprite: a square of half side `size` around (x, y) in the plane of its z, the picture's s
// axis running up the bubble.
TexturedQuad bubbleQuad(const BubbleSprite& sprite);

// Sends the four corners; call between glBegin(GL_QUADS) and glEnd().
void emitQuad(const TexturedQuad& quad);

} // namespace quillmere
