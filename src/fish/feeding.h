#pragma once

#include "core/random.h"
#include "fish/fish.h"
#include "fish/food_pellet.h"

namespace quillmere {

// Degrees (0..90) between the fish's centre-to-head line and the line from its centre to the pellet,
// both in the x-z plane.
float yawAmountTo(const Fish& fish, const FoodPellet& pellet);

// The climb angle toward a point, judged from the point's own x and y: 0..90 in the first quadrant,
// 90 - angle elsewhere, 90 or 270 straight above or below the origin.
float pitchAmountTo(float x, float y);

// Fish within 20 of an active pellet (in x and y) slow down and turn toward it; within 3 they slow to a stop.
void attractToFood(Fish& fish, const PelletSlots& pellets, Random& random);

// Pellets near the fish's mouth drift toward it; nearer still, a live one is eaten.
void pullAndEat(const Fish& fish, PelletSlots& pellets);

} // namespace quillmere
