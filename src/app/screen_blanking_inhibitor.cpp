#include "app/screen_blanking_inhibitor.h"

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <cstdlib>
#include <filesystem>
#include <gio/gio.h>

namespace quillmere {

namespace {

constexpr const char* AppName = "Quillmere";
constexpr const char* Reason = "Showing the aquarium";
constexpr int CallTimeoutMs = 2000;
constexpr guint32 GnomeInhibitIdle = 8;

// GLib would otherwise start a bus of its own through X11 autolaunch when none is announced, and leave
// that daemon running after we end.
bool sessionBusAnnounced() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && address[0] != '\0') {
        return true;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return runtime != nullptr && runtime[0] == '/' &&
           std::filesystem::is_socket(std::filesystem::path(runtime) / "bus", error);
}

// A private connection, so that losing the bus never ends the program (the shared one exits the
// process when the bus goes away).
GDBusConnection* openSessionBus() {
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (address == nullptr) {
        return nullptr;
    }
    const auto flags = static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                         G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION);
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(address, flags, nullptr, nullptr, nullptr);
    g_free(address);
    return bus;
}

// Calls a method whose reply is one uint32, the inhibition cookie; false on any failure.
bool callForCookie(GDBusConnection* bus, const char* service, const char* path, const char* interface,
                   const char* method, GVariant* parameters, guint32& cookie) {
    GVariant* reply =
        g_dbus_connection_call_sync(bus, service, path, interface, method, parameters, G_VARIANT_TYPE("(u)"),
                                    G_DBUS_CALL_FLAGS_NO_AUTO_START, CallTimeoutMs, nullptr, nullptr);
    if (reply == nullptr) {
        return false;
    }
    g_variant_get(reply, "(u)", &cookie);
    g_variant_unref(reply);
    return true;
}

void callIgnoringReply(GDBusConnection* bus, const char* service, const char* path, const char* interface,
                       const char* method, GVariant* parameters) {
    GVariant* reply =
        g_dbus_connection_call_sync(bus, service, path, interface, method, parameters, nullptr,
                                    G_DBUS_CALL_FLAGS_NO_AUTO_START, CallTimeoutMs, nullptr, nullptr);
    if (reply != nullptr) {
        g_variant_unref(reply);
    }
}

bool suspendXScreenSaver(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (display == nullptr || !XScreenSaverQueryExtension(display, &eventBase, &errorBase) ||
        !XScreenSaverQueryVersion(display, &major, &minor) || (major == 1 && minor < 1) || major < 1) {
        return false;
    }
    XScreenSaverSuspend(display, True);
    XFlush(display);
    return true;
}

} // namespace

ScreenBlankingInhibitor::ScreenBlankingInhibitor(_XDisplay* display) : m_display(display) {
    m_xSuspended = suspendXScreenSaver(m_display);
    inhibitOverDBus();
}

ScreenBlankingInhibitor::~ScreenBlankingInhibitor() {
    releaseOverDBus();
    if (m_xSuspended) {
        XScreenSaverSuspend(m_display, False);
        XFlush(m_display);
    }
}

bool ScreenBlankingInhibitor::holding() const {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool waylandSession = wayland != nullptr && wayland[0] != '\0';
    return m_service != Service::Nothing || (m_xSuspended && !waylandSession);
}

void ScreenBlankingInhibitor::inhibitOverDBus() {
    if (!sessionBusAnnounced()) {
        return;
    }
    m_bus = openSessionBus();
    if (m_bus == nullptr) {
        return;
    }
    if (callForCookie(m_bus, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                      "org.freedesktop.ScreenSaver", "Inhibit", g_variant_new("(ss)", AppName, Reason),
                      m_cookie)) {
        m_service = Service::FreedesktopScreenSaver;
        return;
    }
    if (callForCookie(m_bus, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                      "org.gnome.SessionManager", "Inhibit",
                      g_variant_new("(susu)", AppName, 0u, Reason, GnomeInhibitIdle), m_cookie)) {
        m_service = Service::GnomeSessionManager;
        return;
    }
    releaseOverDBus();
}

void ScreenBlankingInhibitor::releaseOverDBus() {
    if (m_bus == nullptr) {
        return;
    }
    switch (m_service) {
    case Service::FreedesktopScreenSaver:
        callIgnoringReply(m_bus, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                          "org.freedesktop.ScreenSaver", "UnInhibit", g_variant_new("(u)", m_cookie));
        break;
    case Service::GnomeSessionManager:
        callIgnoringReply(m_bus, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                          "org.gnome.SessionManager", "Uninhibit", g_variant_new("(u)", m_cookie));
        break;
    case Service::Nothing:
        break;
    }
    m_service = Service::Nothing;
    // Closing the connection also makes the service drop anything still held in our name.
    g_dbus_connection_close_sync(m_bus, nullptr, nullptr);
    g_object_unref(m_bus);
    m_bus = nullptr;
}

} // namespace quillmere
