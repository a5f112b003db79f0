#pragma once

#include <optional>
#include <string>

struct _XDisplay;

namespace quillmere {

// The GL canvas of this toolkit build draws through GLX only, so the toolkit must start on its X11
// backend; in a Wayland session the program then runs through XWayland. Hold one of these while the
// toolkit starts: it puts the environment back afterwards, so that programs started from here (a web
// browser for a link) still choose their own backend.
class X11BackendChoice {
public:
    X11BackendChoice();
    ~X11BackendChoice();

    X11BackendChoice(const X11BackendChoice&) = delete;
    X11BackendChoice& operator=(const X11BackendChoice&) = delete;

private:
    std::optional<std::string> m_previous; // GDK_BACKEND before, nullopt when it was unset
};

// Opens a connection to the X display and holds it until destroyed. Keep it while the toolkit
// starts: an X server that is left without clients resets itself, and a toolkit connecting in that
// moment fails.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();

    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // Empty when the display is open; otherwise the message to print before giving up.
    const std::string& problem() const { return m_problem; }

private:
    _XDisplay* m_display = nullptr;
    std::string m_problem;
};

// Whether a window manager runs that takes the full-screen state of the freedesktop window-manager
// hints (_NET_WM_STATE_FULLSCREEN): it announces itself on the root window and lists the state there.
bool windowManagerKnowsFullScreen(_XDisplay* display);

} // namespace quillmere
