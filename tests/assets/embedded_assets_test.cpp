#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"

#include "assets/asset_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quillmere {
namespace {

using testing_support::readBytes;
using testing_support::s32At;
using testing_support::u16At;
using testing_support::u32At;

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    // Blue, green, red of the pixel x in stored row `row` (row 0 is stored first).
    std::array<std::uint8_t, 3> bgr(int x, int row) const {
        const std::size_t at = 54 + (static_cast<std::size_t>(row) * width + x) * 3;
        return {bytes[at], bytes[at + 1], bytes[at + 2]};
    }
    bool black(int x, int row) const { return bgr(x, row) == std::array<std::uint8_t, 3>{0, 0, 0}; }
    double luminance(int x, int row) const {
        const auto p = bgr(x, row);
        return 0.11 * p[0] + 0.59 * p[1] + 0.3 * p[2];
    }
};

class EmbeddedAssetsTest : public testing_support::TempFolderTest {
protected:
    std::vector<std::uint8_t> extract(const CatalogueEntry& entry) {
        EXPECT_EQ(ExtractAsset(entry.id, folder(), std::string(entry.name)), 1) << entry.name;
        return readBytes(path(usableAssetFileName(std::string(entry.name))));
    }

    // Extracts a bitmap and checks that it is one the texture loaders take: 24-bit, uncompressed,
    // bottom-up, tightly packed rows, biSizeImage set.
    Bitmap extractBitmap(int id, int width, int height) {
        const auto entry = std::find_if(BuiltInAssets.begin(), BuiltInAssets.end(),
                                        [id](const CatalogueEntry& e) { return e.id == id; });
        Bitmap bitmap{width, height, extract(*entry)};
        const auto& b = bitmap.bytes;
        const std::size_t imageSize = static_cast<std::size_t>(width) * height * 3;
        EXPECT_EQ(b.size(), entry->storedSize);
        if (b.size() < 54 + imageSize) {
            ADD_FAILURE() << entry->name << " is too short";
            bitmap.width = bitmap.height = 0;
            return bitmap;
        }
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32At(b, 2), b.size()) << "bfSize";
        EXPECT_EQ(u32At(b, 10), 54u) << "bfOffBits";
        EXPECT_EQ(u32At(b, 14), 40u) << "biSize";
        EXPECT_EQ(s32At(b, 18), width);
        EXPECT_EQ(s32At(b, 22), height) << "a positive height: rows bottom-up";
        EXPECT_EQ(u16At(b, 26), 1u) << "biPlanes";
        EXPECT_EQ(u16At(b, 28), 24u) << "biBitCount";
        EXPECT_EQ(u32At(b, 30), 0u) << "uncompressed";
        EXPECT_EQ(u32At(b, 34), imageSize) << "biSizeImage";
        EXPECT_EQ(u32At(b, 46), 0u) << "no palette";
        return bitmap;
    }
};

TEST_F(EmbeddedAssetsTest, TableHoldsEveryCataloguedAssetAtItsSize) {
    const AssetTable table = embeddedAssetTable();
    ASSERT_EQ(table.size(), BuiltInAssets.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].id, BuiltInAssets[i].id);
        EXPECT_EQ(table[i].bytes.size(), BuiltInAssets[i].storedSize) << BuiltInAssets[i].name;
    }
}

TEST_F(EmbeddedAssetsTest, EveryAssetExtractsUnderItsNameAndCleansUp) {
    for (const CatalogueEntry& entry : BuiltInAssets) {
        const std::vector<std::uint8_t> bytes = extract(entry);
        EXPECT_EQ(bytes.size(), entry.storedSize) << entry.name;
        const std::string name(entry.name);
        const std::string usable = usableAssetFileName(name);
        EXPECT_EQ(fileNames(), (std::set<std::string>{name + ".ad", usable}));
        std::filesystem::remove(path(name + ".ad"));
        std::filesystem::remove(path(usable));
    }
    EXPECT_TRUE(fileNames().empty());
}

TEST_F(EmbeddedAssetsTest, UnusedResourceIdsAreNotEmbedded) {
    for (int id : {0, 155, 164, 165, 261, 2000, 9999, 10015}) {
        EXPECT_EQ(ExtractAsset(id, folder(), "unused"), 0) << id;
        EXPECT_FALSE(EmbeddedAssetBytes(id).has_value()) << id;
    }
    EXPECT_TRUE(fileNames().empty());
}

TEST_F(EmbeddedAssetsTest, InMemoryBytesAreTheExtractedFile) {
    for (const CatalogueEntry& entry : BuiltInAssets) {
        const std::optional<std::vector<std::uint8_t>> bytes = EmbeddedAssetBytes(entry.id);
        ASSERT_TRUE(bytes.has_value()) << entry.name;
        EXPECT_TRUE(*bytes == extract(entry)) << entry.name;
    }
}

