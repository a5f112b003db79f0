#include "assets/bitmap_reader.h"
#include "assets/masked_bitmap.h"
#include "assets/scaled_bitmap.h"

#include "assets/bitmap_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace quillmere {
namespace {

using testing_support::bitmapLayout;
using testing_support::BitmapLayout;
using testing_support::encodeBitmap;
using testing_support::putU32;
using testing_support::testColour;
using Bytes = std::vector<std::uint8_t>;

std::array<std::uint8_t, 4> rgbaAt(const MaskedImage& image, int x, int row) {
    const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * 4;
    return {image.rgba[at], image.rgba[at + 1], image.rgba[at + 2], image.rgba[at + 3]};
}

// The pixel as 0xAARRGGBB (alpha only for Bgra).
std::uint32_t pixelAt(const ScaledImage& image, int x, int row) {
    const int size = bytesPerPixel(image.format);
    const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * size;
    std::uint32_t v = 0;
    for (int byte = 0; byte < size; ++byte)
        v |= static_cast<std::uint32_t>(image.pixels[at + byte]) << (8 * byte);
    return v;
}

std::array<std::uint8_t, 4> opaque(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb), 255};
}

BitmapLayout colourful(int width, int height, int bitCount, bool topDown = false) {
    BitmapLayout layout = bitmapLayout(width, height, bitCount, topDown);
    layout.pixel = [bitCount](int x, int row) {
        return testColour(x, row) | (bitCount == 32 ? static_cast<std::uint32_t>(x * 16 + row) << 24 : 0u);
    };
    return layout;
}

// ---- the masked reader ----

TEST(MaskedBitmap, ReadsColoursAsRgbaRowByRowFromTheBottomSkippingRowPadding) {
    for (const int width : {1, 2, 3, 4, 5}) {
        const auto image = decodeMaskedBitmap(encodeBitmap(colourful(width, 3, 24)));
        ASSERT_TRUE(image) << width;
        EXPECT_EQ(image->width, width);
        EXPECT_EQ(image->height, 3);
        ASSERT_EQ(image->rgba.size(), static_cast<std::size_t>(width) * 3 * 4);
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(rgbaAt(*image, x, row), opaque(testColour(x, row)))
                    << width << " " << x << "," << row;
    }
}

TEST(MaskedBitmap, TopDownRowsComeOutAsTheSamePicture) {
    const auto bottomUp = decodeMaskedBitmap(encodeBitmap(colourful(5, 4, 24, false)));
    const auto topDown = decodeMaskedBitmap(encodeBitmap(colourful(5, 4, 24, true)));
    ASSERT_TRUE(bottomUp && topDown);
    EXPECT_EQ(topDown->height, 4);
    EXPECT_EQ(topDown->rgba, bottomUp->rgba);
}

TEST(MaskedBitmap, OnlyPureBlackBecomesTransparent) {
    constexpr std::array<std::uint32_t, 6> Colours = {0x000000, 0x000001, 0x000100,
                                                      0x010000, 0xFFFFFF, 0x808080};
    BitmapLayout layout = bitmapLayout(6, 1, 24);
    layout.pixel = [&](int x, int) { return Colours[x]; };
    const auto image = decodeMaskedBitmap(encodeBitmap(layout));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbaAt(*image, 0, 0), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(rgbaAt(*image, x, 0), opaque(Colours[x])) << x;
}

TEST(MaskedBitmap, TakesPixelsFromBfOffBitsAndSizesThemFromTheRowsWhenBiSizeImageIsZero) {
    Bytes file = encodeBitmap(colourful(4, 2, 24));
    file.insert(file.begin() + 54, 6, 0x55); // a gap before the pixels
    putU32(file, testing_support::BfOffBitsAt, 60);
    putU32(file, testing_support::BiSizeImageAt, 0);
    const auto image = decodeMaskedBitmap(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbaAt(*image, 3, 1), opaque(testColour(3, 1)));
}

