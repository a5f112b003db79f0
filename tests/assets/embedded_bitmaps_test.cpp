#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/bitmap_reader.h"
#include "assets/embedded_assets.h"
#include "assets/masked_bitmap.h"
#include "assets/scaled_bitmap.h"

#include "assets/asset_test_support.h"
#include "assets/bitmap_builder.h"

#include <algorithm>

namespace quillmere {
namespace {

class BitmapFileTest : public testing_support::TempFolderTest {
protected:
    // Extracts an embedded picture the way the scene set-up does and reads its usable file.
    std::vector<std::uint8_t> extractPicture(int id) {
        const auto entry = std::find_if(BuiltInAssets.begin(), BuiltInAssets.end(),
                                        [id](const CatalogueEntry& e) { return e.id == id; });
        const std::string name(entry->name);
        EXPECT_EQ(ExtractAsset(id, folder(), name), 1);
        const auto bytes = readBitmapFile(path(usableAssetFileName(name)).string());
        EXPECT_TRUE(bytes) << name;
        return bytes.value_or(std::vector<std::uint8_t>{});
    }
};

TEST_F(BitmapFileTest, ReadsAWholeFileAndRefusesMissingOrOversizedOnes) {
    const std::vector<std::uint8_t> bytes =
        testing_support::encodeBitmap(testing_support::bitmapLayout(3, 3, 24));
    testing_support::writeBytes(path("small.bmp"), bytes);
    EXPECT_EQ(readBitmapFile(path("small.bmp").string()), bytes);
    testing_support::writeBytes(path("empty.bmp"), {});
    EXPECT_EQ(readBitmapFile(path("empty.bmp").string()), std::vector<std::uint8_t>{});

    EXPECT_FALSE(readBitmapFile(path("missing.bmp").string()));
    EXPECT_FALSE(readBitmapFile(folder())) << "a folder";
    testing_support::writeBytes(path("huge.bmp"), bytes);
    testing_support::fs::resize_file(path("huge.bmp"), MaxBitmapFileBytes + 1); // sparse
    EXPECT_FALSE(readBitmapFile(path("huge.bmp").string()));
}

TEST_F(BitmapFileTest, TheBuiltInBackdropDecodesWithBlackWaterLeftOpen) {
    const auto image = decodeMaskedBitmap(extractPicture(BackdropAssetId));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 1024);
    EXPECT_EQ(image->height, 768);
    std::size_t transparent = 0;
    for (std::size_t at = 3; at < image->rgba.size(); at += 4)
        transparent += image->rgba[at] == 0;
    EXPECT_GT(transparent, 0u);
    EXPECT_LT(transparent, image->rgba.size() / 4);
}

TEST_F(BitmapFileTest, TheBuiltInSkinsAndBubbleSpriteDecodeAtTheirSizes) {
    const auto sprite = decodeScaledBitmap(extractPicture(BubbleSpriteAssetId));
    ASSERT_TRUE(sprite);
    EXPECT_EQ(sprite->width, 32);
    EXPECT_EQ(sprite->height, 32);
    EXPECT_FALSE(planScaledUpload(*sprite, 2048).scale);

    for (int kind = 0; kind < FishSkinCount; ++kind) {
        const auto skin = decodeScaledBitmap(extractPicture(fishSkinAssetId(kind)));
        ASSERT_TRUE(skin) << kind;
        EXPECT_EQ(skin->width, 128);
        EXPECT_EQ(skin->height, 64);
        EXPECT_EQ(skin->bitCount, 24);
        const ScaledUpload upload = planScaledUpload(*skin, 2048);
        EXPECT_FALSE(upload.scale) << kind;
        EXPECT_EQ(upload.components, 3);
        EXPECT_TRUE(
            std::any_of(skin->pixels.begin(), skin->pixels.end(), [](std::uint8_t b) { return b != 0; }));
    }
}

} // namespace
} // namespace quillmere
