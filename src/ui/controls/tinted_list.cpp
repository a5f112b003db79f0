#include "ui/controls/tinted_list.h"

#include "ui/controls/wx_colour.h"

#include <utility>

namespace quillmere {

TintedList::TintedList(wxWindow* parent, wxWindowID id, long extraStyle)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | extraStyle) {
    Bind(wxEVT_LIST_INSERT_ITEM, &TintedList::OnRowsChanged, this);
    Bind(wxEVT_LIST_DELETE_ITEM, &TintedList::OnRowsChanged, this);
}

// Only the rows that change colour are painted again, so a long list costs nothing per track.
void TintedList::setPlayingRow(int row) {
    if (row == m_playingRow)
        return;
    const int previous = std::exchange(m_playingRow, row);
    colourRow(previous);
    colourRow(row);
}

void TintedList::colourRow(long row) {
    if (row < 0 || row >= GetItemCount())
        return;
    SetItemTextColour(row, toWxColour(RowTextColour));
    SetItemBackgroundColour(row, toWxColour(row == m_playingRow ? PlayingRowColour : RowBackgroundColour));
}

void TintedList::colourRows() {
    const long count = GetItemCount();
    for (long row = 0; row < count; ++row)
        colourRow(row);
}

void TintedList::OnRowsChanged(wxListEvent& event) {
    // A deleted row is still in the list while its event is handled, so the colours follow afterwards.
    // An insertion or deletion moves the rows behind it to new indexes, so they are coloured again; a
    // row appended at the end moves none.
    if (event.GetEventType() == wxEVT_LIST_DELETE_ITEM)
        CallAfter(&TintedList::colourRows);
    else if (event.GetIndex() == GetItemCount() - 1)
        colourRow(event.GetIndex());
    else
        colourRows();
    event.Skip();
}

} // namespace quillmere
