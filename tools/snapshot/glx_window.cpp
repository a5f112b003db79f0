#include "glx_window.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>

namespace quillmere {

struct GlxWindow::Handles {
    Display* display = nullptr;
    Colormap colormap = 0;
    Window window = 0;
    GLXContext context = nullptr;
};

namespace {

struct VisualInfoDeleter {
    void operator()(XVisualInfo* info) const { XFree(info); }
};

} // namespace

std::unique_ptr<GlxWindow> GlxWindow::open(int width, int height, const std::string& title,
                                           std::string& error) {
    auto window = std::make_unique<GlxWindow>(Key{});
    window->m_width = width;
    window->m_height = height;
    window->m_x = std::make_unique<Handles>();
    Handles& x = *window->m_x;
    x.display = XOpenDisplay(nullptr);
    Display* display = x.display;
    if (!display) {
        error = "cannot open the X display (is DISPLAY set?)";
        return nullptr;
    }
    int errorBase = 0;
    int eventBase = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase)) {
        error = "the X display has no GLX";
        return nullptr;
    }
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
                        8,        GLX_DEPTH_SIZE,   24,           None};
    const std::unique_ptr<XVisualInfo, VisualInfoDeleter> visual(
        glXChooseVisual(display, DefaultScreen(display), attributes));
    if (!visual) {
        error = "no RGBA double-buffered visual with a depth buffer";
        return nullptr;
    }
    const Window root = RootWindow(display, visual->screen);
    x.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    XSetWindowAttributes set{};
    set.colormap = x.colormap;
    set.border_pixel = 0;
    set.event_mask = StructureNotifyMask;
    // No window manager may resize or decorate it: the picture must be exactly the size asked for.
    set.override_redirect = True;
    x.window = XCreateWindow(display, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                             0, visual->depth, InputOutput, visual->visual,
                             CWColormap | CWBorderPixel | CWEventMask | CWOverrideRedirect, &set);
    XStoreName(display, x.window, title.c_str());
    XMapWindow(display, x.window);
    XEvent event;
    do {
        XWindowEvent(display, x.window, StructureNotifyMask, &event);
    } while (event.type != MapNotify);

    x.context = glXCreateContext(display, visual.get(), nullptr, True);
    if (!x.context) {
        error = "cannot create a GLX context";
        return nullptr;
    }
    if (!glXMakeCurrent(display, x.window, x.context)) {
        error = "cannot make the GLX context current";
        return nullptr;
    }
    return window;
}

GlxWindow::GlxWindow(Key) {}

GlxWindow::~GlxWindow() {
    if (!m_x || !m_x->display)
        return;
    Display* display = m_x->display;
    if (m_x->context) {
        glXMakeCurrent(display, None, nullptr);
        glXDestroyContext(display, m_x->context);
    }
    if (m_x->window)
        XDestroyWindow(display, m_x->window);
    if (m_x->colormap)
        XFreeColormap(display, m_x->colormap);
    XCloseDisplay(display);
}

void GlxWindow::makeCurrent() const {
    glXMakeCurrent(m_x->display, m_x->window, m_x->context);
}

void GlxWindow::releaseCurrent() const {
    glXMakeCurrent(m_x->display, None, nullptr);
}

void GlxWindow::swapBuffers() const {
    glXSwapBuffers(m_x->display, m_x->window);
}

RgbImage GlxWindow::readBackBuffer() const {
    RgbImage image;
    image.width = m_width;
    image.height = m_height;
    image.pixels.resize(static_cast<std::size_t>(m_width) * m_height * 3);
    std::vector<std::uint8_t> bottomUp(image.pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    const std::size_t rowBytes = static_cast<std::size_t>(m_width) * 3;
    for (int y = 0; y < m_height; ++y)
        std::copy_n(bottomUp.data() + (m_height - 1 - y) * rowBytes, rowBytes,
                    image.pixels.data() + y * rowBytes);
    return image;
}

} // namespace quillmere
