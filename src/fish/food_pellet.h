#pragma once

#include "core/random.h"

#include <array>

namespace quillmere {

constexpr int PelletSlotCount = 10;

// How one pellet is drawn this frame: translate to the drop point, rotate by spinY about y, translate
// by the offset, rotate by spinX about x, draw the disc.
struct PelletDraw {
    int slot = 0;
    bool visible = false; // false: the slot was freed in this pass and nothing is drawn
    float dropX = 0.0f;
    float dropY = 0.0f;
    float dropZ = 0.0f;
    float spinY = 0.0f; // degrees
    float offsetX = 0.0f;
    float offsetY = 0.0f; // already lowered by 0.2
    float offsetZ = 0.0f;
    float spinX = 0.0f; // degrees
};

// One food pellet slot.
struct FoodPellet {
    float offsetX = 0.0f; // displacement from the drop point, scene units
    float offsetY = 0.0f; // starts at 1 and falls as the pellet sinks
    float offsetZ = 0.0f;
    float spinX = 0.0f;     // degrees about x
    float spinY = 0.0f;     // degrees about y
    float sinkSpeed = 0.0f; // scene units per frame
    float alive = 0.0f;     // 1 while it can be eaten, 0 once eaten or settled
    float x = 0.0f;         // scene position, recomputed every frame while alive
    float y = 0.0f;
    float z = 0.0f;
    float dropX = 0.0f;
    float dropY = 0.0f;
    float dropZ = -70.0f;
    bool active = false; // the slot is in use

    // Fresh drift, spin and sinking speed: eleven draws.
    void Initialize(Random& random);

    // Moves the drop point and initialises; the caller then marks the slot active.
    void Drop(float atX, float atY, float atZ, Random& random);

    // One frame of an active pellet: what to draw, then the sinking, drifting and spinning.
    PelletDraw Step(int slot, Random& random);
};

using PelletSlots = std::array<FoodPellet, PelletSlotCount>;

// Drops a pellet every 501 frames, the first on the first frame.
struct PelletDropper {
    int counter = 0; // 0..500

    // Draws the drop point whether or not a slot is free; fills the lowest free slot.
    void Step(PelletSlots& pellets, Random& random);
};

} // namespace quillmere
