#pragma once

#include <GL/gl.h>
#include <utility>

namespace quillmere {

// Owns a block of consecutive OpenGL display lists and deletes them when it goes out of scope. The
// context that made them must still be current then.
class DisplayLists {
public:
    DisplayLists() = default;
    DisplayLists(const DisplayLists&) = delete;
    DisplayLists& operator=(const DisplayLists&) = delete;
    DisplayLists(DisplayLists&& other) noexcept
        : m_base(std::exchange(other.m_base, 0)), m_count(std::exchange(other.m_count, 0)) {}
    DisplayLists& operator=(DisplayLists&& other) noexcept {
        if (this != &other) {
            reset();
            m_base = std::exchange(other.m_base, 0);
            m_count = std::exchange(other.m_count, 0);
        }
        return *this;
    }
    ~DisplayLists() { reset(); }

    // count fresh, empty lists; empty (base 0) when the context has no room for them.
    static DisplayLists generate(GLsizei count) {
        DisplayLists lists;
        lists.m_base = glGenLists(count);
        lists.m_count = lists.m_base != 0 ? count : 0;
        return lists;
    }

    GLuint base() const { return m_base; }
    GLsizei count() const { return m_count; }
    explicit operator bool() const { return m_base != 0; }

    void reset() {
        if (m_base != 0)
            glDeleteLists(m_base, m_count);
        m_base = 0;
        m_count = 0;
    }

private:
    GLuint m_base = 0;
    GLsizei m_count = 0;
};

} // namespace quillmere
