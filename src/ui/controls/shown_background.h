#pragma once

#include <wx/colour.h>
#include <wx/window.h>

namespace quillmere {

// The colour a person sees behind window: the nearest ancestor's own background colour, or the top-level
// window's. A panel that was given no colour reports the button face but shows its top-level window's
// background, so asking the parent alone would paint a visible box around a control.
wxColour shownBackground(const wxWindow& window);

} // namespace quillmere
