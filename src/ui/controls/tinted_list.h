#pragma once

#include "core/color_ref.h"

#include <wx/listctrl.h>

namespace quillmere {

// A report-style list whose rows are blue text on tan, the playing row on green. The dialog adds columns
// and rows with the usual wxListCtrl calls; rows inserted or deleted later take their colours by
// themselves (the row at the playing index is the green one), so nothing needs calling after a change.
class TintedList : public wxListCtrl {
public:
    // Colours, COLORREF byte order.
    static constexpr ColorRef RowTextColour = 0xFF0000;
    static constexpr ColorRef RowBackgroundColour = 0x82B8C4;
    static constexpr ColorRef PlayingRowColour = 0x00FF00;

    // extraStyle is added to wxLC_REPORT (wxLC_SINGLE_SEL, wxLC_NO_HEADER ...).
    TintedList(wxWindow* parent, wxWindowID id, long extraStyle = 0);

    // The row drawn on green; -1 (or any index without a row) for none.
    void setPlayingRow(int row);
    int playingRow() const { return m_playingRow; }

private:
    void colourRow(long row);
    void colourRows();
    void OnRowsChanged(wxListEvent& event);

    int m_playingRow = -1;
};

} // namespace quillmere
