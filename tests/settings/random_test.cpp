#include "core/random.h"

#include <gtest/gtest.h>

#include <type_traits>

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

static_assert(!std::is_copy_constructible_v<Random> && !std::is_copy_assignable_v<Random>,
              "a stray copy would fork the one sequence");

TEST(Random, AForkDrawsWhatTheGeneratorWillDrawWithoutMovingIt) {
    Random random;
    random.next();
    Random fork = random.fork();
    const int ahead = fork.next();
    EXPECT_NE(fork.state(), random.state());
    EXPECT_EQ(random.next(), ahead);
}

} // namespace
} // namespace quillmere
