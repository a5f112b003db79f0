#include "ui/background_dialog/slideshow.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quillmere {
namespace {

// Hands out picture ids as the view would, ends each load when told to (or by the next timer step) and
// keeps count of the live pictures.
class FakeTank : public TankLink {
public:
    std::set<std::string> broken;          // pictures that do not decode
    std::map<PictureId, std::string> live; // requested and not released
    std::vector<PictureOutcome> outcomes;  // taken by the next timer step
    bool loadAtOnce = true;
    int loads = 0;
    int doubleReleases = 0;
    std::optional<PictureId> shown; // what the slideshow last told the tank to draw

    void finish(PictureId id) {
        const std::string& path = live.at(id);
        const bool loaded = !broken.contains(path);
        outcomes.push_back({id, loaded, loaded ? "" : "(" + path + ")image loading error."});
    }

    CameraValues liveCamera() const override { return {}; }
    void setLiveCamera(const CameraValues&) override {}
    void setTuneVolume(int) override {}
    float tintPhase() const override { return 0.0f; }
    void resumeTintPhase(float) override {}
    void applySettings(const AquariumSettings&) override {}
    void applyFishCounts(const std::array<int, FishKindCount>&) override {}
    PictureId requestPicture(const std::string& path) override {
        ++loads;
        const auto id = static_cast<PictureId>(m_next++);
        live[id] = path;
        if (loadAtOnce)
            finish(id);
        return id;
    }
    void releasePicture(PictureId picture) override {
        if (live.erase(picture) == 0)
            ++doubleReleases;
    }
    std::vector<PictureOutcome> takePictureOutcomes() override { return std::exchange(outcomes, {}); }
    void showPicture(std::optional<PictureId> picture) override { shown = picture; }
    void setOwnMusicOn(bool) override {}
    bool tankRunning() const override { return true; }

private:
    std::int64_t m_next = 7;
};

class SlideshowTest : public testing::Test {
protected:
    void addPictures(int count) {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(show.addChosenPicture("/p/" + std::to_string(i) + ".jpg"), Slideshow::AddResult::Added);
    }

