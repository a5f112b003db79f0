#pragma once

#include <optional>
#include <string>

namespace quillmere {

// Where the screen saver was told to draw.
enum class SaverMode {
    Unset,    // no option: the daemon's window when it names one, else a window of its own
    Root,     // -root: the daemon's window when it names one, else the screen's root window
    Own,      // -window: a window of its own, for trying it out
    WindowId, // -window-id ID, with -root or without: that window
};

constexpr int DefaultSaverFps = 30;
constexpr int MaxSaverFps = 1000;

// What quillmere-saver was asked for on its command line.
struct SaverOptions {
    SaverMode mode = SaverMode::Unset;
    unsigned long windowId = 0; // for WindowId
    int fps = DefaultSaverFps;  // frames a second
    bool help = false;          // -h or --help: print the usage and do nothing else
};

inline constexpr const char* SaverUsage = "usage: quillmere-saver [-root] [-window | -window-id ID] [-fps N]";

// Reads the command line into options; each option may also be written with two dashes. Returns an
// empty text when the options are good, else the message to print. -h or --help stops the reading.
std::string parseSaverOptions(int argc, const char* const* argv, SaverOptions& options);

// An X window id as the daemon and the lockers write it: decimal, or hexadecimal after "0x". Nothing
// for 0, for text that is not a whole id, or for one past 32 bits.
std::optional<unsigned long> parseWindowId(const std::string& text);

// The window the saver ends up drawing into.
struct SaverTarget {
    enum class Kind { Own, Root, Window } kind = Kind::Own;
    unsigned long windowId = 0; // for Window
};

// Chooses the window from the options and the daemon's $XSCREENSAVER_WINDOW (null when unset), which
// counts only where no window was named on the command line. Returns an empty text, or why the
// environment's value cannot be used.
std::string chooseSaverTarget(const SaverOptions& options, const char* daemonWindow, SaverTarget& target);

} // namespace quillmere
