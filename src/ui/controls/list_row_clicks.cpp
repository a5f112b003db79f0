#include "ui/controls/list_row_clicks.h"

#include <wx/listctrl.h>

namespace quillmere {

void bindRowClicks(wxListCtrl& list, std::function<void(long row)> clicked) {
    // The report list's rows are drawn by a child window of its own, which is where the mouse goes;
    // HitTest() takes that window's coordinates.
    for (wxWindow* child : list.GetChildren()) {
        if (child->GetClassInfo() == nullptr ||
            wxString(child->GetClassInfo()->GetClassName()) != "wxListMainWindow")
            continue;
        child->Bind(wxEVT_LEFT_UP, [&list, clicked](wxMouseEvent& event) {
            event.Skip();
            int flags = 0;
            const long row = list.HitTest(event.GetPosition(), flags);
            // After the list has taken the click's selection.
            if (row >= 0 && (flags & wxLIST_HITTEST_ONITEM) != 0)
                list.CallAfter([clicked, row] { clicked(row); });
        });
    }
    list.Bind(wxEVT_LIST_KEY_DOWN, [&list, clicked](wxListEvent& event) {
        event.Skip();
        const int key = event.GetKeyCode();
        const long row = list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
        if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && row >= 0)
            clicked(row);
    });
}

} // namespace quillmere
