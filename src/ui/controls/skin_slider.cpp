#include "ui/controls/skin_slider.h"

#include "ui/controls/shown_background.h"
#include "ui/controls/wx_colour.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

// Pixels inside the ellipse that fills rect, tested at each pixel's centre.
bool insideEllipse(const wxRect& rect, int x, int y) {
    const double rx = rect.width / 2.0;
    const double ry = rect.height / 2.0;
    const double dx = (x + 0.5 - rect.x - rx) / rx;
    const double dy = (y + 0.5 - rect.y - ry) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// A sunken frame: dark at the top and left, light at the bottom and right.
void drawFrame(wxDC& dc, const wxRect& rect, const wxColour& topLeft, const wxColour& bottomRight) {
    dc.SetPen(topLeft);
    dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetLeft(), rect.GetTop());
    dc.DrawLine(rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetTop());
    dc.SetPen(bottomRight);
    dc.DrawLine(rect.GetRight(), rect.GetTop() + 1, rect.GetRight(), rect.GetBottom() + 1);
    dc.DrawLine(rect.GetLeft() + 1, rect.GetBottom(), rect.GetRight(), rect.GetBottom());
}

// The native trackbar's rhythm for a held button beside the thumb.
constexpr int PageRepeatDelayMs = 400;
constexpr int PageRepeatIntervalMs = 100;

} // namespace

SkinSlider::SkinSlider(wxWindow* parent, wxWindowID id, int value, int minValue, int maxValue, long style)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize,
                style | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      m_model(value, minValue, maxValue), m_pageTimer(this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize();
    Bind(wxEVT_PAINT, &SkinSlider::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &SkinSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &SkinSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &SkinSlider::OnLeftUp, this);
    Bind(wxEVT_MOTION, &SkinSlider::OnMotion, this);
    Bind(wxEVT_MOUSEWHEEL, &SkinSlider::OnWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &SkinSlider::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &SkinSlider::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &SkinSlider::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, &SkinSlider::OnFocusChange, this);
    Bind(wxEVT_KILL_FOCUS, &SkinSlider::OnFocusChange, this);
    Bind(wxEVT_TIMER, &SkinSlider::OnPageTimer, this);
}

void SkinSlider::SetValue(int value) {
    m_model.setValue(value);
    Refresh();
}

void SkinSlider::SetRange(int minValue, int maxValue) {
    m_model.setRange(minValue, maxValue);
    Refresh();
}

wxSize SkinSlider::DoGetBestClientSize() const {
    // Across: the end circles, the thumb and the ticks with a little air; along: room to travel.
    constexpr int Thickness = 2 * (SliderMarkSize + 1) + SliderThumbThickness;
    constexpr int Length = 100;
    return FromDIP(HasFlag(wxSL_VERTICAL) ? wxSize(Thickness, Length) : wxSize(Length, Thickness));
}

SliderLayout SkinSlider::layout() const {
    const bool vertical = HasFlag(wxSL_VERTICAL);
    const bool marksFirst = !HasFlag(vertical ? wxSL_LEFT : wxSL_TOP);
    return layoutSlider(ToDIP(GetClientSize()), vertical, marksFirst, m_model);
}

void SkinSlider::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    // Parts are laid out in DIPs; the scale keeps them the same size on a screen with more pixels per DIP.
    const double scale = FromDIP(1000) / 1000.0;
    dc.SetUserScale(scale, scale);
    const SliderLayout parts = layout();

    const wxColour background = shownBackground(*this);
    dc.SetBrush(background);
    dc.SetPen(background);
    dc.DrawRectangle(wxRect(parts.client));

    const wxColour line = toWxColour(LineColour);
    const wxColour thumbColour = toWxColour(ThumbColour);

    // The channel as the toolkit's trackbar draws it, then lined in green 1 pixel inside.
    dc.SetBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(parts.channel);
    drawFrame(dc, parts.channel, wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW),
              wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
    drawFrame(dc, wxRect(parts.channel).Deflate(1), line, line);

    dc.SetPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    for (const int tick : {parts.minTick, parts.maxTick}) {
        if (parts.vertical)
            dc.DrawLine(parts.tickFrom, tick, parts.tickTo, tick);
        else
            dc.DrawLine(tick, parts.tickFrom, tick, parts.tickTo);
    }

    const wxRect& thumb = parts.thumb;
    if (m_dragging || HasFocus()) {
        // The dither's origin moves with the thumb, so the pattern does not crawl while it is dragged.
        dc.SetBrush(line);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawEllipse(thumb);
        dc.SetBrush(thumbColour);
        for (int y = thumb.y; y < thumb.y + thumb.height; ++y)
            for (int x = thumb.x + (y - thumb.y) % 2; x < thumb.x + thumb.width; x += 2)
                if (insideEllipse(thumb, x, y))
                    dc.DrawRectangle(x, y, 1, 1);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
    } else {
        dc.SetBrush(thumbColour);
    }
    dc.SetPen(line);
    dc.DrawEllipse(thumb);

    dc.SetPen(thumbColour);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawEllipse(parts.minMark);
    dc.SetBrush(line);
    dc.DrawEllipse(parts.maxMark);

    if (HasFocus()) {
        dc.SetUserScale(1, 1);
        wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(GetClientSize()));
    }
}

