#pragma once

#include <array>

namespace quillmere {

// A 4x4 column-major matrix, as OpenGL stores one.
using RingMatrix = std::array<float, 16>;

// The rotation of angleDegrees about the axis (ax, ay, az), the matrix glRotatef builds; the axis need not
// be of unit length, and an axis of length zero gives the identity.
RingMatrix BuildRotationMatrix(float angleDegrees, float ax, float ay, float az);

} // namespace quillmere
