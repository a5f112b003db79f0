#include "ui/background_dialog/slideshow.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// Hands out texture names as the view would and keeps count of the live ones.
class FakeTank : public TankLink {
public:
    std::set<std::string> broken; // pictures that do not decode
    std::set<unsigned int> live;
    int loads = 0;
    int doubleReleases = 0;

    CameraValues liveCamera() const override { return {}; }
    void setLiveCamera(const CameraValues&) override {}
    void setTuneVolume(int) override {}
    float tintPhase() const override { return 0.0f; }
    void resumeTintPhase(float) override {}
    unsigned int loadPicture(const std::string& path) override {
        ++loads;
        if (broken.contains(path))
            return 0;
        live.insert(m_next);
        return m_next++;
    }
    void releasePicture(unsigned int texture) override {
        if (live.erase(texture) == 0)
            ++doubleReleases;
    }

private:
    unsigned int m_next = 7;
};

class SlideshowTest : public testing::Test {
protected:
    void addPictures(int count) {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(show.addPicture("/p/" + std::to_string(i) + ".jpg"), Slideshow::AddResult::Added);
    }

    // The row whose texture the frame draws, -1 when none.
    int shownRow() const {
        for (std::size_t row = 0; row < show.rows().size(); ++row) {
            if (static_cast<int>(show.rows()[row].texture) == show.currentTexture())
                return static_cast<int>(row);
        }
        return -1;
    }

    std::vector<int> onRows() const {
        std::vector<int> rows;
        for (std::size_t row = 0; row < show.rows().size(); ++row) {
            if (show.rows()[row].on)
                rows.push_back(static_cast<int>(row));
        }
        return rows;
    }

    FakeTank tank;
    Random random;
    Slideshow show{tank, random};
};

struct ShowCase {
    const char* name;
    PlayMode mode;
    int pictures;
    const char* interval;
    int ticks;
    // Each change of picture as {tick, row}, counting ticks from 1 after the start.
    std::vector<std::pair<int, int>> changes;
};

class SlideshowTimingTest : public SlideshowTest, public testing::WithParamInterface<ShowCase> {};

