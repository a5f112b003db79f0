#pragma once

#include <functional>
#include <vector>
#include <wx/modalhook.h>

class wxDialog;

namespace quillmere {

// Keeps track of every modal dialog the program has open (its own, message boxes, file choosers,
// the colour chooser) so that a request to end the program can close them all: each runs a loop of
// its own, and the program can only end once the last of them has returned. Once closing has begun,
// no new modal dialog opens.
class ModalDialogCloser : public wxModalDialogHook {
public:
    // Called once the last open modal dialog has returned after closeAll(), or at once by closeAll()
    // when none is open.
    explicit ModalDialogCloser(std::function<void()> allClosed);

    void closeAll();
    bool closing() const { return m_closing; }

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

private:
    std::function<void()> m_allClosed;
    std::vector<wxDialog*> m_open; // innermost last
    bool m_closing = false;
};

} // namespace quillmere
