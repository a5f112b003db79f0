#include "audio/custom_music_player.h"
#include "audio/fake_music_stream.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using testing_audio::FakeMusicStream;
using Strings = std::vector<std::string>;

class CustomMusicPlayerTest : public testing::Test {
protected:
    void setList(std::initializer_list<std::string> paths, PlayMode mode = PlayMode::RepeatOne) {
        MusicListState stored;
        stored.paths = paths;
        stored.randomMusic = mode == PlayMode::Random;
        stored.cycMusic = mode == PlayMode::RepeatAll;
        stored.repeatMusic = mode == PlayMode::RepeatOne;
        player.restore(stored);
        stream.opened.clear();
    }

    void selectOnly(int row) {
        for (int r = 0; r < player.list().rowCount(); ++r)
            player.setRowSelected(r, r == row);
    }

    // Starts playing row with the "Play" button, then leaves no row selected.
    void playRow(int row) {
        selectOnly(row);
        player.play();
        ASSERT_EQ(player.state(), PlayerState::Playing);
        ASSERT_EQ(player.currentIndex(), row);
        selectOnly(-1);
        stream.opened.clear();
    }

    // One 200 ms timer step after the open file has reached its end.
    void endTrack() {
        stream.reachEnd();
        player.onTimer();
    }

    FakeMusicStream stream;
    Random random;
    CustomMusicPlayer player{stream, random, 700};
};

TEST_F(CustomMusicPlayerTest, StartsNotStartedInRepeatOneWithTheProfileVolume) {
    EXPECT_EQ(player.state(), PlayerState::NotStarted);
    EXPECT_EQ(player.mode(), PlayMode::RepeatOne);
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(player.volume(), 700);
    EXPECT_EQ(stream.volume(), 700);
    EXPECT_FALSE(stream.canPlay());
    EXPECT_FALSE(player.onOff());
    EXPECT_TRUE(player.list().buttonsEnabled());
}

// loadTrack's table, one test per mode; each row is a column of the table.

TEST_F(CustomMusicPlayerTest, RepeatOneChoosesClickedRowSameRowOrSelectionThenFallback) {
    setList({"a", "b", "c"}, PlayMode::RepeatOne);

    playRow(0);
    selectOnly(2);
    player.clickList(); // playing and clicked: the selected row
    EXPECT_EQ(stream.opened, Strings{"c"});
    EXPECT_EQ(player.currentIndex(), 2);
    EXPECT_TRUE(stream.playing);

    stream.opened.clear();
    selectOnly(1); // a selection does not matter when a track ends
    endTrack();
    EXPECT_EQ(stream.opened, Strings{"c"});
    EXPECT_EQ(player.currentIndex(), 2);
    EXPECT_EQ(player.state(), PlayerState::Playing);

    player.stop();
    stream.opened.clear();
    selectOnly(1);
    player.loadTrack(2, false); // stopped: the selected row wins over the fallback
    EXPECT_EQ(stream.opened, Strings{"b"});
    EXPECT_EQ(player.currentIndex(), 1);

    selectOnly(-1);
    player.loadTrack(2, false); // stopped, nothing selected: the fallback row
    EXPECT_EQ(stream.opened, (Strings{"b", "c"}));
    EXPECT_EQ(player.currentIndex(), 2);
    EXPECT_EQ(player.state(), PlayerState::Stopped);
    EXPECT_FALSE(stream.playing);
}

TEST_F(CustomMusicPlayerTest, RepeatAllChoosesClickedRowNextRowOrSelectionThenRowZero) {
    setList({"a", "b", "c"}, PlayMode::RepeatAll);

    playRow(1);
    selectOnly(0);
    player.clickList();
    EXPECT_EQ(stream.opened, Strings{"a"});
    EXPECT_EQ(player.currentIndex(), 0);

    stream.opened.clear();
    selectOnly(0);
    endTrack();
    endTrack();
    endTrack(); // 0 -> 1 -> 2 -> 0
    EXPECT_EQ(stream.opened, (Strings{"b", "c", "a"}));
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(player.list().highlightRow(), 0);

    player.stop();
    stream.opened.clear();
    selectOnly(2);
    player.loadTrack(1, false);
    selectOnly(-1);
    player.loadTrack(1, false); // the fallback row is Repeat One's; Repeat All opens row 0
    EXPECT_EQ(stream.opened, (Strings{"c", "a"}));
    EXPECT_EQ(player.currentIndex(), 0);
}

