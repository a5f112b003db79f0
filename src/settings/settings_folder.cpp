#include "settings/settings_folder.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "/tmp";
}

std::filesystem::path configBase() {
    // The XDG rules ignore a relative value.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return xdg;
    return homeFolder() / ".config";
}

} // namespace

std::filesystem::path settingsFolder() {
    const std::filesystem::path base = configBase();
    std::error_code ignored;
    std::filesystem::create_directories(base, ignored);
    std::filesystem::path folder = base / "quillmere";
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

} // namespace quillmere
