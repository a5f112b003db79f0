// The whole frame of a full tank on a real GL window: 50 fish, 1000 bubbles and 10 pellets in the water,
// at 1280 x 720 and 1920 x 1080. Reports where a frame's time goes:
//   step      the scene's frame step alone (simulation, no GL);
//   meshes    building the 50 fish meshes from the frame's poses (no GL);
//   null GL   the program's whole frame (step, geometry and every GL call) with no context current, so
//             each GL call returns at once: the program's own CPU per frame;
//   real      the same frame on the real driver up to glFinish: thread CPU (program plus the driver's
//             work on this thread) and wall time (plus waiting for the rasteriser's threads);
//   swap      wall time of the buffer swap;
//   fps       frames per second sustained by the free-running loop of real frames and swaps.
// --no-fish and --no-bubbles leave those out, to show what they cost. Run it on a display (see
// run_frame_bench.sh); it is not part of the tests.

#include "fish/fish_model.h"
#include "glx_window.h"
#include "render/aquarium_scene.h"
#include "scene/scene.h"
#include "settings/settings_file.h"

#include <GL/gl.h>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

double cpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

double threadCpu() {
    return cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
}
double processCpu() {
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
}
double wall() {
    return cpuSeconds(CLOCK_MONOTONIC);
}

// Per-frame samples in milliseconds.
struct Samples {
    std::vector<double> ms;

    void add(double seconds) { ms.push_back(seconds * 1000.0); }
    double mean() const {
        double total = 0.0;
        for (double v : ms)
            total += v;
        return ms.empty() ? 0.0 : total / static_cast<double>(ms.size());
    }
    double percentile(double p) const {
        if (ms.empty())
            return 0.0;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
    }
};

void printRow(const char* name, const Samples& s) {
    std::printf("  %-34s mean %8.3f ms   median %8.3f ms   p95 %8.3f ms\n", name, s.mean(), s.percentile(0.5),
                s.percentile(0.95));
}

// What a run leaves out of the full tank, to see what each part costs.
struct TankContents {
    bool fish = true;
    bool bubbles = true;
};

