#pragma once

#include "scene/scene.h"
#include "settings/aquarium_settings.h"

#include <cstdint>
#include <string>

namespace quillmere {

// The trace's JSON Lines: one set-up line, then one line per frame. Floats are written with "%.9g",
// the generator's state as an unsigned decimal.
std::string setupTraceLine(const Scene& scene, const AquariumSettings& settings, std::uint32_t seed);
std::string frameTraceLine(const Scene& scene, long long frameNumber, std::uint32_t seed);

} // namespace quillmere
