#pragma once

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace quillmere::testing_support {

// One double-buffered RGBA window with a depth buffer, made once per test binary and current from
// then on. Frames are drawn into its back buffer and read from there, never swapped.
constexpr int WindowWidth = 640;
constexpr int WindowHeight = 400;

inline void ensureGlWindow() {
    static const bool made = [] {
        int argc = 1;
        char name[] = "quillmere-render-test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(WindowWidth, WindowHeight);
        glutCreateWindow(name);
        glutDisplayFunc([] {});
        for (int i = 0; i < 5; ++i)
            glutMainLoopEvent();
        return true;
    }();
    (void)made;
}

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    int sum() const { return r + g + b; }
};

// The back buffer, bottom row first.
class Picture {
public:
    static Picture readBack(int width = WindowWidth, int height = WindowHeight) {
        Picture picture;
        picture.m_width = width;
        picture.m_height = height;
        picture.m_pixels.resize(static_cast<std::size_t>(width) * height);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, picture.m_pixels.data());
        return picture;
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // x from the left, y from the bottom.
    Rgb at(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }

    // Mean of r + g + b over the box [x0, x1) x [y0, y1).
    double meanSum(int x0, int y0, int x1, int y1) const {
        double total = 0.0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                total += at(x, y).sum();
        return total / ((x1 - x0) * (y1 - y0));
    }
    double meanSum() const { return meanSum(0, 0, m_width, m_height); }

    template <typename Test> int count(Test test) const {
        int n = 0;
        for (const Rgb& p : m_pixels)
            n += test(p) ? 1 : 0;
        return n;
    }

    // Writes a binary PPM, top row first, for a person to look at.
    void writePpm(const std::string& path) const {
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fprintf(file, "P6\n%d %d\n255\n", m_width, m_height);
            for (int y = m_height - 1; y >= 0; --y)
                std::fwrite(&m_pixels[static_cast<std::size_t>(y) * m_width], 3, m_width, file);
            std::fclose(file);
        }
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Rgb> m_pixels;
};

static_assert(sizeof(Rgb) == 3);

} // namespace quillmere::testing_support
