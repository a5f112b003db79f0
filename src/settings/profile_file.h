#pragma once

#include "core/unique_fd.h"
#include "settings/profile_document.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>

namespace quillmere {

// How far a save goes before it returns. A durable save has reached the disk; a lazy one, made for
// savers that run many times a second, skips the fsync and leaves that to flushToDisk().
enum class SaveDurability { Durable, Lazy };

// Bytes of a settings file that are parsed; a larger file is treated as if it ended there and is
// never written back, so its tail cannot be lost by a save.
// Room for the longest lists the dialogs keep, with long paths.
constexpr std::size_t ProfileReadLimit = std::size_t{16} << 20;

// The calls a ProfileFile makes on the file's bytes. Tests replace them to make a disk fail part-way.
struct ProfileFileCalls {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void* buffer, std::size_t size)> read;
    std::function<ssize_t(int fd, const void* buffer, std::size_t size)> write;

    static ProfileFileCalls system();
};

// One INI file on disk: read whole, replaced whole. A save writes a fresh temporary file beside the
// file (beside the target of a symbolic link, which stays a link) and renames it over the old one, so a
// crash or a full disk leaves the old file or the new one, never a torn one. A file that exists but
// cannot be read whole (unreadable, not a regular file, too large, a read error part-way) is never
// replaced while this object lives: replacing it would lose what could not be read.
class ProfileFile {
public:
    // An empty path is no file at all: loads read nothing and saves keep nothing.
    explicit ProfileFile(std::filesystem::path path, ProfileFileCalls calls = ProfileFileCalls::system());

    const std::filesystem::path& path() const { return m_path; }

    // The document: empty when the file is absent; what could be read, up to its last whole line,
    // when it cannot be read whole, which the first time is said once on standard error.
    ProfileDocument load();

    // Replaces the file with the document when it changed; returns false when nothing was kept. A file
    // that exists keeps its mode (and its owner, where the system allows); a new one gets mode 0600. The
    // first failure of this object is reported on standard error.
    bool save(const ProfileDocument& doc, SaveDurability durability = SaveDurability::Durable);

    // Makes what lazy saves wrote reach the disk; does nothing when they all have.
    void flushToDisk();

private:
    bool replaceFile(const std::string& bytes, SaveDurability durability);
    // A new, empty temporary file beside target, named in temporary.
    UniqueFd createTemporary(const std::filesystem::path& target, std::filesystem::path& temporary);
    void keepAsItIs(const std::string& reason);

    std::filesystem::path m_path;
    ProfileFileCalls m_calls;
    std::string m_keptReason;       // why the file is left as it is this run; empty when it is not
    std::filesystem::path m_target; // the file a save replaced: m_path, or the target of its link
    unsigned m_temporaryCount = 0;
    bool m_reportedFailure = false;
    bool m_unflushed = false; // a lazy save replaced the file since the last fsync
};

} // namespace quillmere
