// The texture loaders against a real OpenGL implementation: run under a virtual X server.
#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"
#include "assets/masked_texture.h"
#include "assets/scaled_texture.h"
#include "assets/user_picture_texture.h"

#include "assets/asset_test_support.h"
#include "assets/bitmap_builder.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <array>
#include <memory>

namespace quillmere {
namespace {

using testing_support::BitmapLayout;
using testing_support::bitmapLayout;
using testing_support::encodeBitmap;
using testing_support::writeBytes;

// One rendering context on a small unmapped window for the whole run.
class GlContext {
public:
    GlContext() {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr)
            return;
        int attributes[] = {GLX_RGBA, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
        XVisualInfo* visual = glXChooseVisual(m_display, DefaultScreen(m_display), attributes);
        if (visual == nullptr)
            return;
        const Window root = RootWindow(m_display, visual->screen);
        XSetWindowAttributes windowAttributes{};
        windowAttributes.colormap = XCreateColormap(m_display, root, visual->visual, AllocNone);
        m_window = XCreateWindow(m_display, root, 0, 0, 16, 16, 0, visual->depth, InputOutput, visual->visual,
                                 CWColormap, &windowAttributes);
        m_context = glXCreateContext(m_display, visual, nullptr, True);
        XFree(visual);
        m_current = m_context != nullptr && glXMakeCurrent(m_display, m_window, m_context);
    }
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;
    ~GlContext() {
        if (m_context != nullptr) {
            glXMakeCurrent(m_display, None, nullptr);
            glXDestroyContext(m_display, m_context);
        }
        if (m_window != 0)
            XDestroyWindow(m_display, m_window);
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }

    bool current() const { return m_current; }

private:
    Display* m_display = nullptr;
    Window m_window = 0;
    GLXContext m_context = nullptr;
    bool m_current = false;
};

GLint levelParameter(int level, GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint textureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

// Level 0 of the bound texture, tightly packed.
std::vector<std::uint8_t> texturePixels(GLenum format, int bytesPerPixel) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(levelParameter(0, GL_TEXTURE_WIDTH)) *
                                     levelParameter(0, GL_TEXTURE_HEIGHT) * bytesPerPixel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return pixels;
}

// Every pixel of the bound texture, read as RGB, equals rgb (0x00RRGGBB).
bool allPixelsAre(std::uint32_t rgb) {
    const auto pixels = texturePixels(GL_RGB, 3);
    for (std::size_t at = 0; at < pixels.size(); at += 3)
        if ((static_cast<std::uint32_t>(pixels[at]) << 16 | pixels[at + 1] << 8 | pixels[at + 2]) != rgb)
            return false;
    return !pixels.empty();
}

BitmapLayout plain(int width, int height, int bitCount, std::uint32_t colour) {
    BitmapLayout layout = bitmapLayout(width, height, bitCount);
    layout.pixel = [colour](int, int) { return colour; };
    return layout;
}

class TextureUploadTest : public testing_support::TempFolderTest {
protected:
    static void SetUpTestSuite() { s_context = std::make_unique<GlContext>(); }
    static void TearDownTestSuite() { s_context.reset(); }
    void SetUp() override {
        TempFolderTest::SetUp();
        ASSERT_TRUE(s_context->current()) << "no OpenGL context: run under xvfb-run";
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        TempFolderTest::TearDown();
    }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        writeBytes(path(name), bytes);
        return path(name).string();
    }

    static std::unique_ptr<GlContext> s_context;
};

std::unique_ptr<GlContext> TextureUploadTest::s_context;

TEST_F(TextureUploadTest, PowerOfTwoTwentyFourBitPictureUploadsUnscaledAsBgr) {
    BitmapLayout layout = bitmapLayout(256, 128, 24);
    layout.pixel = testing_support::testColour;
    const LoadedTexture loaded = LoadScaledTexture(write("skin.bmp", encodeBitmap(layout)));
    ASSERT_TRUE(loaded.hasImage);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(loaded.texture.name()));
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 256);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), 128);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0) << "three components";
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    const auto pixels = texturePixels(GL_BGR_EXT, 3);
    bool same = true;
    for (int row = 0; row < 128 && same; ++row)
        for (int x = 0; x < 256 && same; ++x) {
            const std::size_t at = (static_cast<std::size_t>(row) * 256 + x) * 3;
            same = (pixels[at] | pixels[at + 1] << 8 | pixels[at + 2] << 16) ==
                   static_cast<int>(testing_support::testColour(x, row));
        }
    EXPECT_TRUE(same) << "rows from the bottom, blue first, as stored";
}