// A settings folder holding a full tank: 50 fish of all 15 kinds, all 1000 bubbles, the built-in backdrop.
class FullTankFolder {
public:
    explicit FullTankFolder(TankContents contents) {
        std::string pattern = (fs::temp_directory_path() / "quillmere-frame-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_path = pattern;
        std::ofstream file(m_path / "QuillmereSet.ini");
        file << "[Aquarium Settings]\nQIPAONUM=" << (contents.bubbles ? 0 : 1000)
             << "\nBACKGROUND=0\nCHECK VIEWS=1\n[Fish Number]\n";
        for (int kind = 0; kind < FishKindCount; ++kind)
            file << "Fish" << kind << "=" << (!contents.fish ? 0 : kind < 5 ? 4 : 3) << "\n"; // 20 + 30 = 50
    }
    ~FullTankFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    FullTankFolder(const FullTankFolder&) = delete;
    FullTankFolder& operator=(const FullTankFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// Keeps all 10 pellet slots in use, spread through the tank where the fish meet them.
void refillPellets(PelletSlots& pellets, Random& random) {
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        if (!pellets[slot].active) {
            pellets[slot].Drop(static_cast<float>(slot * 8 - 40), 5.0f, -50.0f, random);
            pellets[slot].active = true;
        }
    }
}

struct Tank {
    Random random;
    AquariumSettings settings;
    CameraValues camera;
    AquariumScene scene{random};
    const CustomBackdropPicture picture{};

    // Waits for the rasteriser, so that the frame's time includes the drawing it started.
    void renderFrame(ScreenSize screen) {
        scene.renderFrame(random, settings, camera, picture, screen);
        glFinish();
        refillPellets(scene.scene().pellets(), random);
    }
    void stepOnly() {
        scene.scene().frame(random, settings, camera, FrameInputs{});
        refillPellets(scene.scene().pellets(), random);
    }
};

bool benchSize(int width, int height, int frames, TankContents contents, bool printedRenderer) {
    std::string error;
    const auto window = GlxWindow::open(width, height, "Quillmere frame benchmark", error);
    if (!window) {
        std::fprintf(stderr, "quillmere_frame_bench: %s\n", error.c_str());
        return false;
    }
    if (!printedRenderer) {
        std::printf("GL_RENDERER: %s\nGL_VERSION:  %s\nGL_VENDOR:   %s\n",
                    reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                    reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                    reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
        const char* threads = std::getenv("LP_NUM_THREADS");
        std::printf("CPU cores: %u, LP_NUM_THREADS: %s\n\n", std::thread::hardware_concurrency(),
                    threads ? threads : "(driver default)");
    }

    const FullTankFolder folder(contents);
    Tank tank;
    SettingsFile(folder.path()).loadStartupSettings(tank.random, tank.settings, tank.camera);
    tank.scene.setUp(tank.random, tank.settings, (folder.path() / "").string());
    const ScreenSize screen{width, height};
    refillPellets(tank.scene.scene().pellets(), tank.random);
    // Past the help text's 100 frames, and into the tank's normal swimming.
    for (int k = 0; k < 150; ++k) {
        tank.renderFrame(screen);
        window->swapBuffers();
    }

    // Real frames, free-running: no tick holds them back.
    Samples realCpu;
    Samples realWall;
    Samples swapWall;
    const double loopWallStart = wall();
    const double loopProcessStart = processCpu();
    const double loopThreadStart = threadCpu();
    for (int k = 0; k < frames; ++k) {
        const double c0 = threadCpu();
        const double w0 = wall();
        tank.renderFrame(screen);
        const double c1 = threadCpu();
        const double w1 = wall();
        window->swapBuffers();
        const double w2 = wall();
        realCpu.add(c1 - c0);
        realWall.add(w1 - w0);
        swapWall.add(w2 - w1);
    }
    const double loopWall = wall() - loopWallStart;
    const double loopProcess = processCpu() - loopProcessStart;
    const double loopThread = threadCpu() - loopThreadStart;
    const SceneFrame& last = tank.scene.scene().lastFrame();
    const int fishDrawn = last.fishCount;
    const int bubblesDrawn = last.bubblesDrawn ? last.bubbleCount : 0;
    int pelletsDrawn = 0;
    for (int i = 0; i < std::clamp(last.pelletCount, 0, PelletSlotCount); ++i)
        pelletsDrawn += last.pellets[i].visible ? 1 : 0;

    // The fish geometry of one frame, built again from its poses, to count and time it.
    Samples meshes;
    long vertices = 0;
    long primitives = 0;
    {
        FishMesh mesh;
        for (int k = 0; k < std::max(frames / 4, 1); ++k) {
            const double c0 = threadCpu();
            for (int i = 0; i < fishDrawn; ++i) {
                BuildFishMesh(last.fish[i], mesh);
                if (k == 0) {
                    vertices += mesh.vertexCount;
                    primitives += mesh.primitiveCount;
                }
            }
            meshes.add(threadCpu() - c0);
        }
    }

    // The program's own frame with GL calls going nowhere.
    Samples nullCpu;
    window->releaseCurrent();
    for (int k = 0; k < frames; ++k) {
        const double c0 = threadCpu();
        tank.renderFrame(screen);
        nullCpu.add(threadCpu() - c0);
    }
    Samples stepCpu;
    for (int k = 0; k < frames; ++k) {
        const double c0 = threadCpu();
        tank.stepOnly();
        stepCpu.add(threadCpu() - c0);
    }
    window->makeCurrent();
    tank.scene.releaseGlObjects();

    std::printf(
        "%d x %d: %d fish, %d bubbles, %d pellets drawn; %ld fish vertices in %ld primitives a frame; "
        "%d frames\n",
        width, height, fishDrawn, bubblesDrawn, pelletsDrawn, vertices, primitives, frames);
    printRow("step (thread CPU)", stepCpu);
    printRow("fish meshes (thread CPU)", meshes);
    printRow("null GL frame: program's own CPU", nullCpu);
    printRow("real frame to glFinish (thread CPU)", realCpu);
    printRow("real frame to glFinish (wall)", realWall);
    printRow("swap (wall)", swapWall);
    std::printf("  frames per second sustained: %.1f (%.2f ms a frame)\n", frames / loopWall,
                loopWall * 1000.0 / frames);
    std::printf("  CPU a frame over the loop: this thread %.2f ms, whole process %.2f ms "
                "(other threads: the rasteriser's)\n\n",
                loopThread * 1000.0 / frames, loopProcess * 1000.0 / frames);
    return true;
}

bool parseSize(std::string_view text, int& width, int& height) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos)
        return false;
    const auto w = std::from_chars(text.data(), text.data() + cross, width);
    const auto h = std::from_chars(text.data() + cross + 1, text.data() + text.size(), height);
    return w.ec == std::errc{} && w.ptr == text.data() + cross && h.ec == std::errc{} &&
           h.ptr == text.data() + text.size() && width > 0 && height > 0 && width <= 8192 && height <= 8192;
}

} // namespace
} // namespace quillmere

int main(int argc, char** argv) {
    int frames = 300;
    quillmere::TankContents contents;
    std::vector<std::pair<int, int>> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        int width = 0;
        int height = 0;
        if (arg == "--frames" && i + 1 < argc) {
            const std::string_view value = argv[++i];
            const auto result = std::from_chars(value.data(), value.data() + value.size(), frames);
            if (result.ec != std::errc{} || result.ptr != value.data() + value.size() || frames < 1 ||
                frames > 100000) {
                std::fprintf(stderr, "quillmere_frame_bench: --frames takes 1 to 100000\n");
                return 2;
            }
        } else if (arg == "--no-fish") {
            contents.fish = false;
        } else if (arg == "--no-bubbles") {
            contents.bubbles = false;
        } else if (quillmere::parseSize(arg, width, height)) {
            sizes.emplace_back(width, height);
        } else {
            std::fprintf(stderr,
                         "usage: quillmere_frame_bench [--frames N] [--no-fish] [--no-bubbles] [WxH ...]\n");
            return 2;
        }
    }
    if (sizes.empty())
        sizes = {{1280, 720}, {1920, 1080}};
    bool printed = false;
    for (const auto& [width, height] : sizes) {
        if (!quillmere::benchSize(width, height, frames, contents, printed))
            return 1;
        printed = true;
    }
    return 0;
}
