#include "core/random.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(Random, FollowsTheRuntimeSequenceFromSeedOne) {
    Random random;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(random.next(), value);
}

TEST(Random, StateIsTheFullThirtyTwoBitSeed) {
    Random random;
    EXPECT_EQ(random.state(), 1u);
    random.next();
    EXPECT_EQ(random.state(), 1u * 214013u + 2531011u);
    for (int i = 0; i < 100000; ++i)
        ASSERT_LE(random.next(), Random::Max);
}

} // namespace
} // namespace quillmere
