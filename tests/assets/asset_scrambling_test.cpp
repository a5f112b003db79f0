#include "assets/asset_scrambling.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

namespace quillmere {
namespace {

TEST(AssetScramblingTest, KeyIsFiftyBytesThatActuallyScramble) {
    // A key with repeated or zero entries would leave patterns (or whole bytes) readable.
    const std::set<std::uint8_t> distinct(AssetKey.begin(), AssetKey.end());
    EXPECT_EQ(distinct.size(), 50u);
    EXPECT_EQ(distinct.count(0), 0u);
}

TEST(AssetScramblingTest, UnscramblingUndoesPackingAtEveryPosition) {
    std::vector<std::uint8_t> plain(3 * 256);
    std::iota(plain.begin(), plain.end(), 0); // wraps: every byte value at many key positions
    std::vector<std::uint8_t> bytes = plain;
    scrambleBytes(bytes);
    EXPECT_NE(bytes, plain);
    unscrambleBytes(bytes);
    EXPECT_EQ(bytes, plain);
}

TEST(AssetScramblingTest, UnscramblingInPiecesMatchesOnePass) {
    std::vector<std::uint8_t> whole(177, 0x33);
    std::vector<std::uint8_t> pieces = whole;
    unscrambleBytes(whole);
    // Pieces of 50, 63 and 64 bytes, numbered on from where the previous one ended.
    unscrambleBytes(std::span(pieces).first(50), 1);
    unscrambleBytes(std::span(pieces).subspan(50, 63), 51);
    unscrambleBytes(std::span(pieces).subspan(113), 114);
    EXPECT_EQ(pieces, whole);
}

} // namespace
} // namespace quillmere
