#include "render/user_picture_textures.h"

#include "assets/bitmap_builder.h"
#include "assets/user_picture_preparation.h"
#include "assets/user_picture_texture.h"
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
        // Neither side a power of two, so the preparation scales it up as well as building its levels.
        auto layout = testing_support::bitmapLayout(100, 60, 24);
        layout.pixel = [](int x, int y) {
            return static_cast<std::uint32_t>((x * 2) << 16 | (y * 4) << 8 | (x ^ y));
        };
        const std::vector<std::uint8_t> bytes = testing_support::encodeBitmap(layout);
        std::ofstream(picture(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string picture() const { return (m_folder / "wall paper.bmp").string(); }

    PreparedTexture prepared() const {
        PreparedPictureFile file = preparePictureFile(picture(), {}, readTextureCapabilities());
        EXPECT_TRUE(file.texture) << file.error;
        return file.texture ? std::move(*file.texture) : PreparedTexture{};
    }

    // Every level of the bound texture as OpenGL gives it back, decompressed to RGBA.
    static std::vector<std::vector<std::uint8_t>> levelsOf(GLuint texture) {
        std::vector<std::vector<std::uint8_t>> levels;
        glBindTexture(GL_TEXTURE_2D, texture);
        for (GLint level = 0;; ++level) {
            GLint width = 0;
            GLint height = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
            if (width == 0 || height == 0)
                return levels;
            std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height * 4));
            glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
            levels.push_back(std::move(pixels));
        }
    }

    fs::path m_folder;
};

TEST_F(UserPictureTexturesTest, APictureUploadedInBandsIsTheTextureSoilMakesInOneGo) {
    const UserPictureTexture reference = LoadUserPictureTexture(picture());
    ASSERT_TRUE(reference.texture) << reference.error;

    UserPictureTextures pictures;
    const auto id = static_cast<PictureId>(1);
    pictures.add(id, prepared());
    int calls = 0;
    std::vector<PictureId> complete;
    while (complete.empty() && calls < 10000) {
        EXPECT_FALSE(pictures.holds(id)) << "not drawable before its last band";
        complete = pictures.upload(256);
        ++calls;
    }
    ASSERT_EQ(complete, std::vector<PictureId>{id});
    EXPECT_GT(calls, 8) << "a small budget spreads the picture over many frames";
    EXPECT_FALSE(pictures.uploading());

    const auto expected = levelsOf(reference.texture.name());
    const auto actual = levelsOf(pictures.textureOf(id));
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(actual.size(), 8u) << "128 x 64 down to 1 x 1";
    for (std::size_t level = 0; level < expected.size(); ++level)
        EXPECT_TRUE(actual[level] == expected[level]) << "level " << level;
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
}

TEST_F(UserPictureTexturesTest, ReleasedPicturesLeaveNoTextureBehindEvenWhileUploading) {
    UserPictureTextures pictures;
    for (std::int64_t id = 1; id <= 3; ++id)
        pictures.add(static_cast<PictureId>(id), prepared());
    pictures.upload(std::size_t{1} << 30);
    ASSERT_EQ(pictures.count(), 3);
    const GLuint second = pictures.textureOf(static_cast<PictureId>(2));
    pictures.release(static_cast<PictureId>(2));
    pictures.release(static_cast<PictureId>(2));
    pictures.release(PictureId::Stale);
    EXPECT_EQ(pictures.count(), 2);
    EXPECT_FALSE(glIsTexture(second));

    pictures.add(static_cast<PictureId>(4), prepared());
    pictures.upload(64);
    pictures.release(static_cast<PictureId>(4));
    EXPECT_FALSE(pictures.uploading());
    EXPECT_TRUE(pictures.upload(std::size_t{1} << 30).empty());

    const GLuint first = pictures.textureOf(static_cast<PictureId>(1));
    pictures.clear();
    EXPECT_EQ(pictures.count(), 0);
    EXPECT_FALSE(glIsTexture(first));
}

} // namespace
} // namespace quillmere
