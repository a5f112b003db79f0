#include "scene/frame_blend.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

// A fish or pellet that moved further than this in one step was placed anew, not swum there; a fish
// covers at most a few tenths of a unit a step.
constexpr float JumpDistance = 5.0f;

float blend(float from, float to, float amount) {
    return from + (to - from) * amount;
}

template <std::size_t N>
void blendEach(const std::array<float, N>& from, std::array<float, N>& to, float amount) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = blend(from[i], to[i], amount);
}

bool jumped(float dx, float dy, float dz) {
    return dx * dx + dy * dy + dz * dz > JumpDistance * JumpDistance;
}

void blendTint(const BackdropTint& from, BackdropTint& to, float amount) {
    if (!from.set || !to.set)
        return;
    to.colour.red = blend(from.colour.red, to.colour.red, amount);
    to.colour.green = blend(from.colour.green, to.colour.green, amount);
    to.colour.blue = blend(from.colour.blue, to.colour.blue, amount);
}

void blendFish(const FishPose& from, FishPose& to, float amount) {
    if (from.kind != to.kind || from.size != to.size || jumped(to.x - from.x, to.y - from.y, to.z - from.z))
        return;
    to.x = blend(from.x, to.x, amount);
    to.y = blend(from.y, to.y, amount);
    to.z = blend(from.z, to.z, amount);
    to.pitch = blendAngle(from.pitch, to.pitch, amount);
    to.heading = blendAngle(from.heading, to.heading, amount);
    for (std::size_t i = 0; i < to.ringAngles.size(); ++i)
        to.ringAngles[i] = blendAngle(from.ringAngles[i], to.ringAngles[i], amount);
    blendEach(from.lowerJaw, to.lowerJaw, amount);
    blendEach(from.upperJaw, to.upperJaw, amount);
    blendEach(from.bodyWave, to.bodyWave, amount);
    blendEach(from.dorsal, to.dorsal, amount);
    blendEach(from.pectoral, to.pectoral, amount);
    blendEach(from.pelvic, to.pelvic, amount);
    blendEach(from.anal, to.anal, amount);
    blendEach(from.tail, to.tail, amount);
    to.gillFlap = blend(from.gillFlap, to.gillFlap, amount);
}

void blendPellet(const PelletDraw& from, PelletDraw& to, float amount) {
    if (!from.visible || !to.visible ||
        jumped(to.dropX - from.dropX, to.dropY - from.dropY, to.dropZ - from.dropZ))
        return;
    to.dropX = blend(from.dropX, to.dropX, amount);
    to.dropY = blend(from.dropY, to.dropY, amount);
    to.dropZ = blend(from.dropZ, to.dropZ, amount);
    to.spinY = blendAngle(from.spinY, to.spinY, amount);
    to.offsetX = blend(from.offsetX, to.offsetX, amount);
    to.offsetY = blend(from.offsetY, to.offsetY, amount);
    to.offsetZ = blend(from.offsetZ, to.offsetZ, amount);
    to.spinX = blendAngle(from.spinX, to.spinX, amount);
}

// Fish and pellets are listed in slot order in both frames, so each of `to`'s finds its own step
// before, if it was there, by walking both lists together.
template <typename Item, std::size_t N, typename Blend>
void blendBySlot(const std::array<Item, N>& from, int fromCount, std::array<Item, N>& to, int toCount,
                 float amount, Blend blendItem) {
    const int fromEnd = std::clamp(fromCount, 0, static_cast<int>(N));
    const int toEnd = std::clamp(toCount, 0, static_cast<int>(N));
    int j = 0;
    for (int i = 0; i < toEnd; ++i) {
        while (j < fromEnd && from[j].slot < to[i].slot)
            ++j;
        if (j < fromEnd && from[j].slot == to[i].slot)
            blendItem(from[j], to[i], amount);
    }
}

} // namespace

float blendAngle(float from, float to, float amount) {
    const float turn = std::remainder(to - from, 360.0f);
    return from + turn * amount;
}

void blendFrames(const SceneFrame& from, const SceneFrame& to, float amount, SceneFrame& blended) {
    blended = amount <= 0.0f ? from : to;
    if (amount <= 0.0f || amount >= 1.0f)
        return;

    blended.eyeX = blend(from.eyeX, to.eyeX, amount);
    blended.cameraZoom = blend(from.cameraZoom, to.cameraZoom, amount);
    blended.lightIntensity = blend(from.lightIntensity, to.lightIntensity, amount);
    blended.fogDensity = blend(from.fogDensity, to.fogDensity, amount);

    if (from.bubblesDrawn && to.bubblesDrawn) {
        blended.bubbleTranslation.x = blend(from.bubbleTranslation.x, to.bubbleTranslation.x, amount);
        blended.bubbleTranslation.y = blend(from.bubbleTranslation.y, to.bubbleTranslation.y, amount);
        blended.bubbleTranslation.z = blend(from.bubbleTranslation.z, to.bubbleTranslation.z, amount);
        const int count = std::clamp(std::min(from.bubbleCount, to.bubbleCount), 0, MaxParticles);
        for (int i = 0; i < count; ++i) {
            const BubbleSprite& a = from.bubbles[i];
            BubbleSprite& b = blended.bubbles[i];
            // Bubbles only rise; one lower than before has started over at the bottom.
            if (b.y < a.y)
                continue;
            b.x = blend(a.x, b.x, amount);
            b.y = blend(a.y, b.y, amount);
            b.z = blend(a.z, b.z, amount);
            b.size = blend(a.size, b.size, amount);
        }
    }

    blendTint(from.customBackdropTint, blended.customBackdropTint, amount);
    blendTint(from.builtInBackdropTint, blended.builtInBackdropTint, amount);
    blendBySlot(from.fish, from.fishCount, blended.fish, blended.fishCount, amount, blendFish);
    blendBySlot(from.pellets, from.pelletCount, blended.pellets, blended.pelletCount, amount, blendPellet);
}

} // namespace quillmere
