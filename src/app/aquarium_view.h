#pragma once

#include "app/process_state.h"
#include "app/view_commands.h"
#include "assets/picture_loader.h"
#include "core/draw_rate.h"
#include "core/frame_cadence.h"
#include "core/step_pacer.h"
#include "render/aquarium_scene.h"
#include "ui/tank_link.h"

#include <memory>
#include <optional>
#include <wx/cursor.h>
#include <wx/glcanvas.h>
#include <wx/timer.h>

namespace quillmere {

class BackgroundDialog;
class IconMenu;
class MusicDialog;

// The child window that fills the main frame: it owns the OpenGL context and the scene, sets the scene
// up once, and then draws one frame per tick of its 20 ms timer. A right click opens the popup menu,
// whose commands set the interaction mode; the pointer is hidden over the tank while the mode is idle.
// The dialogs reach the tank through its TankLink.
class CAquariumView : public wxGLCanvas, public TankLink {
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

    // TankLink: how the dialogs reach the tank (aquarium_view_tank_link.cpp).
    CameraValues liveCamera() const override;
    void setLiveCamera(const CameraValues& values) override;
    void setTuneVolume(int yinliang) override;
    float tintPhase() const override;
    void resumeTintPhase(float phase) override;
    void applySettings(const AquariumSettings& values) override;
    void applyFishCounts(const std::array<int, FishKindCount>& counts) override;
    PictureId requestPicture(const std::string& path) override;
    void releasePicture(PictureId picture) override;
    std::vector<PictureOutcome> takePictureOutcomes() override;
    void showPicture(std::optional<PictureId> picture) override;
    void setOwnMusicOn(bool on) override;
    bool tankRunning() const override;

private:
    void SetupScene();
    bool CreateContext();
    void ReadScreenMetrics();
    void ChooseDrawRate();
    // Draws one frame at now, after the step that falls due by then; true when a step was taken.
    bool DrawFrame(FrameCadence::Duration now);
    void DrawOneFrameAStep();
    void PresentDrawnFrame();
    void CreateDialogs();
    void StartPictureLoader();
    void PumpPictures();
    CustomBackdropPicture PublishedPicture();
    void ReportGlObjects();

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
    FrameCadence m_cadence;                 // 20 ms, or the draw rate's period
    // Frames a second drawn between steps; 0 draws one frame a step, each frame a step of its own.
    int m_drawRate = 0;
    StepPacer m_pacer;
    std::optional<DrawRateWatch> m_rateWatch; // for a rate that follows the display, not one asked for
    bool m_frameDrawn = false;                // a frame drawn into the back buffer, not yet swapped
    bool m_inTick = false;
    bool m_ticking = false; // between CreateScene() and Teardown()
    // Ticks between two reports of the live GL objects on standard error (QUILLMERE_GL_REPORT, for the
    // soak script); 0: no reports.
    int m_glReportEvery = 0;
    long long m_ticks = 0;
    AquariumScene m_tank; // made with the view: its fish draw from the generator before set-up
    // Reads and prepares the Custom Background dialog's pictures on worker threads, for the renderer to
    // upload; made once the context is, gone at teardown.
    std::unique_ptr<PictureLoader> m_pictureLoader;
    std::vector<PictureOutcome> m_pictureOutcomes;   // not yet taken by the dialog
    PictureId m_lastPicture = PictureId::NoPicture;  // the last id handed out
    std::optional<PictureId> m_slideshowPicture;     // as the slideshow last told it; none: pictures off
    PictureId m_shownPicture = PictureId::NoPicture; // drawn by the last frame
    // The modeless dialogs, made hidden at the end of the set-up; top-level windows the frame owns.
    MusicDialog* m_musicDlg = nullptr;
    BackgroundDialog* m_backgroundDlg = nullptr;
    int m_screenWidth = 1680; // physical pixels; replaced by the monitor's size in set-up
    int m_screenHeight = 1050;
    int m_mode = ID_MODE_IDLE;  // the id of the last command, or ID_MODE_IDLE
    IconMenu* m_menu = nullptr; // a child window, deleted with the view
    wxCursor m_hiddenCursor;    // blank, for watching the tank
};

} // namespace quillmere
