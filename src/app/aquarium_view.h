#pragma once

#include "app/process_state.h"
#include "app/view_commands.h"
#include "core/frame_cadence.h"
#include "render/aquarium_scene.h"

#include <memory>
#include <wx/cursor.h>
#include <wx/glcanvas.h>
#include <wx/timer.h>

namespace quillmere {

class IconMenu;

// The child window that fills the main frame: it owns the OpenGL context and the scene, sets the scene
// up once, and then draws one frame per tick of its 20 ms timer. A right click opens the popup menu,
// whose commands set the interaction mode; the pointer is hidden over the tank while the mode is idle.
class CAquariumView : public wxGLCanvas {
public:
    // Whether this display offers the view's canvas: RGBA, double buffered, with a depth buffer.
    static bool isDisplaySupported();

    // Create only where isDisplaySupported().
    CAquariumView(wxWindow* parent, ProcessState& state, const ProcessServices& services);
    ~CAquariumView() override;

    // Runs the scene set-up and then starts the timer, so the first tick finds the scene complete.
    // Needs the window on screen: a GL context can only be made current on a realised window.
    void CreateScene();

    // Releases the GL context and stops the timer. Safe to call again, and after a set-up that
    // stopped early.
    void Teardown();

private:
    void SetupScene();
    bool CreateContext();
    void ReadScreenMetrics();
    void RenderFrame();

    void OnTimer(wxTimerEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnMouseCursorEvent(wxMouseEvent& event);
    void OnCommand(wxCommandEvent& event);

    void UpdateCursor();
    void RunFishDialog();
    void RunSettingsDialog();
    void ShowMusicDialog();
    void ShowBackgroundDialog();
    void ExitProgram();

    ProcessState& m_state;
    ProcessServices m_services;

    std::unique_ptr<wxGLContext> m_context; // null until set-up made one, and after teardown
    wxTimer m_timer;                        // one shot at a time, armed for the next frame on the cadence
    FrameCadence m_cadence;                 // 20 ms
    bool m_inTick = false;
    bool m_ticking = false;          // between CreateScene() and Teardown()
    AquariumScene m_tank;            // made with the view: its fish draw from the generator before set-up
    CustomBackdropPicture m_picture; // published by the Custom Background dialog
    int m_screenWidth = 1680;        // physical pixels; replaced by the monitor's size in set-up
    int m_screenHeight = 1050;
    int m_mode = ID_MODE_IDLE;  // the id of the last command, or ID_MODE_IDLE
    IconMenu* m_menu = nullptr; // a child window, deleted with the view
    wxCursor m_hiddenCursor;    // blank, for watching the tank
};

} // namespace quillmere
