#include "ui/controls/slider_model.h"

#include <gtest/gtest.h>

#include <climits>

namespace quillmere {
namespace {

TEST(SliderModel, ValueAndRangeStayConsistent) {
    SliderModel model(50, 0, 10);
    EXPECT_EQ(model.value(), 10);
    model.setRange(20, 5); // a maximum below the minimum is raised to it
    EXPECT_EQ(model.minValue(), 20);
    EXPECT_EQ(model.maxValue(), 20);
    EXPECT_EQ(model.value(), 20);
    model.setRange(0, 100);
    model.setValue(-3);
    EXPECT_EQ(model.value(), 0);
}

TEST(SliderModel, StepsClampWithoutOverflow) {
    SliderModel model(INT_MAX - 1, INT_MIN, INT_MAX);
    EXPECT_EQ(model.stepped(10), INT_MAX);
    model.setValue(INT_MIN + 1);
    EXPECT_EQ(model.stepped(-10), INT_MIN);
    model.setLineSize(0);
    EXPECT_EQ(model.lineSize(), 1);
}

TEST(SliderLayout, ThumbEndsMatchTheRangeEnds) {
    struct Case {
        bool vertical;
        int value;
        int expectedStart;
    };
    // 200 pixels long: the thumb starts at 4 and can travel 200 - 8 - 11 = 181 pixels.
    for (const Case c : {Case{false, 0, 4}, Case{false, 1000, 185}, Case{true, 0, 4}, Case{true, 1000, 185},
                         Case{false, 500, 4 + 90}}) {
        SliderModel model(c.value, 0, 1000);
        const wxSize client = c.vertical ? wxSize(36, 200) : wxSize(200, 36);
        const SliderLayout layout = layoutSlider(client, c.vertical, true, model);
        EXPECT_EQ(c.vertical ? layout.thumb.y : layout.thumb.x, c.expectedStart)
            << c.vertical << ' ' << c.value;
        // The thumb's start maps back to the value it shows, to within one pixel's worth.
        EXPECT_NEAR(sliderValueAt(layout, model, c.expectedStart), c.value, 1000 / 181 + 1);
    }
}

TEST(SliderLayout, EndMarksSitOnTheSideAwayFromTheTicks) {
    const SliderModel model(0, 0, 10);
    const SliderLayout top = layoutSlider({200, 36}, false, true, model);
    EXPECT_EQ(top.minMark, wxRect(0, 0, 7, 7));
    EXPECT_EQ(top.maxMark, wxRect(193, 0, 7, 7));
    EXPECT_GT(top.tickFrom, top.thumb.GetBottom());

    const SliderLayout right = layoutSlider({36, 200}, true, false, model);
    EXPECT_EQ(right.minMark, wxRect(29, 0, 7, 7));
    EXPECT_EQ(right.maxMark, wxRect(29, 193, 7, 7));
    EXPECT_LT(right.tickTo, right.thumb.GetLeft());
}

TEST(SliderLayout, PositionsBeyondTheChannelClampAndEmptyRangesStayAtTheMinimum) {
    const SliderModel model(3, 0, 10);
    const SliderLayout layout = layoutSlider({200, 36}, false, true, model);
    EXPECT_EQ(sliderValueAt(layout, model, -500), 0);
    EXPECT_EQ(sliderValueAt(layout, model, 5000), 10);

    const SliderModel single(7, 7, 7);
    const SliderLayout tiny = layoutSlider({5, 36}, false, true, single);
    EXPECT_EQ(tiny.thumbTravel, 0);
    EXPECT_EQ(sliderValueAt(tiny, single, 3), 7);
}

} // namespace
} // namespace quillmere
