#include "render/user_picture_textures.h"

#include "assets/bitmap_builder.h"
#include "gl_test_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

class UserPictureTexturesTest : public testing::Test {
protected:
    void SetUp() override {
        testing_support::ensureGlWindow();
        m_folder = fs::temp_directory_path() / ("quillmere-pictures-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        const std::vector<std::uint8_t> bytes =
            testing_support::encodeBitmap(testing_support::bitmapLayout(8, 4, 24));
        std::ofstream(picture(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream(m_folder / "notes.txt") << "not a picture\n";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string picture() const { return (m_folder / "wall paper.bmp").string(); }
    std::string notAPicture() const { return (m_folder / "notes.txt").string(); }

    fs::path m_folder;
};

TEST_F(UserPictureTexturesTest, ReleasedAndClearedPicturesLeaveNoTextureBehind) {
    UserPictureTextures pictures;
    std::vector<GLuint> names;
    for (int i = 0; i < 3; ++i)
        names.push_back(pictures.load(picture()));
    EXPECT_EQ(pictures.load(notAPicture()), 0u);
    EXPECT_EQ(pictures.load((m_folder / "gone.png").string()), 0u);
    ASSERT_EQ(pictures.count(), 3);
    for (GLuint name : names)
        EXPECT_TRUE(glIsTexture(name) && pictures.holds(name));

    pictures.release(names[1]);
    pictures.release(names[1]);
    pictures.release(0);
    EXPECT_EQ(pictures.count(), 2);
    EXPECT_FALSE(glIsTexture(names[1]));
    EXPECT_FALSE(pictures.holds(names[1]));
    EXPECT_FALSE(pictures.holds(-1));
    EXPECT_FALSE(pictures.holds(0));

    pictures.clear();
    EXPECT_EQ(pictures.count(), 0);
    EXPECT_FALSE(glIsTexture(names[0]) || glIsTexture(names[2]));
}

} // namespace
} // namespace quillmere
