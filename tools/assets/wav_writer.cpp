#include "wav_writer.h"

#include "byte_writer.h"

namespace quillmere::assetgen {

std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, std::uint32_t sampleRate,
                                    std::size_t trailingBytes) {
    constexpr std::uint32_t Channels = 1;
    constexpr std::uint32_t BitsPerSample = 16;
    constexpr std::uint32_t BlockAlign = Channels * BitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BlockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + trailingBytes);
    putTag(out, "RIFF");
    putU32(out, 4 + (8 + 16) + (8 + dataSize));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, Channels);
    putU32(out, sampleRate);
    putU32(out, sampleRate * BlockAlign);
    putU16(out, BlockAlign);
    putU16(out, BitsPerSample);
    putTag(out, "data");
    putU32(out, dataSize);
    for (std::int16_t s : samples)
        putU16(out, static_cast<std::uint16_t>(s));
    out.resize(out.size() + trailingBytes, 0);
    return out;
}

} // namespace quillmere::assetgen
