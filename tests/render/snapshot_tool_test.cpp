#include "render/snapshot_runner.h"
#include "snapshot_options.h"

#include <sys/stat.h>

namespace quillmere {
namespace {

using testing_support::SnapshotFolder;

SnapshotOptions parsed(std::vector<std::string> words, std::string& message) {
    std::vector<const char*> argv{"quillmere-snapshot"};
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    SnapshotOptions options;
    message = parseSnapshotOptions(static_cast<int>(argv.size()), argv.data(), options);
    return options;
}

TEST(SnapshotOptions, ReadsEveryOptionInAnyOrder) {
    std::string message;
    const SnapshotOptions options =
        parsed({"--size", "1920x1080", "--out", "a/b.png", "--frames", "250", "--dir", "folder"}, message);
    EXPECT_EQ(message, "");
    EXPECT_EQ(options.dir, "folder");
    EXPECT_EQ(options.frames, 250);
    EXPECT_EQ(options.width, 1920);
    EXPECT_EQ(options.height, 1080);
    EXPECT_EQ(options.out, "a/b.png");
}

TEST(SnapshotOptions, RejectsMissingRepeatedAndMalformedValues) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--dir", "d", "--frames", "1", "--size", "8x8"},
        {"--dir", "d", "--frames", "1", "--size", "8x8", "--out"},
        {"--dir", "d", "--dir", "e", "--frames", "1", "--size", "8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "0", "--size", "8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "-3", "--size", "8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "12a", "--size", "8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1000001", "--size", "8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "0x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "8x", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "8x8x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "8193x8", "--out", "o.png"},
        {"--dir", "d", "--frames", "1", "--size", "8x8", "--out", "o.png", "--verbose"},
        {"--dir", "", "--frames", "1", "--size", "8x8", "--out", "o.png"},
    };
    for (const auto& words : bad) {
        std::string message;
        parsed(words, message);
        std::string line;
        for (const std::string& word : words)
            line += word + " ";
        EXPECT_NE(message, "") << line;
    }
}

TEST(PngFile, RoundTripsEveryPixelTopRowFirst) {
    RgbImage image;
    image.width = 5;
    image.height = 3;
    for (int i = 0; i < 15; ++i)
        for (int c = 0; c < 3; ++c)
            image.pixels.push_back(static_cast<std::uint8_t>(i * 17 + c * 80));
    const auto path =
        std::filesystem::temp_directory_path() / ("quillmere-png-" + std::to_string(::getpid()));
    ASSERT_EQ(writePng(path, image), "");
    const std::optional<RgbImage> back = readPng(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 5);
    EXPECT_EQ(back->height, 3);
    EXPECT_EQ(back->pixels, image.pixels);
}

TEST(PngFile, FailureLeavesNoFileBehind) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("quillmere-png-dir-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    RgbImage empty;
    EXPECT_NE(writePng(folder / "empty.png", empty), "");
    RgbImage image{2, 2, std::vector<std::uint8_t>(12, 7)};
    EXPECT_NE(writePng(folder / "missing" / "x.png", image), "");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    // Not a PNG at all.
    std::ofstream(folder / "text.png") << "not a picture";
    EXPECT_FALSE(readPng(folder / "text.png").has_value());
    std::filesystem::remove_all(folder);
}

class SnapshotArguments : public SnapshotFolder {
protected:
    std::string out() const { return (m_root / "out.png").string(); }
    std::vector<std::string> with(const std::string& dir, const std::string& frames, const std::string& size,
                                  const std::string& outPath) const {
        return {"--dir", dir, "--frames", frames, "--size", size, "--out", outPath};
    }
};

TEST_F(SnapshotArguments, BadArgumentsAndUnusableFoldersExitTwoWithoutAPicture) {
    const std::string dir = m_dir.string();
    std::ofstream(m_root / "plain-file") << "x";
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--help"},
        with(dir, "0", "64x64", out()),
        with(dir, "many", "64x64", out()),
        with(dir, "1", "64", out()),
        with(dir, "1", "-64x64", out()),
        with((m_root / "nowhere").string(), "1", "64x64", out()),
        with((m_root / "plain-file").string(), "1", "64x64", out()),
        with(dir, "1", "64x64", (m_root / "no-folder" / "out.png").string()),
        with(dir, "1", "64x64", m_dir.string()),
    };
    for (const auto& args : bad) {
        std::string line;
        for (const std::string& word : args)
            line += word + " ";
        EXPECT_EQ(snapshotStatus(args), 2) << line;
    }
    EXPECT_FALSE(std::filesystem::exists(out()));
}

TEST_F(SnapshotArguments, SettingsFileThatIsAFolderOrAReadOnlyFolderExitTwo) {
    std::filesystem::create_directory(m_dir / "QuillmereSet.ini");
    EXPECT_EQ(snapshotStatus(with(m_dir.string(), "1", "64x64", out())), 2);
    std::filesystem::remove(m_dir / "QuillmereSet.ini");
    if (::geteuid() != 0) { // root writes anywhere
        ::chmod(m_dir.c_str(), 0500);
        EXPECT_EQ(snapshotStatus(with(m_dir.string(), "1", "64x64", out())), 2);
        ::chmod(m_dir.c_str(), 0700);
    }
}

TEST_F(SnapshotArguments, NoDisplayIsAFailureNotAPicture) {
    const int status = testing_support::runProgram(QUILLMERE_SNAPSHOT,
                                                   with(m_dir.string(), "1", "64x64", out()), {"DISPLAY"});
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(std::filesystem::exists(out()));
}

} // namespace
} // namespace quillmere
