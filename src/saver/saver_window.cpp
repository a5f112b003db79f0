#include "saver/saver_window.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>

namespace quillmere {

struct SaverWindow::Handles {
    Display* display = nullptr;
    Window target = 0;   // the window the saver was given, or its own
    Window drawable = 0; // where GL draws: the target, or a child laid over it
    bool ownsTarget = false;
    bool ownsDrawable = false;
    Colormap colormap = 0;
    GLXContext context = nullptr;
    Atom deleteWindow = 0;
    bool gone = false;
};

namespace {

constexpr int OwnWindowWidth = 800;
constexpr int OwnWindowHeight = 600;

struct VisualInfoDeleter {
    void operator()(XVisualInfo* info) const { XFree(info); }
};
using VisualInfo = std::unique_ptr<XVisualInfo, VisualInfoDeleter>;

// A window handed to the saver may be destroyed by its owner at any moment; a frame drawn before the
// DestroyNotify arrives then fails, which is no fault. Other errors are reported and drawing goes on,
// where Xlib's own handler would end the process.
int reportXError(Display* display, XErrorEvent* event) {
    if (event->error_code == BadWindow || event->error_code == BadDrawable)
        return 0;
    char text[256] = {};
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "quillmere-saver: X error: %s (request %d.%d)\n", text, event->request_code,
                 event->minor_code);
    return 0;
}

VisualInfo chooseGlVisual(Display* display, int screen) {
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
                        8,        GLX_DEPTH_SIZE,   16,           None};
    return VisualInfo(glXChooseVisual(display, screen, attributes));
}

// The visual of an existing window, when GL can draw the tank into it as it is.
VisualInfo usableVisualOf(Display* display, const XWindowAttributes& attributes) {
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    int count = 0;
    VisualInfo info(XGetVisualInfo(display, VisualIDMask, &wanted, &count));
    if (!info || count < 1)
        return nullptr;
    int useGl = 0;
    int rgba = 0;
    int doubleBuffer = 0;
    int depth = 0;
    glXGetConfig(display, info.get(), GLX_USE_GL, &useGl);
    glXGetConfig(display, info.get(), GLX_RGBA, &rgba);
    glXGetConfig(display, info.get(), GLX_DOUBLEBUFFER, &doubleBuffer);
    glXGetConfig(display, info.get(), GLX_DEPTH_SIZE, &depth);
    if (!useGl || !rgba || !doubleBuffer || depth < 16)
        return nullptr;
    return info;
}

Window createWindow(Display* display, Window parent, const XVisualInfo& visual, Colormap colormap, int width,
                    int height) {
    XSetWindowAttributes set{};
    set.colormap = colormap;
    set.border_pixel = 0;
    set.background_pixel = 0;
    set.event_mask = StructureNotifyMask;
    return XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                         0, visual.depth, InputOutput, visual.visual,
                         CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &set);
}

} // namespace

