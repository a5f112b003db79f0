#include "app/aquarium_view.h"

#include "audio/music_tick.h"
#include "core/frame_cadence.h"
#include "render/gl_object_count.h"
#include "render/gl_setup.h"
#include "render/swap_control.h"
#include "render/user_picture_target.h"
#include "settings/settings_file.h"
#include "ui/artwork/ui_artwork.h"
#include "ui/background_dialog/background_dialog.h"
#include "ui/fish_dialog/fish_dialog.h"
#include "ui/menu/icon_menu.h"
#include "ui/music_dialog/music_dialog.h"
#include "ui/settings_dialog/aquarium_settings_dialog.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

constexpr int TickTimerId = 1;
// One tick a step when every frame is a step.
constexpr std::chrono::milliseconds TickInterval = StepPeriod;
// Ten seconds of ticks.
constexpr int GlReportTicks = 500;
// Bytes of the user's pictures copied into OpenGL on one tick: about a millisecond of the software
// renderer's time, so a photo arriving never delays a frame noticeably.
constexpr std::size_t PictureUploadBytesPerTick = std::size_t{1} << 20;

// The context made on the canvas is a legacy one, which keeps the fixed-function pipeline.
wxGLAttributes canvasAttributes() {
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    return attributes;
}

wxSize toPhysical(wxSize size, double scale) {
    return {static_cast<int>(std::lround(size.x * scale)), static_cast<int>(std::lround(size.y * scale))};
}

} // namespace

bool CAquariumView::isDisplaySupported() {
    // Asked first: the toolkit treats a display without GLX as a programming error.
    Display* display = wxGetX11Display();
    int errorBase = 0;
    int eventBase = 0;
    return display != nullptr && glXQueryExtension(display, &errorBase, &eventBase) &&
           wxGLCanvas::IsDisplaySupported(canvasAttributes());
}

CAquariumView::CAquariumView(wxWindow* parent, ProcessState& state, const ProcessServices& services)
    : wxGLCanvas(parent, canvasAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxBORDER_NONE | wxWANTS_CHARS),
      m_state(state), m_services(services), m_timer(this, TickTimerId), m_cadence(TickInterval),
      m_pacer(TickInterval), m_tank(state.random), m_menu(new IconMenu(this)),
      m_hiddenCursor(wxCURSOR_BLANK) {
    for (const PopupEntry& entry : PopupEntries) {
        m_menu->Append(entry.commandId, uiArtwork(entry.iconId), uiArtwork(entry.selectedIconId), entry.text);
    }
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    UpdateCursor();
    Bind(wxEVT_TIMER, &CAquariumView::OnTimer, this, TickTimerId);
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_SIZE, &CAquariumView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_CHAR_HOOK, &CAquariumView::OnCharHook, this);
    Bind(wxEVT_RIGHT_DOWN, &CAquariumView::OnRightDown, this);
    for (const auto type : {wxEVT_MOTION, wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK}) {
        Bind(type, &CAquariumView::OnMouseCursorEvent, this);
    }
    Bind(wxEVT_MENU, &CAquariumView::OnCommand, this);
    if (const char* report = std::getenv("QUILLMERE_GL_REPORT"); report != nullptr && report[0] != '\0') {
        m_glReportEvery = GlReportTicks;
    }
}

// The toolkit sends its destroy event only once this class is gone, so the teardown runs here.
CAquariumView::~CAquariumView() {
    Teardown();
}

void CAquariumView::CreateScene() {
    SetupScene();
    // Started even when the set-up stopped early; the tick then has nothing to draw.
    m_ticking = true;
    m_timer.StartOnce(static_cast<int>(TickInterval.count()));
}

void CAquariumView::SetupScene() {
    if (!CreateContext()) {
        return;
    }
    ReadScreenMetrics();
    ChooseDrawRate();
    StartPictureLoader();
    // The view owns the settings file: the start-up load repairs it, and the tank is set up from what
    // it read.
    m_services.settingsFile.loadStartupSettings(m_state.random, m_state.settings, m_state.camera);
    if (!m_tank.setUp(m_state.random, m_state.settings, m_services.assetFolder)) {
        wxMessageBox("MAP SIZE ERROR", "Quillmere", wxOK, GetParent());
    }
    CreateDialogs();
}

