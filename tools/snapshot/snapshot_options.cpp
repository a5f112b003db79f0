#include "snapshot_options.h"

#include "settings/settings_folder.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace quillmere {

namespace {

namespace fs = std::filesystem;

template <typename Number> std::optional<Number> parseWhole(std::string_view text, Number min, Number max) {
    Number value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || next != end || value < min || value > max)
        return std::nullopt;
    return value;
}

bool parseSize(std::string_view text, int& width, int& height) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos)
        return false;
    const auto w = parseWhole<int>(text.substr(0, cross), 1, MaxSnapshotSide);
    const auto h = parseWhole<int>(text.substr(cross + 1), 1, MaxSnapshotSide);
    if (!w || !h)
        return false;
    width = *w;
    height = *h;
    return true;
}

} // namespace

std::string parseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options) {
    bool haveDir = false;
    bool haveFrames = false;
    bool haveSize = false;
    bool haveOut = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool known = arg == "--dir" || arg == "--frames" || arg == "--size" || arg == "--out";
        if (!known || i + 1 >= argc)
            return SnapshotUsage;
        const std::string_view value = argv[++i];
        if (arg == "--dir") {
            if (haveDir || value.empty())
                return SnapshotUsage;
            options.dir = fs::path(std::string(value));
            haveDir = true;
        } else if (arg == "--frames") {
            const auto frames = parseWhole<long long>(value, 1, MaxSnapshotFrames);
            if (haveFrames || !frames)
                return "--frames takes a whole number from 1 to " + std::to_string(MaxSnapshotFrames);
            options.frames = *frames;
            haveFrames = true;
        } else if (arg == "--size") {
            if (haveSize || !parseSize(value, options.width, options.height))
                return "--size takes WIDTHxHEIGHT, each from 1 to " + std::to_string(MaxSnapshotSide);
            haveSize = true;
        } else {
            if (haveOut || value.empty())
                return SnapshotUsage;
            options.out = fs::path(std::string(value));
            haveOut = true;
        }
    }
    if (!haveDir || !haveFrames || !haveSize || !haveOut)
        return SnapshotUsage;
    return {};
}

std::string checkSnapshotPaths(const SnapshotOptions& options) {
    std::error_code error;
    if (std::string reason = unusableSettingsFolderReason(options.dir, true); !reason.empty())
        return reason;
    const fs::path outFolder = options.out.has_parent_path() ? options.out.parent_path() : fs::path(".");
    if (!fs::is_directory(outFolder, error) || ::access(outFolder.c_str(), W_OK | X_OK) != 0)
        return "cannot write into the picture's folder: " + outFolder.string();
    if (fs::is_directory(options.out, error))
        return "the picture's path is a folder: " + options.out.string();
    return {};
}

} // namespace quillmere