void SkinSlider::sendScroll(wxEventType type) {
    wxScrollEvent event(type, GetId(), m_model.value(), HasFlag(wxSL_VERTICAL) ? wxVERTICAL : wxHORIZONTAL);
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void SkinSlider::move(wxEventType type, int value) {
    if (value == m_model.value())
        return;
    m_model.setValue(value);
    Refresh();
    sendScroll(type);
    wxCommandEvent changed(wxEVT_SLIDER, GetId());
    changed.SetEventObject(this);
    changed.SetInt(m_model.value());
    ProcessWindowEvent(changed);
}

void SkinSlider::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    const SliderLayout parts = layout();
    const wxPoint pos = ToDIP(event.GetPosition());
    const int along = parts.vertical ? pos.y : pos.x;
    const int thumbStart = parts.vertical ? parts.thumb.y : parts.thumb.x;
    if (parts.thumb.Contains(pos)) {
        m_dragging = true;
        m_dragOffset = along - thumbStart;
        if (!HasCapture())
            CaptureMouse();
        Refresh();
        return;
    }
    // A press beside the thumb pages towards the pointer and repeats while held, as a native trackbar does.
    m_paging = true;
    m_pageMoved = false;
    if (!HasCapture())
        CaptureMouse();
    if (pageTowardsPointer())
        m_pageTimer.StartOnce(PageRepeatDelayMs);
    else
        endPaging();
}

bool SkinSlider::pageTowardsPointer() {
    const SliderLayout parts = layout();
    const wxPoint pos = ToDIP(ScreenToClient(wxGetMousePosition()));
    const int along = parts.vertical ? pos.y : pos.x;
    const int thumbStart = parts.vertical ? parts.thumb.y : parts.thumb.x;
    const int before = m_model.value();
    if (along < thumbStart)
        move(wxEVT_SCROLL_PAGEUP, m_model.stepped(-static_cast<long long>(m_model.pageSize())));
    else if (along >= thumbStart + SliderThumbLength)
        move(wxEVT_SCROLL_PAGEDOWN, m_model.stepped(m_model.pageSize()));
    const bool moved = before != m_model.value();
    m_pageMoved = m_pageMoved || moved;
    return moved;
}

void SkinSlider::endPaging() {
    m_pageTimer.Stop();
    if (!m_paging)
        return;
    m_paging = false;
    if (m_pageMoved)
        sendScroll(wxEVT_SCROLL_CHANGED);
}

void SkinSlider::OnPageTimer(wxTimerEvent&) {
    if (!m_paging)
        return;
    if (pageTowardsPointer())
        m_pageTimer.StartOnce(PageRepeatIntervalMs);
}

void SkinSlider::OnMotion(wxMouseEvent& event) {
    if (!m_dragging)
        return;
    const SliderLayout parts = layout();
    const wxPoint pos = ToDIP(event.GetPosition());
    const int along = parts.vertical ? pos.y : pos.x;
    move(wxEVT_SCROLL_THUMBTRACK, sliderValueAt(parts, m_model, along - m_dragOffset));
}

void SkinSlider::OnLeftUp(wxMouseEvent&) {
    if (HasCapture())
        ReleaseMouse();
    endPaging();
    if (!m_dragging)
        return;
    m_dragging = false;
    Refresh();
    sendScroll(wxEVT_SCROLL_THUMBRELEASE);
    sendScroll(wxEVT_SCROLL_CHANGED);
}

void SkinSlider::OnCaptureLost(wxMouseCaptureLostEvent&) {
    endPaging();
    if (!m_dragging)
        return;
    m_dragging = false;
    Refresh();
    sendScroll(wxEVT_SCROLL_THUMBRELEASE);
    sendScroll(wxEVT_SCROLL_CHANGED);
}

void SkinSlider::OnWheel(wxMouseEvent& event) {
    if (event.GetWheelRotation() == 0 || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    // Wheel up moves the thumb up on a vertical slider (towards the minimum) and right on a horizontal one.
    const bool up = event.GetWheelRotation() > 0;
    const bool towardsMax = HasFlag(wxSL_VERTICAL) ? !up : up;
    const int before = m_model.value();
    const long long step = m_model.lineSize();
    move(towardsMax ? wxEVT_SCROLL_LINEDOWN : wxEVT_SCROLL_LINEUP,
         m_model.stepped(towardsMax ? step : -step));
    if (before != m_model.value())
        sendScroll(wxEVT_SCROLL_CHANGED);
}

void SkinSlider::OnKeyDown(wxKeyEvent& event) {
    const long long line = m_model.lineSize();
    const long long page = m_model.pageSize();
    const int before = m_model.value();
    switch (event.GetKeyCode()) {
    case WXK_LEFT:
    case WXK_UP:
    case WXK_NUMPAD_LEFT:
    case WXK_NUMPAD_UP:
        move(wxEVT_SCROLL_LINEUP, m_model.stepped(-line));
        break;
    case WXK_RIGHT:
    case WXK_DOWN:
    case WXK_NUMPAD_RIGHT:
    case WXK_NUMPAD_DOWN:
        move(wxEVT_SCROLL_LINEDOWN, m_model.stepped(line));
        break;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        move(wxEVT_SCROLL_PAGEUP, m_model.stepped(-page));
        break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        move(wxEVT_SCROLL_PAGEDOWN, m_model.stepped(page));
        break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        move(wxEVT_SCROLL_TOP, m_model.minValue());
        break;
    case WXK_END:
    case WXK_NUMPAD_END:
        move(wxEVT_SCROLL_BOTTOM, m_model.maxValue());
        break;
    default:
        event.Skip();
        return;
    }
    m_keyMoved = m_keyMoved || before != m_model.value();
}

void SkinSlider::OnKeyUp(wxKeyEvent& event) {
    // The end of a key's moves (a held key repeats) is one change, as the native trackbar reports it.
    if (m_keyMoved) {
        m_keyMoved = false;
        sendScroll(wxEVT_SCROLL_CHANGED);
    }
    event.Skip();
}

void SkinSlider::OnFocusChange(wxFocusEvent& event) {
    Refresh();
    event.Skip();
}

} // namespace quillmere
