// One simulated frame of a full tank: 50 fish, 1000 bubbles and 10 pellets in the water.

#include "scene/scene.h"

#include <benchmark/benchmark.h>

namespace quillmere {
namespace {

void fullTankSettings(AquariumSettings& settings) {
    settings.bubbleSetting = 0; // all 1000 bubbles
    settings.background = 0;
    settings.fishCount.fill(0);
    for (int kind = 0; kind < FishKindCount; ++kind)
        settings.fishCount[kind] = kind < 5 ? 4 : 3; // 20 + 30 = 50
}

// Keeps every pellet slot in use, spread through the tank where the fish meet them.
void refillPellets(PelletSlots& pellets, Random& random) {
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        if (!pellets[slot].active) {
            pellets[slot].Drop(static_cast<float>(slot * 8 - 40), 5.0f, -50.0f, random);
            pellets[slot].active = true;
        }
    }
}

void BM_SceneFrame(benchmark::State& state) {
    Random random;
    Scene scene(random);
    AquariumSettings settings;
    fullTankSettings(settings);
    CameraValues camera;
    scene.setUp(random, settings);
    const FrameInputs inputs;
    refillPellets(scene.pellets(), random);
    // Let the tank settle into its normal swimming before measuring.
    for (int warm = 0; warm < 200; ++warm) {
        scene.frame(random, settings, camera, inputs);
        refillPellets(scene.pellets(), random);
    }

    for (auto _ : state) {
        const SceneFrame& frame = scene.frame(random, settings, camera, inputs);
        benchmark::DoNotOptimize(&frame);
        refillPellets(scene.pellets(), random);
    }
    state.counters["fish"] = 50;
    state.counters["bubbles"] = scene.lastFrame().bubbleCount;
}
BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillmere
