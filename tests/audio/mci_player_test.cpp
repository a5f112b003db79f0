#include "audio/mci_player.h"
#include "disk_audio_test.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace quillmere {
namespace {

using namespace testing_audio;
namespace fs = std::filesystem;

class MciPlayerTest : public DiskAudioTest {
protected:
    std::string wave(const std::string& name, const std::vector<Frame>& frames) const {
        const fs::path path = folder() / name;
        writeWaveFile(path, frames);
        return path.string();
    }

    std::string textFile(const std::string& name, const std::string& text) const {
        const fs::path path = folder() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    // Whether some sound reaches the output after the frame from.
    bool soundsAfter(std::size_t from) const {
        return pollUntil([&] {
            const auto frames = readFrames();
            return firstSound(frames, from) < frames.size();
        });
    }

    // Opens file and waits for the open, which runs on a thread of its own, to end.
    static void open(MciPlayer& player, const std::string& file) {
        player.create(file);
        ASSERT_TRUE(pollUntil([&] {
            player.poll();
            return !player.opening();
        }));
    }

    // Whether the output stays silent for half a second after everything now on its way.
    bool staysSilent() const {
        const std::size_t from = framesWritten() + LagFrames;
        if (!waitForFrames(from + FramesPerSecond / 2))
            return false;
        const auto frames = readFrames();
        return firstSound(frames, from) == frames.size();
    }
};

TEST_F(MciPlayerTest, WaveFilePlaysOnceToItsEnd) {
    const auto tune = markedTune(TestRate / 4);
    const std::string file = wave("quarter.wav", tune);
    AudioDevice device;
    MciPlayer player(device);
    open(player, file);
    EXPECT_EQ(player.fileName(), file);
    ASSERT_TRUE(player.canPlay());
    EXPECT_EQ(player.length(), 250);
    EXPECT_EQ(player.position(), 0);
    EXPECT_FALSE(player.finished());

    player.play();
    ASSERT_TRUE(pollUntil([&] { return player.finished(); }));
    EXPECT_EQ(player.position(), player.length());
    ASSERT_TRUE(waitForMoreFrames(LagFrames));
    const auto frames = readFrames();
    const std::size_t start = firstSound(frames);
    EXPECT_TRUE(playsFrom(frames, start, tune, tune.size()));
    EXPECT_EQ(firstSound(frames, start + tune.size()), frames.size()) << "played more than once";
}

TEST_F(MciPlayerTest, Mp3AndMpegAudioPlay) {
    const std::string source = wave("tone.wav", steadyTone(TestRate * 3 / 10, 8000));
    const fs::path mp3 = folder() / "tone.mp3";
    encodeMp3(source, mp3);
    ASSERT_FALSE(HasFatalFailure());
    const fs::path mpeg = folder() / "tone.mpeg";
    fs::copy_file(mp3, mpeg);

    AudioDevice device;
    MciPlayer player(device);
    for (const fs::path& file : {mp3, mpeg}) {
        SCOPED_TRACE(file.filename().string());
        open(player, file.string());
        ASSERT_TRUE(player.canPlay());
        EXPECT_NEAR(player.length(), 300, 30);
        const std::size_t from = framesWritten();
        player.play();
        EXPECT_TRUE(soundsAfter(from));
        EXPECT_TRUE(pollUntil([&] { return player.finished(); }));
    }
}

TEST_F(MciPlayerTest, FilesThatCannotBeDecodedCannotPlay) {
    std::string noise;
    for (int i = 0; i < 6000; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) % 251));
    const std::vector<std::string> files = {
        textFile("notes.mp3", "these are not the droids you are looking for\n"),
        textFile("noise.wav", noise),
        textFile("empty.mp3", ""),
        textFile("video.mpeg", std::string("\x00\x00\x01\xba", 4) + noise),
        (folder() / "missing.mp3").string(),
    };

    AudioDevice device;
    MciPlayer player(device);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        open(player, file);
        EXPECT_FALSE(player.canPlay());
        player.play();
        EXPECT_FALSE(player.finished());
        EXPECT_EQ(player.position(), 0);
        EXPECT_EQ(player.length(), 0);
    }
    EXPECT_TRUE(staysSilent());
}

TEST_F(MciPlayerTest, OpeningAnotherFileClosesTheFirst) {
    const std::string first = wave("first.wav", steadyTone(TestRate * 2, 6000));
    const std::string second = wave("second.wav", steadyTone(TestRate / 2, 6000));
    AudioDevice device;
    MciPlayer player(device);
    open(player, first);
    player.play();
    ASSERT_TRUE(soundsAfter(0));

    open(player, second);
    EXPECT_TRUE(player.canPlay());
    EXPECT_FALSE(player.finished());
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.length(), 500);
    EXPECT_TRUE(staysSilent());
}

TEST_F(MciPlayerTest, StopKeepsThePositionAndSeekMovesIt) {
    const std::string file = wave("long.wav", steadyTone(TestRate * 3, 6000));
    AudioDevice device;
    MciPlayer player(device);
    open(player, file);
    player.play();
    ASSERT_TRUE(pollUntil([&] { return player.position() >= 200; }));

    player.stop();
    const int stoppedAt = player.position();
    EXPECT_GE(stoppedAt, 200);
    EXPECT_FALSE(player.finished());
    EXPECT_TRUE(staysSilent());
    EXPECT_EQ(player.position(), stoppedAt);

    player.seek(0);
    EXPECT_EQ(player.position(), 0);
    player.seek(2000);
    player.play();
    EXPECT_GE(player.position(), 2000);
    EXPECT_TRUE(pollUntil([&] { return player.finished(); }));
    EXPECT_EQ(player.position(), 3000);
}

TEST_F(MciPlayerTest, VolumeZeroIsSilentAndOutlivesTheFile) {
    const std::string file = wave("tone.wav", steadyTone(TestRate, 6000));
    AudioDevice device;
    MciPlayer player(device);
    player.setVolume(0);
    open(player, file);
    EXPECT_EQ(player.volume(), 0);
    player.play();
    EXPECT_TRUE(staysSilent());

    player.stop();
    player.seek(0);
    player.setVolume(1000);
    const std::size_t from = framesWritten();
    player.play();
    EXPECT_TRUE(soundsAfter(from));
}

} // namespace
} // namespace quillmere