TEST_F(TextureUploadTest, OtherSizesScaleToPowersOfTwoOfAtMost512) {
    struct Case {
        int width, height, textureWidth, textureHeight;
    };
    for (const Case c :
         {Case{100, 60, 128, 64}, Case{1024, 1024, 512, 512}, Case{1, 1, 2, 2}, Case{3, 700, 4, 512}}) {
        const LoadedTexture loaded =
            LoadScaledTexture(write("odd.bmp", encodeBitmap(plain(c.width, c.height, 24, 0x336699))));
        ASSERT_TRUE(loaded.hasImage) << c.width << "x" << c.height;
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), c.textureWidth) << c.width << "x" << c.height;
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), c.textureHeight) << c.width << "x" << c.height;
        EXPECT_TRUE(allPixelsAre(0x336699)) << "red and blue kept apart through the scaling";
    }
}

TEST_F(TextureUploadTest, PalettedPictureOfPowerOfTwoSizeUploadsAsItsColours) {
    BitmapLayout layout = bitmapLayout(4, 4, 8);
    layout.palette = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    layout.colorsUsed = 4;
    layout.pixel = [](int x, int row) { return static_cast<std::uint32_t>(x + row * 4) % 4; };
    const LoadedTexture loaded = LoadScaledTexture(write("paletted.bmp", encodeBitmap(layout)));
    ASSERT_TRUE(loaded.hasImage);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), 4);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0);
    const auto pixels = texturePixels(GL_RGB, 3);
    ASSERT_EQ(pixels.size(), 48u);
    const std::array<std::array<std::uint8_t, 3>, 4> expected = {
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ((std::array<std::uint8_t, 3>{pixels[i * 3], pixels[i * 3 + 1], pixels[i * 3 + 2]}),
                  expected[i % 4])
            << i;
}

TEST_F(TextureUploadTest, ThirtyTwoBitPicturesKeepTheirFourthByteAsAlpha) {
    for (const int width : {2, 3}) {
        const LoadedTexture loaded =
            LoadScaledTexture(write("alpha.bmp", encodeBitmap(plain(width, width, 32, 0x80336699))));
        ASSERT_TRUE(loaded.hasImage);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), width == 2 ? 2 : 4);
        EXPECT_GT(levelParameter(0, GL_TEXTURE_ALPHA_SIZE), 0);
        const auto pixels = texturePixels(GL_RGBA, 4);
        ASSERT_FALSE(pixels.empty());
        for (std::size_t at = 0; at < pixels.size(); at += 4)
            EXPECT_EQ(
                (std::array<std::uint8_t, 4>{pixels[at], pixels[at + 1], pixels[at + 2], pixels[at + 3]}),
                (std::array<std::uint8_t, 4>{0x33, 0x66, 0x99, 0x80}));
    }
}

TEST_F(TextureUploadTest, MaskedPictureIsRgbaWithBlackTransparentAndAFullMipmapChain) {
    BitmapLayout layout = bitmapLayout(4, 4, 24);
    layout.pixel = [](int x, int) { return x == 0 ? 0u : 1u; };
    const LoadedTexture loaded = LoadMaskedTexture(write("masked.bmp", encodeBitmap(layout)));
    ASSERT_TRUE(loaded.hasImage);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(loaded.texture.name()));
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 4);
    EXPECT_EQ(levelParameter(1, GL_TEXTURE_WIDTH), 2);
    EXPECT_EQ(levelParameter(2, GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(levelParameter(2, GL_TEXTURE_HEIGHT), 1);
    const auto pixels = texturePixels(GL_RGBA, 4);
    ASSERT_EQ(pixels.size(), 64u);
    for (int i = 0; i < 16; ++i) {
        const bool black = i % 4 == 0;
        EXPECT_EQ(pixels[i * 4 + 2], black ? 0 : 1) << i;
        EXPECT_EQ(pixels[i * 4 + 3], black ? 0 : 255) << i;
    }
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(TextureUploadTest, BadFilesLeaveABoundNameWithoutAnImageOrFilters) {
    std::vector<std::uint8_t> lying = encodeBitmap(plain(4, 4, 24, 0x123456));
    testing_support::putU32(lying, testing_support::BiHeightAt, 4000);
    const std::vector<std::string> paths = {path("missing.bmp").string(),
                                            write("short.bmp", {'B', 'M', 1, 2}), write("lying.bmp", lying),
                                            write("text.bmp", {'h', 'e', 'l', 'l', 'o'})};
    for (const std::string& file : paths)
        for (const bool masked : {false, true}) {
            const LoadedTexture loaded = masked ? LoadMaskedTexture(file) : LoadScaledTexture(file);
            EXPECT_FALSE(loaded.hasImage) << file;
            EXPECT_NE(loaded.texture.name(), 0u);
            EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(loaded.texture.name()));
            EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 0) << file;
            EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_LINEAR) << "the default";
        }
}

TEST_F(TextureUploadTest, LoadersLeaveTheRowAlignmentAsTheyFoundIt) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    const LoadedTexture loaded =
        LoadScaledTexture(write("narrow.bmp", encodeBitmap(plain(3, 5, 24, 0xA0B0C0))));
    EXPECT_TRUE(allPixelsAre(0xA0B0C0));
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 8);
    EXPECT_EQ(integer(GL_PACK_ALIGNMENT), 4);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

