#pragma once

#include "core/color_ref.h"

#include <wx/hyperlink.h>

namespace quillmere {

// A web address as an underlined link: blue, purple once it has been opened, the system highlight colour
// under the pointer; a hand cursor and a tooltip with the address. A click (or Enter / Space while it
// has the focus) opens the address in the desktop's browser. When that fails it beeps and says why in a
// message box, and the link does not count as visited.
class LinkStatic : public wxGenericHyperlinkCtrl {
public:
    // Colours, COLORREF byte order; the hover colour is the system highlight colour.
    static constexpr ColorRef LinkColour = 0xEE0000;
    static constexpr ColorRef VisitedColour = 0x8B1A55;

    // An empty address takes the label, an empty label the address.
    LinkStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& address = wxString());

private:
    void OnLink(wxHyperlinkEvent& event);
};

} // namespace quillmere