// The music dialog may start the user's music at once; both dialogs' timers then run for the whole
// program. Their parent is the frame, so they stay above the tank.
void CAquariumView::CreateDialogs() {
    wxWindow* frame = wxGetTopLevelParent(this);
    m_musicDlg = new MusicDialog(frame, *this, m_services.audio, m_state.random, m_services.settingsFile,
                                 m_services.musicVolume);
    m_backgroundDlg = new BackgroundDialog(frame, *this, m_state.random, m_services.settingsFile);
}

// The textures are sized for this screen and this context, which the workers cannot ask themselves.
void CAquariumView::StartPictureLoader() {
    const TextureCapabilities caps = readTextureCapabilities();
    const PictureTarget target =
        userPictureTarget(ScreenSize{m_screenWidth, m_screenHeight}, m_tank.scene().tankBox());
    m_pictureLoader =
        std::make_unique<PictureLoader>([caps, target](const std::string& path, std::stop_token stop) {
            return preparePictureFile(path, target, caps, stop);
        });
}

// Finished pictures join the upload queue, failed ones go to the dialog, and one tick's share of the
// queue goes into OpenGL.
void CAquariumView::PumpPictures() {
    UserPictureTextures* pictures = m_tank.userPictures();
    if (!m_pictureLoader || !m_context || pictures == nullptr) {
        return;
    }
    for (PictureLoadResult& result : m_pictureLoader->takeFinished()) {
        if (result.texture) {
            pictures->add(result.id, std::move(*result.texture));
        } else {
            m_pictureOutcomes.push_back({result.id, false, std::move(result.error)});
        }
    }
    if (!pictures->uploading()) {
        return;
    }
    m_context->SetCurrent(*this);
    for (const PictureId picture : pictures->upload(PictureUploadBytesPerTick)) {
        m_pictureOutcomes.push_back({picture, true, {}});
    }
}

bool CAquariumView::CreateContext() {
    auto context = std::make_unique<wxGLContext>(this);
    if (!context->IsOK()) {
        wxMessageBox("Cannot create the OpenGL context.", "Quillmere", wxOK, GetParent());
        return false;
    }
    if (!context->SetCurrent(*this)) {
        wxMessageBox("Cannot use the OpenGL context on this window.", "Quillmere", wxOK, GetParent());
        return false;
    }
    m_context = std::move(context);
    return true;
}

// The projection and viewport use the size of the monitor the window is on, in physical pixels.
void CAquariumView::ReadScreenMetrics() {
    const int index = wxDisplay::GetFromWindow(this);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    const wxSize size = toPhysical(display.GetGeometry().GetSize(), GetContentScaleFactor());
    if (size.x > 0 && size.y > 0) {
        m_screenWidth = size.x;
        m_screenHeight = size.y;
    }
}

// A display faster than the tank's steps gets frames at its own rate, blended between steps, unless the
// settings file asks otherwise or a software rasteriser draws, which has no time to spare at 50.
void CAquariumView::ChooseDrawRate() {
    const int index = wxDisplay::GetFromWindow(this);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    DisplayTraits traits;
    traits.refreshHz = display.GetCurrentMode().refresh;
    traits.softwareRenderer = isSoftwareRenderer();
    const FrameRateSetting setting = m_services.settingsFile.readFrameRate();
    m_drawRate = chooseDrawRate(setting, traits);
    if (m_drawRate == 0) {
        return;
    }
    setSwapInterval(wxGetX11Display(), GetXWindow(), swapFollowsDisplay(m_drawRate, traits) ? 1 : 0);
    m_cadence = FrameCadence(std::chrono::duration_cast<FrameCadence::Duration>(std::chrono::seconds(1)) /
                             m_drawRate);
    if (setting.automatic) {
        m_rateWatch.emplace(m_drawRate);
    }
}

