#include "ui/artwork/embedded_ui_artwork.h"
#include "ui/artwork/ui_artwork_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillmere {
namespace {

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ArtworkGeneratorTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillmere-ui-artwork-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    int generate(const std::string& arguments) const {
        const std::string command = std::string("'") + QUILLMERE_UI_ARTWORK + "' " + arguments;
        return std::system(command.c_str());
    }

    std::filesystem::path m_folder;
};

TEST_F(ArtworkGeneratorTest, TwoRunsGiveTheBytesTheProgramHolds) {
    ASSERT_EQ(generate("'" + (m_folder / "first").string() + "'"), 0);
    ASSERT_EQ(generate("'" + (m_folder / "second").string() + "'"), 0);
    const std::vector<std::uint8_t> first = readBytes(m_folder / "first" / "ui_artwork.bin");
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first == readBytes(m_folder / "second" / "ui_artwork.bin")) << "two runs differ";
    EXPECT_TRUE(first == readBytes(QUILLMERE_UI_ARTWORK_BUILT)) << "the build holds other bytes";
}

TEST_F(ArtworkGeneratorTest, IconThemeHoldsEverySizeAsEmbedded) {
    ASSERT_EQ(generate("--icons '" + m_folder.string() + "'"), 0);
    for (const EmbeddedProgramIcon& icon : embeddedProgramIcons()) {
        const std::string size = std::to_string(icon.pixels);
        const std::vector<std::uint8_t> file =
            readBytes(m_folder / "hicolor" / (size + "x" + size) / "apps" / "quillmere.png");
        EXPECT_TRUE(std::equal(file.begin(), file.end(), icon.png.begin(), icon.png.end())) << size;
    }
    EXPECT_EQ(embeddedProgramIcons().size(), std::size(ProgramIconSizes));
}

} // namespace
} // namespace quillmere
