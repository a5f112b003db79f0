#include "saver/termination_signals.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace quillmere {

namespace {

sigset_t terminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}

int blockAndWatch() {
    const sigset_t set = terminationSet();
    sigprocmask(SIG_BLOCK, &set, nullptr);
    return ::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
}

} // namespace

TerminationSignals::TerminationSignals() : m_fd(blockAndWatch()) {}

TerminationSignals::~TerminationSignals() {
    const sigset_t set = terminationSet();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

bool TerminationSignals::taken() {
    bool any = false;
    signalfd_siginfo info;
    while (::read(m_fd.get(), &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        any = true;
    return any;
}

} // namespace quillmere
