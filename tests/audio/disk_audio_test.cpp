#include "disk_audio_test.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace quillmere::testing_audio {

namespace fs = std::filesystem;

DiskAudioTest::DiskAudioTest() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    m_folder = fs::temp_directory_path() / ("quillmere-audio-" + std::to_string(::getpid()) + "-" +
                                            info->test_suite_name() + "-" + info->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    m_output = m_folder / "output.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", m_output.c_str(), 1);
    // Real-time pace: the driver sleeps one buffer's length between buffers.
    ::unsetenv("SDL_DISKAUDIODELAY");
}

DiskAudioTest::~DiskAudioTest() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

std::size_t DiskAudioTest::framesWritten() const {
    std::error_code error;
    const auto size = fs::file_size(m_output, error);
    return error ? 0 : static_cast<std::size_t>(size / 4);
}

bool DiskAudioTest::waitForFrames(std::size_t total) const {
    return pollUntil([&] { return framesWritten() >= total; });
}

std::vector<Frame> DiskAudioTest::readFrames() const {
    std::ifstream in(m_output, std::ios::binary);
    std::vector<Frame> frames;
    std::int16_t pair[2];
    while (in.read(reinterpret_cast<char*>(pair), sizeof pair))
        frames.push_back(Frame{pair[0], pair[1]});
    return frames;
}

bool DiskAudioTest::pollUntil(const std::function<bool()>& step) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!step()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::size_t firstSound(const std::vector<Frame>& frames, std::size_t from) {
    for (std::size_t i = from; i < frames.size(); ++i) {
        if (!frames[i].silent())
            return i;
    }
    return frames.size();
}

::testing::AssertionResult playsFrom(const std::vector<Frame>& frames, std::size_t start,
                                     const std::vector<Frame>& expected, std::size_t count) {
    if (start + count > frames.size())
        return ::testing::AssertionFailure()
               << "only " << frames.size() << " frames of output, wanted " << start + count;
    for (std::size_t k = 0; k < count; ++k) {
        const Frame& got = frames[start + k];
        const Frame& want = expected[k % expected.size()];
        if (!(got == want))
            return ::testing::AssertionFailure()
                   << "frame " << k << " after " << start << " is (" << got.left << ", " << got.right
                   << "), the tune has (" << want.left << ", " << want.right << ")";
    }
    return ::testing::AssertionSuccess();
}

} // namespace quillmere::testing_audio
