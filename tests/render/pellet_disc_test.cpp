#include "render/pellet_disc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(PelletDisc, RimPointsGoOnceRoundAtRadius) {
    double turned = 0.0;
    DiscPoint previous = pelletDiscPoint(0);
    EXPECT_FLOAT_EQ(previous.x, 0.15f);
    EXPECT_FLOAT_EQ(previous.y, 0.0f);
    for (int i = 1; i < PelletDiscPoints; ++i) {
        const DiscPoint p = pelletDiscPoint(i);
        EXPECT_NEAR(std::hypot(p.x, p.y), 0.15, 1e-6) << i;
        turned += std::atan2(previous.x * p.y - previous.y * p.x, previous.x * p.x + previous.y * p.y);
        previous = p;
    }
    // 499 steps of 2 pi / 500: just short of a whole turn, always the same way round.
    EXPECT_NEAR(turned, 2.0 * M_PI * 499.0 / 500.0, 1e-4);
}

} // namespace
} // namespace quillmere
