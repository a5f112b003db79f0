#include "ui/menu/menu_selection.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

struct KeyRun {
    const char* name;
    int start;
    std::string keys; // d down, u up, h first, e last
    int expected;
};

class MenuSelectionKeys : public testing::TestWithParam<KeyRun> {};

TEST_P(MenuSelectionKeys, EndsOnTheExpectedItem) {
    const KeyRun& run = GetParam();
    MenuSelection selection{5, run.start};
    for (const char key : run.keys) {
        switch (key) {
        case 'd':
            selection.down();
            break;
        case 'u':
            selection.up();
            break;
        case 'h':
            selection.first();
            break;
        case 'e':
            selection.last();
            break;
        }
    }
    EXPECT_EQ(selection.selected, run.expected) << run.keys;
}

INSTANTIATE_TEST_SUITE_P(
    FiveItems, MenuSelectionKeys,
    testing::Values(KeyRun{"DownFromNothingTakesTheFirst", MenuSelection::None, "d", 0},
                    KeyRun{"UpFromNothingTakesTheLast", MenuSelection::None, "u", 4},
                    KeyRun{"DownWrapsAtTheBottom", 4, "d", 0}, KeyRun{"UpWrapsAtTheTop", 0, "u", 4},
                    KeyRun{"DownAndUpReturn", 2, "ddu", 3}, KeyRun{"HomeThenDown", 3, "hd", 1},
                    KeyRun{"EndThenUp", MenuSelection::None, "eu", 3}),
    [](const testing::TestParamInfo<KeyRun>& info) { return std::string(info.param.name); });

TEST(MenuSelection, KeysOnAnEmptyMenuSelectNothing) {
    MenuSelection selection;
    selection.down();
    selection.up();
    selection.first();
    selection.last();
    EXPECT_FALSE(selection.hasSelection());
}

TEST(MenuSelection, ThePointerSelectsOnlyItemsThatExist) {
    MenuSelection selection{5, 2};
    selection.point(4);
    EXPECT_EQ(selection.selected, 4);
    selection.point(5);
    EXPECT_FALSE(selection.hasSelection());
    selection.point(-1);
    EXPECT_FALSE(selection.hasSelection());
}

} // namespace
} // namespace quillmere
