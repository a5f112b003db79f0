// A stand-in for the desktop's screen saver service on a private session bus: it answers Inhibit and
// UnInhibit on org.freedesktop.ScreenSaver and prints one line per call, so a test can see what the
// program asked for. Prints "ready" once it owns the name; runs until killed.
#include <cstdio>
#include <cstdlib>
#include <gio/gio.h>

namespace {

constexpr const char* IntrospectionXml = R"(
<node>
  <interface name="org.freedesktop.ScreenSaver">
    <method name="Inhibit">
      <arg type="s" name="application_name" direction="in"/>
      <arg type="s" name="reason_for_inhibit" direction="in"/>
      <arg type="u" name="cookie" direction="out"/>
    </method>
    <method name="UnInhibit">
      <arg type="u" name="cookie" direction="in"/>
    </method>
  </interface>
</node>)";

constexpr guint32 Cookie = 4242;

void onMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                  GVariant* parameters, GDBusMethodInvocation* invocation, gpointer) {
    if (g_strcmp0(method, "Inhibit") == 0) {
        const gchar* application = nullptr;
        const gchar* reason = nullptr;
        g_variant_get(parameters, "(&s&s)", &application, &reason);
        std::printf("Inhibit %s %u\n", application, Cookie);
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(u)", Cookie));
    } else {
        guint32 cookie = 0;
        g_variant_get(parameters, "(u)", &cookie);
        std::printf("UnInhibit %u\n", cookie);
        g_dbus_method_invocation_return_value(invocation, nullptr);
    }
    std::fflush(stdout);
}

const GDBusInterfaceVTable VTable = {onMethodCall, nullptr, nullptr, {}};

void onBusAcquired(GDBusConnection* connection, const gchar*, gpointer data) {
    auto* info = static_cast<GDBusNodeInfo*>(data);
    g_dbus_connection_register_object(connection, "/org/freedesktop/ScreenSaver", info->interfaces[0],
                                      &VTable, nullptr, nullptr, nullptr);
}

void onNameAcquired(GDBusConnection*, const gchar*, gpointer) {
    std::printf("ready\n");
    std::fflush(stdout);
}

void onNameLost(GDBusConnection*, const gchar*, gpointer) {
    std::fprintf(stderr, "fake_screen_saver: cannot own org.freedesktop.ScreenSaver\n");
    std::exit(1);
}

} // namespace

int main() {
    GDBusNodeInfo* info = g_dbus_node_info_new_for_xml(IntrospectionXml, nullptr);
    g_bus_own_name(G_BUS_TYPE_SESSION, "org.freedesktop.ScreenSaver", G_BUS_NAME_OWNER_FLAGS_NONE,
                   onBusAcquired, onNameAcquired, onNameLost, info, nullptr);
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop);
    return 0;
}
