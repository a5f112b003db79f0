#include "audio/audio_device.h"
#include "audio/built_in_music.h"
#include "audio/custom_music_player.h"
#include "audio/mci_player.h"
#include "disk_audio_test.h"
#include "tune_asset.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace quillmere {
namespace {

using namespace testing_audio;

bool defaultAction(int signal) {
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler == SIG_DFL;
}

using AudioDeviceTest = DiskAudioTest;

TEST_F(AudioDeviceTest, LeavesTerminationSignalsAlone) {
    ASSERT_TRUE(defaultAction(SIGTERM));
    ASSERT_TRUE(defaultAction(SIGINT));
    AudioDevice device;
    ASSERT_TRUE(device.available());
    EXPECT_TRUE(defaultAction(SIGTERM));
    EXPECT_TRUE(defaultAction(SIGINT));
}

TEST_F(AudioDeviceTest, WithoutASoundDeviceEverythingRunsSilently) {
    ::setenv("SDL_AUDIODRIVER", "quillmere-no-such-driver", 1);
    const std::filesystem::path file = folder() / "tone.wav";
    writeWaveFile(file, steadyTone(TestRate / 4, 6000));
    TuneAsset asset(markedTune(1000));

    testing::internal::CaptureStderr();
    AudioDevice device;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(device.available());
    const auto first = said.find("no sound device");
    ASSERT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find("no sound device", first + 1), std::string::npos) << said;

    testing::internal::CaptureStderr();
    BuiltInMusic music(device, asset.table());
    music.startBuiltInMusic(0);
    EXPECT_FALSE(music.playing());
    music.setLevel(100);
    music.stopBuiltInMusic();

    MciPlayer stream(device);
    Random random;
    CustomMusicPlayer player(stream, random, 1000);
    player.addMusic(file.string());
    player.play();
    EXPECT_FALSE(stream.canPlay());
    EXPECT_NE(player.state(), PlayerState::Playing);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the missing device is reported once";
}

} // namespace
} // namespace quillmere
