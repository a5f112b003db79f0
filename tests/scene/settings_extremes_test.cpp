// Any integer a settings file or a dialog hands the tank, down to INT_MIN and up to INT_MAX, gives a
// tank that is still a tank: no overflow (the sanitizer preset runs this too), everything in range.

#include "scene/scene.h"
#include "settings/profile_document.h"
#include "settings/settings_file.h"

#include "scene_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using testing_support::completeSettings;
using testing_support::fishKeys;

constexpr int Extremes[] = {INT_MIN, INT_MAX};
// Past the first automatic pellet drop and a full bubble life.
constexpr int FramesRun = 600;

bool within(float value, float low, float high) {
    return std::isfinite(value) && value >= low && value <= high;
}

void expectSensible(const SceneFrame& frame, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_TRUE(within(frame.eyeX, -35.1f, 35.1f)) << frame.eyeX;
    EXPECT_TRUE(within(frame.cameraZoom, -20.1f, 0.1f)) << frame.cameraZoom;
    EXPECT_TRUE(within(frame.lightIntensity, 0.0f, 1.0f)) << frame.lightIntensity;
    EXPECT_TRUE(within(frame.fogDensity, 0.0f, 25 * 0.0005f)) << frame.fogDensity;
    EXPECT_GE(frame.bubbleCount, 0);
    EXPECT_LE(frame.bubbleCount, MaxParticles);
    EXPECT_GE(frame.fishCount, 0);
    EXPECT_LE(frame.fishCount, MaxFishTotal);
    for (int i = 0; i < frame.fishCount; ++i) {
        const FishPose& fish = frame.fish[i];
        ASSERT_TRUE(within(fish.x, -200.0f, 200.0f) && within(fish.y, -200.0f, 200.0f) &&
                    within(fish.z, -200.0f, 200.0f))
            << "fish " << i << " at " << fish.x << ", " << fish.y << ", " << fish.z;
    }
    for (int i = 0; i < frame.bubbleCount; ++i)
        ASSERT_TRUE(std::isfinite(frame.bubbles[i].x) && std::isfinite(frame.bubbles[i].y)) << "bubble " << i;
}

class SettingsExtremesTest : public testing_support::SettingsFolder {
protected:
    // The tank set up from the folder's file, then the record changed as a dialog would, then run.
    void runTank(const std::function<void(AquariumSettings&)>& dialogChange, const std::string& where) {
        Random random;
        Scene scene(random);
        AquariumSettings settings;
        CameraValues camera;
        SettingsFile(m_folder).loadStartupSettings(random, settings, camera);
        scene.setUp(random, settings);
        dialogChange(settings);
        camera.liveLeftRight = settings.viewLeftRight;
        camera.liveNearFar = settings.viewNearFar;
        for (int k = 1; k <= FramesRun; ++k) {
            const SceneFrame& frame = scene.frame(random, settings, camera, FrameInputs{});
            if (k == 1 || k == FramesRun)
                expectSensible(frame, where + ", frame " + std::to_string(k));
        }
    }
};

TEST_F(SettingsExtremesTest, EveryIntegerKeyOfTheFileAtItsExtremes) {
    std::vector<std::pair<std::string_view, std::string>> keys;
    for (const AquariumKey& key : AquariumKeys)
        keys.emplace_back(AquariumSection, std::string(key.name));
    for (int kind = 0; kind < FishKindCount; ++kind)
        keys.emplace_back(FishSection, "Fish" + std::to_string(kind));

    for (const int extreme : Extremes) {
        for (const auto& [section, key] : keys) {
            ProfileDocument doc = ProfileDocument::parse(completeSettings(fishKeys({3, 3, 3})));
            doc.write(section, key, std::to_string(extreme));
            // The camera's own values count only with the automatic views off.
            if (key.starts_with("VIEWS"))
                doc.write(AquariumSection, "CHECK VIEWS", "0");
            writeSettings(doc.text());
            runTank([](AquariumSettings&) {}, key + "=" + std::to_string(extreme));
        }
    }
}

TEST_F(SettingsExtremesTest, EveryIntegerFieldOfTheRecordAtItsExtremes) {
    writeSettings(completeSettings(fishKeys({3, 3, 3})));
    for (const int extreme : Extremes) {
        for (const AquariumKey& row : AquariumKeys) {
            const std::string key(row.name);
            runTank(
                [&](AquariumSettings& settings) {
                    row.field.store(settings, extreme);
                    if (key.starts_with("VIEWS"))
                        settings.autoViews = 0;
                },
                "record " + key + "=" + std::to_string(extreme));
        }
        runTank([&](AquariumSettings& settings) { settings.fishCount.fill(extreme); },
                "record fish counts " + std::to_string(extreme));
    }
}

} // namespace
} // namespace quillmere
