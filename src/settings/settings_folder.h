#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillmere {

// The per-user folder that holds "QuillmereSet.ini" and the short-lived extracted assets:
// $XDG_CONFIG_HOME/quillmere, or ~/.config/quillmere. It is created with mode 0700 when absent;
// when it cannot be created the path is still returned and later saves report the failure. Nothing
// when no home folder can be found: a shared folder such as /tmp is never used in its place.
std::optional<std::filesystem::path> settingsFolder();

// Why a folder named by a tool cannot serve as a settings folder, or "" when it can: it must be a
// readable folder (writable too when the tool writes into it) whose "QuillmereSet.ini", when present,
// is a readable regular file.
std::string unusableSettingsFolderReason(const std::filesystem::path& dir, bool needsWrite);

} // namespace quillmere
