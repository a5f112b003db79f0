// The user-picture decode path without a display: the seed pictures, bitmap variants, scaling to the
// texture side, and broken or hostile files, which must give the loading message and nothing else.
#include "assets/picture_scaling.h"
#include "assets/user_picture.h"

#include "assets/asset_test_support.h"
#include "assets/bitmap_builder.h"
#include "assets/jpeg_encoder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using testing_support::bitmapLayout;
using testing_support::encodeBitmap;
using testing_support::putU32;
using testing_support::readBytes;
using Bytes = std::vector<std::uint8_t>;

const fs::path Corpus = QUILLMERE_PICTURE_CORPUS;

std::optional<UserPicture> decodeFile(const std::string& name, int textureSide = 4096) {
    return decodeUserPicture(readBytes(Corpus / name), userPictureLimits(textureSide));
}

std::array<std::uint8_t, 3> rgbAt(const UserPicture& picture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * picture.channels;
    return {picture.pixels[at], picture.pixels[at + 1], picture.pixels[at + 2]};
}

std::array<std::uint8_t, 3> rgbOf(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
            static_cast<std::uint8_t>(colour)};
}

// Mean difference of red, green and blue between two pictures of the same size.
double meanDifference(const UserPicture& a, const UserPicture& b) {
    double total = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int c = 0; c < 3; ++c)
                total += std::abs(rgbAt(a, x, y)[c] - rgbAt(b, x, y)[c]);
    return total / (a.width * a.height * 3);
}

TEST(UserPictureDecoding, SeedPicturesDecodeToThePixelsTheyHold) {
    struct Case {
        const char* file;
        int channels;
        const char* reference; // the same picture stored another way, or nothing
        double tolerance;      // mean difference per channel
    };
    const auto reference = decodeFile("rgb.png");
    ASSERT_TRUE(reference);
    // The lossless files differ by rounding only: ImageMagick made them from 16-bit channels.
    for (const Case c : {Case{"rgb.png", 3, "rgb24.bmp", 1}, Case{"interlaced.png", 3, "rgb.png", 0},
                         Case{"rgba.png", 4, "rgb.png", 0}, Case{"bitfields32.bmp", 3, "rgb24.bmp", 0},
                         Case{"baseline.jpg", 3, "rgb.png", 8}, Case{"progressive.jpg", 3, "rgb.png", 8},
                         Case{"cmyk.jpg", 3, "rgb.png", 16}, Case{"palette.png", 3, nullptr, 0},
                         Case{"grey.jpg", 1, nullptr, 0}, Case{"grey16.png", 1, nullptr, 0},
                         Case{"paletted8.bmp", 3, nullptr, 0}, Case{"paletted4.bmp", 3, nullptr, 0},
                         Case{"bilevel1.bmp", 3, nullptr, 0}}) {
        const auto picture = decodeFile(c.file);
        ASSERT_TRUE(picture) << c.file;
        EXPECT_EQ(picture->width, 13) << c.file;
        EXPECT_EQ(picture->height, 9) << c.file;
        EXPECT_EQ(picture->channels, c.channels) << c.file;
        ASSERT_EQ(picture->pixels.size(), 13u * 9 * c.channels) << c.file;
        if (c.reference != nullptr) {
            const auto other = decodeFile(c.reference);
            ASSERT_TRUE(other) << c.reference;
            EXPECT_LE(meanDifference(*picture, *other), c.tolerance) << c.file << " against " << c.reference;
        }
    }
    EXPECT_NE(rgbAt(*reference, 0, 0), rgbAt(*reference, 12, 8)) << "the seeds are not one flat colour";
    const auto rgba = decodeFile("rgba.png");
    EXPECT_NEAR(rgba->pixels[3], 128, 1) << "alpha kept";
}

TEST(UserPictureDecoding, BitmapsGiveTheTopRowFirstWhicheverWayTheyAreStored) {
    for (const int bitCount : {8, 24})
        for (const bool topDown : {false, true}) {
            auto layout = bitmapLayout(5, 3, bitCount, topDown);
            if (bitCount == 8) {
                layout.palette = {0x102030, 0x405060, 0x708090};
                layout.colorsUsed = 3;
                layout.pixel = [](int x, int row) { return static_cast<std::uint32_t>(x + row) % 3; };
            } else {
                layout.pixel = testing_support::testColour;
            }
            const auto picture = decodeUserPicture(encodeBitmap(layout), userPictureLimits(4096));
            ASSERT_TRUE(picture) << bitCount << topDown;
            ASSERT_EQ(picture->channels, 3);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 5; ++x) {
                    const std::uint32_t stored = layout.pixel(x, 2 - y);
                    EXPECT_EQ(rgbAt(*picture, x, y), rgbOf(bitCount == 8 ? layout.palette[stored] : stored))
                        << bitCount << (topDown ? " top-down " : " bottom-up ") << x << "," << y;
                }
        }
}

