#include "artwork_set.h"

#include "backdrop_previews.h"
#include "fish_kinds_picture.h"
#include "menu_icons.h"
#include "program_icon.h"

#include "ui/artwork/ui_artwork_ids.h"

#include <iterator>

namespace quillmere::uiart {

std::vector<ArtworkPicture> makeUiArtwork() {
    std::vector<ArtworkPicture> pictures;
    const PreviewTextures textures;
    for (int scale : ArtworkScales) {
        for (int id : MenuIconIds)
            pictures.push_back({id, scale, makeMenuIcon(id, scale)});
        pictures.push_back({IconCheckOn, scale, makeCheckIcon(true, scale)});
        pictures.push_back({IconCheckOff, scale, makeCheckIcon(false, scale)});
        for (int background = 0; background < static_cast<int>(std::size(BackdropPreviewIds)); ++background)
            pictures.push_back(
                {BackdropPreviewIds[background], scale, makeBackdropPreview(textures, background, scale)});
        pictures.push_back({BitmapFishKinds, scale, makeFishKindsPicture(scale)});
    }
    return pictures;
}

std::vector<ArtworkPicture> makeProgramIcons() {
    std::vector<ArtworkPicture> icons;
    for (int pixels : ProgramIconSizes)
        icons.push_back({pixels, 1, makeProgramIcon(pixels)});
    return icons;
}

} // namespace quillmere::uiart