TEST_F(TextureUploadTest, ATextureDeletesItsNameWhenDestroyed) {
    GLuint name = 0;
    {
        LoadedTexture loaded = LoadScaledTexture(write("dot.bmp", encodeBitmap(plain(1, 1, 24, 0x010203))));
        name = loaded.texture.name();
        EXPECT_TRUE(glIsTexture(name));
        Texture moved = std::move(loaded.texture);
        EXPECT_EQ(loaded.texture.name(), 0u);
        EXPECT_EQ(moved.name(), name);
        EXPECT_TRUE(glIsTexture(name));
    }
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(TextureUploadTest, UserPicturesBecomeMipmappedTexturesOfPowerOfTwoSides) {
    for (const char* name : {"baseline.jpg", "rgb.png", "rgb24.bmp"}) {
        const std::string file = std::string(QUILLMERE_PICTURE_CORPUS) + "/" + name;
        const UserPictureTexture picture = LoadUserPictureTexture(file);
        ASSERT_TRUE(picture.texture) << name;
        EXPECT_EQ(picture.error, "");
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(picture.texture.name()));
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 16) << name << " is 13 x 9";
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), 16) << name;
        EXPECT_EQ(levelParameter(4, GL_TEXTURE_WIDTH), 1) << name << ": the mipmaps down to one pixel";
    }
}

TEST_F(TextureUploadTest, TheTopOfAUserPictureIsTheTopOfItsTexture) {
    BitmapLayout layout = bitmapLayout(8, 8, 24);
    layout.pixel = [](int, int row) { return row >= 4 ? 0xFF0000u : 0x0000FFu; };
    const Texture picture = LoadUserPicture(write("sky.bmp", encodeBitmap(layout)));
    ASSERT_TRUE(picture);
    const auto pixels = texturePixels(GL_RGB, 3);
    ASSERT_EQ(pixels.size(), 8u * 8 * 3);
    EXPECT_GT(pixels[2], pixels[0]) << "the texture's first row is the picture's bottom, blue";
    EXPECT_GT(pixels[7 * 8 * 3], pixels[7 * 8 * 3 + 2]) << "its last row the picture's top, red";
}

TEST_F(TextureUploadTest, UserPicturesThatCannotBeLoadedGiveNoTextureAndTheMessage) {
    const std::vector<std::string> files = {path("missing.png").string(),
                                            write("junk.jpg", {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}),
                                            write("empty.png", {}), write("targa.jpg", {0, 0, 10, 0, 0, 0})};
    for (const std::string& file : files) {
        const UserPictureTexture picture = LoadUserPictureTexture(file);
        EXPECT_FALSE(picture.texture) << file;
        EXPECT_EQ(picture.error, "(" + file + ")image loading error.");
        EXPECT_EQ(LoadUserPicture(file).name(), 0u) << file;
    }
}

TEST_F(TextureUploadTest, TheBuiltInPicturesLoad) {
    ASSERT_EQ(ExtractAsset(BackdropAssetId, folder(), "BackGround0"), 1);
    const LoadedTexture backdrop = LoadMaskedTexture(path("BackGround0.bmp").string());
    EXPECT_TRUE(backdrop.hasImage);
    EXPECT_GT(levelParameter(0, GL_TEXTURE_WIDTH), 0);
    for (int kind = 0; kind < FishSkinCount; ++kind) {
        const std::string name = "fish" + std::to_string(kind);
        ASSERT_EQ(ExtractAsset(fishSkinAssetId(kind), folder(), name), 1);
        const LoadedTexture skin = LoadScaledTexture(path(name + ".bmp").string());
        EXPECT_TRUE(skin.hasImage);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 128);
        EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), 64);
    }
    ASSERT_EQ(ExtractAsset(BubbleSpriteAssetId, folder(), "Particle1"), 1);
    const LoadedTexture sprite = LoadScaledTexture(path("Particle1.bmp").string());
    EXPECT_TRUE(sprite.hasImage);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 32);
}

TEST_F(TextureUploadTest, TheBuiltInPicturesLoadFromMemory) {
    const auto backdrop = EmbeddedAssetBytes(BackdropAssetId);
    ASSERT_TRUE(backdrop.has_value());
    const LoadedTexture backdropTexture = LoadMaskedTextureFromMemory(*backdrop);
    EXPECT_TRUE(backdropTexture.hasImage);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 1024);
    const auto skin = EmbeddedAssetBytes(fishSkinAssetId(0));
    ASSERT_TRUE(skin.has_value());
    const LoadedTexture skinTexture = LoadScaledTextureFromMemory(*skin);
    EXPECT_TRUE(skinTexture.hasImage);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 128);
    EXPECT_FALSE(LoadScaledTextureFromMemory({}).hasImage);
}

} // namespace
} // namespace quillmere
