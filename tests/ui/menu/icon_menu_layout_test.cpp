#include "ui/menu/icon_menu_layout.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

const wxRect Monitor{0, 0, 1280, 800};
const wxSize Menu{142, 242};

struct Placement {
    const char* name;
    wxRect display;
    wxPoint click;
    wxPoint expected;
};

class MenuPlacement : public testing::TestWithParam<Placement> {};

TEST_P(MenuPlacement, KeepsTheMenuOnItsMonitor) {
    const Placement& run = GetParam();
    const wxPoint at = placeMenu(run.click, Menu, run.display);
    EXPECT_EQ(at, run.expected);
    EXPECT_TRUE(run.display.Contains(wxRect(at, Menu))) << at.x << "," << at.y;
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, MenuPlacement,
    testing::Values(Placement{"RoomEverywhere", Monitor, {600, 300}, {600, 300}},
                    Placement{"ExactlyFitsAtTheCorner", Monitor, {1138, 558}, {1138, 558}},
                    Placement{"FlipsLeftAtTheRightEdge", Monitor, {1270, 300}, {1128, 300}},
                    Placement{"FlipsUpAtTheBottom", Monitor, {600, 790}, {600, 548}},
                    Placement{"FlipsBothAtTheCorner", Monitor, {1279, 799}, {1137, 557}},
                    Placement{"SecondMonitor", wxRect(1280, 0, 1024, 768), {2300, 700}, {2158, 458}},
                    Placement{"PushedOntoAShortMonitor", wxRect(0, 0, 800, 300), {100, 150}, {100, 58}}),
    [](const testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST(IconMenuLayout, ItemsAndTheirEdges) {
    const IconMenuLayout layout{5, IconMenuLayout::ItemWidth};
    EXPECT_EQ(layout.menuSize(), wxSize(142, 242));
    EXPECT_EQ(layout.itemRect(1), wxRect(1, 49, 140, 48));
    EXPECT_EQ(layout.itemAt({1, 1}), 0);
    EXPECT_EQ(layout.itemAt({140, 48}), 0);
    EXPECT_EQ(layout.itemAt({140, 49}), 1);
    EXPECT_EQ(layout.itemAt({70, 240}), 4);
    // The frame belongs to no item, so the pointer at the menu's corner selects nothing.
    EXPECT_EQ(layout.itemAt({0, 0}), -1);
    EXPECT_EQ(layout.itemAt({141, 100}), -1);
    EXPECT_EQ(layout.itemAt({70, 241}), -1);
}

TEST(IconMenuLayout, WidensOnlyForATextThatWouldNotFit) {
    EXPECT_EQ(IconMenuLayout::widthForText(80), 140);
    EXPECT_EQ(IconMenuLayout::widthForText(99), 140);
    EXPECT_EQ(IconMenuLayout::widthForText(100), 141);
}

} // namespace
} // namespace quillmere
