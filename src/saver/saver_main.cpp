// quillmere-saver [-root] [-window | -window-id ID] [-fps N]: the tank as a screen saver, drawn into the
// window the screen-saver daemon or a locker hands over ($XSCREENSAVER_WINDOW), the root window, or a
// window of its own. It reads the settings file but never writes it, writes nothing into the settings
// folder, plays no sound and takes no input; SIGTERM, SIGINT or the window's end stop it.

#include "saver/saver_options.h"
#include "saver/saver_window.h"
#include "saver/termination_signals.h"

#include "core/draw_rate.h"
#include "core/frame_cadence.h"
#include "core/random.h"
#include "core/step_pacer.h"
#include "render/aquarium_scene.h"
#include "render/swap_control.h"
#include "settings/aquarium_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_folder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <string>

namespace {

constexpr const char* SaverHelp =
    "Draws the Quillmere aquarium as a screen saver, from the program's settings, which it never changes.\n"
    "  -root          the window in $XSCREENSAVER_WINDOW, else the screen's root window\n"
    "  -window        a window of its own (also with no option and no $XSCREENSAVER_WINDOW)\n"
    "  -window-id ID  the window ID, decimal or 0x hexadecimal, even with -root\n"
    "  -fps N         frames a second, 1 to 1000 (30)\n"
    "  -h, --help     this text\n"
    "Each option may also be written with two dashes.\n";

constexpr int UsageExit = 2;
constexpr int FailureExit = 1;

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "quillmere-saver: %s\n", message.c_str());
    return code;
}

// Waits until the next frame is due, an X event or a signal arrives, whichever is first.
void waitForWork(int displayFd, int signalFd, quillmere::FrameCadence::Duration delay) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(delay).count();
    if (left <= 0)
        return;
    pollfd fds[] = {{displayFd, POLLIN, 0}, {signalFd, POLLIN, 0}};
    ::poll(fds, 2, static_cast<int>(std::min<long long>(left, 1000)));
}

} // namespace

int main(int argc, char** argv) {
    quillmere::SaverOptions options;
    if (const std::string message = quillmere::parseSaverOptions(argc, argv, options); !message.empty())
        return fail(UsageExit, message);
    if (options.help) {
        std::printf("%s\n%s", quillmere::SaverUsage, SaverHelp);
        return 0;
    }
    quillmere::SaverTarget target;
    if (const std::string message =
            quillmere::chooseSaverTarget(options, std::getenv("XSCREENSAVER_WINDOW"), target);
        !message.empty())
        return fail(UsageExit, message);

    // Watched before the window opens, so that a daemon that gives up at once still ends us cleanly.
    quillmere::TerminationSignals signals;
    if (signals.fd() < 0)
        return fail(FailureExit, "cannot watch for SIGTERM and SIGINT");
    std::string error;
    const auto window = quillmere::SaverWindow::open(target, error);
    if (!window)
        return fail(FailureExit, error);

    // The same start as the program's, in the same order of draws, with nothing written.
    quillmere::Random random;
    quillmere::AquariumSettings settings;
    quillmere::CameraValues camera;
    quillmere::AquariumScene tank(random);
    quillmere::SettingsFile file(quillmere::settingsFolderPath());
    file.readStartupSettings(random, settings, camera);
    if (!tank.setUpWithoutFiles(random, settings))
        std::fprintf(stderr, "quillmere-saver: MAP SIZE ERROR\n");

    // Above 50 frames a second the tank keeps its own 50 steps and the frames between are blended, as
    // the program does on a fast display; at 50 or less each frame is a step, as the daemon's rate asks.
    const quillmere::DisplayTraits traits{static_cast<double>(options.fps), quillmere::isSoftwareRenderer()};
    const bool blended = options.fps > quillmere::StepsPerSecond &&
                         quillmere::chooseDrawRate(file.readFrameRate(), traits) > 0;
    quillmere::StepPacer pacer(quillmere::StepPeriod);

    const quillmere::CustomBackdropPicture builtInBackdrop;
    // A late frame is never made up for, as the program's own timer drops ticks it could not serve.
    quillmere::FrameCadence cadence(
        std::chrono::duration_cast<quillmere::FrameCadence::Duration>(std::chrono::seconds(1)) / options.fps);
    while (!signals.taken() && window->handleEvents()) {
        if (const auto now = quillmere::FrameCadence::now(); cadence.frameDue(now)) {
            if (blended) {
                const quillmere::StepPacer::Frame frame = pacer.frameAt(now);
                if (frame.step)
                    tank.step(random, settings, camera, false);
                tank.drawBlended(frame.blend, builtInBackdrop, window->size());
            } else {
                tank.renderFrame(random, settings, camera, builtInBackdrop, window->size());
            }
            window->swapBuffers();
        }
        waitForWork(window->connectionFd(), signals.fd(),
                    cadence.delayUntilNext(quillmere::FrameCadence::now()));
    }
    tank.releaseGlObjects();
    return 0;
}
