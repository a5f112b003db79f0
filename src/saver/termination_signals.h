#pragma once

#include "core/unique_fd.h"

namespace quillmere {

// SIGTERM and SIGINT as a file descriptor that becomes readable when either arrives, so the frame loop
// can wait for the next frame, the X server and an ending at once. The two signals are blocked for the
// process while this lives; one that arrives in the meantime stays pending until taken().
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // -1 when the descriptor could not be made.
    int fd() const { return m_fd.get(); }

    // Takes every pending signal; true when there was one. A signal left pending would end the process
    // by its default action once the destructor unblocks it.
    bool taken();

private:
    UniqueFd m_fd;
};

} // namespace quillmere
