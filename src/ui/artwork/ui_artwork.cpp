#include "ui/artwork/ui_artwork.h"

#include "ui/artwork/embedded_ui_artwork.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <vector>

namespace quillmere {
namespace {

wxImage decodePng(std::span<const std::uint8_t> png) {
    // The program may not have registered the PNG decoder; wx owns and later deletes the handler.
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(png.data(), png.size());
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

} // namespace

wxBitmapBundle uiArtwork(int resourceId) {
    wxVector<wxBitmap> bitmaps;
    for (const EmbeddedPicture& picture : embeddedUiArtwork()) {
        if (picture.id != resourceId)
            continue;
        const wxImage image = decodePng(picture.png);
        if (image.IsOk())
            bitmaps.push_back(wxBitmap(image));
    }
    return bitmaps.empty() ? wxBitmapBundle() : wxBitmapBundle::FromBitmaps(bitmaps);
}

wxIconBundle programIcons() {
    wxIconBundle icons;
    for (const EmbeddedProgramIcon& picture : embeddedProgramIcons()) {
        const wxImage image = decodePng(picture.png);
        if (!image.IsOk())
            continue;
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(image));
        icons.AddIcon(icon);
    }
    return icons;
}

} // namespace quillmere
