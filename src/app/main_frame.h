#pragma once

#include "app/process_state.h"

#include <wx/frame.h>

namespace quillmere {

class CAquariumView;

// The top-level window: no border, caption or menu, covering its whole monitor and kept above other
// windows. Its one child is the view, which gets the focus and the first offer of every command.
class CMainFrame : public wxFrame {
public:
    CMainFrame(ProcessState& state, const ProcessServices& services);

    // Covers the monitor and shows the frame, then has the view set up its scene and start ticking.
    void ShowTank();

    // Null when there is no folder for the settings or this display offers no visual to draw with.
    CAquariumView* view() const { return m_view; }

private:
    bool TryBefore(wxEvent& event) override;
    void AddPlaceholder();
    void CoverMonitor();

    void OnSetFocus(wxFocusEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnCharHook(wxKeyEvent& event);

    CAquariumView* m_view = nullptr; // a child window, deleted with the frame
};

} // namespace quillmere
