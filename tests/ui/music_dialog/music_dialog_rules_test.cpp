#include "ui/music_dialog/music_dialog_rules.h"

#include "audio/fake_music_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere {
namespace {

class MusicDialogRulesTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* path : {"/m/a.mp3", "/m/b.wav", "/m/c.ogg"})
            ASSERT_EQ(addMusicFile(player, path), "");
    }

    std::vector<std::string> rows() const { return player.list().paths(); }

    testing_audio::FakeMusicStream stream;
    Random random;
    CustomMusicPlayer player{stream, random, 1000};
};

TEST_F(MusicDialogRulesTest, RemoveWithoutASelectionAsksForOneAndChangesNothing) {
    EXPECT_EQ(removeSelectedMusic(player), "Please select an item from the music list!");
    EXPECT_EQ(rows(), (std::vector<std::string>{"/m/a.mp3", "/m/b.wav", "/m/c.ogg"}));

    player.setRowSelected(1, true);
    EXPECT_EQ(removeSelectedMusic(player), "");
    EXPECT_EQ(rows(), (std::vector<std::string>{"/m/a.mp3", "/m/c.ogg"}));
}

TEST_F(MusicDialogRulesTest, OnlyStopTakesClicksWhileMusicPlays) {
    const auto enabled = [&] {
        const MusicButtons b = musicButtons(player);
        return std::vector<bool>{b.addMusic, b.remove, b.removeAll, b.play, b.stop};
    };
    EXPECT_EQ(enabled(), std::vector<bool>(5, true));
    player.play();
    ASSERT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false, true}));
    player.stop();
    EXPECT_EQ(enabled(), std::vector<bool>(5, true));

    stream.unplayable.insert("/m/a.mp3");
    player.play();
    EXPECT_EQ(enabled(), std::vector<bool>(5, true)) << "a file that cannot play leaves the list editable";
}

TEST_F(MusicDialogRulesTest, AddKeepsDuplicatesAndRefusesLineBreaks) {
    EXPECT_EQ(addMusicFile(player, "/m/a.mp3"), "");
    EXPECT_EQ(player.list().rowCount(), 4);
    EXPECT_NE(addMusicFile(player, "/m/two\nlines.mp3"), "");
    EXPECT_NE(addMusicFile(player, "/m/carriage\r.wav"), "");
    EXPECT_EQ(player.list().rowCount(), 4);
}

} // namespace
} // namespace quillmere
