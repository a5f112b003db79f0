#include "scene/front_tint.h"

#include "core/color_ref.h"

#include <cmath>

namespace quillmere {

float savedFrontTintPhase(const FrontTintState& state, const AquariumSettings& settings) {
    return state.started ? state.phase : settings.lockFrontPhase;
}

void resumeFrontTint(FrontTintState& state, float phase) {
    if (!state.started) {
        state.started = true;
        state.phase = phase;
    }
}

BackdropTint ApplyFrontTint(FrontTintState& state, const AquariumSettings& settings) {
    BackdropTint tint;
    if (settings.frontFixed != 0) {
        const Rgb c = rgbFromColorRef(settings.frontColor);
        tint.set = true;
        tint.colour = TintColour{static_cast<float>(c.red) / 255.0f, static_cast<float>(c.green) / 255.0f,
                                 static_cast<float>(c.blue) / 255.0f};
    }
    if (settings.frontAutoGradual == 1) {
        if (!state.started) {
            state.started = true;
            state.phase = settings.lockFrontPhase;
        }
        const double p = state.phase;
        tint.set = true;
        tint.colour = TintColour{static_cast<float>(1.0 - std::cos(0.05 * p)),
                                 static_cast<float>(1.0 - std::fabs(std::sin(0.04 * p))),
                                 static_cast<float>(1.0 - 0.5 * std::cos(p * 0.05882353))};
        if (settings.lockFront == 0) {
            state.phase += 0.2f;
            if (state.phase > 10000.0f)
                state.phase = 0.0f;
        }
    }
    return tint;
}

} // namespace quillmere
