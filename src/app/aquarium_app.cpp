#include "app/aquarium_app.h"

#include "app/instance_lock_folder.h"
#include "app/main_frame.h"
#include "app/screen_blanking_inhibitor.h"
#include "app/termination_signals.h"
#include "assets/asset_folder.h"
#include "assets/embedded_assets.h"
#include "audio/audio_device.h"
#include "audio/built_in_music.h"
#include "settings/settings_file.h"
#include "settings/settings_folder.h"

#include <cstdio>
#include <wx/utils.h>

namespace quillmere {

namespace {

void onTerminationSignal(int) {
    if (auto* app = dynamic_cast<CAquariumApp*>(wxApp::GetInstance())) {
        app->RequestClose();
    }
}

} // namespace

CAquariumApp::CAquariumApp() {
    SetAppName("Quillmere");
    SetVendorName("Local AppWizard-Generated Applications");
}

CAquariumApp::~CAquariumApp() = default;

// The base OnInit() is not called: it would parse the command line, which this program ignores.
bool CAquariumApp::OnInit() {
    if (!routeTerminationSignals(*this, &onTerminationSignal)) {
        std::fputs("Quillmere: cannot watch for SIGTERM and SIGINT; they end the program at once.\n", stderr);
    }
    if (anotherCopyRuns()) {
        m_initFailureExitCode = 0;
        return false;
    }

    m_settingsFile = std::make_unique<SettingsFile>(settingsFolder());
    m_audio = std::make_unique<AudioDevice>();
    m_builtInMusic = std::make_unique<BuiltInMusic>(*m_audio, AssetFolder(), ExtractAsset);

    m_frame = new CMainFrame(m_state, ProcessServices{*m_settingsFile, *m_builtInMusic, *m_audio});
    SetTopWindow(m_frame);
    m_frame->ShowTank();
    m_blankingInhibitor = std::make_unique<ScreenBlankingInhibitor>(wxGetX11Display());

    m_started = true;
    if (m_closeRequested) {
        m_frame->Close(true);
    }
    return true;
}

int CAquariumApp::OnExit() {
    // Released while the toolkit's X connection is still open.
    m_blankingInhibitor.reset();
    m_builtInMusic.reset();
    m_audio.reset();
    return wxApp::OnExit();
}

bool CAquariumApp::anotherCopyRuns() {
    const auto folder = instanceLockFolder();
    if (!folder) {
        std::fputs("Quillmere: no private folder for the single-instance lock; "
                   "another running copy cannot be detected.\n",
                   stderr);
        return false;
    }
    const wxString path = folder->string();
    m_productGuard = std::make_unique<wxSingleInstanceChecker>();
    if (m_productGuard->Create("Tarnwick", path) && m_productGuard->IsAnotherRunning()) {
        return true;
    }
    m_appGuard = std::make_unique<wxSingleInstanceChecker>();
    return m_appGuard->Create("Quillmere", path) && m_appGuard->IsAnotherRunning();
}

void CAquariumApp::RequestClose() {
    // During start-up (a set-up message box runs its own loop) the frame is still being built.
    if (!m_started) {
        m_closeRequested = true;
        return;
    }
    if (m_frame) {
        m_frame->Close(true);
    }
}

} // namespace quillmere
