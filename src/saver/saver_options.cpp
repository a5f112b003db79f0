#include "saver/saver_options.h"

#include <charconv>
#include <string_view>
#include <system_error>

namespace quillmere {

namespace {

// "-name" and "--name" both name the option "name"; anything else is no option.
std::string_view optionName(std::string_view arg) {
    if (arg.starts_with("--"))
        return arg.substr(2);
    if (arg.starts_with("-"))
        return arg.substr(1);
    return {};
}

template <typename Number> std::optional<Number> parseWhole(std::string_view text, int base) {
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || next != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<unsigned long> parseWindowId(const std::string& text) {
    const std::string_view view = text;
    const bool hex = view.starts_with("0x") || view.starts_with("0X");
    const auto id = parseWhole<unsigned long>(hex ? view.substr(2) : view, hex ? 16 : 10);
    if (!id || *id == 0 || *id > 0xFFFFFFFFul)
        return std::nullopt;
    return id;
}

std::string parseSaverOptions(int argc, const char* const* argv, SaverOptions& options) {
    bool haveFps = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = optionName(argv[i]);
        SaverMode mode = SaverMode::Unset;
        if (name == "root") {
            mode = SaverMode::Root;
        } else if (name == "window") {
            mode = SaverMode::Own;
        } else if (name == "window-id") {
            if (i + 1 >= argc)
                return "-window-id takes a window id";
            const auto id = parseWindowId(argv[++i]);
            if (!id)
                return "-window-id takes a window id, decimal or 0x hexadecimal: " + std::string(argv[i]);
            mode = SaverMode::WindowId;
            options.windowId = *id;
        } else if (name == "fps") {
            const auto fps = i + 1 < argc ? parseWhole<int>(argv[++i], 10) : std::nullopt;
            if (haveFps || !fps || *fps < 1 || *fps > MaxSaverFps)
                return "-fps takes a whole number of frames a second from 1 to " +
                       std::to_string(MaxSaverFps);
            options.fps = *fps;
            haveFps = true;
            continue;
        } else if (name == "h" || name == "help") {
            options.help = true;
            return {};
        } else {
            return std::string("unknown option ") + argv[i] + "\n" + SaverUsage;
        }
        // The daemon's settings tool gives both -root and -window-id for its preview; the window named
        // wins, as it does for the daemon's own hacks.
        const bool rootAndWindow = (options.mode == SaverMode::Root && mode == SaverMode::WindowId) ||
                                   (options.mode == SaverMode::WindowId && mode == SaverMode::Root);
        if (rootAndWindow)
            mode = SaverMode::WindowId;
        else if (options.mode != SaverMode::Unset && options.mode != mode)
            return "choose one of -root, -window and -window-id";
        options.mode = mode;
    }
    return {};
}

std::string chooseSaverTarget(const SaverOptions& options, const char* daemonWindow, SaverTarget& target) {
    const bool daemonCounts = daemonWindow && *daemonWindow &&
                              (options.mode == SaverMode::Unset || options.mode == SaverMode::Root);
    if (daemonCounts) {
        const auto id = parseWindowId(daemonWindow);
        if (!id)
            return "XSCREENSAVER_WINDOW is not a window id: " + std::string(daemonWindow);
        target = {SaverTarget::Kind::Window, *id};
        return {};
    }
    switch (options.mode) {
    case SaverMode::WindowId:
        target = {SaverTarget::Kind::Window, options.windowId};
        break;
    case SaverMode::Root:
        target = {SaverTarget::Kind::Root, 0};
        break;
    case SaverMode::Unset:
    case SaverMode::Own:
        target = {SaverTarget::Kind::Own, 0};
        break;
    }
    return {};
}

} // namespace quillmere
