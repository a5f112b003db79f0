// host_window WIDTHxHEIGHT [--no-depth-buffer]: stands in for the screen-saver daemon. Maps a plain grey
// window, prints its id in hexadecimal, and keeps it until killed, which destroys it. The window has
// the screen's default visual, or with --no-depth-buffer a 24-bit one that GL cannot draw the tank
// into directly, as a locker that knows nothing of GL might hand over.

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstring>

namespace {

Visual* visualWithoutDepthBuffer(Display* display, int screen) {
    XVisualInfo wanted{};
    wanted.screen = screen;
    wanted.depth = 24;
    wanted.c_class = TrueColor;
    int count = 0;
    XVisualInfo* infos =
        XGetVisualInfo(display, VisualScreenMask | VisualDepthMask | VisualClassMask, &wanted, &count);
    Visual* found = nullptr;
    for (int i = 0; i < count && !found; ++i) {
        int depthBits = 0;
        if (glXGetConfig(display, &infos[i], GLX_DEPTH_SIZE, &depthBits) == 0 && depthBits == 0)
            found = infos[i].visual;
    }
    if (infos)
        XFree(infos);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    unsigned width = 0;
    unsigned height = 0;
    const bool noDepth = argc == 3 && std::strcmp(argv[2], "--no-depth-buffer") == 0;
    if ((argc != 2 && !noDepth) || std::sscanf(argv[1], "%ux%u", &width, &height) != 2 || width == 0 ||
        height == 0) {
        std::fputs("usage: host_window WIDTHxHEIGHT [--no-depth-buffer]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("host_window: cannot open the X display\n", stderr);
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    Visual* visual = noDepth ? visualWithoutDepthBuffer(display, screen) : DefaultVisual(display, screen);
    if (!visual) {
        std::fputs("host_window: no 24-bit visual without a depth buffer\n", stderr);
        return 1;
    }
    XSetWindowAttributes set{};
    set.colormap = XCreateColormap(display, root, visual, AllocNone);
    set.border_pixel = 0;
    // Grey, so that a window the saver never drew into is told apart from the tank.
    set.background_pixel = 0x808080;
    set.event_mask = StructureNotifyMask;
    const Window window = XCreateWindow(display, root, 0, 0, width, height, 0, 24, InputOutput, visual,
                                        CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &set);
    XStoreName(display, window, "host window");
    XMapWindow(display, window);
    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (;;)
        XNextEvent(display, &event);
}
