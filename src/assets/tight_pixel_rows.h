#pragma once

#include <GL/gl.h>

namespace quillmere {

// Sets byte alignment for pixel rows read from and written to client memory, and puts back what was
// there before when it goes out of scope. The decoded pictures hold rows without padding.
class TightPixelRows {
public:
    TightPixelRows() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &m_unpack);
        glGetIntegerv(GL_PACK_ALIGNMENT, &m_pack);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }
    TightPixelRows(const TightPixelRows&) = delete;
    TightPixelRows& operator=(const TightPixelRows&) = delete;
    ~TightPixelRows() {
        glPixelStorei(GL_UNPACK_ALIGNMENT, m_unpack);
        glPixelStorei(GL_PACK_ALIGNMENT, m_pack);
    }

private:
    GLint m_unpack = 4;
    GLint m_pack = 4;
};

} // namespace quillmere
