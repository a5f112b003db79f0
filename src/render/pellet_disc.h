#pragma once

#include "render/display_lists.h"

namespace quillmere {

constexpr int PelletDiscPoints = 500;
constexpr float PelletDiscRadius = 0.15f;

struct DiscPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// Point i of the disc's fan, i in 0 .. PelletDiscPoints - 1, going once round the rim.
DiscPoint pelletDiscPoint(int i);

// The pellet's flat, untextured, cream-coloured disc in the plane z = 0, compiled once and shared by
// every pellet. It turns texturing off for itself and leaves it on with the colour white. Needs a current
// rendering context; empty when no list could be made.
DisplayLists compilePelletDisc();

} // namespace quillmere
