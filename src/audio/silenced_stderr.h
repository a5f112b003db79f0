#pragma once

#include "core/unique_fd.h"

namespace quillmere {

// Sends whatever the process writes to standard error to /dev/null while it lives, and puts standard
// error back when it ends. The sound library and the ALSA library below it print lines of their own
// while they look for a device that is not there; the program says what matters in one line of its
// own instead. Hold it only round such a call: anything else written meanwhile is lost too.
class SilencedStderr {
public:
    SilencedStderr();
    ~SilencedStderr();
    SilencedStderr(const SilencedStderr&) = delete;
    SilencedStderr& operator=(const SilencedStderr&) = delete;

private:
    UniqueFd m_saved; // the real standard error, or invalid when it could not be set aside
};

} // namespace quillmere
