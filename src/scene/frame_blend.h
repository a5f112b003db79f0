#pragma once

#include "scene/scene_frame.h"

namespace quillmere {

// The picture between two steps of the tank, for displays that refresh faster than the tank steps:
// `from` is the step before, `to` the latest, and `amount` how far the frame is from one to the other
// (0 draws `from`, 1 draws `to`, each exactly). Angles take their shorter way round; whatever appeared,
// vanished or started over between the two steps (a fish added, a bubble back at the bottom, a pellet
// dropped) is drawn as `to` has it.
void blendFrames(const SceneFrame& from, const SceneFrame& to, float amount, SceneFrame& blended);

// The angle `amount` of the way from `from` to `to`, in degrees, by the shorter way round.
float blendAngle(float from, float to, float amount);

} // namespace quillmere
