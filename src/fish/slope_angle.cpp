#include "fish/slope_angle.h"

#include <cmath>

namespace quillmere {

double lineSlope(double dx, double dy) {
    if (std::fabs(dx) < 0.0001)
        return dy * 10000.0;
    return dy / dx;
}

double angleBetweenSlopes(double m1, double m2) {
    const double denominator = 1.0 + m1 * m2;
    const double tangent = std::fabs(denominator) <= 0.0001 ? std::fabs((m2 - m1) * 10000.0)
                                                            : std::fabs((m2 - m1) / denominator);
    return std::atan(tangent) * SlopeDegreesPerRadian;
}

} // namespace quillmere
