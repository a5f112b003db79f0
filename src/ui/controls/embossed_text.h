#pragma once

#include <wx/dc.h>
#include <wx/string.h>

namespace quillmere {

// Draws text the way a disabled control shows it: once moved by (1, 1) in the highlight colour and once
// in place in the shadow colour, so it looks pressed into the face. The text is drawn with wxDC::DrawLabel
// into rect with the given alignment; the DC's text foreground is left as it was.
void drawEmbossedLabel(wxDC& dc, const wxString& text, const wxRect& rect, int alignment);

} // namespace quillmere
