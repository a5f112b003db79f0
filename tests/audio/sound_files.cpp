#include "sound_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace quillmere::testing_audio {
namespace {

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> waveFileBytes(const std::vector<Frame>& frames, int rate) {
    const std::uint32_t dataSize = static_cast<std::uint32_t>(frames.size() * 4);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putLe(out, 36 + dataSize, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 2, 2);
    putLe(out, static_cast<std::uint32_t>(rate), 4);
    putLe(out, static_cast<std::uint32_t>(rate) * 4, 4);
    putLe(out, 4, 2);
    putLe(out, 16, 2);
    putTag(out, "data");
    putLe(out, dataSize, 4);
    for (const Frame& frame : frames) {
        putLe(out, static_cast<std::uint16_t>(frame.left), 2);
        putLe(out, static_cast<std::uint16_t>(frame.right), 2);
    }
    return out;
}

void writeWaveFile(const std::filesystem::path& path, const std::vector<Frame>& frames, int rate) {
    const auto bytes = waveFileBytes(frames, rate);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<Frame> markedTune(int frameCount) {
    std::vector<Frame> frames;
    for (int i = 0; i < frameCount; ++i) {
        const auto v = static_cast<std::int16_t>(1000 + (37 * i) % 20000);
        frames.push_back(Frame{v, static_cast<std::int16_t>(-v)});
    }
    return frames;
}

std::vector<Frame> steadyTone(int frameCount, std::int16_t amplitude) {
    std::vector<Frame> frames;
    for (int i = 0; i < frameCount; ++i) {
        // A square wave, so that an MP3 encoder keeps it audible.
        const auto v = static_cast<std::int16_t>((i / 50) % 2 == 0 ? amplitude : -amplitude);
        frames.push_back(Frame{v, v});
    }
    return frames;
}

void encodeMp3(const std::filesystem::path& wave, const std::filesystem::path& mp3) {
    const std::string lame = QUILLMERE_LAME;
    ASSERT_FALSE(lame.empty()) << "the lame encoder was not found when the build was configured";
    const std::string command =
        "'" + lame + "' --quiet -b 128 '" + wave.string() + "' '" + mp3.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace quillmere::testing_audio
