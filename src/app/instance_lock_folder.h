#pragma once

#include <filesystem>
#include <optional>

namespace quillmere {

// Where the single-instance lock files live: the user's runtime folder ($XDG_RUNTIME_DIR), which the
// session clears at logout so a crashed run never leaves a stale lock behind for long. Without one, a
// private folder "quillmere-<uid>" under the temporary folder; nullopt when neither is usable.
std::optional<std::filesystem::path> instanceLockFolder();

// The rule behind instanceLockFolder(), with the environment passed in. runtimeDir is the value of
// $XDG_RUNTIME_DIR (null when unset); it counts only when it is an absolute path to an existing folder.
// The fallback folder is created with mode 0700 and used only when it is a real folder (not a link)
// owned by this user that nobody else may enter.
std::optional<std::filesystem::path> instanceLockFolder(const char* runtimeDir,
                                                        const std::filesystem::path& tempFolder);

} // namespace quillmere
