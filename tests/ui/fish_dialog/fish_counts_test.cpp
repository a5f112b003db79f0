#include "ui/fish_dialog/fish_counts.h"
#include "ui/fish_dialog/selection_oval.h"

#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <vector>

namespace quillmere {
namespace {

std::array<int, FishKindCount> countsOf(int each) {
    std::array<int, FishKindCount> counts{};
    counts.fill(each);
    return counts;
}

TEST(FishCountsTest, ClickSelectsTheCellUnderItOrNothing) {
    struct Case {
        int x, y;
        int selection; // after a click that started from kind 7 selected
        int kind;
    };
    const Case cases[] = {
        {0, 0, 0, 0},       {99, 89, 0, 0},     {100, 90, 6, 6},
        {499, 269, 14, 14}, {250, 300, 17, -1}, {499, 449, 24, -1}, // the rows below the grid select no kind
        {10, 450, 7, 7},                        // row five is no cell: the selection stays
        {10, 451, -1, -1},                      // below the line the selection is cleared
        {500, 10, -1, -1},  {639, 399, -1, -1}, // beside the grid: no wrap into the next row
        {-1, 10, -1, -1},
    };
    for (const Case& c : cases) {
        FishCounts counts;
        counts.clickAt(250, 100);
        ASSERT_EQ(counts.selection(), 7);
        counts.clickAt(c.x, c.y);
        EXPECT_EQ(counts.selection(), c.selection) << c.x << "," << c.y;
        EXPECT_EQ(counts.selectedKind(), c.kind) << c.x << "," << c.y;
    }
}

TEST(FishCountsTest, AddStopsAtFiftyFishInAll) {
    FishCounts counts;
    std::array<int, FishKindCount> start = countsOf(3);
    start[0] = 7; // 49 in all
    counts.load(start);
    counts.clickAt(10, 10);
    EXPECT_TRUE(counts.add());
    EXPECT_EQ(counts.counts()[0], 8);
    EXPECT_EQ(counts.totalText(), "Total: 50   (Max:50)");
    EXPECT_FALSE(counts.add());
    EXPECT_EQ(counts.total(), 50);
}

TEST(FishCountsTest, AddAndDeleteNeedASelectedKind) {
    FishCounts counts;
    counts.load(countsOf(1));
    for (const auto& [x, y] : {std::pair{10, 451}, std::pair{10, 300}}) {
        counts.clickAt(x, y);
        EXPECT_FALSE(counts.add());
        EXPECT_FALSE(counts.remove());
        EXPECT_EQ(counts.counts(), countsOf(1));
    }
}

TEST(FishCountsTest, DeleteNeverGoesBelowZero) {
    FishCounts counts;
    counts.load(countsOf(0));
    counts.clickAt(110, 10);
    EXPECT_FALSE(counts.remove());
    EXPECT_EQ(counts.counts()[1], 0);
}

TEST(FishCountsTest, CountsFromAHandEditedFileAreHeldToWhatOneKindCanHold) {
    struct Case {
        int stored;
        int held;
    };
    for (const Case& c : {Case{INT_MAX, 50}, Case{51, 50}, Case{44, 44}, Case{-3, 0}, Case{INT_MIN, 0}}) {
        std::array<int, FishKindCount> stored = countsOf(0);
        stored[0] = c.stored;
        stored[1] = 5;
        FishCounts counts;
        counts.load(stored);
        EXPECT_EQ(counts.counts()[0], c.held) << c.stored;
        EXPECT_EQ(counts.total(), c.held + 5) << c.stored;
        counts.clickAt(10, 10);
        EXPECT_EQ(counts.add(), c.held + 5 < MaxFishTotal) << c.stored;
        EXPECT_EQ(counts.remove(), c.held + 5 < MaxFishTotal || c.held > 0) << c.stored;
    }
}

TEST(FishCountsTest, ClearZeroesEveryKindAndKeepsTheSelection) {
    FishCounts counts;
    counts.load(countsOf(2));
    counts.clickAt(10, 100);
    counts.clear();
    EXPECT_EQ(counts.counts(), countsOf(0));
    EXPECT_EQ(counts.totalText(), "Total: 0   (Max:50)");
    EXPECT_EQ(counts.selectedKind(), 5);
    EXPECT_TRUE(counts.add());
}

TEST(FishCountsTest, RandomDrawsFifteenCountsFromZeroToFourAndClearsTheSelection) {
    Random random;
    Random expected = random.fork();
    std::array<int, FishKindCount> draws{};
    for (int& draw : draws)
        draw = expected.next() % 5;
    FishCounts counts;
    counts.clickAt(10, 10);
    counts.randomise(random);
    EXPECT_EQ(random.state(), expected.state());
    EXPECT_EQ(counts.counts(), limitPopulation(draws));
    EXPECT_EQ(counts.selection(), FishCounts::NoSelection);
}

TEST(FishCountsTest, RandomCutsASurplusFromTheLastKindsAsTheTankDoes) {
    // Finds a place in the sequence where fifteen draws come to more than 50.
    Random random;
    std::array<int, FishKindCount> draws{};
    for (int skip = 0; skip < 1'000'000; ++skip) {
        Random probe = random.fork();
        for (int& draw : draws)
            draw = probe.next() % 5;
        if (std::accumulate(draws.begin(), draws.end(), 0) > MaxFishTotal)
            break;
        random.next();
    }
    ASSERT_GT(std::accumulate(draws.begin(), draws.end(), 0), MaxFishTotal);

    FishCounts counts;
    counts.randomise(random);
    EXPECT_EQ(counts.total(), MaxFishTotal);
    EXPECT_EQ(counts.totalText(), "Total: 50   (Max:50)");
    int kept = 0;
    for (int kind = 0; kind < FishKindCount; ++kind) {
        const int room = MaxFishTotal - kept;
        EXPECT_EQ(counts.counts()[kind], std::min(draws[kind], room)) << "kind " << kind;
        kept += counts.counts()[kind];
    }
}

TEST(FishCountsTest, LetterKeysAddDeleteRandomiseAndClear) {
    Random random;
    FishCounts counts;
    counts.load(countsOf(1));
    counts.clickAt(10, 10);
    EXPECT_TRUE(counts.pressKey('A', random));
    EXPECT_EQ(counts.counts()[0], 2);
    EXPECT_TRUE(counts.pressKey('D', random));
    EXPECT_TRUE(counts.pressKey('D', random));
    EXPECT_EQ(counts.counts()[0], 0);
    EXPECT_TRUE(counts.pressKey('C', random));
    EXPECT_EQ(counts.total(), 0);
    const std::uint32_t before = random.state();
    EXPECT_TRUE(counts.pressKey('R', random));
    EXPECT_NE(random.state(), before);
    EXPECT_EQ(counts.selection(), FishCounts::NoSelection);
    EXPECT_FALSE(counts.pressKey('X', random));
    EXPECT_FALSE(counts.pressKey('a', random));
}

TEST(SelectionOvalTest, InvertsTheOvalOfTheCellOnlyAndUndoesItself) {
    for (const double scale : {1.0, 2.0}) {
        const int width = static_cast<int>(FishPictureWidth * scale);
        const int height = static_cast<int>(FishPictureHeight * scale);
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 0x30);
        const CellRect cell = fishCell(6); // 102..202 x 92..182
        invertOval(rgb, width, height, cell, scale);
        const auto at = [&](double x, double y) {
            return rgb[(static_cast<std::size_t>(y * scale) * width + static_cast<std::size_t>(x * scale)) *
                       3];
        };
        EXPECT_EQ(at(152, 137), 0xCF) << "centre at scale " << scale;
        EXPECT_EQ(at(103, 137), 0xCF) << "left edge at scale " << scale;
        EXPECT_EQ(at(152, 181), 0xCF) << "bottom edge at scale " << scale;
        EXPECT_EQ(at(104, 94), 0x30) << "the cell's corner stays at scale " << scale;
        EXPECT_EQ(at(202, 137), 0x30) << "right of the cell at scale " << scale;
        EXPECT_EQ(at(152, 182), 0x30) << "below the cell at scale " << scale;
        invertOval(rgb, width, height, cell, scale);
        EXPECT_TRUE(std::all_of(rgb.begin(), rgb.end(), [](std::uint8_t v) { return v == 0x30; }));
    }
}

} // namespace
} // namespace quillmere
