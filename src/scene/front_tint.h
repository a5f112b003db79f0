#pragma once

#include "settings/aquarium_settings.h"

namespace quillmere {

// A colour with components 0..1.
struct TintColour {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
};

// What the backdrop quad is tinted with. With neither mode on the current colour is left as it was.
struct BackdropTint {
    bool set = false;
    TintColour colour;
};

// The light-colour cycle; its phase starts from "LOCKFORE ROT" the first time the cycle is used.
struct FrontTintState {
    bool started = false;
    float phase = 0.0f; // the value saved as the new "LOCKFORE ROT"
};

// The phase to save as "LOCKFORE ROT": the running one, or the one the cycle will start from.
float savedFrontTintPhase(const FrontTintState& state, const AquariumSettings& settings);

// Starts the cycle from a stored phase unless it is already running, so the colour never jumps back.
void resumeFrontTint(FrontTintState& state, float phase);

// The tint for one backdrop quad: the fixed colour, replaced by the cycling colour when that is on;
// the cycle then moves on unless it is locked.
BackdropTint ApplyFrontTint(FrontTintState& state, const AquariumSettings& settings);

} // namespace quillmere
