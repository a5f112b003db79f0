#include "audio/silenced_stderr.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace quillmere {

SilencedStderr::SilencedStderr() : m_saved(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
    if (!m_saved.valid())
        return;
    std::fflush(stderr);
    const UniqueFd nowhere(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (!nowhere.valid() || ::dup2(nowhere.get(), STDERR_FILENO) < 0)
        m_saved.close();
}

SilencedStderr::~SilencedStderr() {
    if (!m_saved.valid())
        return;
    std::fflush(stderr);
    ::dup2(m_saved.get(), STDERR_FILENO);
}

} // namespace quillmere