bool CAquariumView::DrawFrame(FrameCadence::Duration now) {
    if (!m_context) {
        return false;
    }
    m_context->SetCurrent(*this);
    PresentDrawnFrame();
    if (m_rateWatch && m_rateWatch->fallsBehind(FrameCadence::now())) {
        DrawOneFrameAStep();
    }
    const CustomBackdropPicture picture = PublishedPicture();
    const ScreenSize screen{m_screenWidth, m_screenHeight};
    bool stepped = true;
    if (m_drawRate == 0) {
        m_tank.renderFrame(m_state.random, m_state.settings, m_state.camera, picture, screen);
    } else {
        const StepPacer::Frame frame = m_pacer.frameAt(now);
        stepped = frame.step;
        if (frame.step) {
            m_tank.step(m_state.random, m_state.settings, m_state.camera, picture.ownImageOn);
        }
        m_tank.drawBlended(frame.blend, picture, screen);
    }
    // The frame goes to the rasteriser now and is shown by the next tick's swap: its threads fill it
    // while the loop waits for that tick, instead of this thread waiting for them in a swap straight
    // after drawing and only then waiting for the timer.
    glFlush();
    m_frameDrawn = true;
    return stepped;
}

void CAquariumView::PresentDrawnFrame() {
    if (m_frameDrawn) {
        m_frameDrawn = false;
        SwapBuffers();
    }
}

void CAquariumView::DrawOneFrameAStep() {
    std::fprintf(
        stderr, "Quillmere: drawing one frame a step: this renderer cannot keep up with %d frames a second\n",
        m_drawRate);
    m_drawRate = 0;
    m_rateWatch.reset();
    m_cadence = FrameCadence(TickInterval);
}

// With own images on and no picture (none chosen yet, or an empty list), the built-in backdrop is hidden
// and the tinted panel left bare; a picture still loading counts as none yet, unless the one before it
// is still there to stay until it is ready. The Stale a click leaves while the slideshow is off shows
// the built-in backdrop instead of binding a texture that does not exist.
CustomBackdropPicture CAquariumView::PublishedPicture() {
    CustomBackdropPicture picture;
    const UserPictureTextures* pictures = m_tank.userPictures();
    if (!m_slideshowPicture || pictures == nullptr) {
        m_shownPicture = PictureId::NoPicture;
        return picture;
    }
    const PictureId current = *m_slideshowPicture;
    if (pictures->holds(current) || !isPicture(current)) {
        m_shownPicture = current;
    } else if (!pictures->holds(m_shownPicture)) {
        m_shownPicture = PictureId::NoPicture;
    }
    if (m_shownPicture == PictureId::NoPicture || pictures->holds(m_shownPicture)) {
        picture.ownImageOn = true;
        picture.picture = m_shownPicture;
    }
    return picture;
}

void CAquariumView::Teardown() {
    if (m_menu->IsShown()) {
        m_menu->Dismiss();
    }
    m_pictureLoader.reset();
    if (m_context) {
        // The tank's textures and display lists go while their context is still current; then the
        // context is released before it is deleted, so nothing is left current on a dead context.
        m_context->SetCurrent(*this);
        m_frameDrawn = false;
        m_tank.releaseGlObjects();
        if (Display* display = wxGetX11Display()) {
            glXMakeCurrent(display, None, nullptr);
        }
        m_context.reset();
    }
    m_ticking = false;
    m_timer.Stop();
}

// Each tick arms the next one for the next frame on a 20 ms cadence (or the draw rate's) counted against
// the clock, so the rate holds at 50 frames a second and a late frame leaves no backlog of ticks; and never
// sooner than 1 ms after this one ends, since a timeout due again at once after a frame that overran would
// keep the loop from its idle-time work, which includes drawing every other window (the popup menu, the
// dialogs). A modal dialog opened from within a tick runs its own loop, which must not start a tick
// inside the one still running.
void CAquariumView::OnTimer(wxTimerEvent&) {
    if (m_inTick) {
        return;
    }
    m_inTick = true;
    if (const FrameCadence::Duration now = FrameCadence::now(); m_cadence.frameDue(now)) {
        PumpPictures();
        if (DrawFrame(now)) {
            builtInMusicTick(m_state.musicFlags, m_services.builtInTune, m_state.settings.volume);
            ++m_ticks;
            if (m_glReportEvery > 0 && m_ticks % m_glReportEvery == 0) {
                ReportGlObjects();
            }
        }
    }
    m_inTick = false;
    if (m_ticking) {
        const auto delay =
            std::chrono::ceil<std::chrono::milliseconds>(m_cadence.delayUntilNext(FrameCadence::now()));
        m_timer.StartOnce(std::max(1, static_cast<int>(delay.count())));
    }
}

void CAquariumView::ReportGlObjects() {
    if (!m_context) {
        return;
    }
    m_context->SetCurrent(*this);
    const GlObjectCount count = countLiveGlObjects();
    std::fprintf(stderr, "Quillmere: tick %lld, live GL textures %d, display lists %d\n", m_ticks,
                 count.textures, count.displayLists);
}