TEST_F(CustomMusicPlayerTest, RandomDrawsFromTheSharedGeneratorOnlyWhenNoRowIsGiven) {
    setList({"a", "b", "c", "d", "e"}, PlayMode::Random);
    Random expected = random;

    selectOnly(3);
    player.play(); // stopped with a selection: that row, no draw
    EXPECT_EQ(player.currentIndex(), 3);
    EXPECT_EQ(random.state(), expected.state());

    selectOnly(1);
    player.clickList(); // playing and clicked: the selected row, no draw
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(random.state(), expected.state());

    for (int i = 0; i < 6; ++i) {
        endTrack(); // playing, track ended: rand() modulo the count, whatever is selected
        const int row = expected.next() % 5;
        EXPECT_EQ(player.currentIndex(), row);
        EXPECT_EQ(stream.fileName, player.list().path(row));
    }

    player.stop();
    player.play(); // stopped, nothing selected: rand() modulo the count
    EXPECT_EQ(player.currentIndex(), expected.next() % 5);
    EXPECT_EQ(random.state(), expected.state());
}

TEST_F(CustomMusicPlayerTest, RandomWithOneFilePlaysItAgain) {
    setList({"only"}, PlayMode::Random);
    player.play();
    endTrack();
    endTrack();
    EXPECT_EQ(stream.opened, (Strings{"only", "only", "only"}));
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_EQ(stream.plays, 3);
}

TEST_F(CustomMusicPlayerTest, LoadTrackOnAnEmptyListTouchesNothing) {
    player.loadTrack(0, false);
    player.play();
    EXPECT_TRUE(stream.opened.empty());
    EXPECT_EQ(player.state(), PlayerState::NotStarted);
    EXPECT_EQ(player.currentIndex(), -1);
}

TEST_F(CustomMusicPlayerTest, LoadTrackOpensFromTheStartAtThePlayersVolume) {
    setList({"a", "b"});
    player.setVolume(250);
    player.loadTrack(1, false);
    EXPECT_EQ(stream.fileName, "b");
    EXPECT_EQ(stream.volume(), 250); // the freshly opened file came up at 1000
    EXPECT_EQ(stream.position(), 0);
    EXPECT_FALSE(stream.playing); // loading never starts playback
    EXPECT_EQ(player.state(), PlayerState::NotStarted);
}

TEST_F(CustomMusicPlayerTest, StartAndStopUpdateHighlightButtonsSelectionAndOnOff) {
    setList({"a", "b", "c"});
    selectOnly(1);
    const auto before = player.revision();
    player.play();
    EXPECT_GT(player.revision(), before);
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(player.list().highlightRow(), 1);
    EXPECT_FALSE(player.list().buttonsEnabled());
    EXPECT_TRUE(player.onOff());
    EXPECT_TRUE(stream.playing);

    stream.positionMs = 400;
    player.stop();
    EXPECT_EQ(player.state(), PlayerState::Stopped);
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(player.list().highlightRow(), -1);
    EXPECT_EQ(player.list().firstSelected(), -1);
    EXPECT_TRUE(player.list().buttonsEnabled());
    EXPECT_FALSE(stream.playing);
    EXPECT_EQ(stream.position(), 0);
    EXPECT_TRUE(player.onOff()); // "Stop" leaves the custom music switched on
}

TEST_F(CustomMusicPlayerTest, PlayAfterStopWithNoSelectionOpensRowZeroInRepeatOne) {
    setList({"a", "b", "c"}, PlayMode::RepeatOne);
    playRow(2);
    player.stop();
    player.play();
    EXPECT_EQ(stream.opened, Strings{"a"});
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_EQ(player.state(), PlayerState::Playing);
}

TEST_F(CustomMusicPlayerTest, TrackEndsOnExactLengthOrWhenTheStreamRanOut) {
    setList({"a", "b"}, PlayMode::RepeatAll);
    playRow(0);

    stream.positionMs = 999;
    player.onTimer();
    EXPECT_TRUE(stream.opened.empty());
    EXPECT_EQ(player.position(), 999);

    stream.positionMs = 1000;
    player.onTimer();
    EXPECT_EQ(stream.opened, Strings{"b"});

    // The stream ran out between two ticks and reports a position short of its length.
    stream.positionMs = 960;
    stream.ranOut = true;
    player.onTimer();
    EXPECT_EQ(stream.opened, (Strings{"b", "a"}));
    EXPECT_EQ(player.state(), PlayerState::Playing);
}

TEST_F(CustomMusicPlayerTest, AnUnknownLengthIsNotMistakenForTheEnd) {
    setList({"a", "b"}, PlayMode::RepeatAll);
    playRow(0);
    stream.lengthMs = -1;
    stream.positionMs = -1;
    player.onTimer();
    EXPECT_TRUE(stream.opened.empty());
}

