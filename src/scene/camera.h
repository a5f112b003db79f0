#pragma once

#include "settings/aquarium_settings.h"

namespace quillmere {

// The camera: eye at (eyeX, 0, cameraZoom - 3) looking at (0, 0, -500). Steps per frame.
struct CameraState {
    float eyeX = 0.0f;        // swept within -35..35 by the auto views
    float cameraZoom = -5.0f; // swept within -20..0 by the auto views
    bool eyeXIncreasing = true;
    float eyeXStep = 0.03f;
    bool zoomIncreasing = false;
    float zoomStep = 0.03f;
};

// One frame of the camera: with the auto views on it sweeps and publishes the slider positions it
// reached; otherwise it follows the sliders (0..7000 onto -35..35, 0..2000 onto 0..-20).
void UpdateCamera(CameraState& camera, const AquariumSettings& settings, CameraValues& values);

} // namespace quillmere