TEST(MaskedBitmap, RefusesOffsetsAndSizesThatDoNotFitTheFile) {
    const Bytes good = encodeBitmap(colourful(4, 2, 24)); // rows of 12 bytes, 24 in all, 78 bytes
    ASSERT_TRUE(decodeMaskedBitmap(good));
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        putU32(file, at, value);
        return decodeMaskedBitmap(file);
    };
    using namespace testing_support;
    EXPECT_FALSE(patched(BfOffBitsAt, 55)) << "rows running one byte past the end";
    EXPECT_FALSE(patched(BfOffBitsAt, 78)) << "offset at the end";
    EXPECT_FALSE(patched(BfOffBitsAt, 0xFFFFFFF0)) << "offset far past the end";
    EXPECT_FALSE(patched(BfOffBitsAt, 20)) << "pixels inside the headers";
    EXPECT_FALSE(patched(BiSizeImageAt, 23)) << "biSizeImage short of the rows";
    EXPECT_FALSE(patched(BiSizeImageAt, 25)) << "biSizeImage past the end of the file";
    EXPECT_FALSE(patched(BiSizeImageAt, 0xFFFFFFFF));
    EXPECT_FALSE(patched(BiHeightAt, 3)) << "a row more than the file holds";
    EXPECT_FALSE(patched(BiWidthAt, 5));
}

TEST(MaskedBitmap, TakesOnlyTwentyFourBitPictures) {
    BitmapLayout paletted = bitmapLayout(4, 2, 8);
    paletted.palette.assign(256, 0x123456);
    EXPECT_FALSE(decodeMaskedBitmap(encodeBitmap(paletted)));
    EXPECT_FALSE(decodeMaskedBitmap(encodeBitmap(colourful(4, 2, 32))));
}

// ---- the scaled reader ----

TEST(ScaledBitmap, ReadsTwentyFourAndThirtyTwoBitRowsAsStoredFromTheBottom) {
    for (const int bitCount : {24, 32})
        for (const bool topDown : {false, true})
            for (const int width : {1, 3, 5}) {
                const auto image = decodeScaledBitmap(encodeBitmap(colourful(width, 3, bitCount, topDown)));
                ASSERT_TRUE(image) << bitCount << " " << width;
                EXPECT_EQ(image->width, width);
                EXPECT_EQ(image->height, 3);
                EXPECT_EQ(image->bitCount, bitCount);
                EXPECT_EQ(image->format, bitCount == 32 ? BitmapPixelFormat::Bgra : BitmapPixelFormat::Bgr);
                ASSERT_EQ(image->pixels.size(), static_cast<std::size_t>(width) * 3 * (bitCount / 8));
                const auto expected = colourful(width, 3, bitCount).pixel;
                for (int row = 0; row < 3; ++row)
                    for (int x = 0; x < width; ++x)
                        EXPECT_EQ(pixelAt(*image, x, row), expected(x, row))
                            << bitCount << (topDown ? " top-down " : " ") << x << "," << row;
            }
}

TEST(ScaledBitmap, ExpandsPalettedPixelsToBgrThroughAShortOrFullPalette) {
    const std::vector<std::uint32_t> palette = {0xFF102030, 0x00405060, 0x00708090};
    for (const bool full : {false, true}) {
        BitmapLayout layout = bitmapLayout(5, 2, 8);
        layout.palette = palette;
        if (full)
            layout.palette.resize(256, 0x00ABCDEF);
        else
            layout.colorsUsed = 3;
        layout.pixel = [](int x, int row) { return static_cast<std::uint32_t>((x + row) % 3); };
        const auto image = decodeScaledBitmap(encodeBitmap(layout));
        ASSERT_TRUE(image) << full;
        EXPECT_EQ(image->bitCount, 8);
        EXPECT_EQ(image->format, BitmapPixelFormat::Bgr);
        ASSERT_EQ(image->pixels.size(), 5u * 2 * 3);
        for (int row = 0; row < 2; ++row)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(pixelAt(*image, x, row), palette[(x + row) % 3] & 0xFFFFFF) << x << "," << row;
    }
}

TEST(ScaledBitmap, AnIndexPastAShortPaletteReadsAsBlack) {
    BitmapLayout layout = bitmapLayout(2, 1, 8);
    layout.palette = {0x00112233, 0x00445566};
    layout.colorsUsed = 2;
    layout.pixel = [](int x, int) { return x == 0 ? 1u : 200u; };
    const auto image = decodeScaledBitmap(encodeBitmap(layout));
    ASSERT_TRUE(image);
    EXPECT_EQ(pixelAt(*image, 0, 0), 0x445566u);
    EXPECT_EQ(pixelAt(*image, 1, 0), 0u);
}

