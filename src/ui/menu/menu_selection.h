#pragma once

namespace quillmere {

// Which item of a menu is selected, and how the keys and the pointer move that selection. No item is
// selected when the menu opens; the arrow keys wrap around at either end, as native menus do.
struct MenuSelection {
    static constexpr int None = -1;

    int count = 0;
    int selected = None;

    void down();
    void up();
    void first();
    void last();
    // The pointer is over item index, or over no item (None): the selection follows it.
    void point(int index);

    bool hasSelection() const { return selected != None; }
};

} // namespace quillmere
