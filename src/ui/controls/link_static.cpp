#include "ui/controls/link_static.h"

namespace quillmere {

LinkStatic::LinkStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& address)
    : wxGenericHyperlinkCtrl(parent, id, label.empty() ? address : label, address.empty() ? label : address) {
}

void LinkStatic::OnLink(wxHyperlinkEvent&) {}

} // namespace quillmere
