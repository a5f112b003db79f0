// Prints whether the X server shows a pointer now: "visible" when the current cursor image has an
// opaque pixel, "hidden" when it has none. Exits 1 when the server cannot tell.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("cursor_probe: cannot open the display\n", stderr);
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    XFixesCursorImage* image =
        XFixesQueryExtension(display, &eventBase, &errorBase) ? XFixesGetCursorImage(display) : nullptr;
    if (image == nullptr) {
        std::fputs("cursor_probe: the server gives no cursor image\n", stderr);
        XCloseDisplay(display);
        return 1;
    }
    bool opaque = false;
    const unsigned long count = static_cast<unsigned long>(image->width) * image->height;
    for (unsigned long i = 0; i < count && !opaque; ++i) {
        opaque = (image->pixels[i] >> 24) != 0; // ARGB, one pixel per long
    }
    std::printf("%s\n", opaque ? "visible" : "hidden");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