// The built-in backdrop quad spans x -90..90 and y 38 (stored row 0) down to -38 in the scene.
int backdropColumn(double x) {
    return static_cast<int>(std::floor((x + 90.0) / 180.0 * 1024.0));
}
int backdropRow(double y) {
    return static_cast<int>(std::floor((38.0 - y) / 76.0 * 768.0));
}

TEST_F(EmbeddedAssetsTest, BackdropIsOpaqueEverywhereButTheOpeningBehindWhichTheBubblesRise) {
    const Bitmap backdrop = extractBitmap(BackdropAssetId, 1024, 768);
    ASSERT_EQ(backdrop.width, 1024);
    // The masked loader turns pure black transparent. The bubble column rises behind the middle
    // of the panel from below the floor; only an opening around it, above the sand, may be black.
    const int left = backdropColumn(-16.0), right = backdropColumn(18.0);
    const int top = 0, bottom = backdropRow(-24.0);
    int strayBlack = 0, openingBlack = 0;
    for (int row = 0; row < 768; ++row)
        for (int x = 0; x < 1024; ++x) {
            if (!backdrop.black(x, row))
                continue;
            if (x >= left && x <= right && row >= top && row <= bottom)
                ++openingBlack;
            else
                ++strayBlack;
        }
    EXPECT_EQ(strayBlack, 0) << "black outside the opening would show holes in the panel";
    EXPECT_GT(openingBlack, (right - left) * (bottom - top) / 2) << "the opening is mostly open";
    // The bubbles spread sideways and the camera's sweep shifts them against the panel: the column
    // they take is open from just above the floor to the top.
    for (double y = -18.0; y <= 37.5; y += 0.5)
        for (double x : {-8.5, -4.0, 0.0, 4.0, 8.5})
            EXPECT_TRUE(backdrop.black(backdropColumn(x), backdropRow(y))) << "at " << x << ", " << y;
    // The floor in front is solid, so bubbles seem to rise from the sand.
    for (int row = backdropRow(-25.0); row < 768; ++row)
        for (int x = 0; x < 1024; ++x)
            ASSERT_FALSE(backdrop.black(x, row)) << "floor texel " << x << ", " << row;
}

TEST_F(EmbeddedAssetsTest, BackdropWaterIsLitFromAboveAndDeepensTowardTheFloor) {
    const Bitmap backdrop = extractBitmap(BackdropAssetId, 1024, 768);
    ASSERT_EQ(backdrop.width, 1024);
    // Open water left of the rocks, between the weeds.
    const auto meanLuminance = [&](double y0, double y1) {
        double sum = 0.0;
        int n = 0;
        for (int row = backdropRow(y1); row <= backdropRow(y0); ++row)
            for (int x = backdropColumn(-39.0); x <= backdropColumn(-37.0); ++x, ++n)
                sum += backdrop.luminance(x, row);
        return sum / n;
    };
    const double nearSurface = meanLuminance(28.0, 36.0);
    const double middle = meanLuminance(5.0, 10.0);
    const double deep = meanLuminance(-12.0, -8.0);
    EXPECT_GT(nearSurface, middle + 20.0);
    EXPECT_GT(middle, deep + 10.0);
    EXPECT_GT(deep, 20.0) << "still visibly water";
    EXPECT_LT(nearSurface, 230.0) << "not washed out";
}

TEST_F(EmbeddedAssetsTest, BubbleSpriteIsARoundGlowOnBlack) {
    const Bitmap sprite = extractBitmap(BubbleSpriteAssetId, 32, 32);
    ASSERT_EQ(sprite.width, 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_TRUE(sprite.black(i, 0) && sprite.black(i, 31) && sprite.black(0, i) && sprite.black(31, i))
            << "the sprite's square edge must add no light, at " << i;
    }
    // A bright rim all round a clearer middle.
    for (const auto& [x, row] : {std::pair{16, 4}, std::pair{4, 16}, std::pair{16, 27}, std::pair{27, 16}}) {
        EXPECT_GT(sprite.luminance(x, row), 100.0) << x << ", " << row;
        EXPECT_LT(sprite.luminance(16, 16), sprite.luminance(x, row) / 2);
    }
    double brightest = 0.0;
    for (int row = 0; row < 32; ++row)
        for (int x = 0; x < 32; ++x)
            brightest = std::max(brightest, sprite.luminance(x, row));
    EXPECT_GT(brightest, 200.0) << "a highlight";
}

