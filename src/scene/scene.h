#pragma once

#include "core/random.h"
#include "fish/feeding.h"
#include "fish/fish_school.h"
#include "fish/food_pellet.h"
#include "fish/population.h"
#include "fish/tank_box.h"
#include "fish/vec3.h"
#include "scene/bubble_system.h"
#include "scene/camera.h"
#include "scene/front_tint.h"
#include "scene/scene_frame.h"
#include "scene/terrain_grid.h"
#include "settings/aquarium_settings.h"

namespace quillmere {

// What a frame needs from outside the scene besides the settings.
struct FrameInputs {
    bool ownImageOn = false; // the user's pictures replace the built-in backdrop
};

// The whole tank, headless: fish, pellets, bubbles, floor, camera and tint, with the one-time set-up
// and the per-frame step. Every draw from the generator happens here, in the frame's order.
class Scene {
public:
    // Makes the 50 fish slots, each drawing its mouth toggle period and its idle counter.
    explicit Scene(Random& random);

    // The set-up after the fish exist, from the start-up settings the caller loaded (and repaired in
    // its file, when it owns one): floor grid, bubbles and fish placement, pellet reset. Returns false
    // when the floor grid reported "MAP SIZE ERROR".
    bool setUp(Random& random, const AquariumSettings& settings);

    // One frame: camera, light and fog, bubbles, custom backdrop tint, every drawn fish with its food
    // reactions, avoidance and snapshot, the vertical separation, built-in backdrop tint, pellets and
    // the automatic drop.
    const SceneFrame& frame(Random& random, const AquariumSettings& settings, CameraValues& camera,
                            const FrameInputs& inputs);

    const SceneFrame& lastFrame() const { return m_frame; }
    const TankBox& tankBox() const { return m_tankBox; }
    const TerrainGrid& terrain() const { return m_terrain; }
    const Vec3& bubbleOrigin() const { return m_bubbleOrigin; }
    const BubbleSystem& bubbles() const { return m_bubbles; }
    const CameraState& camera() const { return m_camera; }
    const FrontTintState& frontTint() const { return m_frontTint; }
    // The settings dialog resumes the cycle from the saved phase.
    FrontTintState& frontTint() { return m_frontTint; }

    // Fish and pellets stay reachable for the dialogs, tests and benchmarks that place them.
    FishSlots& fish() { return m_fish; }
    const FishSlots& fish() const { return m_fish; }
    PelletSlots& pellets() { return m_pellets; }
    const PelletSlots& pellets() const { return m_pellets; }

private:
    void setUpBubbles(Random& random, const AquariumSettings& settings);
    int bubbleAmount(const AquariumSettings& settings) const;

    TankBox m_tankBox;
    TerrainGrid m_terrain;
    FishSlots m_fish;
    PelletSlots m_pellets{};
    PelletDropper m_dropper;
    BubbleSystem m_bubbles;
    Vec3 m_bubbleOrigin;
    CameraState m_camera;
    FrontTintState m_frontTint;
    FishSnapshots m_snapshots;
    SceneFrame m_frame;
};

} // namespace quillmere
