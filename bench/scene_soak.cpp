// quillmere-scene-soak --dir DIR --frames N --every K: the headless tank set up from DIR's settings file
// and run N frames, printing the process's peak and resident memory every K frames as CSV lines
// "frame,peak_kib,resident_kib". scripts/soak.sh reads them to check that memory stays flat.

#include "core/random.h"
#include "scene/scene.h"
#include "settings/aquarium_settings.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct MemoryFigures {
    long peakKib = -1;     // VmHWM
    long residentKib = -1; // VmRSS
};

MemoryFigures readMemory() {
    MemoryFigures figures;
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return figures;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            figures.peakKib = std::strtol(line + 6, nullptr, 10);
        else if (std::strncmp(line, "VmRSS:", 6) == 0)
            figures.residentKib = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(status);
    return figures;
}

long long positiveArgument(const char* text) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    return (end != text && *end == '\0' && value > 0) ? value : -1;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path dir;
    long long frames = -1;
    long long every = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--dir")
            dir = argv[i + 1];
        else if (option == "--frames")
            frames = positiveArgument(argv[i + 1]);
        else if (option == "--every")
            every = positiveArgument(argv[i + 1]);
    }
    if (argc % 2 == 0 || dir.empty() || frames < 0 || every < 0) {
        std::fputs("usage: quillmere-scene-soak --dir DIR --frames N --every K\n", stderr);
        return 2;
    }

    quillmere::Random random;
    quillmere::AquariumSettings settings;
    quillmere::CameraValues camera;
    quillmere::Scene scene(random);
    quillmere::SettingsFile(dir).loadStartupSettings(random, settings, camera);
    scene.setUp(random, settings);

    const quillmere::FrameInputs inputs;
    std::printf("frame,peak_kib,resident_kib\n");
    for (long long k = 1; k <= frames; ++k) {
        scene.frame(random, settings, camera, inputs);
        if (k % every == 0 || k == frames) {
            const MemoryFigures memory = readMemory();
            std::printf("%lld,%ld,%ld\n", k, memory.peakKib, memory.residentKib);
            std::fflush(stdout);
        }
    }
    return 0;
}
