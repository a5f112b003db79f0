#pragma once

#include "core/color_ref.h"
#include "ui/controls/slider_model.h"

#include <wx/control.h>
#include <wx/slider.h>
#include <wx/timer.h>

namespace quillmere {

// A slider that draws itself: a round red thumb with a green outline (dithered red on green while it is
// pressed or has the focus), a sunken channel lined in green, tick marks at both ends, and two small
// circles at the ends of the control, white at the minimum and green at the maximum.
//
// Style: wxSL_HORIZONTAL (default) or wxSL_VERTICAL; the minimum is at the left or at the top. The tick
// marks are below (right of) the channel and the end circles along the top (left) edge; wxSL_TOP (wxSL_LEFT)
// swaps the two sides.
//
// Input as a native slider: a drag of the thumb; a press beside the thumb (one page towards the pointer,
// repeating while held until the thumb reaches it); the arrow keys (one line; Left and Up towards the
// minimum), Page Up / Page Down (one page), Home / End; the wheel (one line; up moves the thumb up or to
// the right). Each step that changes the value sends the matching wxEVT_SCROLL_* event (wxScrollEvent with
// the control's id and the new position), then wxEVT_SLIDER; a step that would leave the range sends
// nothing. The end of a drag, a held press, a key press or a wheel step that moved the thumb sends
// wxEVT_SCROLL_CHANGED, a drag's release wxEVT_SCROLL_THUMBRELEASE first. SetValue and SetRange send
// nothing.
class SkinSlider : public wxControl {
public:
    // Colours, COLORREF byte order.
    static constexpr ColorRef ThumbColour = 0x0000FF;
    static constexpr ColorRef LineColour = 0x00FF00;

    SkinSlider(wxWindow* parent, wxWindowID id, int value, int minValue, int maxValue,
               long style = wxSL_HORIZONTAL);

    int GetValue() const { return m_model.value(); }
    // Clamped into the range; repaints.
    void SetValue(int value);
    // The value is clamped into the new range; a maximum below the minimum is raised to it.
    void SetRange(int minValue, int maxValue);
    int GetMin() const { return m_model.minValue(); }
    int GetMax() const { return m_model.maxValue(); }
    void SetLineSize(int lineSize) { m_model.setLineSize(lineSize); }
    void SetPageSize(int pageSize) { m_model.setPageSize(pageSize); }
    int GetLineSize() const { return m_model.lineSize(); }
    int GetPageSize() const { return m_model.pageSize(); }

    bool AcceptsFocus() const override { return true; }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    SliderLayout layout() const;
    // Moves to value and reports it with the given event type and wxEVT_SLIDER; nothing when it stays.
    void move(wxEventType type, int value);
    void sendScroll(wxEventType type);
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnFocusChange(wxFocusEvent& event);
    // One page towards the pointer while the button is held beside the thumb; false once it got there.
    bool pageTowardsPointer();
    void endPaging();
    void OnPageTimer(wxTimerEvent& event);

    SliderModel m_model;
    bool m_dragging = false;
    int m_dragOffset = 0; // pointer position minus the thumb's start along the channel, logical pixels
    bool m_keyMoved = false;
    wxTimer m_pageTimer; // repeats the page step while the button is held beside the thumb
    bool m_paging = false;
    bool m_pageMoved = false;
};

} // namespace quillmere
