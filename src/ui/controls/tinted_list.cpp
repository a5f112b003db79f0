#include "ui/controls/tinted_list.h"

namespace quillmere {

TintedList::TintedList(wxWindow* parent, wxWindowID id, long extraStyle)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | extraStyle) {}

void TintedList::setPlayingRow(int row) {
    m_playingRow = row;
}

} // namespace quillmere
