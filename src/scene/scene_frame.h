#pragma once

// Everything one frame of the scene hands the renderer. The renderer only reads this, in the order of
// the fields: it draws nothing that the frame did not compute and never draws from the generator.

#include "fish/fish_pose.h"
#include "fish/fish_school.h"
#include "fish/food_pellet.h"
#include "fish/vec3.h"
#include "scene/bubble_system.h"
#include "scene/front_tint.h"

#include <array>

namespace quillmere {

struct SceneFrame {
    // Camera: eye (eyeX, 0, cameraZoom - 3) looking at (0, 0, -500).
    float eyeX = 0.0f;
    float cameraZoom = -5.0f;

    float lightIntensity = 1.0f; // ambient and diffuse red, green and blue of the scene light
    float fogDensity = 0.0f;     // for everything after the bubbles; the bubbles are drawn without fog

    // Bubbles, drawn first, translated by bubbleTranslation, sprites 0 .. bubbleCount - 1.
    bool bubblesDrawn = false;
    Vec3 bubbleTranslation;
    int bubbleCount = 0;
    std::array<BubbleSprite, MaxParticles> bubbles{};

    // The user's picture behind the fish, when it is on.
    bool customBackdrop = false;
    BackdropTint customBackdropTint;

    // Fish 0 .. fishCount - 1 in slot order.
    int fishCount = 0;
    std::array<FishPose, FishSlotCount> fish{};

    // The built-in backdrop, drawn after the fish.
    bool builtInBackdrop = false;
    BackdropTint builtInBackdropTint;

    // The pellets of the active slots, unlit, in slot order.
    int pelletCount = 0;
    std::array<PelletDraw, PelletSlotCount> pellets{};
};

} // namespace quillmere
