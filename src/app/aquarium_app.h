#pragma once

#include "app/modal_dialog_closer.h"
#include "app/private_scratch_folder.h"
#include "app/process_state.h"

#include <memory>
#include <optional>
#include <wx/app.h>
#include <wx/snglinst.h>
#include <wx/weakref.h>

namespace quillmere {

class AudioDevice;
class BuiltInMusic;
class CMainFrame;
class ScreenBlankingInhibitor;
class SettingsFile;

// The application object. It owns the state the whole process shares (the one generator, the settings
// record, the camera values and the music flags), the settings file, the sound output with the
// built-in tune, and the two single-instance guards, which hold until the process ends.
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
    // Closes the frame once set-up is over and no modal dialog is left open.
    void CloseWhenClear();

    ProcessState m_state;
    // Where the pictures are extracted when no home folder can be found; removed last.
    std::optional<PrivateScratchFolder> m_scratchFolder;
    std::unique_ptr<SettingsFile> m_settingsFile;
    std::unique_ptr<AudioDevice> m_audio; // opened after the guards, closed after the tune
    std::unique_ptr<BuiltInMusic> m_builtInMusic;

    std::unique_ptr<wxSingleInstanceChecker> m_productGuard; // "Tarnwick"
    std::unique_ptr<wxSingleInstanceChecker> m_appGuard;     // "Quillmere"
    std::unique_ptr<ScreenBlankingInhibitor> m_blankingInhibitor;
    wxWeakRef<CMainFrame> m_frame; // the toolkit deletes the frame when it closes
    // A termination signal may come while a message box, a file chooser or a modal dialog runs its
    // own loop; they are closed first, since the frame and its dialogs must outlive them.
    ModalDialogCloser m_modals{[this] { CloseWhenClear(); }};
    bool m_started = false;
    bool m_closeRequested = false;
    int m_initFailureExitCode = 1;
};

} // namespace quillmere
