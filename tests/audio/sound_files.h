#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quillmere::testing_audio {

// One output frame of 16-bit stereo.
struct Frame {
    std::int16_t left = 0;
    std::int16_t right = 0;
    bool operator==(const Frame&) const = default;
    bool silent() const { return left == 0 && right == 0; }
};

constexpr int TestRate = 44100;

// The bytes of a 16-bit stereo PCM wave file.
std::vector<std::uint8_t> waveFileBytes(const std::vector<Frame>& frames, int rate = TestRate);
void writeWaveFile(const std::filesystem::path& path, const std::vector<Frame>& frames, int rate = TestRate);

// A tune whose frames are all different and never silent: frame i is (v, -v) with v = 1000 + 37·i mod
// 20000, so any stretch of output tells where in the tune it comes from.
std::vector<Frame> markedTune(int frameCount);

// A steady tone of the given amplitude on both channels.
std::vector<Frame> steadyTone(int frameCount, std::int16_t amplitude);

// Encodes a wave file to MP3 with the lame encoder; fails the current test when that is impossible.
void encodeMp3(const std::filesystem::path& wave, const std::filesystem::path& mp3);

} // namespace quillmere::testing_audio
