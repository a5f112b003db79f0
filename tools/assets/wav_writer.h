#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quillmere::assetgen {

// A canonical PCM wave file: RIFF/WAVE, a 16-byte "fmt " chunk and one "data" chunk of 16-bit
// mono samples. trailingBytes zero bytes follow the RIFF form; its size does not count them, as
// a RIFF form holds whole chunks only.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, std::uint32_t sampleRate,
                                    std::size_t trailingBytes);

} // namespace quillmere::assetgen
