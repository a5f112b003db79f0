#include "settings/profile_numbers.h"

#include <climits>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(ProfileNumbers, IntegersReadLikeAtoi) {
    EXPECT_EQ(parseProfileInt("32767.5"), 32767);
    EXPECT_EQ(parseProfileInt("12.600000"), 12);
    EXPECT_EQ(parseProfileInt("  -12abc"), -12);
    EXPECT_EQ(parseProfileInt("+7"), 7);
    EXPECT_EQ(parseProfileInt("abc"), 0);
    EXPECT_EQ(parseProfileInt(""), 0);
    EXPECT_EQ(parseProfileInt("- 5"), 0);
}

TEST(ProfileNumbers, OverlongIntegersSaturate) {
    EXPECT_EQ(parseProfileInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(parseProfileInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(parseProfileInt("-2147483648"), INT_MIN);
    EXPECT_EQ(parseProfileInt("2147483647"), INT_MAX);
}

TEST(ProfileNumbers, FloatsReadLikeAtof) {
    EXPECT_DOUBLE_EQ(parseProfileFloat("123.456000"), 123.456);
    EXPECT_DOUBLE_EQ(parseProfileFloat(" -1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(parseProfileFloat("+2.25"), 2.25);
    EXPECT_DOUBLE_EQ(parseProfileFloat("junk"), 0.0);
    EXPECT_DOUBLE_EQ(parseProfileFloat("nan"), 0.0);
    EXPECT_DOUBLE_EQ(parseProfileFloat("1e999"), 0.0);
}

TEST(ProfileNumbers, FormatsAsPrintfWould) {
    EXPECT_EQ(formatProfileInt(-1), "-1");
    EXPECT_EQ(formatProfileInt(16777215), "16777215");
    EXPECT_EQ(formatProfileFloat(12.6f), "12.600000");
    EXPECT_EQ(formatProfileFloat(0.0), "0.000000");
    EXPECT_EQ(formatProfileFloat(-3.25), "-3.250000");
}

} // namespace
} // namespace quillmere
