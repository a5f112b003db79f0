#include "ui/controls/shown_background.h"

namespace quillmere {

wxColour shownBackground(const wxWindow& window) {
    for (const wxWindow* ancestor = window.GetParent(); ancestor; ancestor = ancestor->GetParent()) {
        if (ancestor->UseBgCol() || ancestor->IsTopLevel())
            return ancestor->GetBackgroundColour();
    }
    return window.GetBackgroundColour();
}

} // namespace quillmere
