#include "app/aquarium_app.h"
#include "app/display_access.h"

#include <cstdio>
#include <cstring>
#include <wx/init.h>

wxIMPLEMENT_APP_NO_MAIN(quillmere::CAquariumApp);

namespace {

constexpr const char* Usage =
    "usage: quillmere\n"
    "Fills the screen with a 3D aquarium. ESC ends it, F1 shows the keys, a right click opens the menu.\n"
    "Other arguments are ignored; the settings live in ~/.config/quillmere/ (see quillmere(6)).\n";

bool asksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

// The toolkit's own start-up is split open so that a missing display gives a clear message and a
// failure exit code, and a second copy ends with exit code 0.
int main(int argc, char** argv) {
    if (asksForHelp(argc, argv)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    bool started = false;
    {
        const quillmere::DisplayProbe display;
        if (!display.problem().empty()) {
            std::fprintf(stderr, "%s\n", display.problem().c_str());
            return 1;
        }
        const quillmere::X11BackendChoice backend;
        started = wxEntryStart(argc, argv);
    }
    if (!started) {
        std::fputs("Quillmere: cannot open the display; the user interface toolkit did not start.\n", stderr);
        return 1;
    }
    int exitCode = 0;
    quillmere::CAquariumApp& app = wxGetApp();
    if (!app.CallOnInit()) {
        exitCode = app.initFailureExitCode();
    } else {
        exitCode = app.OnRun();
        app.OnExit();
    }
    wxEntryCleanup();
    return exitCode;
}
