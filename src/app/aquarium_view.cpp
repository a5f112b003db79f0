#include "app/aquarium_view.h"

#include "settings/settings_file.h"
#include "settings/settings_folder.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <cmath>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace quillmere {

namespace {

constexpr int TickTimerId = 1;
constexpr int TickIntervalMs = 20;

// Light 1: white, placed once while the model-view matrix is the identity, so it stays fixed to the eye.
constexpr GLfloat LightAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat LightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat LightPosition[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};

void applyFixedGlState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, LightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, LightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, LightPosition);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

// Plain exponential fog; start and end have no effect in this mode. The frame replaces the density.
void applyStartupFog() {
    constexpr GLfloat FogColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, FogColour);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
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

CAquariumView::CAquariumView(wxWindow* parent, Random& random, AquariumSettings& settings,
                             CameraValues& camera)
    : wxGLCanvas(parent, canvasAttributes(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxBORDER_NONE | wxWANTS_CHARS),
      m_random(random), m_settings(settings), m_camera(camera), m_timer(this, TickTimerId) {
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
    m_timer.Start(TickIntervalMs);
}

void CAquariumView::SetupScene() {
    if (!CreateContext()) {
        return;
    }
    // Seam: the help text's outline font and its display lists.
    applyFixedGlState();
    ReadScreenMetrics();
    // Seam: extraction and loading of the built-in backdrop and the 15 fish skins.
    SettingsFile(settingsFolder()).loadStartupSettings(m_random, m_settings, m_camera);
    // Seam: the terrain grid, the fish population with its bubbles, the food pellets, in that order,
    // since each reads what the one before produced.
    applyStartupFog();
    // Seam: the Custom Music and Custom Background dialogs, created hidden.
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
    glViewport(0, 0, m_screenWidth, m_screenHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Seam: the scene's frame (projection and camera, help text, lit and unlit passes) is drawn here.
    glFinish();
    SwapBuffers();
}

void CAquariumView::Teardown() {
    if (m_context) {
        // Release the context before deleting it so that nothing is left current on a dead context.
        if (Display* display = wxGetX11Display()) {
            glXMakeCurrent(display, None, nullptr);
        }
        m_context.reset();
    }
    m_timer.Stop();
}

// The GLib timeout behind wxTimer computes its next expiry after each dispatch, so a frame that overruns
// delays the next tick rather than queueing more. A modal dialog opened from within a tick runs its own
// loop, which must not start a tick inside the one still running.
void CAquariumView::OnTimer(wxTimerEvent&) {
    if (m_inTick) {
        return;
    }
    m_inTick = true;
    RenderFrame();
    // Seam: the built-in music is switched on or off after the frame.
    m_inTick = false;
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
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CAquariumView::OnEraseBackground(wxEraseEvent&) {
    // Every frame clears the whole window itself; erasing first would only flicker.
}

void CAquariumView::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) {
        m_showHelpText = !m_showHelpText;
    }
    // On to the frame, which ends the program on ESC.
    event.Skip();
}

} // namespace quillmere