TEST_P(SlideshowTimingTest, ChangesPicturesOnTheIntervalInModeOrder) {
    const ShowCase& c = GetParam();
    addPictures(c.pictures);
    show.setMode(c.mode);
    show.setInterval(c.interval);
    show.setOwnImage(true);
    std::vector<std::pair<int, int>> changes;
    int last = -2;
    for (int tick = 1; tick <= c.ticks; ++tick) {
        show.onTimer();
        if (shownRow() != last)
            changes.emplace_back(tick, last = shownRow());
        EXPECT_EQ(onRows(), std::vector<int>{shownRow()}) << "tick " << tick;
    }
    EXPECT_EQ(changes, c.changes);
    EXPECT_TRUE(show.ownImageOn());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SlideshowTimingTest,
    testing::Values(
        // Started while nothing shows yet, Repeat All begins at row 1 and wraps after the last row.
        ShowCase{
            "RepeatAllEveryTwoSeconds", PlayMode::RepeatAll, 3, "2", 40, {{1, 1}, {11, 2}, {21, 0}, {31, 1}}},
        ShowCase{"RepeatAllWithOnePicture", PlayMode::RepeatAll, 1, "1", 20, {{1, 0}}},
        ShowCase{"RandomWithOnePictureStays", PlayMode::Random, 1, "1", 30, {{1, 0}}},
        ShowCase{"RepeatOneKeepsTheFirst", PlayMode::RepeatOne, 3, "1", 30, {{1, 0}}},
        // Not a number, or zero: a new picture on every tick.
        ShowCase{"TextIntervalChangesEveryTick",
                 PlayMode::RepeatAll,
                 3,
                 "abc",
                 4,
                 {{1, 1}, {2, 2}, {3, 0}, {4, 1}}},
        ShowCase{"ZeroIntervalChangesEveryTick", PlayMode::RepeatAll, 2, "0", 3, {{1, 1}, {2, 0}, {3, 1}}},
        ShowCase{"HugeIntervalDoesNotOverflow", PlayMode::RepeatAll, 2, "99999999", 50, {{1, 1}}}),
    [](const testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

TEST_F(SlideshowTest, RemovingTheShownPictureMovesToTheFirstAndReleasesItsTexture) {
    addPictures(3);
    show.setMode(PlayMode::RepeatAll);
    show.setOwnImage(true);
    show.onTimer();
    ASSERT_EQ(shownRow(), 1);
    const unsigned int removed = show.rows()[1].texture;

    show.removeSelected(1);
    EXPECT_EQ(show.rows().size(), 2u);
    EXPECT_EQ(shownRow(), 0);
    EXPECT_EQ(onRows(), std::vector<int>{0});
    EXPECT_FALSE(tank.live.contains(removed));
    EXPECT_EQ(tank.live.size(), 2u);
}

TEST_F(SlideshowTest, TexturesNeverPileUp) {
    for (int round = 0; round < 5; ++round) {
        addPictures(4);
        show.removeSelected(2);
        show.removeSelected(0);
        EXPECT_EQ(tank.live.size(), show.rows().size());
        show.removeAll();
        EXPECT_TRUE(tank.live.empty());
    }
    addPictures(3);
    ImageListState stored;
    stored.paths = {"/q/a.png"};
    show.restore(stored);
    EXPECT_EQ(tank.live.size(), 1u) << "a restore replaces the pictures it had";
    EXPECT_EQ(tank.doubleReleases, 0);
}

TEST_F(SlideshowTest, RefusedPicturesGiveTheirMessageAndLoadNothing) {
    addPictures(MaxBackgroundPictures);
    const int loads = tank.loads;
    EXPECT_EQ(show.addPicture("/p/eleventh.jpg"), Slideshow::AddResult::ListFull);
    EXPECT_EQ(show.refusalMessage(Slideshow::AddResult::ListFull, "/p/eleventh.jpg"),
              "The maximum number of background is: 10");
    show.removeAll();

    EXPECT_EQ(show.addPicture("/p/line\nbreak.jpg"), Slideshow::AddResult::LineBreak);
    EXPECT_EQ(show.addPicture("/p/return\r.jpg"), Slideshow::AddResult::LineBreak);
    EXPECT_EQ(tank.loads, loads);
    EXPECT_TRUE(show.rows().empty());
}

TEST_F(SlideshowTest, APictureThatDoesNotLoadStopsTheShow) {
    addPictures(2);
    show.setOwnImage(true);
    show.onTimer();
    ASSERT_EQ(onRows(), std::vector<int>{0});
    const int shown = show.currentTexture();
    tank.broken.insert("/p/notes.txt");

    EXPECT_EQ(show.addChosenPicture("/p/notes.txt"), Slideshow::AddResult::NotLoaded);
    EXPECT_EQ(show.refusalMessage(Slideshow::AddResult::NotLoaded, "/p/notes.txt"),
              "(/p/notes.txt)image loading error.");
    EXPECT_FALSE(show.slideshowOn());
    EXPECT_TRUE(onRows().empty());
    EXPECT_EQ(show.rows().size(), 2u);
    for (int tick = 0; tick < 60; ++tick)
        show.onTimer();
    EXPECT_EQ(show.currentTexture(), shown) << "a stopped show keeps its picture";
}

TEST_F(SlideshowTest, ClickWhileStoppedLeavesNoPictureUntilTheShowStartsAgain) {
    addPictures(3);
    show.clickRow(2);
    EXPECT_EQ(show.currentTexture(), -1);
    show.removeSelected(-1);
    EXPECT_EQ(show.currentTexture(), -1);

    show.setOwnImage(true);
    show.onTimer();
    EXPECT_EQ(shownRow(), 0) << "Repeat One starts from the first row";
    show.clickRow(2);
    EXPECT_EQ(shownRow(), 2);
    EXPECT_EQ(onRows(), std::vector<int>{2});
}

TEST_F(SlideshowTest, TheBoxReachesTheFrameOnTheNextTick) {
    addPictures(1);
    show.setOwnImage(true);
    EXPECT_FALSE(show.ownImageOn());
    show.onTimer();
    EXPECT_TRUE(show.ownImageOn());

    show.setOwnImage(false);
    EXPECT_FALSE(show.slideshowOn());
    EXPECT_TRUE(onRows().empty());
    EXPECT_TRUE(show.ownImageOn());
    show.onTimer();
    EXPECT_FALSE(show.ownImageOn());
}

TEST_F(SlideshowTest, TheFirstChosenPictureStartsTheShowWhenTheBoxIsOn) {
    show.setOwnImage(true);
    show.removeAll();
    show.onTimer();
    EXPECT_EQ(show.currentTexture(), -1);
    ASSERT_EQ(show.addChosenPicture("/p/first.png"), Slideshow::AddResult::Added);
    show.onTimer();
    EXPECT_EQ(shownRow(), 0);
}

struct RestoreCase {
    bool random, cyc, repeat;
    PlayMode expected;
};

TEST_F(SlideshowTest, RestoreTakesTheLastModeKeySetAndResumesTheShow) {
    const RestoreCase cases[] = {
        {false, false, false, PlayMode::RepeatOne}, {true, false, false, PlayMode::Random},
        {true, true, false, PlayMode::RepeatAll},   {true, true, true, PlayMode::RepeatOne},
        {false, true, false, PlayMode::RepeatAll},
    };
    for (const RestoreCase& c : cases) {
        ImageListState stored;
        stored.randomImage = c.random;
        stored.cycImage = c.cyc;
        stored.repeatImage = c.repeat;
        show.restore(stored);
        EXPECT_EQ(show.mode(), c.expected) << c.random << c.cyc << c.repeat;
    }

    ImageListState stored;
    stored.ownImage = true;
    stored.cycImage = true;
    stored.imageTime = "12";
    stored.paths = {"/p/a.jpg", "/gone/b.png", "/p/c.bmp"};
    tank.broken.insert("/gone/b.png");
    EXPECT_EQ(show.restore(stored), std::vector<std::string>{"(/gone/b.png)image loading error."});
    EXPECT_TRUE(show.slideshowOn()) << "a vanished picture does not keep the others from showing";
    show.onTimer();
    EXPECT_TRUE(show.ownImageOn());
    EXPECT_EQ(shownRow(), 1);

    const ImageListState saved = show.stored();
    EXPECT_EQ(saved.paths, (std::vector<std::string>{"/p/a.jpg", "/p/c.bmp"}));
    EXPECT_EQ(saved.imageTime, "12");
    EXPECT_TRUE(saved.cycImage && saved.ownImage && !saved.randomImage && !saved.repeatImage);
}

} // namespace
} // namespace quillmere
