#include "render/help_text.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

// The frames, counted from 1, in which the text is drawn.
std::vector<int> drawnFrames(HelpTextState& state, int frames) {
    std::vector<int> drawn;
    for (int frame = 1; frame <= frames; ++frame)
        if (advanceHelpText(state))
            drawn.push_back(frame);
    return drawn;
}

TEST(HelpTextCount, ShowsInFramesOneToHundredAfterStart) {
    HelpTextState state;
    const std::vector<int> drawn = drawnFrames(state, 300);
    ASSERT_EQ(drawn.size(), 100u);
    EXPECT_EQ(drawn.front(), 1);
    EXPECT_EQ(drawn.back(), 100);
    EXPECT_FALSE(state.shown);
    EXPECT_EQ(state.counter, 0);
}

TEST(HelpTextCount, F1HidesAtOnceAndResumesWhereItStopped) {
    HelpTextState state;
    drawnFrames(state, 30);
    toggleHelpText(state);
    EXPECT_TRUE(drawnFrames(state, 50).empty()) << "hidden frames are not counted and draw nothing";
    toggleHelpText(state);
    EXPECT_EQ(drawnFrames(state, 200).size(), 70u);
}

TEST(HelpTextCount, F1AfterTheCountRanOutShowsAFullHundred) {
    HelpTextState state;
    drawnFrames(state, 150);
    toggleHelpText(state);
    EXPECT_EQ(drawnFrames(state, 300).size(), 100u);
}

TEST(HelpTextLayout, FourLinesAtTheirPlaces) {
    ASSERT_EQ(HelpTextLines.size(), 4u);
    EXPECT_EQ(HelpTextLines[0].text, "Quillmere 1.1");
    EXPECT_EQ(HelpTextLines[1].text, "[Right Click]: Toolbar popup");
    EXPECT_EQ(HelpTextLines[2].text, "[ESC]: Exit");
    EXPECT_EQ(HelpTextLines[3].text, ProjectWebAddress);
    const float expected[4][3] = {
        {-5.5f, 9.0f, -60.0f}, {-4.0f, 6.0f, -60.0f}, {-4.0f, 5.0f, -60.0f}, {-4.0f, 3.0f, -60.0f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(HelpTextLines[i].xFromEye, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(HelpTextLines[i].y, expected[i][1]) << i;
        EXPECT_FLOAT_EQ(HelpTextLines[i].z, expected[i][2]) << i;
        EXPECT_LT(HelpTextLines[i].text.size(), 256u) << "fits the formatting buffer";
    }
}

} // namespace
} // namespace quillmere
