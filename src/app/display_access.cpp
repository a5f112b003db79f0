#include "app/display_access.h"

#include <X11/Xlib.h>
#include <cstdlib>

namespace quillmere {

namespace {

constexpr const char* BackendVariable = "GDK_BACKEND";

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

DisplayProbe::~DisplayProbe() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

} // namespace quillmere
