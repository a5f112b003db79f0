// How long the tank takes to turn a picture the user chose into its backdrop texture for a 1280 x 720
// screen, as the Custom Background dialog asks for it: read, decode and prepare on a worker (here, in
// the benchmark's own thread), then upload in the frame's 1 MiB shares, and release. Reports the
// preparation, the whole upload and its longest share. Run it on a display with a picture
// (run_user_picture_bench.sh makes a photo of 24 megapixels); it is not part of the tests.
//   quillmere_user_picture_bench PICTURE [RUNS]

#include "assets/user_picture_preparation.h"
#include "glx_window.h"
#include "render/user_picture_target.h"
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

    const quillmere::TextureCapabilities caps = quillmere::readTextureCapabilities();
    const quillmere::PictureTarget target = quillmere::userPictureTarget({1280, 720}, quillmere::TankBox{});
    std::printf("DXT compression %s, target %d x %d\n", caps.dxtCompression ? "yes" : "no", target.width,
                target.height);
    using Clock = std::chrono::steady_clock;
    const auto msSince = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    quillmere::UserPictureTextures pictures;
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        quillmere::PreparedPictureFile file = quillmere::preparePictureFile(picture, target, caps);
        const double prepareMs = msSince(start);
        if (!file.texture) {
            std::fprintf(stderr, "quillmere_user_picture_bench: %s\n", file.error.c_str());
            return 1;
        }
        const auto id = static_cast<quillmere::PictureId>(run + 1);
        const std::size_t bytes = file.texture->byteCount();
        pictures.add(id, std::move(*file.texture));
        double uploadMs = 0.0;
        double longestMs = 0.0;
        int shares = 0;
        while (pictures.uploading()) {
            const auto shareStart = Clock::now();
            pictures.upload(std::size_t{1} << 20);
            glFinish();
            const double shareMs = msSince(shareStart);
            uploadMs += shareMs;
            longestMs = std::max(longestMs, shareMs);
            ++shares;
        }
        ms.push_back(prepareMs + uploadMs);
        GLint width = 0;
        GLint height = 0;
        glBindTexture(GL_TEXTURE_2D, pictures.textureOf(id));
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::printf(
            "run %d: prepared in %.1f ms, %.1f MB uploaded in %d shares, %.1f ms in all, longest %.2f ms; "
            "texture %d x %d\n",
            run + 1, prepareMs, static_cast<double>(bytes) / 1e6, shares, uploadMs, longestMs, width, height);
        pictures.release(id);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median %.1f ms over %d runs\n", ms[ms.size() / 2], runs);
    return pictures.count() == 0 ? 0 : 1;
}
