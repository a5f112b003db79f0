#include "scene/camera.h"

#include <algorithm>

namespace quillmere {

void UpdateCamera(CameraState& camera, const AquariumSettings& settings, CameraValues& values) {
    if (settings.autoViews == 0) {
        // A value from outside the sliders' ranges (a hand-edited file) would put the camera far
        // outside the tank; it stops at the slider's end instead.
        constexpr ValueRange LeftRight = rangeOf(&AquariumSettings::viewLeftRight);
        constexpr ValueRange NearFar = rangeOf(&AquariumSettings::viewNearFar);
        camera.eyeX = static_cast<float>(clampTo(values.liveLeftRight, LeftRight)) * 0.01f - 35.0f;
        camera.cameraZoom = -static_cast<float>(clampTo(values.liveNearFar, NearFar)) * 0.01f;
        return;
    }

    camera.eyeX = camera.eyeXIncreasing ? camera.eyeX + camera.eyeXStep : camera.eyeX - camera.eyeXStep;
    if (camera.eyeX < -35.0f) {
        camera.eyeXIncreasing = true;
        camera.eyeXStep = 0.03f;
    }
    if (camera.eyeX > 35.0f) {
        camera.eyeXIncreasing = false;
        camera.eyeXStep = 0.03f;
    }

    camera.cameraZoom =
        camera.zoomIncreasing ? camera.cameraZoom + camera.zoomStep : camera.cameraZoom - camera.zoomStep;
    if (camera.cameraZoom > 0.0f) {
        camera.zoomIncreasing = false;
        camera.zoomStep = 0.03f;
    }
    if (camera.cameraZoom < -20.0f) {
        camera.zoomIncreasing = true;
        camera.zoomStep = 0.03f;
    }

    // The sliders follow the sweep, so switching the auto views off does not make the camera jump.
    values.liveNearFar = static_cast<int>(-camera.cameraZoom * 100.0f);
    values.liveLeftRight = static_cast<int>((camera.eyeX + 35.0f) * 100.0f);
}

} // namespace quillmere