TEST_F(EmbeddedAssetsTest, FishSkinsAreDistinctWithADarkerBackAndAnEye) {
    std::vector<Bitmap> skins;
    for (int kind = 0; kind < FishSkinCount; ++kind) {
        const Bitmap skin = extractBitmap(fishSkinAssetId(kind), 128, 64);
        ASSERT_EQ(skin.width, 128) << kind;
        // The body's top midline lies at t of about 0.18 (stored row 11), the belly half a turn on.
        double back = 0.0, belly = 0.0;
        for (int x = 16; x < 98; ++x) {
            back += skin.luminance(x, 12);
            belly += skin.luminance(x, 42);
        }
        EXPECT_LT(back, belly) << "kind " << kind;
        // The pupil sits on the head (s 0.27) above the middle of the flank, where the gill cover,
        // which shows the skin 0.1 further round, puts t 0.43 (stored row 27).
        EXPECT_LT(skin.luminance(34, 27), 20.0) << "kind " << kind;
        for (std::size_t other = 0; other < skins.size(); ++other) {
            double difference = 0.0;
            for (std::size_t at = 54; at < 54 + 128 * 64 * 3; ++at)
                difference += std::abs(skin.bytes[at] - skins[other].bytes[at]);
            EXPECT_GT(difference / (128 * 64 * 3), 15.0)
                << "kinds " << other << " and " << kind << " look alike";
        }
        skins.push_back(skin);
    }
}

TEST_F(EmbeddedAssetsTest, MusicIsAPcmWaveThatLoopsWithoutAClick) {
    const CatalogueEntry& music = *std::find_if(BuiltInAssets.begin(), BuiltInAssets.end(),
                                                [](const CatalogueEntry& e) { return e.id == MusicAssetId; });
    const std::vector<std::uint8_t> b = extract(music);
    ASSERT_EQ(b.size(), 194'521u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u32At(b, 16), 16u);
    EXPECT_EQ(u16At(b, 20), 1u) << "PCM";
    const std::uint32_t channels = u16At(b, 22), rate = u32At(b, 24), bits = u16At(b, 34);
    EXPECT_EQ(channels, 1u);
    EXPECT_EQ(bits, 16u);
    EXPECT_GE(rate, 8000u);
    EXPECT_EQ(u16At(b, 32), channels * bits / 8) << "block align";
    EXPECT_EQ(u32At(b, 28), rate * channels * bits / 8) << "byte rate";
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    const std::uint32_t dataSize = u32At(b, 40);
    EXPECT_EQ(u32At(b, 4), 36 + dataSize) << "the RIFF size covers the header and the data chunk";
    ASSERT_LE(44 + dataSize, b.size());
    EXPECT_EQ(b.size() - (44 + dataSize), 1u) << "one spare byte after the RIFF form";
    ASSERT_GT(rate, 0u);
    EXPECT_GE(dataSize / (rate * 2.0), 10.0) << "seconds before it repeats";

    std::vector<int> samples;
    for (std::size_t at = 44; at < 44 + dataSize; at += 2)
        samples.push_back(static_cast<std::int16_t>(u16At(b, at)));
    ASSERT_GT(samples.size(), 2u);
    int peak = 0;
    double sum = 0.0;
    std::vector<int> steps;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(samples[i]));
        sum += samples[i];
        if (i > 0)
            steps.push_back(std::abs(samples[i] - samples[i - 1]));
    }
    EXPECT_GT(peak, 4000) << "audible";
    EXPECT_LT(peak, 30000) << "headroom, never clipped";
    EXPECT_LT(std::abs(sum / static_cast<double>(samples.size())), 30.0) << "no DC offset";
    // Playing from the end straight into the start must be no bigger a step than most the tune
    // takes, and must not turn the wave's course sharply (a click).
    std::sort(steps.begin(), steps.end());
    const int typicalStep = steps[steps.size() * 9 / 10];
    const std::size_t n = samples.size();
    EXPECT_LE(std::abs(samples.front() - samples.back()), typicalStep);
    const int seamBend = std::abs(samples[0] - 2 * samples[n - 1] + samples[n - 2]);
    const int startBend = std::abs(samples[1] - 2 * samples[0] + samples[n - 1]);
    EXPECT_LE(std::max(seamBend, startBend), typicalStep);
    // Never silent for long: every half second has sound in it.
    const std::size_t window = rate / 2;
    for (std::size_t from = 0; from + window <= n; from += window) {
        double energy = 0.0;
        for (std::size_t i = from; i < from + window; ++i)
            energy += static_cast<double>(samples[i]) * samples[i];
        EXPECT_GT(std::sqrt(energy / window), 500.0) << "quiet at sample " << from;
    }
}

} // namespace
} // namespace quillmere
