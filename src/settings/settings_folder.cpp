#include "settings/settings_folder.h"

#include "settings/settings_keys.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

// A relative value would put the settings wherever the program happened to be started.
bool isAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::optional<std::filesystem::path> homeFolder() {
    if (const char* home = std::getenv("HOME"); isAbsolute(home))
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && isAbsolute(entry->pw_dir))
        return entry->pw_dir;
    return std::nullopt;
}

std::optional<std::filesystem::path> configBase() {
    // The XDG rules ignore a relative value.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); isAbsolute(xdg))
        return xdg;
    if (const auto home = homeFolder())
        return *home / ".config";
    return std::nullopt;
}

} // namespace

std::string unusableSettingsFolderReason(const std::filesystem::path& dir, bool needsWrite) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(dir, error))
        return "not a settings folder: " + dir.string();
    if (::access(dir.c_str(), R_OK | X_OK | (needsWrite ? W_OK : 0)) != 0)
        return (needsWrite ? "settings folder cannot be read and written: "
                           : "settings folder cannot be read: ") +
               dir.string();
    const fs::path file = dir / SettingsFileName;
    const fs::file_status status = fs::status(file, error);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return "settings file is not a regular file: " + file.string();
        if (::access(file.c_str(), R_OK) != 0)
            return "settings file cannot be read: " + file.string();
    }
    return {};
}

std::optional<std::filesystem::path> settingsFolder() {
    const std::optional<std::filesystem::path> base = configBase();
    if (!base)
        return std::nullopt;
    std::error_code ignored;
    std::filesystem::create_directories(*base, ignored);
    std::filesystem::path folder = *base / "quillmere";
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

} // namespace quillmere
