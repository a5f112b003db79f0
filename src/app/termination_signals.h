#pragma once

#include <wx/app.h>

namespace quillmere {

// Routes SIGTERM (a desktop session's logout) and SIGINT to handler. The toolkit's own signal
// handler only records the signal and wakes the event loop, which then calls handler from the main
// loop, so handler may use any toolkit call. Returns false when a signal could not be routed.
bool routeTerminationSignals(wxApp& app, wxApp::SignalHandler handler);

} // namespace quillmere
