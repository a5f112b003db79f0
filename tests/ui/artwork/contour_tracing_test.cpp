#include "contour_tracing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quillmere::uiart {
namespace {

// A shape sampled every half unit over [-20, 20] x [-20, 20].
DistanceSamples sampled(const std::function<double(Point)>& shape) {
    DistanceSamples samples{-20.0, -20.0, 0.5, 81, 81, {}};
    for (int row = 0; row < samples.rows; ++row)
        for (int column = 0; column < samples.columns; ++column)
            samples.values.push_back(shape({samples.left + column * 0.5, samples.top + row * 0.5}));
    return samples;
}

TEST(ContourTracing, OutlinesLieOnTheShapesEdgeAndCloseOnTheRim) {
    struct Case {
        const char* name;
        std::function<double(Point)> shape;
        std::size_t outlines;
        double stray = 0.06; // from the edge; a corner inside a cell is cut off by up to a third of it
    };
    const Case cases[] = {
        {"circle",
         [](Point p) {
             return circle(p, {1.3, -2.1}, 9.7);
         },
         1},
        {"ring",
         [](Point p) {
             return outline(circle(p, {0, 0}, 12), 4);
         },
         2},
        {"two circles",
         [](Point p) {
             return unite(circle(p, {-10, 0}, 5), circle(p, {10, 0}, 5));
         },
         2},
        // Diagonal corners meeting in one cell: neither lost nor crossed.
        {"touching boxes",
         [](Point p) {
             return unite(roundedBox(p, {-4.9, -4.9}, 5, 5, 0), roundedBox(p, {5.4, 5.4}, 5, 5, 0));
         },
         2, 0.15},
        {"everything", [](Point) { return -1.0; }, 1},
        {"nothing", [](Point) { return 1.0; }, 0},
    };
    for (const Case& c : cases) {
        const DistanceSamples samples = sampled(c.shape);
        const auto outlines = traceOutlines(samples, 0.05);
        ASSERT_EQ(outlines.size(), c.outlines) << c.name;
        for (const auto& loop : outlines) {
            EXPECT_GE(loop.size(), 3u) << c.name;
            for (const Point& p : loop) {
                const bool onRim = std::abs(std::abs(p.x) - 20) < 0.5 || std::abs(std::abs(p.y) - 20) < 0.5;
                if (!onRim) {
                    EXPECT_NEAR(c.shape(p), 0.0, c.stray) << c.name << " at " << p.x << "," << p.y;
                }
            }
        }
    }
}

TEST(ContourTracing, ThinningKeepsStraightEdgesShortAndCurvesClose) {
    const auto square = traceOutlines(sampled([](Point p) {
                                          return roundedBox(p, {0, 0}, 10.2, 10.2, 0);
                                      }),
                                      0.05);
    ASSERT_EQ(square.size(), 1u);
    EXPECT_LE(square[0].size(), 8u);
    // Every point between kept ones stays within the tolerance: the midpoints of a circle's chords.
    const auto round = traceOutlines(sampled([](Point p) { return circle(p, {0, 0}, 15); }), 0.05);
    ASSERT_EQ(round.size(), 1u);
    for (std::size_t i = 0; i < round[0].size(); ++i) {
        const Point a = round[0][i], b = round[0][(i + 1) % round[0].size()];
        EXPECT_NEAR(circle({(a.x + b.x) / 2, (a.y + b.y) / 2}, {0, 0}, 15), 0.0, 0.12);
    }
}

} // namespace
} // namespace quillmere::uiart
