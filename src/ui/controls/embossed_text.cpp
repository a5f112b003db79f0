#include "ui/controls/embossed_text.h"

#include <wx/settings.h>

namespace quillmere {

void drawEmbossedLabel(wxDC& dc, const wxString& text, const wxRect& rect, int alignment) {
    const wxColour before = dc.GetTextForeground();
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
    dc.DrawLabel(text, wxRect(rect.GetPosition() + wxPoint(1, 1), rect.GetSize()), alignment);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    dc.DrawLabel(text, rect, alignment);
    dc.SetTextForeground(before);
}

} // namespace quillmere
