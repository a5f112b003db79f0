#include "saver/saver_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere {
namespace {

std::string parse(std::vector<const char*> args, SaverOptions& options) {
    args.insert(args.begin(), "quillmere-saver");
    return parseSaverOptions(static_cast<int>(args.size()), args.data(), options);
}

TEST(SaverOptions, GoodCommandLines) {
    struct Case {
        std::vector<const char*> args;
        SaverMode mode;
        unsigned long windowId;
        int fps;
        bool help = false;
    };
    const Case cases[] = {
        {{}, SaverMode::Unset, 0, 30},
        {{"-root"}, SaverMode::Root, 0, 30},
        {{"--root", "-fps", "12"}, SaverMode::Root, 0, 12},
        {{"-window"}, SaverMode::Own, 0, 30},
        {{"-window-id", "0x1a00003"}, SaverMode::WindowId, 0x1a00003, 30},
        {{"--window-id", "27262979", "--fps", "1000"}, SaverMode::WindowId, 27262979, 1000},
        {{"-root", "-root"}, SaverMode::Root, 0, 30},
        // The settings tool's preview: both, in either order.
        {{"-root", "--window-id", "0x1a00003"}, SaverMode::WindowId, 0x1a00003, 30},
        {{"-window-id", "7", "-root"}, SaverMode::WindowId, 7, 30},
        {{"-h"}, SaverMode::Unset, 0, 30, true},
        {{"-root", "--help", "-bogus"}, SaverMode::Root, 0, 30, true},
    };
    for (const Case& c : cases) {
        SaverOptions options;
        const std::string message = parse(c.args, options);
        const std::string line = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(message, "") << line;
        EXPECT_EQ(options.mode, c.mode) << line;
        EXPECT_EQ(options.windowId, c.windowId) << line;
        EXPECT_EQ(options.fps, c.fps) << line;
        EXPECT_EQ(options.help, c.help) << line;
    }
}

TEST(SaverOptions, BadCommandLinesSayWhy) {
    const std::vector<std::vector<const char*>> cases = {
        {"-window-id"},
        {"-window-id", "0"},
        {"-window-id", "12x"},
        {"-window-id", "0x"},
        {"-window-id", "-5"},
        {"-window-id", "0x100000000"},
        {"-fps"},
        {"-fps", "0"},
        {"-fps", "1001"},
        {"-fps", "2.5"},
        {"-fps", "10", "-fps", "20"},
        {"-root", "-window"},
        {"-window", "-window-id", "7"},
        {"-geometry", "10x10"},
        {"root"},
    };
    for (const auto& args : cases) {
        SaverOptions options;
        EXPECT_NE(parse(args, options), "") << args[0] << " " << (args.size() > 1 ? args[1] : "");
    }
}

TEST(SaverTarget, TheDaemonsWindowCountsUnlessAnotherIsNamed) {
    struct Case {
        SaverMode mode;
        const char* daemon;
        SaverTarget::Kind kind;
        unsigned long id;
    };
    const Case cases[] = {
        {SaverMode::Unset, nullptr, SaverTarget::Kind::Own, 0},
        {SaverMode::Unset, "", SaverTarget::Kind::Own, 0},
        {SaverMode::Unset, "0x2c00007", SaverTarget::Kind::Window, 0x2c00007},
        {SaverMode::Root, nullptr, SaverTarget::Kind::Root, 0},
        {SaverMode::Root, "4242", SaverTarget::Kind::Window, 4242},
        {SaverMode::Own, "4242", SaverTarget::Kind::Own, 0},
        {SaverMode::WindowId, "4242", SaverTarget::Kind::Window, 77},
    };
    for (const Case& c : cases) {
        SaverOptions options;
        options.mode = c.mode;
        options.windowId = c.mode == SaverMode::WindowId ? 77 : 0;
        SaverTarget target;
        EXPECT_EQ(chooseSaverTarget(options, c.daemon, target), "");
        EXPECT_EQ(target.kind, c.kind) << static_cast<int>(c.mode) << " " << (c.daemon ? c.daemon : "unset");
        EXPECT_EQ(target.windowId, c.id);
    }
    SaverOptions root;
    root.mode = SaverMode::Root;
    SaverTarget target;
    EXPECT_NE(chooseSaverTarget(root, "window", target), "");
}

} // namespace
} // namespace quillmere
