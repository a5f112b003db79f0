#include "assets/asset_extraction.h"
#include "assets/asset_folder.h"
#include "assets/asset_scrambling.h"

#include "assets/asset_test_support.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quillmere {
namespace {

using testing_support::readBytes;
using testing_support::writeBytes;

class AssetExtractionTest : public testing_support::TempFolderTest {
protected:
    // Extracts bytes stored under id 7 through a one-entry table.
    int extract(const std::vector<std::uint8_t>& stored, const std::string& name) {
        const AssetResource table[] = {{7, stored}};
        return extractAssetFrom(table, 7, folder(), name);
    }
};

TEST_F(AssetExtractionTest, OneByteIsShiftedByTheSecondKeyEntry) {
    ASSERT_EQ(extract({0xF0}, "one"), 1);
    EXPECT_EQ(readBytes(path("one.ad")), std::vector<std::uint8_t>{0xF0});
    EXPECT_EQ(readBytes(path("one.bmp")),
              std::vector<std::uint8_t>{static_cast<std::uint8_t>(0xF0 + AssetKey[1])});
}

TEST_F(AssetExtractionTest, FiftyOneBytesRunThroughTheKeyAndWrapToItsStart) {
    ASSERT_EQ(extract(std::vector<std::uint8_t>(51, 0), "wrap"), 1);
    std::vector<std::uint8_t> expected(AssetKey.begin() + 1, AssetKey.end());
    expected.push_back(AssetKey[0]);
    expected.push_back(AssetKey[1]);
    EXPECT_EQ(readBytes(path("wrap.bmp")), expected);
}

TEST_F(AssetExtractionTest, LargeAssetSurvivesPackingAndExtraction) {
    // Larger than the pass's read buffer, and not a multiple of it or of the key length.
    std::vector<std::uint8_t> plain(200'003);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    std::vector<std::uint8_t> stored = plain;
    scrambleBytes(stored);
    ASSERT_EQ(extract(stored, "large"), 1);
    EXPECT_EQ(readBytes(path("large.ad")), stored);
    EXPECT_EQ(readBytes(path("large.bmp")), plain);
}

TEST_F(AssetExtractionTest, OnlyTheExactNameMusicBecomesAWave) {
    ASSERT_EQ(extract({1, 2, 3}, "Music"), 1);
    ASSERT_EQ(extract({1, 2, 3}, "music"), 1);
    ASSERT_EQ(extract({1, 2, 3}, "MUSIC"), 1);
    EXPECT_EQ(fileNames(), (std::set<std::string>{"Music.ad", "Music.wav", "music.ad", "music.bmp",
                                                  "MUSIC.ad", "MUSIC.bmp"}));
    EXPECT_EQ(usableAssetFileName("Music"), "Music.wav");
    EXPECT_EQ(usableAssetFileName("Music1"), "Music1.bmp");
}

TEST_F(AssetExtractionTest, WritesTheTwoFilesAndNothingElse) {
    ASSERT_EQ(extract({9, 9, 9, 9}, "fish3"), 1);
    EXPECT_EQ(fileNames(), (std::set<std::string>{"fish3.ad", "fish3.bmp"}));
    // The caller's clean-up then leaves the folder as it was.
    std::filesystem::remove(path("fish3.ad"));
    std::filesystem::remove(path("fish3.bmp"));
    EXPECT_TRUE(fileNames().empty());
}

TEST_F(AssetExtractionTest, LongerOldFilesLeaveNoStaleBytes) {
    writeBytes(path("old.ad"), std::vector<std::uint8_t>(1000, 0xAA));
    writeBytes(path("old.bmp"), std::vector<std::uint8_t>(2000, 0xBB));
    const std::vector<std::uint8_t> stored = {10, 20, 30};
    ASSERT_EQ(extract(stored, "old"), 1);
    EXPECT_EQ(readBytes(path("old.ad")), stored);
    std::vector<std::uint8_t> expected = stored;
    unscrambleBytes(expected);
    EXPECT_EQ(readBytes(path("old.bmp")), expected);
}

TEST_F(AssetExtractionTest, UnknownIdReturnsZeroAndWritesNothing) {
    const std::vector<std::uint8_t> stored = {1};
    const AssetResource table[] = {{7, stored}};
    EXPECT_EQ(extractAssetFrom(table, 8, folder(), "nothing"), 0);
    EXPECT_EQ(extractAssetFrom(AssetTable{}, 7, folder(), "nothing"), 0);
    EXPECT_TRUE(fileNames().empty());
}

TEST_F(AssetExtractionTest, ExtractedFilesArePrivateToTheUser) {
    writeBytes(path("shared.bmp"), {1});
    ::chmod(path("shared.bmp").c_str(), 0666);
    const mode_t oldMask = ::umask(0);
    const int result = extract({5, 6}, "shared");
    ::umask(oldMask);
    ASSERT_EQ(result, 1);
    for (const char* file : {"shared.ad", "shared.bmp"}) {
        struct stat info {};
        ASSERT_EQ(::stat(path(file).c_str(), &info), 0) << file;
        EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
    }
}

TEST_F(AssetExtractionTest, ReplacesALinkRatherThanWritingThroughIt) {
    writeBytes(path("elsewhere"), {'k', 'e', 'e', 'p'});
    std::filesystem::create_symlink(path("elsewhere"), path("linked.ad"));
    std::filesystem::create_symlink(path("elsewhere"), path("linked.bmp"));
    ASSERT_EQ(extract({1, 2}, "linked"), 1);
    EXPECT_EQ(readBytes(path("elsewhere")), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
    EXPECT_FALSE(std::filesystem::is_symlink(path("linked.ad")));
    EXPECT_FALSE(std::filesystem::is_symlink(path("linked.bmp")));
    EXPECT_EQ(readBytes(path("linked.ad")), (std::vector<std::uint8_t>{1, 2}));
}

TEST_F(AssetExtractionTest, AssetFolderIsTheSettingsFolderWithASlash) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    const std::string assetFolder = AssetFolder();
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(assetFolder, folder() + "quillmere/");
    EXPECT_TRUE(std::filesystem::is_directory(assetFolder));
}

class AssetExtractionDeathTest : public AssetExtractionTest {
protected:
    void SetUp() override {
        AssetExtractionTest::SetUp();
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
};

// The messages go to standard output; the child sends that to standard error, where the death test
// can match it.
#define EXPECT_EXITS_WITH_MESSAGE_ON_STDOUT(statement, message)                                              \
    EXPECT_EXIT(                                                                                             \
        {                                                                                                    \
            std::fflush(stdout);                                                                             \
            ::dup2(2, 1);                                                                                    \
            statement;                                                                                       \
        },                                                                                                   \
        testing::ExitedWithCode(1), message)

TEST_F(AssetExtractionDeathTest, MissingInputEndsTheProcessWithAFailureCode) {
    EXPECT_EXITS_WITH_MESSAGE_ON_STDOUT(UnscrambleAsset(folder(), "absent"), "^cannot open infile\n$");
}

TEST_F(AssetExtractionDeathTest, UnwritableFolderEndsExtractionWithAFailureCode) {
    // Nothing can be written into a folder that does not exist, so the pass finds no ".ad" file.
    const std::vector<std::uint8_t> stored = {1, 2};
    const AssetResource table[] = {{7, stored}};
    const std::string missing = folder() + "no-such-folder/";
    EXPECT_EXITS_WITH_MESSAGE_ON_STDOUT(extractAssetFrom(table, 7, missing, "x"), "^cannot open infile\n$");
}

TEST_F(AssetExtractionDeathTest, UncreatableOutputEndsTheProcessWithAFailureCode) {
    writeBytes(path("blocked.ad"), {1, 2, 3});
    std::filesystem::create_directory(path("blocked.bmp"));
    EXPECT_EXITS_WITH_MESSAGE_ON_STDOUT(UnscrambleAsset(folder(), "blocked"), "^ cannot open outfile\n$");
}

// Makes every write beyond `bytes` bytes of a file fail, as a full disk would. The limit leaves room
// for the messages the death test captures in a file.
void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

TEST_F(AssetExtractionDeathTest, ShortCopyOfTheStoredBytesIsNeverUnscrambled) {
    const std::vector<std::uint8_t> stored(5000, 7);
    const AssetResource table[] = {{7, stored}};
    EXPECT_EXITS_WITH_MESSAGE_ON_STDOUT(
        {
            limitFileSize(1000);
            extractAssetFrom(table, 7, folder(), "short");
        },
        "^cannot open infile\n$");
}

TEST_F(AssetExtractionDeathTest, ShortUsableFileIsRemovedAndReported) {
    writeBytes(path("short.ad"), std::vector<std::uint8_t>(5000, 7));
    const std::string usable = path("short.bmp").string();
    // The child reports through its exit code whether a usable file was left behind.
    EXPECT_EXIT(
        {
            limitFileSize(1000);
            UnscrambleAsset(folder(), "short");
            std::exit(std::filesystem::exists(usable) ? 3 : 4);
        },
        testing::ExitedWithCode(4), "cannot write .*short\\.bmp");
}

} // namespace
} // namespace quillmere
