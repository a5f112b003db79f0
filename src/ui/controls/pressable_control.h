#pragma once

#include <wx/control.h>

namespace quillmere {

// The press tracking the skinned buttons share: a left press captures the mouse and takes the focus, and
// a click counts only when the button comes up over the control; Space presses while it is held and clicks
// on its release. Each control draws itself and says in click() what a click does.
class PressableControl : public wxControl {
public:
    bool AcceptsFocus() const override { return true; }

protected:
    // Hover and the held press are drawn, so they follow the pointer and every change repaints.
    static constexpr int ShowsPress = 0x1;
    // Enter and keypad Enter click at once, as on a push button.
    static constexpr int EnterClicks = 0x2;

    // style is the control's own; options combines ShowsPress and EnterClicks.
    PressableControl(wxWindow* parent, wxWindowID id, long style, int options);

    bool isHover() const { return m_hover; }
    bool isPressed() const { return m_pressed; }

private:
    virtual void click() = 0;

    // Without ShowsPress the mouse never sets m_pressed, so there it stands for Space alone.
    bool mouseHoldsPress() const { return m_showsPress && m_mouseDown; }
    void refreshPress();
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnFocusChange(wxFocusEvent& event);

    const bool m_showsPress;
    const bool m_enterClicks;
    bool m_hover = false;
    bool m_pressed = false;   // the mouse button or Space is held down on it
    bool m_mouseDown = false; // a click started here and has not ended
};

} // namespace quillmere