// A 16-bit bitmap with a 40-byte header and 5-6-5 masks after it, as Windows writes one.
Bytes rgb565Bitmap(std::uint16_t pixel) {
    auto layout = bitmapLayout(2, 1, 16);
    layout.pixel = [pixel](int, int) { return pixel; };
    Bytes file = encodeBitmap(layout);
    putU32(file, testing_support::BiCompressionAt, 3);
    const std::array<std::uint8_t, 12> masks{0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    file.insert(file.begin() + 54, masks.begin(), masks.end());
    putU32(file, testing_support::BfOffBitsAt, 66);
    return file;
}

TEST(UserPictureDecoding, MaskedBitmapPixelsSpreadEachColourOverTheFullRange) {
    struct Case {
        const char* what;
        Bytes file;
        std::array<std::uint8_t, 3> rgb;
    };
    auto layout555 = bitmapLayout(2, 1, 16);
    layout555.pixel = [](int, int) { return 0x7C00u | 0x10u; }; // full red, blue 16 of 31
    auto layout32 = bitmapLayout(2, 1, 32);
    layout32.pixel = [](int, int) { return 0x00123456u; }; // fourth byte 0, which is no alpha
    for (const Case& c : {Case{"5-5-5", encodeBitmap(layout555), {255, 0, 132}},
                          Case{"5-6-5 masks", rgb565Bitmap(0xF800 | 0x0400), {255, 130, 0}},
                          Case{"32-bit", encodeBitmap(layout32), {0x12, 0x34, 0x56}}}) {
        const auto picture = decodeUserPicture(c.file, userPictureLimits(4096));
        ASSERT_TRUE(picture) << c.what;
        EXPECT_EQ(picture->channels, 3) << c.what;
        EXPECT_EQ(rgbAt(*picture, 1, 0), c.rgb) << c.what;
    }
}

TEST(UserPictureScaling, PicturesLargerThanTheTextureSideShrinkEachSideOnItsOwn) {
    EXPECT_EQ(userPictureLimits(16384).textureWidth, MaxUserTextureSide);
    EXPECT_EQ(userPictureLimits(2048).textureHeight, 2048);
    EXPECT_EQ(userPictureLimits(0).textureWidth, MinGlTextureSide);
    const UserPictureLimits screen = userPictureLimits(16384, {2048, 1024});
    EXPECT_EQ(screen.textureWidth, 2048);
    EXPECT_EQ(screen.textureHeight, 1024);

    auto flat = bitmapLayout(300, 40, 24);
    flat.pixel = [](int, int) { return 0x336699u; };
    const auto bitmap = decodeUserPicture(encodeBitmap(flat), userPictureLimits(64));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 64);
    EXPECT_EQ(bitmap->height, 40);
    EXPECT_EQ(rgbAt(*bitmap, 63, 39), rgbOf(0x336699));

    // Large enough that the decoder reduces it while decoding, then averages the rest of the way.
    const Bytes jpeg = testing_support::encodeJpeg(
        2000, 1000, 90, [](int x, int) { return x < 1000 ? 0xC04000u : 0x2080F0u; });
    const auto photo = decodeUserPicture(jpeg, userPictureLimits(256));
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->width, 256);
    EXPECT_EQ(photo->height, 256);
    for (const auto& [x, colour] : {std::pair{10, 0xC04000u}, std::pair{245, 0x2080F0u}})
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(rgbAt(*photo, x, 128)[c], rgbOf(colour)[c], 6) << "x " << x << " channel " << c;
}

TEST(UserPictureScaling, EachNewPixelIsTheRoundedMeanOfItsBlock) {
    // Five columns into two: blocks of two and three columns, both rows.
    const UserPicture grey{5, 2, 1, {0, 10, 20, 30, 41, 100, 110, 120, 130, 140}};
    EXPECT_EQ(shrinkPicture(grey, 2, 1).pixels, (Bytes{55, 80}));
    EXPECT_EQ(shrinkPicture(grey, 5, 1).pixels, (Bytes{50, 60, 70, 80, 91}));
    const UserPicture greyAlpha{2, 1, 2, {0, 255, 3, 0}};
    EXPECT_EQ(shrinkPicture(greyAlpha, 1, 1).pixels, (Bytes{2, 128}));
}

// ---- pictures that cannot be loaded ----

Bytes firstBytes(const Bytes& file, std::size_t count) {
    return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(count));
}

Bytes withBitFlipped(Bytes file, std::size_t at) {
    file.at(at) ^= 1;
    return file;
}

