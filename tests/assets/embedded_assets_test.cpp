#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"

#include "assets/asset_test_support.h"

#include <algorithm>
#include <cstdlib>

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
    for (int id : {0, 155, 164, 165, 261, 2000, 9999, 10015})
        EXPECT_EQ(ExtractAsset(id, folder(), "unused"), 0) << id;
    EXPECT_TRUE(fileNames().empty());
}

TEST_F(EmbeddedAssetsTest, BackdropIsOpaqueAtTheFloorAndOpenAboveForTheBubbles) {
    const Bitmap backdrop = extractBitmap(BackdropAssetId, 1024, 768);
    ASSERT_EQ(backdrop.width, 1024);
    // The view shows stored row 0 at the top of the tank. The masked loader turns pure black
    // transparent: the floor must never be, while the water above must let the bubble column,
    // which rises behind the middle of the backdrop, show through.
    int transparentFloor = 0;
    for (int row = 768 - 100; row < 768; ++row)
        for (int x = 0; x < 1024; ++x)
            transparentFloor += backdrop.black(x, row);
    EXPECT_EQ(transparentFloor, 0);
    for (int row = 0; row < 150; ++row)
        EXPECT_TRUE(backdrop.black(512, row)) << "row " << row;
    EXPECT_GT(backdrop.luminance(512, 560), 40.0) << "lit water above the sand";
}

TEST_F(EmbeddedAssetsTest, BubbleSpriteIsARoundGlowOnBlack) {
    const Bitmap sprite = extractBitmap(BubbleSpriteAssetId, 32, 32);
    ASSERT_EQ(sprite.width, 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_TRUE(sprite.black(i, 0) && sprite.black(i, 31) && sprite.black(0, i) && sprite.black(31, i))
            << "the sprite's square edge must add no light, at " << i;
    }
    EXPECT_GT(sprite.luminance(16, 4), 100.0) << "the rim glows";
    EXPECT_GT(sprite.luminance(4, 16), 100.0);
}

TEST_F(EmbeddedAssetsTest, FishSkinsAreDistinctWithADarkerBack) {
    std::vector<std::vector<std::uint8_t>> skins;
    for (int kind = 0; kind < FishSkinCount; ++kind) {
        const Bitmap skin = extractBitmap(fishSkinAssetId(kind), 128, 64);
        ASSERT_EQ(skin.width, 128) << kind;
        // The body's top midline lies at t of about 0.18 (stored row 11), the belly half a turn on.
        double back = 0.0, belly = 0.0;
        for (int x = 0; x < 128; ++x) {
            back += skin.luminance(x, 11);
            belly += skin.luminance(x, 43);
        }
        EXPECT_LT(back, belly) << "kind " << kind;
        for (const auto& other : skins)
            EXPECT_NE(other, skin.bytes) << "kind " << kind;
        skins.push_back(skin.bytes);
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

    std::vector<int> samples;
    for (std::size_t at = 44; at < 44 + dataSize; at += 2)
        samples.push_back(static_cast<std::int16_t>(u16At(b, at)));
    int peak = 0, steepest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(samples[i]));
        if (i > 0)
            steepest = std::max(steepest, std::abs(samples[i] - samples[i - 1]));
    }
    EXPECT_GT(peak, 4000) << "audible";
    EXPECT_LT(peak, 32767) << "not clipped";
    // Playing from the end straight into the start must be no bigger a step than the tune takes.
    EXPECT_LE(std::abs(samples.front() - samples.back()), steepest);
}

} // namespace
} // namespace quillmere