TEST(ScaledBitmap, RefusesPalettesAndRowsThatDoNotFitTheFile) {
    BitmapLayout layout = bitmapLayout(4, 2, 8);
    layout.palette.assign(16, 0x00336699);
    layout.colorsUsed = 16;
    const Bytes good = encodeBitmap(layout); // 54 + 64 + 8
    ASSERT_TRUE(decodeScaledBitmap(good));
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        putU32(file, at, value);
        return decodeScaledBitmap(file);
    };
    using namespace testing_support;
    EXPECT_FALSE(patched(BiClrUsedAt, 17)) << "the palette pushes the rows past the end";
    EXPECT_FALSE(patched(BiClrUsedAt, 0)) << "a full palette the file does not hold";
    EXPECT_FALSE(patched(BiClrUsedAt, 257));
    EXPECT_FALSE(patched(BiClrUsedAt, 0xFFFFFFFF));
    EXPECT_FALSE(patched(BiHeightAt, 3));
    EXPECT_FALSE(patched(BiWidthAt, 5));
    EXPECT_TRUE(patched(BfOffBitsAt, 0xFFFFFFFF)) << "the pixels follow the palette whatever bfOffBits says";
}

TEST(ScaledBitmap, TakesOnlyEightTwentyFourAndThirtyTwoBits) {
    for (const int bitCount : {1, 4, 16, 0, 48}) {
        Bytes file = encodeBitmap(colourful(8, 2, 24));
        testing_support::putU16(file, testing_support::BiBitCountAt, static_cast<std::uint32_t>(bitCount));
        EXPECT_FALSE(decodeScaledBitmap(file)) << bitCount;
    }
}

// ---- headers both readers share ----

TEST(BitmapHeaders, BadHeadersGiveNoImageFromEitherReader) {
    const Bytes good = encodeBitmap(colourful(4, 2, 24));
    ASSERT_TRUE(decodeMaskedBitmap(good) && decodeScaledBitmap(good));
    const auto refused = [](const Bytes& file) {
        return !decodeMaskedBitmap(file) && !decodeScaledBitmap(file);
    };
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        Bytes file = good;
        putU32(file, at, value);
        return refused(file);
    };
    using namespace testing_support;
    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused({'B', 'M'}));
    Bytes notBm = good;
    notBm[1] = 'A';
    EXPECT_TRUE(refused(notBm));
    for (const std::uint32_t width : {0u, 0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 16385u})
        EXPECT_TRUE(patched(BiWidthAt, width)) << "biWidth " << width;
    for (const std::uint32_t height :
         {0u, 0x80000000u, 0x7FFFFFFFu, 16385u, static_cast<std::uint32_t>(-16385)})
        EXPECT_TRUE(patched(BiHeightAt, height)) << "biHeight " << height;
    for (const std::uint32_t infoSize : {0u, 12u, 39u, 125u, 0xFFFFFFFFu})
        EXPECT_TRUE(patched(BiSizeAt, infoSize)) << "biSize " << infoSize;
    for (const std::uint32_t compression : {1u, 2u, 3u, 4u})
        EXPECT_TRUE(patched(BiCompressionAt, compression)) << "biCompression " << compression;
}

TEST(BitmapHeaders, EveryTruncationOfAGoodFileGivesNoImage) {
    BitmapLayout paletted = bitmapLayout(3, 2, 8);
    paletted.palette.assign(4, 0x00FF8800);
    paletted.colorsUsed = 4;
    for (const Bytes& whole :
         {encodeBitmap(colourful(3, 2, 24)), encodeBitmap(colourful(3, 2, 32)), encodeBitmap(paletted)}) {
        ASSERT_TRUE(decodeScaledBitmap(whole));
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::span<const std::uint8_t> cut(whole.data(), size);
            EXPECT_FALSE(decodeMaskedBitmap(cut)) << size;
            EXPECT_FALSE(decodeScaledBitmap(cut)) << size;
        }
    }
}