void CAquariumView::OnPaint(wxPaintEvent&) {
    const wxPaintDC dc(this);
    DrawFrame(FrameCadence::now());
}

void CAquariumView::OnSize(wxSizeEvent& event) {
    event.Skip();
    if (!m_context) {
        return;
    }
    const wxSize client = toPhysical(GetClientSize(), GetContentScaleFactor());
    const int width = client.x;
    const int height = client.y > 0 ? client.y : 1;
    // The window covers its monitor, so a new size may mean that the monitor's mode changed.
    ReadScreenMetrics();
    m_context->SetCurrent(*this);
    applyResizeProjection(width, height);
}

void CAquariumView::OnEraseBackground(wxEraseEvent&) {
    // Every frame clears the whole window itself; erasing first would only flicker.
}

void CAquariumView::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) {
        m_tank.toggleHelpText();
    }
    // On to the frame, which ends the program on ESC.
    event.Skip();
}

void CAquariumView::OnRightDown(wxMouseEvent& event) {
    // Not skipped: the toolkit would follow it with a context-menu event that nothing wants.
    m_menu->OpenAt(ClientToScreen(event.GetPosition()));
}

void CAquariumView::OnMouseCursorEvent(wxMouseEvent& event) {
    UpdateCursor();
    event.Skip();
}

// Every command that reaches the view becomes the mode; only Add/Delete Fish keeps it past its dialog.
void CAquariumView::OnCommand(wxCommandEvent& event) {
    m_mode = event.GetId();
    // The pointer shows over the tank while a command's dialog is up.
    UpdateCursor();
    switch (m_mode) {
    case ID_ADD_DELETE_FISH:
        RunFishDialog();
        break;
    case ID_AQUARIUM_SETTINGS:
        RunSettingsDialog();
        m_mode = ID_MODE_IDLE;
        break;
    case ID_CUSTOM_MUSIC:
        ShowMusicDialog();
        m_mode = ID_MODE_IDLE;
        break;
    case ID_CUSTOM_BACKGROUND:
        ShowBackgroundDialog();
        m_mode = ID_MODE_IDLE;
        break;
    case ID_EXIT:
        ExitProgram();
        return;
    default:
        break;
    }
    UpdateCursor();
    event.Skip();
}

// The window keeps whatever cursor it is given, so outside the idle mode the arrow is put back.
void CAquariumView::UpdateCursor() {
    SetCursor(m_mode == ID_MODE_IDLE ? m_hiddenCursor : *wxSTANDARD_CURSOR);
}

// The Add/Delete Fish dialog, modal; it hands its counts to the tank through the view's TankLink, so
// the tank follows them while it is open.
void CAquariumView::RunFishDialog() {
    FishDialog dialog(wxGetTopLevelParent(this), *this, m_state.random, m_services.settingsFile);
    dialog.ShowModal();
}

// The Aquarium Settings dialog, modal; it reaches the tank through the view's TankLink.
void CAquariumView::RunSettingsDialog() {
    AquariumSettingsDialog dialog(wxGetTopLevelParent(this), *this, m_services.settingsFile);
    dialog.ShowModal();
}

// Centres and shows the Custom Music dialog; it exists once the set-up has run.
void CAquariumView::ShowMusicDialog() {
    if (m_musicDlg != nullptr) {
        m_musicDlg->ShowCentred();
    }
}

// Centres and shows the Custom Background dialog; it exists once the set-up has run.
void CAquariumView::ShowBackgroundDialog() {
    if (m_backgroundDlg != nullptr) {
        m_backgroundDlg->ShowCentred();
    }
}

// Ends the program at once, with exit code 0. The view lets go of its context first; the frame then
// closes and the main loop ends as after ESC, so the application's exit releases the sound device, the
// screen-blanking hold and the single-instance locks. The settings file is written the moment a value
// changes, so nothing is left to save.
void CAquariumView::ExitProgram() {
    Teardown();
    if (wxWindow* top = wxGetTopLevelParent(this)) {
        top->Close(true);
    }
    // Ends the loop even where another top-level window, such as a hidden dialog, is still open.
    wxTheApp->ExitMainLoop();
}

} // namespace quillmere