TEST_F(CustomMusicPlayerTest, OnOffFollowsTheBoxEvenWhenNotPlaying) {
    player.onTimer();
    EXPECT_FALSE(player.onOff());
    player.setOnOff(true);
    player.onTimer();
    EXPECT_TRUE(player.onOff());

    setList({"a"});
    player.stop();
    stream.reachEnd();
    player.onTimer(); // not playing: an ended file opens nothing
    EXPECT_TRUE(stream.opened.empty());
}

TEST_F(CustomMusicPlayerTest, AnUnplayableFileChosenWhileStoppedStopsThePlayerAndIsNotStarted) {
    stream.unplayable = {"broken.mp3"};
    setList({"good.wav", "broken.mp3", "other.wav"}, PlayMode::RepeatAll);

    selectOnly(1);
    player.play();
    EXPECT_EQ(player.state(), PlayerState::Stopped);
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(player.list().highlightRow(), -1);
    EXPECT_TRUE(player.list().buttonsEnabled());
    EXPECT_EQ(stream.plays, 0);

    // Reached at the end of the track before it, it is passed over in Repeat All.
    playRow(0);
    endTrack();
    EXPECT_EQ(stream.opened, (Strings{"broken.mp3", "other.wav"}));
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_TRUE(stream.playing);
    EXPECT_EQ(player.list().highlightRow(), 2);
}

TEST_F(CustomMusicPlayerTest, AFileStillOpeningPlaysOnceOpenOrStopsThePlayerWhenItCannot) {
    for (const bool playable : {true, false}) {
        stream.slow = {"far.mp3"};
        stream.unplayable.clear();
        if (!playable)
            stream.unplayable.insert("far.mp3");
        setList({"far.mp3"});
        player.play();
        EXPECT_EQ(player.state(), PlayerState::Playing) << "the tank goes on while the file opens";
        player.onTimer();
        EXPECT_EQ(player.state(), PlayerState::Playing);
        EXPECT_FALSE(stream.playing);

        stream.finishOpening();
        player.onTimer();
        EXPECT_EQ(stream.playing, playable);
        EXPECT_EQ(player.state(), playable ? PlayerState::Playing : PlayerState::Stopped);
        EXPECT_EQ(player.list().buttonsEnabled(), !playable);
        player.stop();
    }
}

struct UnplayableCase {
    PlayMode mode;
    std::vector<std::string> slow; // every row opens late; these cannot play
    Strings expectedOpens;
    bool playsAtTheEnd;
};

TEST_F(CustomMusicPlayerTest, UnplayableFilesArePassedOverOncePerRowOrStopTheRepeatOnePlayer) {
    const UnplayableCase cases[] = {
        {PlayMode::RepeatAll, {"a", "b", "c"}, {"a", "b", "c"}, false},
        {PlayMode::RepeatAll, {"a"}, {"a", "b"}, true},
        {PlayMode::Random, {"a", "b", "c"}, {}, false},
        {PlayMode::RepeatOne, {"a"}, {"a"}, false},
    };
    for (const UnplayableCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        setList({"a", "b", "c"}, c.mode);
        stream.slow = {"a", "b", "c"};
        stream.unplayable = {c.slow.begin(), c.slow.end()};
        selectOnly(0);
        player.play();
        selectOnly(-1);
        EXPECT_TRUE(player.onOff()) << "Play chooses the custom music";
        for (int step = 0; step < 10 && player.state() == PlayerState::Playing && !stream.playing; ++step) {
            stream.finishOpening();
            player.onTimer();
        }
        if (!c.expectedOpens.empty()) {
            EXPECT_EQ(stream.opened, c.expectedOpens);
        }
        EXPECT_LE(stream.opened.size(), 3u) << "each row at most once";
        EXPECT_EQ(stream.playing, c.playsAtTheEnd);
        EXPECT_EQ(player.state(), c.playsAtTheEnd ? PlayerState::Playing : PlayerState::Stopped);
        EXPECT_EQ(player.list().buttonsEnabled(), !c.playsAtTheEnd);
        EXPECT_EQ(player.list().highlightRow(), c.playsAtTheEnd ? player.currentIndex() : -1);
        player.stop();
        stream.opened.clear();
    }
}

TEST_F(CustomMusicPlayerTest, RemoveAllLeavesNoIndexAndNoOpenFile) {
    setList({"a", "b", "c", "d", "e"});
    selectOnly(4);
    player.clickList();
    ASSERT_EQ(player.currentIndex(), 4);
    player.removeAll();
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_FALSE(stream.open);
}

TEST_F(CustomMusicPlayerTest, OnOffStartsPlaybackAndStopsItWhenSwitchedOff) {
    setList({"a", "b"});
    player.setOnOff(true);
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(stream.fileName, "a");

    player.setOnOff(false);
    EXPECT_EQ(player.state(), PlayerState::Stopped);
    EXPECT_FALSE(stream.playing);
    player.onTimer();
    EXPECT_FALSE(player.onOff());

    player.setOnOff(false); // a repeated report changes nothing
    EXPECT_EQ(player.state(), PlayerState::Stopped);
}

