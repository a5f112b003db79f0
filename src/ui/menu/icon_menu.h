#pragma once

#include "ui/menu/icon_menu_layout.h"
#include "ui/menu/menu_selection.h"

#include <vector>
#include <wx/bmpbndl.h>
#include <wx/popupwin.h>

namespace quillmere {

// The right-click popup menu: items of an icon and a text on a light face, drawn by the menu itself
// because the toolkit's native menus cannot be owner-drawn on every platform. The item under the
// pointer is selected; either mouse button chooses it, as do the arrow keys, Home and End with Enter.
// ESC or a click elsewhere closes the menu without a command. The menu runs no loop of its own, so the
// owner's timers go on while it is open.
class IconMenu : public wxPopupTransientWindow {
public:
    // Chosen commands reach owner as wxEVT_MENU events once the menu has closed.
    explicit IconMenu(wxWindow* owner);

    // An icon that is not ok draws nothing; the item is otherwise the same.
    void Append(int commandId, const wxBitmapBundle& icon, const wxBitmapBundle& selectedIcon,
                const wxString& text);

    // Opens with its top-left corner at screenPoint, moved onto that point's monitor where it would
    // not fit there.
    void OpenAt(wxPoint screenPoint);

private:
    struct Item {
        int commandId;
        wxBitmapBundle icon;
        wxBitmapBundle selectedIcon;
        wxString text;
    };

    void OnDismiss() override;

    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnButtonDown(wxMouseEvent& event);
    void OnButtonUp(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);

    void DrawItem(wxDC& dc, int index) const;
    wxBitmap IconBitmap(const wxBitmapBundle& bundle) const;
    int ItemUnderPointer() const;
    void Select(int index);
    void Choose(int index);

    wxWindow* m_owner;
    // Fills the popup and takes the keyboard: the popup window itself cannot hold the focus on GTK.
    wxWindow* m_face;
    std::vector<Item> m_items;
    IconMenuLayout m_layout;
    MenuSelection m_selection;
    wxPoint m_lastPointer; // screen position at the last motion, to tell real moves from repeats
    // The release of the button that opened the menu lands on it at once; only a release after the
    // pointer moved, or after a press inside the menu, chooses.
    bool m_armed = false;
};

} // namespace quillmere
