#include "ui/artwork/ui_artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace quillmere {
namespace {

constexpr int Kinds = FishKindColumns * FishKindRows;

struct Cell {
    int left, top;
};

Cell cellOf(int kind) {
    return {FishKindCellWidth * (kind % FishKindColumns) + FishKindGridOrigin,
            FishKindCellHeight * (kind / FishKindColumns) + FishKindGridOrigin};
}

int difference(const wxImage& image, int x0, int y0, int x1, int y1) {
    return std::abs(image.GetRed(x0, y0) - image.GetRed(x1, y1)) +
           std::abs(image.GetGreen(x0, y0) - image.GetGreen(x1, y1)) +
           std::abs(image.GetBlue(x0, y0) - image.GetBlue(x1, y1));
}

// Every cell is painted on the same tile, so at each point of a cell the colour most cells agree on is
// the tile's; a fish is what differs from it.
class FishKindsPictureTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        const int scale = GetParam();
        m_scale = scale;
        m_image = uiArtwork(BitmapFishKinds)
                      .GetBitmap(wxSize(FishKindsSize.width * scale, FishKindsSize.height * scale))
                      .ConvertToImage();
        ASSERT_TRUE(m_image.IsOk());
    }

    // True where cell kind differs clearly from the tile at cell-relative device pixel (x, y).
    bool isFish(int kind, int x, int y) const {
        std::array<int, Kinds> distances{};
        const Cell own = cellOf(kind);
        for (int other = 0; other < Kinds; ++other) {
            const Cell cell = cellOf(other);
            distances[other] = difference(m_image, own.left * m_scale + x, own.top * m_scale + y,
                                          cell.left * m_scale + x, cell.top * m_scale + y);
        }
        // Close to fewer than half the other cells: this pixel is not the shared tile.
        return std::count_if(distances.begin(), distances.end(), [](int d) { return d < 30; }) <= Kinds / 2;
    }

    int m_scale = 1;
    wxImage m_image;
};

TEST_P(FishKindsPictureTest, EveryCellHoldsAFishAndLeavesTheCountCornerFree) {
    const int w = FishKindCellWidth * m_scale, h = FishKindCellHeight * m_scale;
    for (int kind = 0; kind < Kinds; ++kind) {
        int fish = 0, corner = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!isFish(kind, x, y))
                    continue;
                ++fish;
                corner += x < 22 * m_scale && y < 20 * m_scale;
            }
        EXPECT_GT(fish, w * h / 10) << "kind " << kind;
        EXPECT_EQ(corner, 0) << "kind " << kind << " reaches into the count's corner";
    }
}

TEST_P(FishKindsPictureTest, NoTwoKindsLookAlike) {
    const int w = FishKindCellWidth * m_scale, h = FishKindCellHeight * m_scale;
    for (int a = 0; a < Kinds; ++a)
        for (int b = a + 1; b < Kinds; ++b) {
            long total = 0;
            const Cell ca = cellOf(a), cb = cellOf(b);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    total += difference(m_image, ca.left * m_scale + x, ca.top * m_scale + y,
                                        cb.left * m_scale + x, cb.top * m_scale + y);
            EXPECT_GT(total / (w * h), 20) << "kinds " << a << " and " << b;
        }
}

INSTANTIATE_TEST_SUITE_P(Scales, FishKindsPictureTest, testing::ValuesIn(ArtworkScales));

} // namespace
} // namespace quillmere
