#include "assets/asset_scrambling.h"

namespace quillmere {

void scrambleBytes(std::span<std::uint8_t> bytes) {
    std::uint64_t n = 1;
    for (std::uint8_t& b : bytes)
        b = scrambleByte(b, n++);
}

void unscrambleBytes(std::span<std::uint8_t> bytes, std::uint64_t firstN) {
    std::uint64_t n = firstN;
    for (std::uint8_t& b : bytes)
        b = unscrambleByte(b, n++);
}

} // namespace quillmere
