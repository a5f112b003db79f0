#pragma once

#include <wx/gdicmn.h>

namespace quillmere {

// Where the popup menu's items, icons and texts go, in logical pixels: items stacked top to bottom inside
// a one-pixel frame.
struct IconMenuLayout {
    static constexpr int ItemWidth = 140;
    static constexpr int ItemHeight = 48;
    static constexpr int StripWidth = 25; // the icon's column at the item's left
    static constexpr int IconSize = 24;
    static constexpr int IconInset = 3; // from the item's left and top
    static constexpr int TextGap = 8;   // from the strip to the text
    static constexpr int Frame = 1;

    int itemCount = 0;
    int itemWidth = ItemWidth;

    // Items keep their width unless the widest text would not fit in it.
    static int widthForText(int textWidth);
    static int textLeft() { return StripWidth + TextGap; }

    wxSize menuSize() const;
    wxRect itemRect(int index) const;
    // The item under a point of the menu window, or -1 where there is none.
    int itemAt(wxPoint point) const;
};

// Where a menu of this size opens for a click at click (screen coordinates) on a monitor covering
// display: its top-left at the click; flipped to the click's other side along an axis where it would
// run off the monitor, and pushed back onto it where neither side has room.
wxPoint placeMenu(wxPoint click, wxSize size, const wxRect& display);

} // namespace quillmere
