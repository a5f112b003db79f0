#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The whole regular file at path, or nothing when it cannot be opened, is not a regular file (a folder,
// a pipe, a device) or holds more than maxBytes.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::size_t maxBytes);

} // namespace quillmere
