#include "ui/controls/tinted_list.h"

#include "ui/controls/wx_colour.h"

namespace quillmere {

TintedList::TintedList(wxWindow* parent, wxWindowID id, long extraStyle)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | extraStyle) {
    Bind(wxEVT_LIST_INSERT_ITEM, &TintedList::OnRowsChanged, this);
    Bind(wxEVT_LIST_DELETE_ITEM, &TintedList::OnRowsChanged, this);
}

void TintedList::setPlayingRow(int row) {
    m_playingRow = row;
    colourRows();
}

void TintedList::colourRows() {
    const wxColour text = toWxColour(RowTextColour);
    const wxColour background = toWxColour(RowBackgroundColour);
    const wxColour playing = toWxColour(PlayingRowColour);
    const long count = GetItemCount();
    for (long row = 0; row < count; ++row) {
        SetItemTextColour(row, text);
        SetItemBackgroundColour(row, row == m_playingRow ? playing : background);
    }
}

void TintedList::OnRowsChanged(wxListEvent& event) {
    // A deleted row is still in the list while its event is handled, so the colours follow afterwards.
    // Every row is coloured again because an insertion or deletion moves the rows behind it to new indexes.
    if (event.GetEventType() == wxEVT_LIST_DELETE_ITEM)
        CallAfter(&TintedList::colourRows);
    else
        colourRows();
    event.Skip();
}

} // namespace quillmere
