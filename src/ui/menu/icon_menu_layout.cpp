#include "ui/menu/icon_menu_layout.h"

#include <algorithm>

namespace quillmere {

namespace {

// One axis of placeMenu(): the menu spans [start, start + extent) inside [low, high).
int placeAlong(int at, int extent, int low, int high) {
    if (at + extent <= high) {
        return std::max(at, low);
    }
    if (at - extent >= low) {
        return at - extent;
    }
    return std::max(low, high - extent);
}

} // namespace

int IconMenuLayout::widthForText(int textWidth) {
    return std::max(ItemWidth, textLeft() + textWidth + TextGap);
}

wxSize IconMenuLayout::menuSize() const {
    return {itemWidth + 2 * Frame, itemCount * ItemHeight + 2 * Frame};
}

wxRect IconMenuLayout::itemRect(int index) const {
    return {Frame, Frame + index * ItemHeight, itemWidth, ItemHeight};
}

int IconMenuLayout::itemAt(wxPoint point) const {
    if (point.x < Frame || point.x >= Frame + itemWidth || point.y < Frame) {
        return -1;
    }
    const int index = (point.y - Frame) / ItemHeight;
    return index < itemCount ? index : -1;
}

wxPoint placeMenu(wxPoint click, wxSize size, const wxRect& display) {
    return {placeAlong(click.x, size.x, display.GetLeft(), display.GetRight() + 1),
            placeAlong(click.y, size.y, display.GetTop(), display.GetBottom() + 1)};
}

} // namespace quillmere
