#pragma once

namespace quillmere {

// The state every frame starts from: textures on, smooth shading, black clear colour, depth test,
// light 1 white and fixed to the eye (lighting itself is switched by the frame), colour material and
// blending. Needs a current context whose model-view matrix is still the identity.
void applyFixedGlState();

// Plain exponential white fog of density 0.5; the frame replaces the density from the fog setting.
void applyStartupFog();

// Ambient and diffuse red, green and blue of light 1 (alphas 1), then lighting on.
void applySceneLight(float intensity);

} // namespace quillmere