TEST_F(CustomMusicPlayerTest, OnOffWithAnEmptyListPlaysNothingButSilencesTheBuiltInTune) {
    player.setOnOff(true);
    player.onTimer();
    EXPECT_EQ(player.state(), PlayerState::NotStarted);
    EXPECT_TRUE(stream.opened.empty());
    EXPECT_FALSE(stream.playing);
    EXPECT_TRUE(player.onOff());
}

TEST_F(CustomMusicPlayerTest, ClickWhileStoppedOnlyOpensTheRow) {
    setList({"a", "b"});
    player.clickList(); // nothing selected: nothing happens
    EXPECT_TRUE(stream.opened.empty());

    selectOnly(1);
    player.clickList();
    EXPECT_EQ(stream.opened, Strings{"b"});
    EXPECT_EQ(player.state(), PlayerState::NotStarted);
    EXPECT_FALSE(stream.playing);
    EXPECT_EQ(player.list().highlightRow(), -1);
}

TEST_F(CustomMusicPlayerTest, EditingTheListIsRefusedWhilePlaying) {
    setList({"a", "b"});
    playRow(0);
    selectOnly(1);
    player.addMusic("c");
    EXPECT_EQ(player.removeSelected(), CustomMusicPlayer::RemoveResult::Disabled);
    player.removeAll();
    player.play(); // "Play" is disabled too: it must not skip to another track
    EXPECT_EQ(player.list().paths(), (Strings{"a", "b"}));
    EXPECT_TRUE(stream.opened.empty());
    EXPECT_EQ(player.currentIndex(), 0);
}

TEST_F(CustomMusicPlayerTest, RemoveNeedsASelectionAndOpensTheNextFileWithoutPlaying) {
    setList({"a", "b", "c"}, PlayMode::RepeatOne);
    EXPECT_EQ(player.removeSelected(), CustomMusicPlayer::RemoveResult::NothingSelected);
    EXPECT_EQ(player.list().rowCount(), 3);
    EXPECT_TRUE(stream.opened.empty());

    selectOnly(1);
    EXPECT_EQ(player.removeSelected(), CustomMusicPlayer::RemoveResult::Removed);
    EXPECT_EQ(player.list().paths(), (Strings{"a", "c"}));
    EXPECT_EQ(stream.opened, Strings{"a"}); // no selection left: Repeat One's fallback row 0
    EXPECT_FALSE(stream.playing);
    EXPECT_EQ(player.state(), PlayerState::NotStarted);

    player.addMusic("a");
    EXPECT_EQ(player.list().paths(), (Strings{"a", "c", "a"})); // the same file twice is two rows
    player.removeAll();
    EXPECT_TRUE(player.list().empty());
}

TEST_F(CustomMusicPlayerTest, RestoreAppliesModesInHandlerOrderAndStartsWhenOn) {
    MusicListState stored;
    stored.randomMusic = true;
    stored.cycMusic = true;
    player.restore(stored);
    EXPECT_EQ(player.mode(), PlayMode::RepeatAll);
    stored.repeatMusic = true;
    player.restore(stored);
    EXPECT_EQ(player.mode(), PlayMode::RepeatOne);
    stored = MusicListState{};
    stored.randomMusic = true;
    player.restore(stored);
    EXPECT_EQ(player.mode(), PlayMode::Random);
    player.restore(MusicListState{});
    EXPECT_EQ(player.mode(), PlayMode::RepeatOne);

    stored = MusicListState{};
    stored.ownMusic = true;
    player.restore(stored); // on, but nothing to play
    EXPECT_TRUE(player.onOff());
    EXPECT_NE(player.state(), PlayerState::Playing);

    stored.paths = {"first.mp3", "second.mp3"};
    player.restore(stored);
    EXPECT_EQ(player.state(), PlayerState::Playing);
    EXPECT_EQ(stream.fileName, "first.mp3");
    EXPECT_EQ(player.list().highlightRow(), 0);
}

TEST_F(CustomMusicPlayerTest, StoredStateRoundTripsTheDialog) {
    MusicListState stored;
    stored.cycMusic = true;
    stored.paths = {"x.mp3", "y.wav"};
    player.restore(stored);
    player.setOnOff(true);
    player.setMode(PlayMode::Random);

    const MusicListState saved = player.stored();
    EXPECT_TRUE(saved.randomMusic);
    EXPECT_FALSE(saved.cycMusic);
    EXPECT_FALSE(saved.repeatMusic);
    EXPECT_TRUE(saved.ownMusic);
    EXPECT_EQ(saved.paths, stored.paths);
}

} // namespace
} // namespace quillmere
