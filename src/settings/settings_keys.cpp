#include "settings/settings_keys.h"

namespace quillmere {

int* integerField(AquariumSettings& s, int index) {
    int* const fields[AquariumKeyCount] = {
        &s.showWater,        &s.showLight,     &s.showTerra,   &s.frontFixed,
        &s.frontColor,       &s.frontGradual,  &s.frontColor1, &s.frontColor2,
        &s.frontAutoGradual, &s.lockFront,     nullptr,        &s.backFixed,
        &s.backColor,        &s.backGradual,   &s.backColor1,  &s.backColor2,
        &s.backAutoGradual,  &s.lockBack,      nullptr,        &s.volume,
        &s.bubbleSetting,    &s.background,    &s.fog,         &s.light,
        &s.autoViews,        &s.viewLeftRight, &s.viewNearFar,
    };
    return index >= 0 && index < AquariumKeyCount ? fields[index] : nullptr;
}

float* phaseField(AquariumSettings& s, int index) {
    static_assert(AquariumKeys[10].name == "LOCKFORE ROT" && AquariumKeys[18].name == "LOCKBACK ROT");
    if (index == 10)
        return &s.lockFrontPhase;
    if (index == 18)
        return &s.lockBackPhase;
    return nullptr;
}

} // namespace quillmere
