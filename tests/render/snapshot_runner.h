#pragma once

#include "png_file.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillmere::testing_support {

// Runs a program with arguments and the environment, less the variables named in `unset`; returns its
// exit status, or -1 when it could not be started or did not exit normally.
inline int runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& unset = {}) {
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool keep = true;
        for (const std::string& name : unset)
            keep = keep && text.rfind(name + "=", 0) != 0;
        if (keep)
            envp.push_back(*entry);
    }
    envp.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A fresh settings folder per test, removed afterwards.
class SnapshotFolder : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() /
                 ("quillmere-snapshot-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_root);
        m_dir = m_root / "settings";
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    // Writes the settings file: "Aquarium Settings" lines, then the 15 fish counts.
    void writeSettings(const std::vector<std::string>& aquarium, const std::array<int, 15>& fish) {
        std::ofstream file(m_dir / "QuillmereSet.ini");
        file << "[Aquarium Settings]\n";
        for (const std::string& line : aquarium)
            file << line << "\n";
        file << "[Fish Number]\n";
        for (int kind = 0; kind < 15; ++kind)
            file << "Fish" << kind << "=" << fish[kind] << "\n";
    }

    // The tool's exit status for these arguments.
    int snapshotStatus(const std::vector<std::string>& args) { return runProgram(QUILLMERE_SNAPSHOT, args); }

    // A picture of frame `frames` at width x height; fails the test when none comes back.
    RgbImage snapshot(int frames, int width, int height) {
        const std::filesystem::path out = m_root / ("frame" + std::to_string(m_taken++) + ".png");
        const int status =
            snapshotStatus({"--dir", m_dir.string(), "--frames", std::to_string(frames), "--size",
                            std::to_string(width) + "x" + std::to_string(height), "--out", out.string()});
        EXPECT_EQ(status, 0);
        std::optional<RgbImage> image = readPng(out);
        EXPECT_TRUE(image.has_value()) << out;
        return image.value_or(RgbImage{});
    }

    std::filesystem::path m_root;
    std::filesystem::path m_dir;
    int m_taken = 0;
};

} // namespace quillmere::testing_support
