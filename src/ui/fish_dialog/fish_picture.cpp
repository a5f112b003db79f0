#include "ui/fish_dialog/fish_picture.h"

#include "ui/artwork/ui_artwork.h"
#include "ui/fish_dialog/selection_oval.h"

#include <cmath>
#include <span>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace quillmere {

FishPicture::FishPicture(wxWindow* parent, const FishCounts& counts)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_counts(counts) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    const wxSize size = FromDIP(wxSize(FishPictureWidth, FishPictureHeight));
    SetMinClientSize(size);
    SetMaxClientSize(size);
    Bind(wxEVT_PAINT, &FishPicture::OnPaint, this);
}

// The picture is composed off-screen at the screen's own resolution: the toolkit draws with cairo,
// which has no inverting raster operation, so the oval is inverted in the finished pixels.
void FishPicture::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const double scale = GetContentScaleFactor();
    const wxSize physical(static_cast<int>(std::lround(FishPictureWidth * scale)),
                          static_cast<int>(std::lround(FishPictureHeight * scale)));

    wxBitmap composed;
    composed.CreateWithDIPSize(wxSize(FishPictureWidth, FishPictureHeight), scale, 24);
    {
        wxMemoryDC memory(composed);
        memory.SetBackground(*wxWHITE_BRUSH);
        memory.Clear();
        wxBitmap art = uiArtwork(BitmapFishKinds).GetBitmap(physical);
        if (art.IsOk()) {
            art.SetScaleFactor(scale);
            memory.DrawBitmap(art, 0, 0);
        }
        memory.SetFont(GetFont());
        memory.SetTextForeground(*wxBLACK);
        memory.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        for (int kind = 0; kind < FishKindCount; ++kind) {
            const CellRect cell = fishCell(kind);
            memory.DrawText(wxString::Format("%d", m_counts.counts()[kind]), cell.left + 2, cell.top + 2);
        }
    }

    if (const int kind = m_counts.selectedKind(); kind != FishCounts::NoSelection) {
        wxImage image = composed.ConvertToImage();
        const std::size_t bytes = static_cast<std::size_t>(image.GetWidth()) * image.GetHeight() * 3;
        invertOval(std::span(image.GetData(), bytes), image.GetWidth(), image.GetHeight(), fishCell(kind),
                   scale);
        composed = wxBitmap(image, -1, scale);
    }
    dc.DrawBitmap(composed, 0, 0);
}

} // namespace quillmere
