#include "scene/scene.h"

#include <algorithm>
#include <utility>

namespace quillmere {

namespace {

// Fish slots made in slot order, each drawing from the generator as it is made.
template <std::size_t... Slot> FishSlots makeFish(Random& random, std::index_sequence<Slot...>) {
    return FishSlots{((void)Slot, Fish(random))...};
}

// Both keys run against their names. Start-up repairs them; a record filled elsewhere is held to the
// same ranges here.
// "LIGHTQIANGDU": 0 is full light, each step darker, 100 dark.
float lightIntensity(const AquariumSettings& settings) {
    constexpr ValueRange Range = rangeOf(&AquariumSettings::light);
    return static_cast<float>(Range.max - clampTo(settings.light, Range)) * 0.01f;
}

// "FOGNONGDU": 25 is no fog, each step denser, 0 the densest.
float fogDensity(const AquariumSettings& settings) {
    constexpr ValueRange Range = rangeOf(&AquariumSettings::fog);
    return static_cast<float>(Range.max - clampTo(settings.fog, Range)) * 0.0005f;
}

} // namespace

Scene::Scene(Random& random) : m_fish(makeFish(random, std::make_index_sequence<FishSlotCount>{})) {}

bool Scene::setUp(Random& random, const AquariumSettings& settings) {
    const int width = static_cast<int>(m_tankBox.right - m_tankBox.left);
    const bool gridBuilt = m_terrain.BuildTerrainGrid(width, -static_cast<int>(m_tankBox.back), 1);

    setUpBubbles(random, settings);
    placeFish(m_fish, random, m_tankBox,
              [this](int row, int column) { return m_terrain.vertex(row, column); });

    for (FoodPellet& pellet : m_pellets)
        pellet.Initialize(random);
    return gridBuilt;
}

int Scene::bubbleAmount(const AquariumSettings& settings) const {
    // Bounded first, so that no setting can overflow the subtraction; the pool holds 1000 at most anyway.
    constexpr ValueRange Range = rangeOf(&AquariumSettings::bubbleSetting);
    return Range.max - clampTo(settings.bubbleSetting, Range);
}

void Scene::setUpBubbles(Random& random, const AquariumSettings& settings) {
    const int width = static_cast<int>(m_tankBox.right - m_tankBox.left);
    const Vec3 anchor = m_terrain.vertex(width / 2 - 5, 10);
    m_bubbleOrigin = Vec3{anchor.x, m_tankBox.bottom - anchor.y - 5.0f, anchor.z + m_tankBox.back};
    m_bubbles.Initialize(MaxParticles, random);
    // Spread the bubbles along their paths so the first frame already shows a full column.
    for (int advance = 0; advance < 1000; ++advance)
        m_bubbles.step(bubbleAmount(settings), random, m_frame.bubbles);
}

const SceneFrame& Scene::frame(Random& random, const AquariumSettings& settings, CameraValues& camera,
                               const FrameInputs& inputs) {
    SceneFrame& out = m_frame;

    UpdateCamera(m_camera, settings, camera);
    out.eyeX = m_camera.eyeX;
    out.cameraZoom = m_camera.cameraZoom;
    out.lightIntensity = lightIntensity(settings);
    out.fogDensity = fogDensity(settings);

    out.bubblesDrawn = settings.background == 0;
    out.bubbleCount = 0;
    if (out.bubblesDrawn) {
        out.bubbleTranslation =
            Vec3{m_bubbleOrigin.x + 5.2f, m_bubbleOrigin.y - 15.0f, m_bubbleOrigin.z - 10.0f};
        out.bubbleCount = m_bubbles.step(bubbleAmount(settings), random, out.bubbles);
    }

    out.customBackdrop = inputs.ownImageOn;
    out.customBackdropTint = out.customBackdrop ? ApplyFrontTint(m_frontTint, settings) : BackdropTint{};

    const SlotKinds slots = mapSlotsToKinds(settings.fishCount);
    out.fishCount = slots.total;
    m_snapshots.count = 0;
    for (int i = 0; i < slots.total; ++i) {
        Fish& fish = m_fish[i];
        if (slots.firstOfKind[i])
            fish.ResetSize();
        fish.Advance(slots.kind[i], random, out.fish[i]);
        out.fish[i].slot = i;
        attractToFood(fish, m_pellets, random);
        pullAndEat(fish, m_pellets);
        avoidOtherFish(m_fish, i, random);
        m_snapshots.position[m_snapshots.count++] = Vec3{fish.x, fish.y, fish.z};
    }
    separateVertically(m_fish, m_snapshots, random);

    out.builtInBackdrop = settings.background == 0 && settings.showTerra != 0 && !inputs.ownImageOn;
    out.builtInBackdropTint = out.builtInBackdrop ? ApplyFrontTint(m_frontTint, settings) : BackdropTint{};

    out.pelletCount = 0;
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        if (m_pellets[slot].active)
            out.pellets[out.pelletCount++] = m_pellets[slot].Step(slot, random);
    }
    m_dropper.Step(m_pellets, random);
    return out;
}

} // namespace quillmere
