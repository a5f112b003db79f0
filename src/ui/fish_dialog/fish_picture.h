#pragma once

#include "ui/fish_dialog/fish_counts.h"

#include <wx/window.h>

namespace quillmere {

// The picture of the 15 kinds with each kind's count written in its cell and the selected cell marked by
// an inverted oval. It is 640 x 400 logical pixels at any content scale. Mouse events go on to whoever
// binds them; their positions are logical pixels of the picture.
class FishPicture : public wxWindow {
public:
    FishPicture(wxWindow* parent, const FishCounts& counts);

    // The position of a mouse event on this window in picture coordinates.
    wxPoint pictureCoordinates(const wxPoint& position) const { return ToDIP(position); }

    // The dialog's letter keys work wherever the focus is, so the picture never takes it.
    bool AcceptsFocus() const override { return false; }

protected:
    wxSize DoGetBestClientSize() const override {
        return FromDIP(wxSize(FishPictureWidth, FishPictureHeight));
    }

private:
    void OnPaint(wxPaintEvent& event);

    const FishCounts& m_counts;
};

} // namespace quillmere
