#pragma once

#include <GL/gl.h>
#include <utility>

namespace quillmere {

// Owns one OpenGL texture name and deletes it when it goes out of scope. The rendering context that
// made the name must still be current then, so an owner keeps its textures destroyed before its context.
class Texture {
public:
    Texture() = default;
    // Takes over a name made elsewhere (SOIL makes its own); 0 is no texture.
    explicit Texture(GLuint name) : m_name(name) {}
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    Texture(Texture&& other) noexcept : m_name(std::exchange(other.m_name, 0)) {}
    Texture& operator=(Texture&& other) noexcept {
        if (this != &other) {
            reset();
            m_name = std::exchange(other.m_name, 0);
        }
        return *this;
    }
    ~Texture() { reset(); }

    // A fresh name from glGenTextures, not yet bound or filled.
    static Texture generate() {
        GLuint name = 0;
        glGenTextures(1, &name);
        return Texture(name);
    }

    GLuint name() const { return m_name; }
    explicit operator bool() const { return m_name != 0; }

    void reset() {
        if (m_name != 0)
            glDeleteTextures(1, &m_name);
        m_name = 0;
    }

private:
    GLuint m_name = 0;
};

// What a bitmap loader made: the texture name always exists and is left bound to GL_TEXTURE_2D; it
// holds no image when the file could not be read or is not a bitmap the loader takes.
struct LoadedTexture {
    Texture texture;
    bool hasImage = false;
};

} // namespace quillmere