    // The row whose picture the frame draws, -1 when none; the tank has always been told of it.
    int shownRow() const {
        EXPECT_EQ(tank.shown, show.ownImageOn() ? std::optional(show.currentPicture()) : std::nullopt);
        for (std::size_t row = 0; row < show.rows().size(); ++row) {
            if (show.rows()[row].picture == show.currentPicture())
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
    const PictureId removed = show.rows()[1].picture;

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
    EXPECT_EQ(show.addChosenPicture("/p/eleventh.jpg"), Slideshow::AddResult::ListFull);
    EXPECT_EQ(show.refusalMessage(Slideshow::AddResult::ListFull, "/p/eleventh.jpg"),
              "The maximum number of background is: 10");
    show.removeAll();

    EXPECT_EQ(show.addChosenPicture("/p/line\nbreak.jpg"), Slideshow::AddResult::LineBreak);
    EXPECT_EQ(show.addChosenPicture("/p/return\r.jpg"), Slideshow::AddResult::LineBreak);
    EXPECT_EQ(tank.loads, loads);
    EXPECT_TRUE(show.rows().empty());
}

TEST_F(SlideshowTest, APictureThatDoesNotLoadStopsTheShow) {
    addPictures(2);
    show.setOwnImage(true);
    show.onTimer();
    ASSERT_EQ(onRows(), std::vector<int>{0});
    const PictureId shown = show.currentPicture();
    tank.broken.insert("/p/notes.txt");

    EXPECT_EQ(show.addChosenPicture("/p/notes.txt"), Slideshow::AddResult::Added);
    EXPECT_EQ(show.rows().size(), 3u) << "listed while it loads";
    EXPECT_TRUE(show.slideshowOn());
    show.onTimer();
    EXPECT_EQ(show.takeMessages(), std::vector<std::string>{"(/p/notes.txt)image loading error."});
    EXPECT_TRUE(show.takeMessages().empty()) << "once";
    EXPECT_FALSE(show.slideshowOn());
    EXPECT_TRUE(onRows().empty());
    EXPECT_EQ(show.rows().size(), 2u);
    for (int tick = 0; tick < 60; ++tick)
        show.onTimer();
    EXPECT_EQ(show.currentPicture(), shown) << "a stopped show keeps its picture";
}

TEST_F(SlideshowTest, ClickWhileStoppedLeavesNoPictureUntilTheShowStartsAgain) {
    addPictures(3);
    show.clickRow(2);
    EXPECT_EQ(show.currentPicture(), PictureId::Stale);
    show.removeSelected(-1);
    EXPECT_EQ(show.currentPicture(), PictureId::Stale);

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
    EXPECT_EQ(tank.shown, std::nullopt);
    show.onTimer();
    EXPECT_TRUE(show.ownImageOn());
    EXPECT_EQ(tank.shown, show.rows()[0].picture);

    show.setOwnImage(false);
    EXPECT_FALSE(show.slideshowOn());
    EXPECT_TRUE(onRows().empty());
    EXPECT_TRUE(show.ownImageOn());
    show.onTimer();
    EXPECT_FALSE(show.ownImageOn());
    EXPECT_EQ(tank.shown, std::nullopt) << "the built-in backdrop is back";
}

TEST_F(SlideshowTest, TheFirstChosenPictureStartsTheShowWhenTheBoxIsOn) {
    show.setOwnImage(true);
    show.removeAll();
    show.onTimer();
    EXPECT_EQ(show.currentPicture(), PictureId::Stale);
    ASSERT_EQ(show.addChosenPicture("/p/first.png"), Slideshow::AddResult::Added);
    show.onTimer();
    EXPECT_EQ(shownRow(), 0);
}

TEST_F(SlideshowTest, PicturesThatFinishOutOfOrderKeepTheListsOrder) {
    tank.loadAtOnce = false;
    tank.broken = {"/p/b.png", "/p/d.png"};
    ImageListState stored;
    stored.ownImage = true;
    stored.cycImage = true;
    stored.imageTime = "1";
    stored.paths = {"/p/a.jpg", "/p/b.png", "/p/c.jpg", "/p/d.png"};
    show.restore(stored);
    std::vector<PictureId> ids;
    for (const SlideshowRow& row : show.rows())
        ids.push_back(row.picture);
    show.onTimer();
    EXPECT_EQ(shownRow(), 1) << "the show's order does not wait for a picture to load";

    tank.finish(ids[3]);
    tank.finish(ids[2]);
    tank.finish(ids[1]);
    show.onTimer();
    EXPECT_TRUE(show.takeMessages().empty()) << "messages wait for every picture listed before them";
    EXPECT_EQ(show.currentPicture(), ids[2]) << "the show goes on at once with the row that took b's place";
    tank.finish(ids[0]);
    show.onTimer();
    EXPECT_EQ(show.takeMessages(),
              (std::vector<std::string>{"(/p/b.png)image loading error.", "(/p/d.png)image loading error."}));
    EXPECT_EQ(show.stored().paths, (std::vector<std::string>{"/p/a.jpg", "/p/c.jpg"}));
    EXPECT_TRUE(show.slideshowOn());
}

TEST_F(SlideshowTest, AStoredPicturePastAFullListTakesThePlaceOfOneThatFails) {
    for (const bool oneBroken : {true, false}) {
        SCOPED_TRACE(oneBroken);
        tank.loadAtOnce = false;
        tank.broken.clear();
        if (oneBroken)
            tank.broken.insert("/p/3.jpg");
        ImageListState stored;
        for (int i = 0; i <= MaxBackgroundPictures; ++i)
            stored.paths.push_back("/p/" + std::to_string(i) + ".jpg");
        show.restore(stored);
        EXPECT_EQ(show.stored().paths, stored.paths) << "nothing is lost while the pictures load";
        for (int round = 0; round < 3; ++round) {
            for (const auto& [id, path] : std::map<PictureId, std::string>(tank.live))
                tank.finish(id);
            show.onTimer();
        }
        std::vector<std::string> kept = stored.paths;
        if (oneBroken)
            kept.erase(kept.begin() + 3);
        else
            kept.pop_back();
        EXPECT_EQ(show.stored().paths, kept);
        EXPECT_EQ(show.takeMessages(),
                  std::vector<std::string>{oneBroken ? "(/p/3.jpg)image loading error."
                                                     : "The maximum number of background is: 10"});
    }
}

TEST_F(SlideshowTest, APictureRemovedWhileItLoadsIsForgotten) {
    tank.loadAtOnce = false;
    addPictures(2);
    const PictureId removed = show.rows()[0].picture;
    show.removeSelected(0);
    tank.outcomes.push_back({removed, true, {}});
    tank.outcomes.push_back({show.rows()[0].picture, false, "(/p/1.jpg)image loading error."});
    show.onTimer();
    EXPECT_TRUE(show.rows().empty());
    EXPECT_TRUE(tank.live.empty());
    EXPECT_EQ(tank.doubleReleases, 0);
    EXPECT_EQ(show.takeMessages(), std::vector<std::string>{"(/p/1.jpg)image loading error."});
}

TEST_F(SlideshowTest, AFailedAddLeavingOneRowStartsTheShowWhenTheBoxIsOn) {
    for (const int rowsBefore : {1, 2}) {
        show.removeAll();
        addPictures(rowsBefore);
        show.setOwnImage(true);
        show.onTimer();
        tank.broken.insert("/p/broken.jpg");
        show.addChosenPicture("/p/broken.jpg");
        show.onTimer();
        EXPECT_EQ(show.slideshowOn(), rowsBefore == 1) << rowsBefore;
    }
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
    show.restore(stored);
    show.onTimer();
    EXPECT_EQ(show.takeMessages(), std::vector<std::string>{"(/gone/b.png)image loading error."});
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
