// Runs with FONTCONFIG_FILE naming a set-up that knows no font.
#include "render/render_fixture.h"

#include "render/font_lookup.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmere {
namespace {

using testing_support::nearWhite;
using testing_support::RenderedScene;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(MissingFont, FontconfigFindsNoFile) {
    EXPECT_FALSE(findFontFile(HelpTextFontPattern).has_value());
}

TEST_F(RenderedScene, WithoutAFontTheTankRunsWithoutTextAndSaysSoOnce) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    ::testing::internal::CaptureStderr();
    setUpScene();
    const int white = render(5).count(nearWhite);
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_FALSE(m_renderer->hasFont());
    EXPECT_TRUE(m_renderer->helpText().shown) << "the text still counts its frames";
    EXPECT_EQ(white, 0);
    EXPECT_EQ(occurrences(said, "without the help text"), 1u) << said;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace quillmere
