#pragma once

#include "sound_files.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <vector>

namespace quillmere::testing_audio {

// Runs SDL's "disk" audio driver, which writes everything the mixer plays to a file in real time,
// so a test can read back what would have been heard. Each test gets its own folder.
class DiskAudioTest : public testing::Test {
protected:
    static constexpr std::size_t FramesPerSecond = TestRate;
    // Output that may still be on its way to the file when a test acts: the mixer's buffer, the one
    // being written and the file's own buffering.
    static constexpr std::size_t LagFrames = 3 * 2048;

    // Set up in the constructor, so that a fixture's own members already find the driver chosen.
    DiskAudioTest();
    ~DiskAudioTest() override;

    const std::filesystem::path& folder() const { return m_folder; }
    std::size_t framesWritten() const;
    // Waits (up to 20 s) until the output holds at least total frames.
    [[nodiscard]] bool waitForFrames(std::size_t total) const;
    // Waits for the output to grow by count frames from now.
    [[nodiscard]] bool waitForMoreFrames(std::size_t count) const {
        return waitForFrames(framesWritten() + count);
    }
    std::vector<Frame> readFrames() const;

    // Calls step every 20 ms until it returns true or 20 s have passed.
    static bool pollUntil(const std::function<bool()>& step);

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_output;
};

// The index of the first frame at or after from that is not silent, or frames.size().
std::size_t firstSound(const std::vector<Frame>& frames, std::size_t from = 0);
// Whether frames from start on repeat expected (cyclically) for count frames.
::testing::AssertionResult playsFrom(const std::vector<Frame>& frames, std::size_t start,
                                     const std::vector<Frame>& expected, std::size_t count);

} // namespace quillmere::testing_audio
