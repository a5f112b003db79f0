#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillmere::testing_support {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quillmere-assets-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // The folder as the extraction functions take it, with a trailing slash.
    std::string folder() const { return m_folder.string() + "/"; }
    fs::path path(const std::string& name) const { return m_folder / name; }

    std::set<std::string> fileNames() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    fs::path m_folder;
};

inline std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t u16At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8);
}

inline std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return u16At(b, at) | u16At(b, at + 2) << 16;
}

inline std::int32_t s32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(u32At(b, at));
}

} // namespace quillmere::testing_support
