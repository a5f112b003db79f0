#pragma once

#include <filesystem>
#include <string>

namespace quillmere {

// What quillmere-snapshot was asked for.
struct SnapshotOptions {
    std::filesystem::path dir; // settings folder, also the asset folder
    long long frames = 0;      // frames drawn; the last one is written
    int width = 0;             // window size in pixels
    int height = 0;
    std::filesystem::path out; // the PNG written
};

constexpr long long MaxSnapshotFrames = 1'000'000LL;
constexpr int MaxSnapshotSide = 8192;

inline constexpr const char* SnapshotUsage =
    "usage: quillmere-snapshot --dir DIR --frames N --size WxH --out FILE.png";

// Reads the command line into options. Returns an empty text when the options are good, else the
// message to print; nothing on the file system is looked at.
std::string parseSnapshotOptions(int argc, const char* const* argv, SnapshotOptions& options);

// Checks that the settings folder can be read and written (the start-up load writes repaired keys
// back and the assets are extracted there) and that the picture's folder exists. Empty text: usable.
std::string checkSnapshotPaths(const SnapshotOptions& options);

} // namespace quillmere
