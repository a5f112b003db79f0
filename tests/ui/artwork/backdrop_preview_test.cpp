#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/bitmap_reader.h"
#include "assets/embedded_assets.h"
#include "assets/masked_bitmap.h"
#include "ui/artwork/ui_artwork.h"

#include "assets/asset_test_support.h"

#include <algorithm>
#include <array>

namespace quillmere {
namespace {

struct Mean {
    double red = 0, green = 0, blue = 0;
};

wxImage preview(int id, int scale) {
    return uiArtwork(id)
        .GetBitmap(wxSize(BackdropPreviewSize.width * scale, BackdropPreviewSize.height * scale))
        .ConvertToImage();
}

bool isBlack(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 30;
}

double blackShare(const wxImage& image, int x0, int x1) {
    int black = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = x0; x < x1; ++x)
            black += isBlack(image, x, y);
    return static_cast<double>(black) / ((x1 - x0) * image.GetHeight());
}

class BackdropPreviewTest : public testing_support::TempFolderTest {
protected:
    // The mean colour of the built-in backdrop's opaque texels, extracted as the tank loads it.
    Mean backdropMean() {
        EXPECT_EQ(ExtractAsset(BackdropAssetId, folder(), "BackGround0"), 1);
        const auto bytes = readBitmapFile(path(usableAssetFileName("BackGround0")).string());
        const auto image = decodeMaskedBitmap(bytes.value_or(std::vector<std::uint8_t>{}));
        Mean mean;
        if (!image)
            return mean;
        long count = 0;
        for (std::size_t i = 0; i + 3 < image->rgba.size(); i += 4)
            if (image->rgba[i + 3] != 0) {
                mean.red += image->rgba[i], mean.green += image->rgba[i + 1], mean.blue += image->rgba[i + 2];
                ++count;
            }
        return {mean.red / count, mean.green / count, mean.blue / count};
    }
};

// Value 0 shows the built-in backdrop: its colours, and its dark crevice in the middle, with the bubbles
// rising there, between bright rock and water on both sides.
TEST_F(BackdropPreviewTest, ValueZeroLooksLikeTheBuiltInBackdrop) {
    const Mean expected = backdropMean();
    for (int scale : ArtworkScales) {
        const wxImage image = preview(BitmapBackdropPreview0, scale);
        ASSERT_TRUE(image.IsOk());
        Mean mean;
        long count = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                if (!isBlack(image, x, y)) {
                    mean.red += image.GetRed(x, y), mean.green += image.GetGreen(x, y);
                    mean.blue += image.GetBlue(x, y);
                    ++count;
                }
        EXPECT_NEAR(mean.red / count, expected.red, 30) << scale;
        EXPECT_NEAR(mean.green / count, expected.green, 30) << scale;
        EXPECT_NEAR(mean.blue / count, expected.blue, 30) << scale;
        const int w = image.GetWidth();
        EXPECT_LT(blackShare(image, 0, w / 4), 0.05) << scale;
        EXPECT_LT(blackShare(image, w * 3 / 4, w), 0.05) << scale;
        EXPECT_GT(blackShare(image, w * 9 / 20, w * 11 / 20), 0.3) << scale;
    }
}

// The other values draw neither backdrop nor bubbles: the same fish on the black screen, alike for all
// three, as the tank shows them.
TEST_F(BackdropPreviewTest, OtherValuesShowFishOnTheBlackScreen) {
    for (int scale : ArtworkScales) {
        const wxImage first = preview(BitmapBackdropPreview1, scale);
        ASSERT_TRUE(first.IsOk());
        const double black = blackShare(first, 0, first.GetWidth());
        EXPECT_GT(black, 0.8) << scale;
        EXPECT_LT(black, 0.995) << "no fish at scale " << scale;
        for (int id : {BitmapBackdropPreview2, BitmapBackdropPreview3}) {
            const wxImage other = preview(id, scale);
            ASSERT_TRUE(other.IsOk());
            EXPECT_TRUE(std::equal(
                first.GetData(), first.GetData() + first.GetWidth() * first.GetHeight() * 3, other.GetData()))
                << id << " at scale " << scale;
        }
    }
}

} // namespace
} // namespace quillmere
