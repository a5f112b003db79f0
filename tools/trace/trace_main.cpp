// quillmere-trace --dir DIR --frames N: the headless tank, set-up and N frames, as JSON Lines.

#include "trace_writer.h"

#include "core/random.h"
#include "scene/scene.h"
#include "settings/aquarium_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_folder.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

constexpr int UsageExit = 2;
constexpr long long MaxFrames = 1'000'000'000LL;

struct Options {
    fs::path dir;
    long long frames = 0;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "quillmere-trace: %s\n", message.c_str());
    return UsageExit;
}

std::optional<long long> parseFrames(std::string_view text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || next != end || value < 0 || value > MaxFrames)
        return std::nullopt;
    return value;
}

// Empty message: the options are good.
std::string parseOptions(int argc, char** argv, Options& options) {
    bool haveDir = false;
    bool haveFrames = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg != "--dir" && arg != "--frames") || i + 1 >= argc)
            return "usage: quillmere-trace --dir DIR --frames N";
        const std::string_view value = argv[++i];
        if (arg == "--dir") {
            if (haveDir || value.empty())
                return "usage: quillmere-trace --dir DIR --frames N";
            options.dir = fs::path(std::string(value));
            haveDir = true;
        } else {
            const std::optional<long long> frames = parseFrames(value);
            if (haveFrames || !frames)
                return "--frames takes a whole number from 0 to 1000000000";
            options.frames = *frames;
            haveFrames = true;
        }
    }
    if (!haveDir || !haveFrames)
        return "usage: quillmere-trace --dir DIR --frames N";
    return {};
}

bool writeLine(const std::string& line) {
    return std::fwrite(line.data(), 1, line.size(), stdout) == line.size();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const std::string message = parseOptions(argc, argv, options); !message.empty())
        return fail(message);
    if (const std::string message = quillmere::unusableSettingsFolderReason(options.dir, false);
        !message.empty())
        return fail(message);

    quillmere::Random random;
    quillmere::AquariumSettings settings;
    quillmere::CameraValues camera;
    quillmere::Scene scene(random);
    quillmere::SettingsFile(options.dir).loadStartupSettings(random, settings, camera);
    scene.setUp(random, settings);

    bool written = writeLine(quillmere::setupTraceLine(scene, settings, random.state()));
    const quillmere::FrameInputs inputs;
    for (long long k = 1; k <= options.frames && written; ++k) {
        scene.frame(random, settings, camera, inputs);
        written = writeLine(quillmere::frameTraceLine(scene, k, random.state()));
    }
    if (!written || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "quillmere-trace: cannot write the trace\n");
        return 1;
    }
    return 0;
}
