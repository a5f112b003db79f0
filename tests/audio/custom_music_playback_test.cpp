#include "audio/built_in_music.h"
#include "audio/custom_music_player.h"
#include "audio/mci_player.h"
#include "audio/music_tick.h"
#include "disk_audio_test.h"
#include "tune_asset.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace quillmere {
namespace {

using namespace testing_audio;
namespace fs = std::filesystem;

// The application's pieces wired as the program wires them, driven by a 20 ms tick with the
// player's timer on every tenth tick.
class CustomMusicPlaybackTest : public DiskAudioTest {
protected:
    static constexpr int TuneFrames = TestRate / 2;

    std::string wave(const std::string& name, const std::vector<Frame>& frames) const {
        const fs::path path = folder() / name;
        writeWaveFile(path, frames);
        return path.string();
    }

    void tick() {
        builtInMusicTick(flags, music, 0);
        if (m_ticks++ % 10 == 0) {
            // As the dialog's timer does: the tank hears of "On/Off" before the player's step.
            flags.ownMusicOn = player.onOff();
            player.onTimer();
        }
    }

    // Ticks every 20 ms until done() holds (at most 20 s).
    bool tickUntil(const std::function<bool()>& done) {
        return pollUntil([&] {
            tick();
            return done();
        });
    }

    bool hasSoundAfter(std::size_t from) const {
        const auto frames = readFrames();
        return firstSound(frames, from) < frames.size();
    }

    TuneAsset asset{markedTune(TuneFrames)};
    AudioDevice device;
    BuiltInMusic music{device, asset.table()};
    MciPlayer stream{device};
    Random random;
    CustomMusicPlayer player{stream, random, 1000};
    MusicFlags flags;

private:
    int m_ticks = 0;
};

TEST_F(CustomMusicPlaybackTest, RepeatAllWithThreeFilesComesBackToTheFirst) {
    MusicListState stored;
    stored.cycMusic = true;
    stored.paths = {wave("a.wav", steadyTone(TestRate / 10, 3000)),
                    wave("b.wav", steadyTone(TestRate / 10, 4000)),
                    wave("c.wav", steadyTone(TestRate / 10, 5000))};
    player.restore(stored);
    player.play();
    std::vector<int> rows = {player.currentIndex()};
    ASSERT_TRUE(tickUntil([&] {
        if (player.currentIndex() != rows.back())
            rows.push_back(player.currentIndex());
        return rows.size() >= 4;
    }));
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(stream.fileName(), stored.paths[0]);
}

TEST_F(CustomMusicPlaybackTest, CustomMusicOnWithAnEmptyListSilencesBoth) {
    ASSERT_TRUE(tickUntil([&] { return hasSoundAfter(0); })); // the built-in tune, once "On/Off" is off

    player.setOnOff(true);
    ASSERT_TRUE(tickUntil([&] { return flags.ownMusicOn && !music.playing(); }));
    const std::size_t quietFrom = framesWritten() + LagFrames;
    ASSERT_TRUE(tickUntil([&] { return framesWritten() >= quietFrom + TestRate / 2; }));
    const auto frames = readFrames();
    EXPECT_EQ(firstSound(frames, quietFrom), frames.size());
    EXPECT_TRUE(flags.ownMusicOn);
    EXPECT_NE(player.state(), PlayerState::Playing);
}

TEST_F(CustomMusicPlaybackTest, SwitchingCustomMusicOffRestartsTheBuiltInTuneFromItsBeginning) {
    MusicListState stored;
    stored.ownMusic = true;
    stored.paths = {wave("song.wav", steadyTone(TestRate * 5, 3000))};
    player.restore(stored);
    ASSERT_EQ(player.state(), PlayerState::Playing);
    ASSERT_TRUE(tickUntil([&] { return hasSoundAfter(0); }));

    player.setOnOff(false);
    EXPECT_EQ(player.state(), PlayerState::Stopped);
    const std::size_t switchedAt = framesWritten();
    std::size_t restart = 0;
    ASSERT_TRUE(tickUntil([&] {
        const auto frames = readFrames();
        for (restart = switchedAt; restart < frames.size(); ++restart) {
            if (frames[restart] == asset.tune()[0])
                break;
        }
        return restart + TuneFrames <= frames.size();
    }));
    // The whole tune from its first frame, with nothing of the song mixed in.
    EXPECT_TRUE(playsFrom(readFrames(), restart, asset.tune(), TuneFrames));
}

// A pipe or a folder in the list is refused before it is opened: reading a pipe would wait for ever.
TEST_F(CustomMusicPlaybackTest, AnUnplayableFileStopsThePlayer) {
    const fs::path text = folder() / "broken.mp3";
    std::ofstream(text) << "not music";
    const fs::path pipe = folder() / "pipe.mp3";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path directory = folder() / "folder.mp3";
    fs::create_directory(directory);
    for (const fs::path& bad : {text, pipe, directory}) {
        SCOPED_TRACE(bad.string());
        player.removeAll();
        player.addMusic(bad.string());
        player.setOnOff(true);
        ASSERT_TRUE(tickUntil([&] { return player.state() != PlayerState::Playing; }));
        EXPECT_EQ(player.state(), PlayerState::Stopped);
        EXPECT_FALSE(stream.canPlay());
        EXPECT_TRUE(player.list().buttonsEnabled());
        player.setOnOff(false);
    }
}

} // namespace
} // namespace quillmere
