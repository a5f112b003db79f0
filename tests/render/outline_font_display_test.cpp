#include "render/font_lookup.h"
#include "render/gl_test_window.h"
#include "render/outline_font.h"

#include <GL/gl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quillmere {
namespace {

using testing_support::Picture;
using testing_support::WindowHeight;
using testing_support::WindowWidth;

struct Box {
    int minX = WindowWidth;
    int maxX = -1;
    int minY = WindowHeight;
    int maxY = -1;
    int width() const { return maxX >= minX ? maxX - minX + 1 : 0; }
    int height() const { return maxY >= minY ? maxY - minY + 1 : 0; }
};

class OutlineFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::ensureGlWindow();
        const auto file = findFontFile(HelpTextFontPattern);
        ASSERT_TRUE(file.has_value()) << "no bold sans face installed";
        m_font = OutlineFont::fromFile(*file);
        ASSERT_TRUE(m_font.has_value());
    }

    // Draws text flat in white with unitsAcross scene units across the window, starting at (0.5, 1),
    // turned by yawDegrees about y, and returns the box its pixels cover.
    Box drawn(const char* text, double unitsAcross, float yawDegrees = 0.0f) {
        glViewport(0, 0, WindowWidth, WindowHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const double unitsHigh = unitsAcross * WindowHeight / WindowWidth;
        glOrtho(0.0, unitsAcross, 0.0, unitsHigh, -10.0, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1.0f, 1.0f, 1.0f);
        glTranslatef(0.5f, 1.0f, 0.0f);
        glRotatef(yawDegrees, 0.0f, 1.0f, 0.0f);
        m_font->DrawText3D("%s", text);
        glPopAttrib();

        const Picture picture = Picture::readBack();
        Box box;
        for (int y = 0; y < WindowHeight; ++y)
            for (int x = 0; x < WindowWidth; ++x)
                if (picture.at(x, y).sum() > 0) {
                    box.minX = std::min(box.minX, x);
                    box.maxX = std::max(box.maxX, x);
                    box.minY = std::min(box.minY, y);
                    box.maxY = std::max(box.maxY, y);
                }
        return box;
    }

    std::optional<OutlineFont> m_font;
};

TEST_F(OutlineFontTest, GlyphsAreOneUnitToTheEm) {
    // 32 pixels to the unit: a capital stands about 0.73 em high.
    const Box h = drawn("H", 20.0);
    EXPECT_GE(h.height(), 19);
    EXPECT_LE(h.height(), 27);
}

TEST_F(OutlineFontTest, EachGlyphMovesTheNextOneOnByItsAdvance) {
    const Box one = drawn("H", 20.0);
    const Box two = drawn("HH", 20.0);
    const Box three = drawn("HHH", 20.0);
    EXPECT_EQ(one.minX, two.minX) << "text starts at the current position";
    const int step = two.maxX - one.maxX;
    EXPECT_GT(step, one.width());
    EXPECT_NEAR(three.maxX - two.maxX, step, 1);
}

TEST_F(OutlineFontTest, GlyphsAreExtrudedTwoTenthsDeep) {
    // Seen edge on, 320 pixels to the unit: the glyph's depth is what shows.
    const Box side = drawn("I", 2.0, 90.0f);
    EXPECT_NEAR(side.width(), 64, 4);
}

TEST_F(OutlineFontTest, CodesZeroAndTwoHundredFiftyFiveDrawNothing) {
    EXPECT_EQ(drawn("\xff", 20.0).width(), 0);
    const Box after = drawn("\xffH", 20.0);
    EXPECT_EQ(after.minX, drawn("H", 20.0).minX) << "code 255 does not move the position";
    EXPECT_EQ(drawn("", 20.0).width(), 0);
}

TEST_F(OutlineFontTest, LongTextIsCutAtTheBuffer) {
    const std::string longText(400, 'I');
    // A narrow scale so that the whole cut line fits: 255 glyphs.
    const Box cut = drawn(longText.c_str(), 300.0);
    const Box full = drawn(std::string(255, 'I').c_str(), 300.0);
    EXPECT_EQ(cut.width(), full.width());
}

TEST_F(OutlineFontTest, NullFormatDrawsNothing) {
    glClear(GL_COLOR_BUFFER_BIT);
    m_font->DrawText3D(nullptr);
    EXPECT_EQ(Picture::readBack().count([](const testing_support::Rgb& p) { return p.sum() > 0; }), 0);
}

TEST(OutlineFontFile, SomethingThatIsNotAFontGivesNoFont) {
    testing_support::ensureGlWindow();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quillmere-not-a-font-" + std::to_string(::getpid()));
    std::ofstream(path) << "not a font";
    EXPECT_FALSE(OutlineFont::fromFile(path.string()).has_value());
    std::filesystem::remove(path);
    EXPECT_FALSE(OutlineFont::fromFile(path.string()).has_value());
}

} // namespace
} // namespace quillmere
