#include "ui/menu/menu_selection.h"

namespace quillmere {

void MenuSelection::down() {
    if (count <= 0) {
        return;
    }
    selected = selected == None ? 0 : (selected + 1) % count;
}

void MenuSelection::up() {
    if (count <= 0) {
        return;
    }
    selected = selected == None ? count - 1 : (selected + count - 1) % count;
}

void MenuSelection::first() {
    selected = count > 0 ? 0 : None;
}

void MenuSelection::last() {
    selected = count > 0 ? count - 1 : None;
}

void MenuSelection::point(int index) {
    selected = index >= 0 && index < count ? index : None;
}

} // namespace quillmere
