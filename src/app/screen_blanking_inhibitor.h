#pragma once

#include <cstdint>

struct _GDBusConnection;
struct _XDisplay;

namespace quillmere {

// Holds off the desktop's screen blanking for as long as it lives, as a video player does: through the
// session's screen saver service on D-Bus (the freedesktop interface, else GNOME's session manager)
// and through the X server's own screen saver and power-saving timers. Whatever is missing (no session
// bus in a bare X session or a test server) is done without; holding() tells whether anything is left.
class ScreenBlankingInhibitor {
public:
    // display: the toolkit's X connection, or null; it must outlive this object.
    explicit ScreenBlankingInhibitor(_XDisplay* display);
    ~ScreenBlankingInhibitor();

    ScreenBlankingInhibitor(const ScreenBlankingInhibitor&) = delete;
    ScreenBlankingInhibitor& operator=(const ScreenBlankingInhibitor&) = delete;

    // Whether anything holds the blanking off. In a Wayland session the X server is XWayland, whose
    // screen saver the compositor never asks, so there only the session's service counts.
    bool holding() const;

private:
    enum class Service { Nothing, FreedesktopScreenSaver, GnomeSessionManager };

    void inhibitOverDBus();
    void releaseOverDBus();

    _XDisplay* m_display = nullptr;
    bool m_xSuspended = false;
    _GDBusConnection* m_bus = nullptr;
    Service m_service = Service::Nothing;
    std::uint32_t m_cookie = 0;
};

} // namespace quillmere
