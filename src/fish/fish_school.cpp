#include "fish/fish_school.h"

#include "fish/slope_angle.h"

#include <cmath>

namespace quillmere {

namespace {

bool rangesOverlap(float maxA, float minA, float maxB, float minB) {
    return maxA >= minB && maxB >= minA;
}

// Angle between the two fishes' centre-to-head lines, in the plane of x and the chosen axis.
double headingAngleBetween(const Fish& a, const Fish& b, float Vec3::*axis, float Fish::*centre) {
    const double m1 = lineSlope(a.head.x - a.x, a.head.*axis - a.*centre);
    const double m2 = lineSlope(b.head.x - b.x, b.head.*axis - b.*centre);
    return angleBetweenSlopes(m1, m2);
}

} // namespace

bool paddedBoxesOverlap(const Fish& a, const Fish& b) {
    const FishBox& p = a.paddedBox;
    const FishBox& q = b.paddedBox;
    return rangesOverlap(p.maxX, p.minX, q.maxX, q.minX) && rangesOverlap(p.maxY, p.minY, q.maxY, q.minY) &&
           rangesOverlap(p.maxZ, p.minZ, q.maxZ, q.minZ);
}

void avoidOtherFish(FishSlots& fish, int i, Random& random) {
    Fish& self = fish[i];
    for (int j = 0; j < FishSlotCount; ++j) {
        if (j == i)
            continue;
        Fish& other = fish[j];
        // Cleared against every slot, so afterwards the flag tells only about the last one tested.
        self.colliding = false;
        if (!paddedBoxesOverlap(self, other))
            continue;
        self.colliding = true;
        other.colliding = true;
        const double inXY = headingAngleBetween(self, other, &Vec3::y, &Fish::y);
        const double inXZ = headingAngleBetween(self, other, &Vec3::z, &Fish::z);
        if (inXY <= 10.0 && inXZ <= 10.0) {
            const bool headToHead = (self.target.towardMinusX && other.target.towardPlusX) ||
                                    (self.target.towardPlusX && other.target.towardMinusX);
            if (headToHead) {
                Fish& smaller = self.size < other.size ? self : other;
                smaller.TurnYaw(0.0f, true, YawRule::TurnAway, random);
            } else {
                const bool selfBehind = (self.target.towardMinusX && self.x > other.x) ||
                                        (self.target.towardPlusX && self.x < other.x);
                if (selfBehind)
                    other.ApproachSpeed(0.1f, self.speed + 0.1f);
                else
                    self.ApproachSpeed(0.1f, other.speed + 0.1f);
            }
        } else {
            self.TurnYaw(0.0f, self.z > other.z, YawRule::SideStep, random);
        }
    }
}

void separateVertically(FishSlots& fish, const FishSnapshots& snapshots, Random& random) {
    for (int a = 0; a < snapshots.count; ++a) {
        for (int b = a + 1; b < snapshots.count; ++b) {
            const Vec3& p = snapshots.position[a];
            const Vec3& q = snapshots.position[b];
            if (std::fabs(p.x - q.x) < 5.0f && std::fabs(p.y - q.y) < 5.0f && std::fabs(p.z - q.z) < 5.0f)
                fish[a].TurnPitch(1.0f, p.y > q.y, PitchRule::Nudge, random);
        }
    }
}

} // namespace quillmere
