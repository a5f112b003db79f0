#include "settings/aquarium_settings.h"

#include <algorithm>

namespace quillmere {

std::array<int, FishKindCount> limitPopulation(const std::array<int, FishKindCount>& counts) {
    std::array<int, FishKindCount> limited{};
    int room = MaxFishTotal;
    for (int kind = 0; kind < FishKindCount; ++kind) {
        limited[kind] = std::clamp(counts[kind], 0, room);
        room -= limited[kind];
    }
    return limited;
}

} // namespace quillmere
