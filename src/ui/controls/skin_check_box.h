#pragma once

#include "core/color_ref.h"
#include "ui/controls/pressable_control.h"

#include <wx/bmpbndl.h>

namespace quillmere {

// A check box that draws itself: a face that lights up under the pointer, a round indicator (or an icon
// pair) in the checked or unchecked colour, and word-wrapped text.
//
// Style: wxALIGN_LEFT (default), wxALIGN_CENTRE_HORIZONTAL or wxALIGN_RIGHT aligns the text;
// SkinCheckBox::IndicatorRight puts the indicator at the right edge, the text to its left.
//
// A click, or Space while it has the focus, inverts the check, repaints and sends wxEVT_CHECKBOX (a
// wxCommandEvent carrying the control's id, IsChecked() giving the new state), which reaches the parent.
// setCheck sends nothing.
class SkinCheckBox : public PressableControl {
public:
    // Indicator at the right, text at its left.
    static constexpr long IndicatorRight = 0x1000;

    // Checked and unchecked colours at start, COLORREF byte order.
    static constexpr ColorRef DefaultChecked = 0x00FF00;
    static constexpr ColorRef DefaultUnchecked = 0x007F00;

    SkinCheckBox(wxWindow* parent, wxWindowID id, const wxString& label, long style = 0);

    void setCheck(bool checked, bool redraw = true);
    bool getCheck() const { return m_checked; }

    // The round indicator's fill when checked and when not; repaints.
    void setColours(ColorRef checked, ColorRef unchecked);

    // Icons shown instead of the round indicator. Unless both bundles are ok the round indicator stays.
    void setIcons(const wxBitmapBundle& checked, const wxBitmapBundle& unchecked);

    // Resizes to the new text's best size where the sizer allows, and repaints.
    void SetLabel(const wxString& label) override;

protected:
    wxSize DoGetBestClientSize() const override;

private:
    bool hasIcons() const { return m_checkedIcon.IsOk() && m_uncheckedIcon.IsOk(); }
    int indicatorSize() const;
    // Inverts the check, repaints and sends wxEVT_CHECKBOX.
    void click() override;
    void OnPaint(wxPaintEvent& event);

    bool m_checked = false;
    ColorRef m_checkedColour = DefaultChecked;
    ColorRef m_uncheckedColour = DefaultUnchecked;
    wxBitmapBundle m_checkedIcon;
    wxBitmapBundle m_uncheckedIcon;
};

} // namespace quillmere
