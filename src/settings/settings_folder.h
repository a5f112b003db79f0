#pragma once

#include <filesystem>

namespace quillmere {

// The per-user folder that holds "QuillmereSet.ini" and the short-lived extracted assets:
// $XDG_CONFIG_HOME/quillmere, or ~/.config/quillmere. It is created with mode 0700 when absent;
// when it cannot be created the path is still returned and later saves report the failure.
std::filesystem::path settingsFolder();

} // namespace quillmere
