#pragma once

#include "settings/profile_document.h"

#include <cstddef>
#include <filesystem>

namespace quillmere {

// Bytes of a settings file that are parsed; a larger file is treated as if it ended there and is
// never written back, so its tail cannot be lost by a save.
constexpr std::size_t ProfileReadLimit = 1 << 20;

// One INI file on disk: read whole, replaced whole. A save writes a temporary file beside it and
// renames it over the old one, so a crash or a full disk leaves the old file or the new one, never a
// torn one.
class ProfileFile {
public:
    explicit ProfileFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }

    // The document; an absent or unreadable file reads as empty.
    ProfileDocument load();

    // Replaces the file with the document when it changed. On failure the old file stays and the
    // first failure of this object is reported on standard error.
    bool save(const ProfileDocument& doc);

private:
    bool replaceFile(const std::string& bytes);

    std::filesystem::path m_path;
    bool m_oversized = false;
    bool m_reportedFailure = false;
};

} // namespace quillmere
