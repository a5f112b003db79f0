#include "ui/controls/link_static.h"

#include "ui/controls/wx_colour.h"

#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

// Why the desktop could not open an address. The toolkit only says that it failed; whether the
// freedesktop opener is there at all is the one cause that can be told apart on Linux.
wxString failureReason() {
    wxString path;
    wxString opener;
    if (!wxGetEnv("PATH", &path) || !wxFindFileInPath(&opener, path, "xdg-open"))
        return "There is no application associated\nwith web addresses (xdg-open was not found).";
    return "The desktop could not start a web browser\nfor this address.";
}

} // namespace

LinkStatic::LinkStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& address)
    : wxGenericHyperlinkCtrl(parent, id, label.empty() ? address : label, address.empty() ? label : address) {
    SetNormalColour(toWxColour(LinkColour));
    SetVisitedColour(toWxColour(VisitedColour));
    SetHoverColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    SetToolTip(GetURL());
    Bind(wxEVT_HYPERLINK, &LinkStatic::OnLink, this);
}

void LinkStatic::OnLink(wxHyperlinkEvent&) {
    bool opened = false;
    {
        // The toolkit would log its own vaguer error and show it later; the message below says it instead.
        const wxLogNull quiet;
        opened = wxLaunchDefaultBrowser(GetURL());
    }
    // The control marked itself visited before asking; an address that did not open was not visited.
    SetVisited(opened);
    const bool hover = wxRect(GetClientSize()).Contains(ScreenToClient(wxGetMousePosition()));
    SetForegroundColour(hover ? GetHoverColour() : opened ? GetVisitedColour() : GetNormalColour());
    Refresh();
    if (opened)
        return;

    wxBell();
    wxMessageBox("Unable to open hyperlink:\n\n" + failureReason(),
                 wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION, this);
}

} // namespace quillmere
