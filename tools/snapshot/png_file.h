#pragma once

#include "rgb_image.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quillmere {

// Writes the picture as an 8-bit RGB PNG. The file appears whole or not at all: it is written beside
// its final name and renamed into place. Empty text on success, else why it failed.
std::string writePng(const std::filesystem::path& path, const RgbImage& image);

// Reads an 8-bit RGB PNG as writePng makes them; nothing for any other file.
std::optional<RgbImage> readPng(const std::filesystem::path& path);

} // namespace quillmere
