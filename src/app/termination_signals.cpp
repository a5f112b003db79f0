#include "app/termination_signals.h"

#include <csignal>

namespace quillmere {

bool routeTerminationSignals(wxApp& app, wxApp::SignalHandler handler) {
    const bool term = app.SetSignalHandler(SIGTERM, handler);
    const bool interrupt = app.SetSignalHandler(SIGINT, handler);
    return term && interrupt;
}

} // namespace quillmere
