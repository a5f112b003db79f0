#pragma once

// The resource ids of the menu's and the dialogs' pictures and their sizes in logical pixels. Plain
// C++, so that the generator that paints them at build time reads the same numbers as the program.
namespace quillmere {

constexpr int IconAddDeleteFish = 180, IconAquariumSettings = 137, IconCustomMusic = 253,
              IconCustomBackground = 232, IconExit = 175;
constexpr int IconCheckOn = 184, IconCheckOff = 183;
constexpr int BitmapBackdropPreview0 = 159, BitmapBackdropPreview1 = 238, BitmapBackdropPreview2 = 156,
              BitmapBackdropPreview3 = 244;
constexpr int BitmapFishKinds = 129; // 640 x 400 logical pixels

struct ArtworkSize {
    int width = 0;
    int height = 0;
};

constexpr ArtworkSize MenuIconSize{24, 24};
// Fits the row of a dialog's check box: the box draws its indicator as wide as the icon.
constexpr ArtworkSize CheckIconSize{16, 16};
// The settings dialog's preview of the backdrop, 16:10 like most screens the tank fills.
constexpr ArtworkSize BackdropPreviewSize{160, 100};
constexpr ArtworkSize FishKindsSize{640, 400};

// The fish dialog's grid on bitmap 129: kind k fills the cell whose left is 100 (k mod 5) + 2 and whose
// top is 90 (k div 5) + 2; the dialog writes the kind's count at the cell's top-left corner.
constexpr int FishKindCellWidth = 100;
constexpr int FishKindCellHeight = 90;
constexpr int FishKindGridOrigin = 2;
constexpr int FishKindColumns = 5;
constexpr int FishKindRows = 3;

// Every picture comes at these scales of its logical size.
constexpr int ArtworkScales[] = {1, 2};

// The program's icon, square, in these pixel sizes.
constexpr int ProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

constexpr int MenuIconIds[] = {IconAddDeleteFish, IconAquariumSettings, IconCustomMusic, IconCustomBackground,
                               IconExit};
constexpr int BackdropPreviewIds[] = {BitmapBackdropPreview0, BitmapBackdropPreview1, BitmapBackdropPreview2,
                                      BitmapBackdropPreview3};

// The logical size of a picture; 0 x 0 for an id that has none.
constexpr ArtworkSize uiArtworkSize(int resourceId) {
    for (int id : MenuIconIds)
        if (id == resourceId)
            return MenuIconSize;
    if (resourceId == IconCheckOn || resourceId == IconCheckOff)
        return CheckIconSize;
    for (int id : BackdropPreviewIds)
        if (id == resourceId)
            return BackdropPreviewSize;
    if (resourceId == BitmapFishKinds)
        return FishKindsSize;
    return {};
}

} // namespace quillmere
