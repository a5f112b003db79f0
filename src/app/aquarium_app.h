#pragma once

#include "core/random.h"
#include "settings/aquarium_settings.h"

#include <memory>
#include <wx/app.h>
#include <wx/snglinst.h>
#include <wx/weakref.h>

namespace quillmere {

class CMainFrame;
class ScreenBlankingInhibitor;

// The application object. It owns the one generator, the settings record and the camera values that
// the scene reaches by reference, and the two single-instance guards, which hold until the process ends.
class CAquariumApp : public wxApp {
public:
    CAquariumApp();
    ~CAquariumApp() override;

    bool OnInit() override;
    int OnExit() override;

    // The exit code when OnInit() gave up: 0 when another copy is already running.
    int initFailureExitCode() const { return m_initFailureExitCode; }

    // Ends the program as closing the frame does; called from the main loop on SIGTERM and SIGINT.
    void RequestClose();

private:
    // True when another copy holds either guard; the guards are taken in this order.
    bool anotherCopyRuns();

    Random m_random;
    AquariumSettings m_settings;
    CameraValues m_camera;

    std::unique_ptr<wxSingleInstanceChecker> m_productGuard; // "Tarnwick"
    std::unique_ptr<wxSingleInstanceChecker> m_appGuard;     // "Quillmere"
    std::unique_ptr<ScreenBlankingInhibitor> m_blankingInhibitor;
    wxWeakRef<CMainFrame> m_frame; // the toolkit deletes the frame when it closes
    bool m_started = false;
    bool m_closeRequested = false;
    int m_initFailureExitCode = 1;
};

} // namespace quillmere
