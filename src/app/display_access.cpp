#include "app/display_access.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quillmere {

namespace {

constexpr const char* BackendVariable = "GDK_BACKEND";

// Reads the 32-bit items of a property of window into items; false when there is none of that type.
bool readProperty(Display* display, Window window, Atom property, Atom type,
                  std::vector<unsigned long>& items) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType,
                                         &format, &count, &after, &data) == Success;
    if (read && actualType == type && format == 32 && data != nullptr) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return read && actualType == type && format == 32;
}

} // namespace

X11BackendChoice::X11BackendChoice() {
    if (const char* previous = std::getenv(BackendVariable)) {
        m_previous = previous;
    }
    ::setenv(BackendVariable, "x11", 1);
}

X11BackendChoice::~X11BackendChoice() {
    if (m_previous) {
        ::setenv(BackendVariable, m_previous->c_str(), 1);
    } else {
        ::unsetenv(BackendVariable);
    }
}

DisplayProbe::DisplayProbe() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (wayland != nullptr && wayland[0] != '\0') {
            m_problem = "Quillmere: cannot open the display: this Wayland session offers no X server "
                        "(DISPLAY is not set), and Quillmere runs through XWayland.";
        } else {
            m_problem = "Quillmere: cannot open the display: DISPLAY is not set. Start Quillmere from a "
                        "graphical desktop session.";
        }
        return;
    }
    m_display = XOpenDisplay(name);
    if (m_display == nullptr) {
        m_problem = std::string("Quillmere: cannot open the display \"") + name + "\".";
    }
}

bool windowManagerKnowsFullScreen(_XDisplay* display) {
    if (display == nullptr) {
        return false;
    }
    const Window root = DefaultRootWindow(display);
    // A window manager that left stale hints behind when it ended no longer has its check window.
    std::vector<unsigned long> check;
    std::vector<unsigned long> checkOfCheck;
    const Atom checkAtom = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    if (!readProperty(display, root, checkAtom, XA_WINDOW, check) || check.empty() ||
        !readProperty(display, check[0], checkAtom, XA_WINDOW, checkOfCheck) || checkOfCheck.empty() ||
        checkOfCheck[0] != check[0]) {
        return false;
    }
    std::vector<unsigned long> supported;
    readProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM, supported);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    return std::find(supported.begin(), supported.end(), fullScreen) != supported.end();
}

DisplayProbe::~DisplayProbe() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

} // namespace quillmere
