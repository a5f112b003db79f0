#include "scene/camera.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(Camera, StartsAtTheCentreFiveUnitsIn) {
    const CameraState camera;
    EXPECT_EQ(camera.eyeX, 0.0f);
    EXPECT_EQ(camera.cameraZoom, -5.0f);
}

TEST(Camera, AutoViewsStepAndPublishTheSliders) {
    CameraState camera;
    AquariumSettings settings;
    settings.autoViews = 1;
    CameraValues values;
    UpdateCamera(camera, settings, values);
    EXPECT_FLOAT_EQ(camera.eyeX, 0.03f);
    EXPECT_FLOAT_EQ(camera.cameraZoom, -5.03f);
    EXPECT_EQ(values.liveLeftRight, static_cast<int>((0.03f + 35.0f) * 100.0f));
    EXPECT_EQ(values.liveNearFar, static_cast<int>(5.03f * 100.0f));
}

TEST(Camera, SweepPassesTheEdgeOnceThenReverses) {
    CameraState camera;
    camera.eyeX = 34.99f;
    AquariumSettings settings;
    CameraValues values;
    UpdateCamera(camera, settings, values);
    EXPECT_GT(camera.eyeX, 35.0f);
    EXPECT_FALSE(camera.eyeXIncreasing);
    UpdateCamera(camera, settings, values);
    EXPECT_LT(camera.eyeX, 35.0f);
}

TEST(Camera, SweepStaysWithinItsRange) {
    CameraState camera;
    AquariumSettings settings;
    CameraValues values;
    for (int frame = 0; frame < 20000; ++frame) {
        UpdateCamera(camera, settings, values);
        ASSERT_GE(camera.eyeX, -35.03f - 1e-3f);
        ASSERT_LE(camera.eyeX, 35.03f + 1e-3f);
        ASSERT_GE(camera.cameraZoom, -20.03f - 1e-3f);
        ASSERT_LE(camera.cameraZoom, 0.03f + 1e-3f);
    }
}

TEST(Camera, SlidersPlaceTheCameraWhenTheSweepIsOff) {
    CameraState camera;
    AquariumSettings settings;
    settings.autoViews = 0;
    CameraValues values{7000, 2000};
    UpdateCamera(camera, settings, values);
    EXPECT_FLOAT_EQ(camera.eyeX, 35.0f);
    EXPECT_FLOAT_EQ(camera.cameraZoom, -20.0f);
    values = CameraValues{0, 0};
    UpdateCamera(camera, settings, values);
    EXPECT_FLOAT_EQ(camera.eyeX, -35.0f);
    EXPECT_EQ(camera.cameraZoom, 0.0f);
    values = CameraValues{3500, 1000};
    UpdateCamera(camera, settings, values);
    EXPECT_NEAR(camera.eyeX, 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(camera.cameraZoom, -10.0f);
}

TEST(Camera, SwitchingTheSweepOffDoesNotJump) {
    CameraState camera;
    AquariumSettings settings;
    CameraValues values;
    for (int frame = 0; frame < 777; ++frame)
        UpdateCamera(camera, settings, values);
    const CameraState swept = camera;
    settings.autoViews = 0;
    UpdateCamera(camera, settings, values);
    EXPECT_NEAR(camera.eyeX, swept.eyeX, 0.011f);
    EXPECT_NEAR(camera.cameraZoom, swept.cameraZoom, 0.011f);
}

} // namespace
} // namespace quillmere
