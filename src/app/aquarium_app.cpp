#include "app/aquarium_app.h"

#include "app/instance_lock_folder.h"
#include "app/main_frame.h"
#include "app/private_scratch_folder.h"
#include "app/screen_blanking_inhibitor.h"
#include "app/termination_signals.h"
#include "assets/asset_folder.h"
#include "assets/embedded_assets.h"
#include "audio/audio_device.h"
#include "audio/audio_levels.h"
#include "audio/built_in_music.h"
#include "settings/registry_profile.h"
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

    const std::optional<std::filesystem::path> folder = settingsFolder();
    std::string assetFolder = AssetFolder();
    if (!folder) {
        std::fputs("Quillmere: no home folder can be found (HOME is not set and the user has no entry in the "
                   "password database); the aquarium runs on its default settings and saves nothing.\n",
                   stderr);
        m_scratchFolder = PrivateScratchFolder::create();
        if (m_scratchFolder) {
            assetFolder = m_scratchFolder->path().string() + "/";
        }
    }
    m_settingsFile = std::make_unique<SettingsFile>(folder);
    m_audio = std::make_unique<AudioDevice>();
    m_builtInMusic = std::make_unique<BuiltInMusic>(*m_audio, embeddedAssetTable());

    const int musicVolume = folder ? readProfileVolume(*folder) : MaxMusicVolume;
    m_frame = new CMainFrame(
        m_state, ProcessServices{*m_settingsFile, *m_builtInMusic, *m_audio, assetFolder, musicVolume});
    SetTopWindow(m_frame);
    m_frame->ShowTank();
    // The desktop's idle and lock policy applies unless the person asked for the screen to stay on.
    if (m_settingsFile->readKeepScreenOn()) {
        m_blankingInhibitor = std::make_unique<ScreenBlankingInhibitor>(wxGetX11Display());
        if (!m_blankingInhibitor->holding()) {
            std::fputs("Quillmere: KeepScreenOn=1, but this session offers no way to keep the screen on "
                       "(no screen saver service on the session bus, no X screen saver to hold off); the "
                       "desktop's idle policy applies.\n",
                       stderr);
        }
    }

    m_started = true;
    if (m_closeRequested) {
        m_frame->Close(true);
    }
    return true;
}

int CAquariumApp::OnExit() {
    // The settings dialog saves lazily while it is open; what it wrote reaches the disk at the latest here.
    if (m_settingsFile) {
        m_settingsFile->flushToDisk();
    }
    // The frame's dialogs hold the music player and its open track: they go while the sound device
    // they use is still open, whichever way the main loop ended (the menu's Exit leaves it before the
    // closed frame is deleted).
    if (m_frame) {
        m_frame->Destroy();
    }
    DeletePendingObjects();
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
    m_closeRequested = true;
    m_modals.closeAll();
}

void CAquariumApp::CloseWhenClear() {
    // During start-up the frame is still being built; OnInit() closes it once it is.
    if (!m_started || !m_frame) {
        return;
    }
    // After the last modal loop has returned, from the main loop.
    CallAfter([this] {
        if (m_frame) {
            m_frame->Close(true);
        }
    });
}

} // namespace quillmere
