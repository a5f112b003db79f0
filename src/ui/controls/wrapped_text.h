#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace quillmere {

// text broken into lines no wider than width (logical pixels) in window's font, at spaces where it can.
wxString wrapText(const wxWindow& window, const wxString& text, int width);

} // namespace quillmere
