#include "fish/ring_matrix.h"

#include <cmath>

namespace quillmere {

RingMatrix BuildRotationMatrix(float angleDegrees, float ax, float ay, float az) {
    RingMatrix m = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f,
                    0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    const double length =
        std::sqrt(static_cast<double>(ax) * ax + static_cast<double>(ay) * ay + static_cast<double>(az) * az);
    if (length == 0.0)
        return m;
    const double x = ax / length;
    const double y = ay / length;
    const double z = az / length;
    const double radians = angleDegrees * 0.017453292519943295;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double k = 1.0 - c;
    // Columns: the images of the x, y and z axes.
    m[0] = static_cast<float>(x * x * k + c);
    m[1] = static_cast<float>(y * x * k + z * s);
    m[2] = static_cast<float>(x * z * k - y * s);
    m[4] = static_cast<float>(x * y * k - z * s);
    m[5] = static_cast<float>(y * y * k + c);
    m[6] = static_cast<float>(y * z * k + x * s);
    m[8] = static_cast<float>(x * z * k + y * s);
    m[9] = static_cast<float>(y * z * k - x * s);
    m[10] = static_cast<float>(z * z * k + c);
    return m;
}

} // namespace quillmere
