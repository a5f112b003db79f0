#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmere::assetgen {

// Little-endian field writers for the file headers.
inline void putU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    putU16(out, v & 0xFFFFu);
    putU16(out, v >> 16);
}

inline void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (char c : tag)
        out.push_back(static_cast<std::uint8_t>(c));
}

} // namespace quillmere::assetgen
