#include "render/user_picture_target.h"

#include "render/scene_quads.h"
#include "settings/aquarium_settings.h"

#include <algorithm>
#include <cmath>

namespace quillmere {
namespace {

// The camera's eye is at cameraZoom - 3, and the automatic sweep turns back one step past the far end
// of the zoom slider.
constexpr double NearestEyeZ = -rangeOf(&AquariumSettings::viewNearFar).max * 0.01 - 0.03 - 3.0;

int nearestPowerOfTwo(double pixels) {
    if (!(pixels >= 1.0))
        return 1;
    const int exponent = static_cast<int>(std::lround(std::log2(pixels)));
    return 1 << std::clamp(exponent, 0, 30);
}

} // namespace

PictureTarget userPictureTarget(ScreenSize screen, const TankBox& tank) {
    const Frustum frustum = frameFrustum(screen);
    const double distance = NearestEyeZ - BackdropPlaneZ;
    const double pixelsPerUnit = std::max(screen.height, 1) / ((frustum.top - frustum.bottom) * distance);
    const TexturedQuad quad = customBackdropQuad(tank);
    const double width = std::abs(quad[1].x - quad[0].x) * pixelsPerUnit;
    const double height = std::abs(quad[2].y - quad[1].y) * pixelsPerUnit;
    return {nearestPowerOfTwo(width), nearestPowerOfTwo(height)};
}

} // namespace quillmere