// Where the checksum of a PNG's first chunk of that type lies.
std::size_t pngChunkCrcAt(const Bytes& file, const std::string& type) {
    for (std::size_t at = 8; at + 8 <= file.size();) {
        const std::size_t length =
            static_cast<std::size_t>(file[at]) << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
        if (std::string(file.begin() + static_cast<std::ptrdiff_t>(at) + 4,
                        file.begin() + static_cast<std::ptrdiff_t>(at) + 8) == type)
            return at + 8 + length;
        at += 12 + length;
    }
    ADD_FAILURE() << "no " << type << " chunk";
    return 0;
}

// A PNG that is only its signature and a correct header chunk for a picture of width x height.
Bytes pngHeaderOnly(std::uint32_t width, std::uint32_t height) {
    Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const std::uint32_t side : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            file.push_back(static_cast<std::uint8_t>(side >> shift));
    file.insert(file.end(), {8, 6, 0, 0, 0});
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t at = 12; at < file.size(); ++at) {
        crc ^= file[at];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    crc = ~crc;
    for (int shift = 24; shift >= 0; shift -= 8)
        file.push_back(static_cast<std::uint8_t>(crc >> shift));
    return file;
}

// The baseline seed with its frame header claiming another size.
Bytes jpegClaiming(std::uint16_t width, std::uint16_t height) {
    Bytes file = readBytes(Corpus / "baseline.jpg");
    for (std::size_t at = 2; at + 9 < file.size(); ++at)
        if (file[at] == 0xFF && file[at + 1] == 0xC0) {
            file[at + 5] = static_cast<std::uint8_t>(height >> 8);
            file[at + 6] = static_cast<std::uint8_t>(height);
            file[at + 7] = static_cast<std::uint8_t>(width >> 8);
            file[at + 8] = static_cast<std::uint8_t>(width);
            return file;
        }
    ADD_FAILURE() << "no frame header in the seed";
    return file;
}

class BrokenUserPictures : public testing_support::TempFolderTest {
protected:
    void expectRefused(const std::string& what, const std::string& file) {
        const UserPictureFile read = readUserPicture(file, userPictureLimits(4096));
        EXPECT_FALSE(read.picture) << what;
        EXPECT_EQ(read.error, "(" + file + ")image loading error.") << what;
    }
};

TEST_F(BrokenUserPictures, GiveTheLoadingMessage) {
    const Bytes jpeg = readBytes(Corpus / "baseline.jpg");
    const Bytes progressive = readBytes(Corpus / "progressive.jpg");
    const Bytes png = readBytes(Corpus / "rgb.png");
    const Bytes bitmap = readBytes(Corpus / "rgb24.bmp");
    Bytes tallBitmap = bitmap;
    putU32(tallBitmap, testing_support::BiHeightAt, 4000);
    Bytes farPixels = bitmap;
    putU32(farPixels, testing_support::BfOffBitsAt, 0x7FFFFFF0);
    Bytes hugeBitmap = bitmap;
    putU32(hugeBitmap, testing_support::BiWidthAt, 30000);
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"zero-bytes.png", {}},
        {"cut-short.jpg", firstBytes(jpeg, jpeg.size() / 2)},
        {"cut-short-progressive.jpg", firstBytes(progressive, progressive.size() / 2)},
        {"cut-short.png", firstBytes(png, png.size() / 2)},
        {"header-crc.png", withBitFlipped(png, pngChunkCrcAt(png, "IHDR"))},
        {"data-crc.png", withBitFlipped(png, pngChunkCrcAt(png, "IDAT") + 3)},
        {"too-tall.bmp", tallBitmap},
        {"pixels-past-end.bmp", farPixels},
        {"too-wide.bmp", hugeBitmap},
        {"huge-header.png", pngHeaderOnly(30000, 30000)},
        {"huge-frame.jpg", jpegClaiming(30000, 30000)},
        {"signature-only.png", firstBytes(png, 8)},
        {"text.jpg", {'h', 'e', 'l', 'l', 'o'}},
        {"animation.png", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}},
    };
    for (const auto& [name, bytes] : files) {
        testing_support::writeBytes(path(name), bytes);
        expectRefused(name, path(name).string());
    }
    fs::create_directories(path("folder.png"));
    expectRefused("a folder", path("folder.png").string());
    expectRefused("a missing file", path("missing.jpg").string());
}

TEST_F(BrokenUserPictures, HostileFilesGiveTheLoadingMessage) {
    const fs::path hostile = fs::path(QUILLMERE_SHARED_FIXTURES) / "hostile-pictures";
    if (!fs::is_directory(hostile))
        GTEST_SKIP() << "no shared fixtures at " << hostile << ": the project is not beside shared/";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(hostile))
        if (entry.path().extension() != ".md") {
            expectRefused(entry.path().filename().string(), entry.path().string());
            ++files;
        }
    EXPECT_GE(files, 2);
}

} // namespace
} // namespace quillmere
