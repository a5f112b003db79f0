// quillmere-snapshot --dir DIR --frames N --size WxH --out FILE.png: the tank's real set-up and drawing
// in a window of that size, N frames, and the last frame's picture as a PNG.

#include "glx_window.h"
#include "png_file.h"
#include "snapshot_options.h"

#include "core/random.h"
#include "render/aquarium_scene.h"
#include "settings/aquarium_settings.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <string>

namespace {

constexpr int UsageExit = 2;
constexpr int FailureExit = 1;

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "quillmere-snapshot: %s\n", message.c_str());
    return code;
}

} // namespace

int main(int argc, char** argv) {
    quillmere::SnapshotOptions options;
    if (const std::string message = quillmere::parseSnapshotOptions(argc, argv, options); !message.empty())
        return fail(UsageExit, message);
    if (const std::string message = quillmere::checkSnapshotPaths(options); !message.empty())
        return fail(UsageExit, message);

    std::string error;
    const auto window = quillmere::GlxWindow::open(options.width, options.height, "Quillmere", error);
    if (!window)
        return fail(FailureExit, error);

    quillmere::Random random;
    quillmere::AquariumSettings settings;
    quillmere::CameraValues camera;
    quillmere::AquariumScene tank(random);
    quillmere::SettingsFile(options.dir).loadStartupSettings(random, settings, camera);
    // The program's own view shows "MAP SIZE ERROR" and goes on drawing what exists; so does this.
    if (!tank.setUp(random, settings, (options.dir / "").string()))
        std::fprintf(stderr, "quillmere-snapshot: MAP SIZE ERROR\n");

    const quillmere::CustomBackdropPicture picture;
    const quillmere::ScreenSize screen{options.width, options.height};
    quillmere::RgbImage image;
    for (long long k = 1; k <= options.frames; ++k) {
        tank.renderFrame(random, settings, camera, picture, screen);
        if (k == options.frames)
            image = window->readBackBuffer();
        window->swapBuffers();
    }
    tank.releaseGlObjects();

    if (const std::string message = quillmere::writePng(options.out, image); !message.empty())
        return fail(FailureExit, message);
    return 0;
}
