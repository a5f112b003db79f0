#include "fish/feeding.h"

#include "fish/slope_angle.h"

#include <cmath>

namespace quillmere {

float yawAmountTo(const Fish& fish, const FoodPellet& pellet) {
    const double toHead = lineSlope(fish.head.x - fish.x, fish.head.z - fish.z);
    const double toPellet = lineSlope(pellet.x - fish.x, pellet.z - fish.z);
    return static_cast<float>(angleBetweenSlopes(toHead, toPellet));
}

float pitchAmountTo(float x, float y) {
    if (x == 0.0f && y == 0.0f)
        return 0.0f;
    if (std::fabs(x) < 0.0001f) {
        if (y < 0.0f)
            return 270.0f;
        if (y > 0.0f)
            return 90.0f;
        return 0.0f;
    }
    if (std::fabs(y) < 0.0001f)
        return x > 0.0f ? 0.0f : 180.0f;
    const int a = static_cast<int>(std::atan(std::fabs(y / x)) * SlopeDegreesPerRadian);
    return x > 0.0f && y >= 0.0f ? static_cast<float>(a) : static_cast<float>(90 - a);
}

void attractToFood(Fish& fish, const PelletSlots& pellets, Random& random) {
    fish.attracted = false;
    for (const FoodPellet& pellet : pellets) {
        if (!pellet.active)
            continue;
        const float dx = std::fabs(fish.head.x - pellet.x);
        const float dy = std::fabs(fish.head.y - pellet.y);
        if (!(dx < 20.0f && dy < 20.0f))
            continue;
        fish.attracted = true;
        fish.ApproachSpeed(0.1f, 0.1f);
        const float d = yawAmountTo(fish, pellet);
        const float c = pitchAmountTo(pellet.x, pellet.y);
        if (d >= 1.0f) {
            const bool towardMinusX = fish.current.towardMinusX;
            const bool ahead = towardMinusX ? fish.head.x > pellet.x : fish.head.x < pellet.x;
            if (ahead)
                fish.TurnYaw(d, fish.head.z > pellet.z, YawRule::ByAmount, random);
            const bool behind = towardMinusX ? fish.head.x < pellet.x : fish.head.x > pellet.x;
            if (behind)
                fish.TurnYaw(180.0f - d, true, YawRule::ByAmount, random);
        }
        if (d < 1.0f)
            fish.TurnPitch(c, fish.head.y <= pellet.y, PitchRule::ByAmount, random);
        if (dx < 3.0f && dy < 3.0f)
            fish.ApproachSpeed(0.1f, 0.05f);
    }
}

void pullAndEat(const Fish& fish, PelletSlots& pellets) {
    for (FoodPellet& pellet : pellets) {
        if (!pellet.active)
            continue;
        const float dx = fish.head.x - pellet.x;
        const float dy = fish.head.y - pellet.y;
        const float dz = fish.head.z - pellet.z;
        if (!(std::fabs(dx) < 3.0f && std::fabs(dy) < 3.0f && std::fabs(dz) < 10.0f))
            continue;
        pellet.offsetX += dx * 0.005f;
        pellet.offsetY += dy * 0.005f;
        if (std::fabs(dx) < 2.0f && std::fabs(dy) < 2.0f && std::fabs(dz) < 5.0f && pellet.alive != 0.0f)
            pellet.alive = 0.0f;
    }
}

} // namespace quillmere