TEST(BitmapHeaders, ALargerInformationHeaderIsSkippedWhole) {
    Bytes file = encodeBitmap(colourful(2, 2, 24));
    file.insert(file.begin() + 54, 84, 0); // a 124-byte header
    putU32(file, testing_support::BiSizeAt, 124);
    putU32(file, testing_support::BfOffBitsAt, 138);
    const auto masked = decodeMaskedBitmap(file);
    const auto scaled = decodeScaledBitmap(file);
    ASSERT_TRUE(masked && scaled);
    EXPECT_EQ(rgbaAt(*masked, 1, 1), opaque(testColour(1, 1)));
    EXPECT_EQ(pixelAt(*scaled, 1, 1), testColour(1, 1));
}

// ---- texture sizes ----

TEST(ScaledTextureSide, RoundsUpToAPowerOfTwoOfAtLeastTwoAndAtMost512) {
    EXPECT_EQ(scaledTextureSide(256, 2048), 256);
    EXPECT_EQ(scaledTextureSide(128, 2048), 128);
    EXPECT_EQ(scaledTextureSide(100, 2048), 128);
    EXPECT_EQ(scaledTextureSide(60, 2048), 64);
    EXPECT_EQ(scaledTextureSide(1, 2048), 2);
    EXPECT_EQ(scaledTextureSide(2, 2048), 2);
    EXPECT_EQ(scaledTextureSide(3, 2048), 4);
    EXPECT_EQ(scaledTextureSide(300, 2048), 512);
    EXPECT_EQ(scaledTextureSide(513, 2048), 512);
    EXPECT_EQ(scaledTextureSide(1024, 2048), 512);
    EXPECT_EQ(scaledTextureSide(16384, 16384), 512);
}

TEST(ScaledTextureSide, StaysWithinASmallerDriverLimit) {
    EXPECT_EQ(scaledTextureSide(1024, 256), 256);
    EXPECT_EQ(scaledTextureSide(200, 256), 256);
    EXPECT_EQ(scaledTextureSide(1024, 64), 64);
    EXPECT_EQ(scaledTextureSide(1024, 300), 256) << "a limit that is no power of two";
    EXPECT_EQ(scaledTextureSide(5, 0), 2);
}

TEST(ScaledUploadPlan, UploadsPowerOfTwoPicturesAsTheyAreAndScalesTheRest) {
    const auto plan = [](int width, int height, int bitCount, int maxTextureSize = 2048) {
        ScaledImage image{
            width, height, bitCount, bitCount == 32 ? BitmapPixelFormat::Bgra : BitmapPixelFormat::Bgr, {}};
        return planScaledUpload(image, maxTextureSize);
    };
    const ScaledUpload skin = plan(256, 128, 24);
    EXPECT_FALSE(skin.scale);
    EXPECT_EQ(skin.width, 256);
    EXPECT_EQ(skin.height, 128);
    EXPECT_EQ(skin.format, BitmapPixelFormat::Bgr);
    EXPECT_EQ(skin.components, 3);

    const ScaledUpload odd = plan(100, 60, 24);
    EXPECT_TRUE(odd.scale);
    EXPECT_EQ(odd.width, 128);
    EXPECT_EQ(odd.height, 64);

    const ScaledUpload large = plan(1024, 1024, 24);
    EXPECT_TRUE(large.scale);
    EXPECT_EQ(large.width, 512);
    EXPECT_EQ(large.height, 512);

    const ScaledUpload dot = plan(1, 1, 24);
    EXPECT_TRUE(dot.scale);
    EXPECT_EQ(dot.width, 2);
    EXPECT_EQ(dot.height, 2);

    const ScaledUpload paletted = plan(64, 64, 8);
    EXPECT_TRUE(paletted.scale) << "8-bit pictures always go through the scaling step";
    EXPECT_EQ(paletted.width, 64);
    EXPECT_EQ(paletted.format, BitmapPixelFormat::Bgr);
    EXPECT_EQ(paletted.components, 3);

    const ScaledUpload alpha = plan(32, 32, 32);
    EXPECT_FALSE(alpha.scale);
    EXPECT_EQ(alpha.format, BitmapPixelFormat::Bgra);
    EXPECT_EQ(alpha.components, 4);
    EXPECT_TRUE(plan(30, 32, 32).scale);
}

} // namespace
} // namespace quillmere
