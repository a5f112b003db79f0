#pragma once

#include "settings/profile_document.h"

#include <cstddef>
#include <filesystem>

namespace quillmere {

// How far a save goes before it returns. A durable save has reached the disk; a lazy one, made for
// savers that run many times a second, skips the fsync and leaves that to flushToDisk().
enum class SaveDurability { Durable, Lazy };

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
    bool save(const ProfileDocument& doc, SaveDurability durability = SaveDurability::Durable);

    // Makes what lazy saves wrote reach the disk; does nothing when they all have.
    void flushToDisk();

private:
    bool replaceFile(const std::string& bytes, SaveDurability durability);

    std::filesystem::path m_path;
    bool m_oversized = false;
    bool m_reportedFailure = false;
    bool m_unflushed = false; // a lazy save replaced the file since the last fsync
};

} // namespace quillmere
