#include "ui/artwork/embedded_ui_artwork.h"
#include "ui/artwork/ui_artwork.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace quillmere {
namespace {

struct Expected {
    int id;
    ArtworkSize size;
};

constexpr Expected AllArtwork[] = {
    {IconAddDeleteFish, {24, 24}},
    {IconAquariumSettings, {24, 24}},
    {IconCustomMusic, {24, 24}},
    {IconCustomBackground, {24, 24}},
    {IconExit, {24, 24}},
    {IconCheckOn, {16, 16}},
    {IconCheckOff, {16, 16}},
    {BitmapBackdropPreview0, {160, 100}},
    {BitmapBackdropPreview1, {160, 100}},
    {BitmapBackdropPreview2, {160, 100}},
    {BitmapBackdropPreview3, {160, 100}},
    {BitmapFishKinds, {640, 400}},
};

TEST(UiArtworkTest, EveryIdGivesItsSizeAtOneAndTwoTimes) {
    for (const Expected& expected : AllArtwork) {
        SCOPED_TRACE(expected.id);
        const wxBitmapBundle bundle = uiArtwork(expected.id);
        ASSERT_TRUE(bundle.IsOk());
        const wxSize logical(expected.size.width, expected.size.height);
        EXPECT_EQ(bundle.GetDefaultSize(), logical);
        for (int scale : ArtworkScales) {
            const wxBitmap bitmap = bundle.GetBitmap(logical * scale);
            ASSERT_TRUE(bitmap.IsOk());
            EXPECT_EQ(bitmap.GetSize(), logical * scale);
        }
    }
}

// The 2x bitmap must be painted at that size, not an enlargement that wx would make on demand.
TEST(UiArtworkTest, EachScaleIsStoredOnce) {
    std::set<std::pair<int, int>> stored;
    for (const EmbeddedPicture& picture : embeddedUiArtwork())
        EXPECT_TRUE(stored.insert({picture.id, picture.scale}).second) << picture.id << "@" << picture.scale;
    for (const Expected& expected : AllArtwork)
        for (int scale : ArtworkScales)
            EXPECT_TRUE(stored.contains({expected.id, scale})) << expected.id << "@" << scale;
    EXPECT_EQ(stored.size(), std::size(AllArtwork) * std::size(ArtworkScales));
}

TEST(UiArtworkTest, UnknownIdsGiveNoBundle) {
    for (int id : {0, -1, 102, 130, 181, 185, 1034}) {
        EXPECT_FALSE(uiArtwork(id).IsOk()) << id;
        EXPECT_EQ(uiArtworkSize(id).width, 0) << id;
    }
}

TEST(UiArtworkTest, MenuIconsHaveTransparentCornersAndOpaqueMiddles) {
    for (int id : {IconAddDeleteFish, IconAquariumSettings, IconCustomMusic, IconCustomBackground, IconExit,
                   IconCheckOn, IconCheckOff}) {
        const wxImage image = uiArtwork(id).GetBitmap(wxDefaultSize).ConvertToImage();
        ASSERT_TRUE(image.HasAlpha()) << id;
        EXPECT_EQ(image.GetAlpha(0, 0), 0) << id;
        int opaque = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                opaque += image.GetAlpha(x, y) == 255;
        EXPECT_GT(opaque, image.GetWidth() * image.GetHeight() / 8) << id;
    }
}

TEST(UiArtworkTest, ProgramIconsComeInEverySize) {
    const wxIconBundle icons = programIcons();
    ASSERT_EQ(icons.GetIconCount(), std::ssize(ProgramIconSizes));
    for (int pixels : ProgramIconSizes) {
        const wxIcon icon = icons.GetIcon(wxSize(pixels, pixels), wxIconBundle::FALLBACK_NONE);
        ASSERT_TRUE(icon.IsOk()) << pixels;
        EXPECT_EQ(icon.GetWidth(), pixels);
    }
}

} // namespace
} // namespace quillmere
