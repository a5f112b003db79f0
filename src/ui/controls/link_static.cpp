#include "ui/controls/link_static.h"

#include "ui/controls/wx_colour.h"

#include <wx/app.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

// Collects what the toolkit logs while it tries to open an address, to tell the user why it failed.
class CollectingLog : public wxLog {
public:
    wxString text;

protected:
    void DoLogTextAtLevel(wxLogLevel level, const wxString& message) override {
        if (level > wxLOG_Warning)
            return;
        if (!text.empty())
            text += '\n';
        text += message;
    }
};

// Sends the toolkit's log to another target for as long as it lives.
class LogRedirect {
public:
    explicit LogRedirect(wxLog& target) : m_previous(wxLog::SetActiveTarget(&target)) {}
    ~LogRedirect() { wxLog::SetActiveTarget(m_previous); }
    LogRedirect(const LogRedirect&) = delete;
    LogRedirect& operator=(const LogRedirect&) = delete;

private:
    wxLog* m_previous;
};

bool launchBrowser(const wxString& address, wxString& logged) {
    CollectingLog log;
    const LogRedirect redirect(log);
    const bool opened = wxLaunchDefaultBrowser(address);
    logged = log.text;
    return opened;
}

} // namespace

LinkStatic::LinkStatic(wxWindow* parent, wxWindowID id, const wxString& label, const wxString& address)
    : wxGenericHyperlinkCtrl(parent, id, label.empty() ? address : label, address.empty() ? label : address) {
    SetNormalColour(toWxColour(LinkColour));
    SetVisitedColour(toWxColour(VisitedColour));
    SetHoverColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    SetToolTip(GetURL());
    SetBackgroundColour(parent->GetBackgroundColour());
    Bind(wxEVT_HYPERLINK, &LinkStatic::OnLink, this);
}

void LinkStatic::OnLink(wxHyperlinkEvent&) {
    wxString logged;
    if (launchBrowser(GetURL(), logged)) {
        SetVisited(true);
        Refresh();
        return;
    }

    // The control marked itself visited before asking; an address that did not open was not visited.
    SetVisited(false);
    const bool hover = wxRect(GetClientSize()).Contains(ScreenToClient(wxGetMousePosition()));
    SetForegroundColour(hover ? GetHoverColour() : GetNormalColour());
    Refresh();

    wxString reason = "No program to open web addresses could be started.\n"
                      "Check that xdg-utils is installed and a default web browser is chosen.";
    if (!logged.empty())
        reason += "\n\n" + logged;
    wxBell();
    wxMessageBox("Unable to open hyperlink:\n\n" + reason,
                 wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION, this);
}

} // namespace quillmere
