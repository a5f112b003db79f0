#include "ui/controls/pressable_control.h"

namespace quillmere {

PressableControl::PressableControl(wxWindow* parent, wxWindowID id, long style, int options)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize,
                style | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      m_showsPress((options & ShowsPress) != 0), m_enterClicks((options & EnterClicks) != 0) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_LEFT_DOWN, &PressableControl::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &PressableControl::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &PressableControl::OnLeftUp, this);
    if (m_showsPress) {
        Bind(wxEVT_MOTION, &PressableControl::OnMotion, this);
        Bind(wxEVT_ENTER_WINDOW, &PressableControl::OnEnter, this);
        Bind(wxEVT_LEAVE_WINDOW, &PressableControl::OnLeave, this);
    }
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &PressableControl::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &PressableControl::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &PressableControl::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, &PressableControl::OnFocusChange, this);
    Bind(wxEVT_KILL_FOCUS, &PressableControl::OnFocusChange, this);
}

void PressableControl::refreshPress() {
    if (m_showsPress)
        Refresh();
}

void PressableControl::OnLeftDown(wxMouseEvent&) {
    if (!IsEnabled())
        return;
    SetFocus();
    if (!HasCapture())
        CaptureMouse();
    m_mouseDown = true;
    if (m_showsPress) {
        m_pressed = true;
        Refresh();
    }
}

void PressableControl::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture())
        ReleaseMouse();
    if (!m_mouseDown)
        return;
    m_mouseDown = false;
    if (m_showsPress) {
        m_pressed = false;
        Refresh();
    }
    // Like a native button: a click counts only when the button comes up over the control.
    if (wxRect(GetClientSize()).Contains(event.GetPosition()))
        click();
}

void PressableControl::OnMotion(wxMouseEvent& event) {
    const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
    const bool pressed = m_mouseDown && inside;
    if (inside != m_hover || pressed != m_pressed) {
        m_hover = inside;
        m_pressed = pressed;
        Refresh();
    }
}

void PressableControl::OnEnter(wxMouseEvent& event) {
    OnMotion(event);
}

void PressableControl::OnLeave(wxMouseEvent&) {
    if (m_hover || (m_pressed && m_mouseDown)) {
        m_hover = false;
        m_pressed = m_pressed && !m_mouseDown;
        Refresh();
    }
}

void PressableControl::OnCaptureLost(wxMouseCaptureLostEvent&) {
    m_mouseDown = false;
    if (m_showsPress) {
        m_pressed = false;
        Refresh();
    }
}

void PressableControl::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_SPACE:
        if (!m_pressed) {
            m_pressed = true;
            refreshPress();
        }
        return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (m_enterClicks) {
            click();
            return;
        }
        break;
    default:
        break;
    }
    event.Skip();
}

void PressableControl::OnKeyUp(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_SPACE || !m_pressed || mouseHoldsPress()) {
        event.Skip();
        return;
    }
    m_pressed = false;
    refreshPress();
    click();
}

void PressableControl::OnFocusChange(wxFocusEvent& event) {
    // A press the mouse still holds outlives the focus; a held Space does not, and where the press is not
    // drawn any focus change forgets it.
    if (!mouseHoldsPress() && (event.GetEventType() == wxEVT_KILL_FOCUS || !m_showsPress))
        m_pressed = false;
    Refresh();
    event.Skip();
}

} // namespace quillmere
