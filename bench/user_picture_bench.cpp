// How long the tank takes to turn a picture the user chose into its backdrop texture, as the Custom
// Background dialog asks for it: decode, scale to what the GL implementation accepts, upload with
// mipmaps, and release. Run it on a display with a picture (run_user_picture_bench.sh makes a photo
// of 24 megapixels); it is not part of the tests.
//   quillmere_user_picture_bench PICTURE [RUNS]

#include "glx_window.h"
#include "render/user_picture_textures.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: quillmere_user_picture_bench PICTURE [RUNS]\n", stderr);
        return 2;
    }
    const std::string picture = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::string error;
    const auto window = quillmere::GlxWindow::open(64, 64, "Quillmere picture benchmark", error);
    if (!window) {
        std::fprintf(stderr, "quillmere_user_picture_bench: %s\n", error.c_str());
        return 1;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    std::printf("GL_MAX_TEXTURE_SIZE %d\n", maxSize);

    quillmere::UserPictureTextures pictures;
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const GLuint name = pictures.load(picture);
        glFinish();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (name == 0) {
            std::fprintf(stderr, "quillmere_user_picture_bench: the picture did not load\n");
            return 1;
        }
        GLint width = 0;
        GLint height = 0;
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::printf("run %d: %.1f ms, texture %d x %d\n", run + 1, ms.back(), width, height);
        pictures.release(name);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median %.1f ms over %d runs\n", ms[ms.size() / 2], runs);
    return pictures.count() == 0 ? 0 : 1;
}
