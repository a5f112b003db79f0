#include "settings/profile_file.h"

#include "core/unique_fd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

constexpr mode_t NewFileMode = 0600;
// Links deeper than this are a loop; the kernel gives up at the same depth.
constexpr int MaxLinkHops = 40;
// Names tried for the temporary file before a save gives up; another one only exists after a crash
// or when someone else writes into the folder.
constexpr int TemporaryNameTries = 16;

bool writeAll(const ProfileFileCalls& calls, int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename that replaced a file is durable only once its folder's entry is.
void syncFolder(const fs::path& folder) {
    const UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

// The file a chain of symbolic links ends at (which may not exist yet); the path itself when it is no
// link. Dotfile managers link the settings file into a folder of their own, and a save replaces the
// file there so that the link stays.
fs::path finalTarget(fs::path path) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// Bytes up to and with the last line ending: a line cut short by a failed read could hold half a number.
std::string wholeLines(std::string bytes) {
    const std::size_t lastNewline = bytes.rfind('\n');
    bytes.resize(lastNewline == std::string::npos ? 0 : lastNewline + 1);
    return bytes;
}

} // namespace

ProfileFileCalls ProfileFileCalls::system() {
    return ProfileFileCalls{
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); },
        [](int fd, const void* buffer, std::size_t size) { return ::write(fd, buffer, size); },
    };
}

ProfileFile::ProfileFile(std::filesystem::path path, ProfileFileCalls calls)
    : m_path(std::move(path)), m_calls(std::move(calls)) {}

void ProfileFile::keepAsItIs(const std::string& reason) {
    if (!m_keptReason.empty())
        return;
    m_keptReason = reason;
    std::fprintf(stderr,
                 "Quillmere: the settings file %s cannot be read whole (%s); it is left as it is and "
                 "settings are not saved this run.\n",
                 m_path.c_str(), reason.c_str());
}

ProfileDocument ProfileFile::load() {
    if (m_path.empty())
        return {};
    // Looked at before opening: opening a FIFO would wait for a writer, and a device may act on it.
    struct stat status {};
    if (::stat(m_path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            keepAsItIs(std::strerror(errno));
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        keepAsItIs("it is not a regular file");
        return {};
    }
    UniqueFd fd(m_calls.open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0));
    if (!fd.valid()) {
        if (errno != ENOENT)
            keepAsItIs(std::strerror(errno));
        return {};
    }
    // The path may have been swapped for something else between the two looks.
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        keepAsItIs("it is not a regular file");
        return {};
    }

    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = m_calls.read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            keepAsItIs(std::strerror(errno));
            return ProfileDocument::parse(wholeLines(std::move(bytes)));
        }
        if (n == 0)
            break;
        const std::size_t room = ProfileReadLimit - bytes.size();
        if (static_cast<std::size_t>(n) > room) {
            keepAsItIs("it is larger than " + std::to_string(ProfileReadLimit / 1024) + " KiB");
            bytes.append(buffer, room);
            return ProfileDocument::parse(wholeLines(std::move(bytes)));
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return ProfileDocument::parse(bytes);
}

// Created exclusively and never through a link, so nothing planted in the folder is written into.
UniqueFd ProfileFile::createTemporary(const fs::path& target, fs::path& temporary) {
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++m_temporaryCount);
        UniqueFd fd(m_calls.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 NewFileMode));
        if (fd.valid() || errno != EEXIST)
            return fd;
    }
    return UniqueFd(-1);
}

bool ProfileFile::replaceFile(const std::string& bytes, SaveDurability durability) {
    const fs::path target = finalTarget(m_path);
    const fs::path folder = target.parent_path();
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    // A file the user made read-only stays as it is, as the profile functions leave it.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return false;

    fs::path temporary;
    UniqueFd fd = createTemporary(target, temporary);
    if (!fd.valid())
        return false;

    const bool durable = durability == SaveDurability::Durable;
    bool written = writeAll(m_calls, fd.get(), bytes);
    if (written && exists) {
        // An owner other than us (a run under sudo over the user's file) is kept where we may.
        const bool otherOwner = existing.st_uid != ::geteuid() || existing.st_gid != ::getegid();
        if (otherOwner && ::fchown(fd.get(), existing.st_uid, existing.st_gid) != 0) {
            // Not allowed: the saved file becomes ours, as any other save of it by us would.
        }
        written = ::fchmod(fd.get(), existing.st_mode & 07777) == 0;
    }
    written = written && (!durable || ::fsync(fd.get()) == 0);
    written = fd.close() == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    m_target = target;
    if (durable)
        syncFolder(folder);
    m_unflushed = !durable;
    return true;
}

void ProfileFile::flushToDisk() {
    if (!m_unflushed)
        return;
    m_unflushed = false;
    const UniqueFd fd(::open(m_target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (fd.valid())
        ::fsync(fd.get());
    syncFolder(m_target.parent_path());
}

bool ProfileFile::save(const ProfileDocument& doc, SaveDurability durability) {
    // Said once already: the file is left as it is, or there is none this run.
    if (m_path.empty() || !m_keptReason.empty())
        return false;
    if (!doc.changed()) {
        // Nothing new to write, but a durable save promises that earlier lazy ones are on disk too.
        if (durability == SaveDurability::Durable)
            flushToDisk();
        return true;
    }
    const std::string text = doc.text();
    // A file the next start would not read whole is not written: the one on disk stays as it was.
    if (text.size() > ProfileReadLimit) {
        if (!m_reportedFailure) {
            m_reportedFailure = true;
            std::fprintf(stderr,
                         "Quillmere: settings cannot be saved to %s: they would be larger than %zu KiB\n",
                         m_path.c_str(), ProfileReadLimit / 1024);
        }
        return false;
    }
    if (replaceFile(text, durability))
        return true;
    if (!m_reportedFailure) {
        m_reportedFailure = true;
        std::fprintf(stderr, "Quillmere: settings cannot be saved to %s: %s\n", m_path.c_str(),
                     std::strerror(errno));
    }
    return false;
}

} // namespace quillmere
