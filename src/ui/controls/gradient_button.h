#pragma once

#include "ui/controls/pressable_control.h"

#include <wx/bmpbndl.h>

namespace quillmere {

// A push button with a rounded black outline and a face shaded in 64 steps from light grey downwards,
// an optional icon left of the text, an orange frame under the pointer and a light blue one when it has
// the focus. It is drawn off-screen and copied in one piece, so it never flickers.
//
// A click, Space or Enter sends wxEVT_BUTTON with the control's id to the parent.
class GradientButton : public PressableControl {
public:
    GradientButton(wxWindow* parent, wxWindowID id, const wxString& label);

    // Icon pair: "normal" shows while the pointer is over the button or it has the focus, "hot" the rest
    // of the time, each at its own size left of the text (centred when the label is empty). Unless both
    // bundles are ok the button shows no icon.
    void setIcons(const wxBitmapBundle& normal, const wxBitmapBundle& hot);

    // Sets the tooltip's text; with activate false the button shows no tooltip until it is set again.
    void setTooltip(const wxString& text, bool activate = true);

    // Resizes to the new text's best size where the sizer allows, and repaints.
    void SetLabel(const wxString& label) override;

protected:
    wxSize DoGetBestClientSize() const override;

private:
    bool isDefault() const;
    // Sends wxEVT_BUTTON.
    void click() override;
    void OnPaint(wxPaintEvent& event);

    wxBitmapBundle m_normalIcon;
    wxBitmapBundle m_hotIcon;
};

} // namespace quillmere
