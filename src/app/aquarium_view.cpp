#include "app/aquarium_view.h"

#include "assets/asset_folder.h"
#include "audio/music_tick.h"
#include "core/frame_cadence.h"
#include "render/gl_setup.h"
#include "settings/settings_file.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <chrono>
#include <cmath>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

constexpr int TickTimerId = 1;
constexpr std::chrono::milliseconds TickInterval{20};

FrameCadence::Duration sinceEpoch() {
    return std::chrono::duration_cast<FrameCadence::Duration>(
        std::chrono::steady_clock::now().time_since_epoch());
}

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
      m_tank(state.random) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_TIMER, &CAquariumView::OnTimer, this, TickTimerId);
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_SIZE, &CAquariumView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_CHAR_HOOK, &CAquariumView::OnCharHook, this);
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
    if (!m_tank.setUp(m_state.random, m_services.settingsFile, m_state.settings, m_state.camera,
                      AssetFolder())) {
        wxMessageBox("MAP SIZE ERROR", "Quillmere", wxOK, GetParent());
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

void CAquariumView::RenderFrame() {
    if (!m_context) {
        return;
    }
    m_context->SetCurrent(*this);
    m_tank.renderFrame(m_state.random, m_state.settings, m_state.camera, m_picture,
                       ScreenSize{m_screenWidth, m_screenHeight});
    SwapBuffers();
}

void CAquariumView::Teardown() {
    if (m_context) {
        // The tank's textures and display lists go while their context is still current; then the
        // context is released before it is deleted, so nothing is left current on a dead context.
        m_context->SetCurrent(*this);
        m_tank.releaseGlObjects();
        if (Display* display = wxGetX11Display()) {
            glXMakeCurrent(display, None, nullptr);
        }
        m_context.reset();
    }
    m_ticking = false;
    m_timer.Stop();
}

// A periodic GLib timeout counts its next expiry from the end of each dispatch and so drifts below 50
// frames a second; instead each tick arms a single shot for the next frame on the cadence, so a late
// frame never leaves a backlog of ticks. A modal dialog opened from within a tick runs its own loop,
// which must not start a tick inside the one still running.
void CAquariumView::OnTimer(wxTimerEvent&) {
    if (m_inTick) {
        return;
    }
    m_inTick = true;
    if (m_cadence.frameDue(sinceEpoch())) {
        RenderFrame();
        builtInMusicTick(m_state.musicFlags, m_services.builtInTune, m_state.settings.volume);
    }
    m_inTick = false;
    if (m_ticking) {
        const auto delay =
            std::chrono::ceil<std::chrono::milliseconds>(m_cadence.delayUntilNext(sinceEpoch()));
        m_timer.StartOnce(static_cast<int>(delay.count()));
    }
}

void CAquariumView::OnPaint(wxPaintEvent&) {
    const wxPaintDC dc(this);
    RenderFrame();
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
    ApplyResizeProjection(width, height);
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

} // namespace quillmere