std::unique_ptr<SaverWindow> SaverWindow::open(const SaverTarget& target, std::string& error) {
    auto window = std::make_unique<SaverWindow>(Key{});
    window->m_x = std::make_unique<Handles>();
    Handles& x = *window->m_x;
    x.display = XOpenDisplay(nullptr);
    Display* display = x.display;
    if (!display) {
        error = "cannot open the X display (is DISPLAY set?)";
        return nullptr;
    }
    XSetErrorHandler(reportXError);
    int errorBase = 0;
    int eventBase = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        error = "the X display has no GLX";
        return nullptr;
    }
    const int screen = DefaultScreen(display);

    VisualInfo visual;
    if (target.kind == SaverTarget::Kind::Own) {
        visual = chooseGlVisual(display, screen);
        if (!visual) {
            error = "no RGBA double-buffered visual with a depth buffer";
            return nullptr;
        }
        x.colormap = XCreateColormap(display, RootWindow(display, visual->screen), visual->visual, AllocNone);
        x.target = createWindow(display, RootWindow(display, visual->screen), *visual, x.colormap,
                                OwnWindowWidth, OwnWindowHeight);
        x.drawable = x.target;
        x.ownsTarget = true;
        XStoreName(display, x.target, "Quillmere");
        // Named and classed as the toolkit names a program's windows, the class kept apart from the
        // program's own so that a dock does not take this window for the desktop entry's.
        char resName[] = "quillmere-saver";
        char resClass[] = "Quillmere-saver";
        XClassHint classHint{resName, resClass};
        XSetClassHint(display, x.target, &classHint);
        x.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, x.target, &x.deleteWindow, 1);
        XMapWindow(display, x.target);
        window->m_size = {OwnWindowWidth, OwnWindowHeight};
    } else {
        x.target = target.kind == SaverTarget::Kind::Root ? RootWindow(display, screen) : target.windowId;
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, x.target, &attributes)) {
            char id[32];
            std::snprintf(id, sizeof id, "0x%lx", target.windowId);
            error = std::string("there is no window ") + id;
            return nullptr;
        }
        if (attributes.c_class != InputOutput) {
            error = "the window cannot be drawn into (it is input-only)";
            return nullptr;
        }
        // Only the size and the end of the window are watched; its input stays with its owner.
        XSelectInput(display, x.target, StructureNotifyMask);
        window->m_size = {attributes.width, attributes.height};
        visual = usableVisualOf(display, attributes);
        if (visual) {
            x.drawable = x.target;
        } else {
            visual = chooseGlVisual(display, XScreenNumberOfScreen(attributes.screen));
            if (!visual) {
                error = "no RGBA double-buffered visual with a depth buffer";
                return nullptr;
            }
            x.colormap = XCreateColormap(display, x.target, visual->visual, AllocNone);
            x.drawable =
                createWindow(display, x.target, *visual, x.colormap, attributes.width, attributes.height);
            x.ownsDrawable = true;
            XMapWindow(display, x.drawable);
        }
    }

    x.context = glXCreateContext(display, visual.get(), nullptr, True);
    if (!x.context) {
        error = "cannot create a GLX context";
        return nullptr;
    }
    if (!glXMakeCurrent(display, x.drawable, x.context)) {
        error = "cannot make the GLX context current on the window";
        return nullptr;
    }
    return window;
}

SaverWindow::SaverWindow(Key) {}

SaverWindow::~SaverWindow() {
    if (!m_x || !m_x->display)
        return;
    Display* display = m_x->display;
    if (m_x->context) {
        glXMakeCurrent(display, None, nullptr);
        glXDestroyContext(display, m_x->context);
    }
    if (!m_x->gone && m_x->ownsDrawable)
        XDestroyWindow(display, m_x->drawable);
    if (!m_x->gone && m_x->ownsTarget)
        XDestroyWindow(display, m_x->target);
    if (m_x->colormap)
        XFreeColormap(display, m_x->colormap);
    XCloseDisplay(display);
}

int SaverWindow::connectionFd() const {
    return ConnectionNumber(m_x->display);
}

bool SaverWindow::handleEvents() {
    Handles& x = *m_x;
    while (!x.gone && XPending(x.display) > 0) {
        XEvent event;
        XNextEvent(x.display, &event);
        switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window != x.target)
                break;
            m_size = {event.xconfigure.width, event.xconfigure.height};
            if (x.ownsDrawable)
                XResizeWindow(x.display, x.drawable, static_cast<unsigned>(m_size.width),
                              static_cast<unsigned>(m_size.height));
            break;
        case DestroyNotify:
            x.gone = event.xdestroywindow.window == x.target;
            break;
        case ClientMessage:
            x.gone = x.ownsTarget && static_cast<Atom>(event.xclient.data.l[0]) == x.deleteWindow;
            break;
        default:
            break;
        }
    }
    return !x.gone;
}

void SaverWindow::swapBuffers() const {
    glXSwapBuffers(m_x->display, m_x->drawable);
}

} // namespace quillmere
