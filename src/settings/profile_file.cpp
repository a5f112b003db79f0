#include "settings/profile_file.h"

#include "core/unique_fd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace quillmere {
namespace {

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename that replaced a file is durable only once its folder's entry is.
void syncFolder(const std::filesystem::path& folder) {
    const UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

} // namespace

ProfileFile::ProfileFile(std::filesystem::path path) : m_path(std::move(path)) {}

ProfileDocument ProfileFile::load() {
    UniqueFd fd(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return {};
    std::string bytes;
    char buffer[65536];
    m_oversized = false;
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const std::size_t room = ProfileReadLimit - bytes.size();
        if (static_cast<std::size_t>(n) > room) {
            bytes.append(buffer, room);
            m_oversized = true;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return ProfileDocument::parse(bytes);
}

bool ProfileFile::replaceFile(const std::string& bytes, SaveDurability durability) {
    if (m_oversized) {
        errno = EFBIG;
        return false;
    }
    std::filesystem::path temporary = m_path;
    temporary += ".tmp";
    UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!fd.valid())
        return false;
    const bool durable = durability == SaveDurability::Durable;
    if (!writeAll(fd.get(), bytes) || (durable && ::fsync(fd.get()) != 0) || fd.close() != 0 ||
        ::rename(temporary.c_str(), m_path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    if (durable)
        syncFolder(m_path.parent_path());
    m_unflushed = !durable;
    return true;
}

void ProfileFile::flushToDisk() {
    if (!m_unflushed)
        return;
    m_unflushed = false;
    const UniqueFd fd(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.valid())
        ::fsync(fd.get());
    syncFolder(m_path.parent_path());
}

bool ProfileFile::save(const ProfileDocument& doc, SaveDurability durability) {
    if (!doc.changed()) {
        // Nothing new to write, but a durable save promises that earlier lazy ones are on disk too.
        if (durability == SaveDurability::Durable)
            flushToDisk();
        return true;
    }
    if (replaceFile(doc.text(), durability))
        return true;
    if (!m_reportedFailure) {
        m_reportedFailure = true;
        std::fprintf(stderr, "Quillmere: settings cannot be saved to %s: %s\n", m_path.c_str(),
                     m_oversized ? "the file is too large" : std::strerror(errno));
    }
    return false;
}

} // namespace quillmere
