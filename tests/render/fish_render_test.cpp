// The fish drawn with real OpenGL: run under a virtual X server with Mesa's software renderer.
#include "render/fish_renderer.h"

#include <gtest/gtest.h>

// After GoogleTest: Xlib's macros (None, Above, Bool) would clash with its names.
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace quillmere {
namespace {

constexpr int Width = 400;
constexpr int Height = 240;
// Scene units to pixels: the view is 15 units wide.
constexpr float PixelsPerUnit = Width / 15.0f;
int columnOf(float x) {
    return static_cast<int>((x + 7.5f) * PixelsPerUnit);
}

// A rendering context on an off-screen X pixmap, so pixels can be read back without a mapped window.
class PixmapContext {
public:
    PixmapContext() {
        m_display = XOpenDisplay(nullptr);
        if (m_display == nullptr)
            return;
        int attributes[] = {GLX_RGBA,       GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                            GLX_DEPTH_SIZE, 16,           None};
        XVisualInfo* visual = glXChooseVisual(m_display, DefaultScreen(m_display), attributes);
        if (visual == nullptr)
            return;
        m_pixmap = XCreatePixmap(m_display, RootWindow(m_display, visual->screen), Width, Height,
                                 static_cast<unsigned>(visual->depth));
        m_glxPixmap = glXCreateGLXPixmap(m_display, visual, m_pixmap);
        m_context = glXCreateContext(m_display, visual, nullptr, True);
        XFree(visual);
        m_current = m_context != nullptr && glXMakeCurrent(m_display, m_glxPixmap, m_context);
    }
    PixmapContext(const PixmapContext&) = delete;
    PixmapContext& operator=(const PixmapContext&) = delete;
    ~PixmapContext() {
        if (m_context != nullptr) {
            glXMakeCurrent(m_display, None, nullptr);
            glXDestroyContext(m_display, m_context);
        }
        if (m_glxPixmap != 0)
            glXDestroyGLXPixmap(m_display, m_glxPixmap);
        if (m_pixmap != 0)
            XFreePixmap(m_display, m_pixmap);
        if (m_display != nullptr)
            XCloseDisplay(m_display);
    }

    bool current() const { return m_current; }

private:
    Display* m_display = nullptr;
    Pixmap m_pixmap = 0;
    GLXPixmap m_glxPixmap = 0;
    GLXContext m_context = nullptr;
    bool m_current = false;
};

// Which pixels the fish covers, row 0 at the bottom.
struct Silhouette {
    std::vector<bool> covered = std::vector<bool>(Width * Height, false);
    int area = 0;
    int left = Width;
    int right = -1;
    int bottom = Height;
    int top = -1;

    bool at(int x, int y) const { return covered[static_cast<std::size_t>(y * Width + x)]; }
    int columnHeight(int x) const {
        int count = 0;
        for (int y = 0; y < Height; ++y)
            count += at(x, y) ? 1 : 0;
        return count;
    }
};

enum class View { SideOn, TopDown };

class FishDrawingTest : public testing::Test {
protected:
    void SetUp() override {
        if (!m_context.current())
            GTEST_SKIP() << "no OpenGL context (run under xvfb-run)";
        // A plain white skin: the fish shows white on black, drawn unlit.
        const std::array<unsigned char, 12> white = {255, 255, 255, 255, 255, 255,
                                                     255, 255, 255, 255, 255, 255};
        glGenTextures(1, &m_skin);
        glBindTexture(GL_TEXTURE_2D, m_skin);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, white.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
        glViewport(0, 0, Width, Height);
    }

    void TearDown() override {
        if (m_skin != 0)
            glDeleteTextures(1, &m_skin);
    }

    // The fish in an orthographic view fifteen units wide: x to the right, the world's up or its -z upward.
    Silhouette draw(const FishPose& pose, View view) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        // Side on, the view is raised to hold the high back and its dorsal fin; from above it is centred.
        if (view == View::SideOn)
            glOrtho(-7.5, 7.5, -3.5, 5.5, -20.0, 20.0);
        else
            glOrtho(-7.5, 7.5, -4.5, 4.5, -20.0, 20.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (view == View::TopDown)
            glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glColor3f(1.0f, 1.0f, 1.0f);
        drawFish(pose, m_skin);
        glFinish();
        std::vector<unsigned char> pixels(Width * Height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        Silhouette s;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                if (pixels[static_cast<std::size_t>((y * Width + x) * 3 + 1)] < 60)
                    continue;
                s.covered[static_cast<std::size_t>(y * Width + x)] = true;
                ++s.area;
                s.left = std::min(s.left, x);
                s.right = std::max(s.right, x);
                s.bottom = std::min(s.bottom, y);
                s.top = std::max(s.top, y);
            }
        return s;
    }

    static FishPose poseOf(int kind) {
        FishPose pose;
        pose.kind = kindFromNumber(kind);
        pose.size = 8;
        pose.x = 0.5f;
        return pose;
    }

    PixmapContext m_context;
    GLuint m_skin = 0;
};

TEST_F(FishDrawingTest, SideOnAFishTapersFromItsChestToTheSnoutAndTheTailStalk) {
    const Silhouette s = draw(poseOf(0), View::SideOn);
    ASSERT_GT(s.area, 3000);
    ASSERT_GT(s.bottom, 0) << "the view must hold the whole fish";
    ASSERT_LT(s.top, Height - 1);
    // Size 8: from the snout at x = -4 to well past the body's end at 0.64 (the fish stands at x = 0.5).
    EXPECT_NEAR(s.left, columnOf(-3.5f), 2);
    EXPECT_GT(s.right, columnOf(2.5f));
    const int snout = s.columnHeight(s.left + 2);
    const int chest = s.columnHeight(columnOf(-1.9f));
    const int stalk = s.columnHeight(columnOf(0.5f + 0.078f * 8.0f));
    const int tail = s.columnHeight(columnOf(0.5f + 0.17f * 8.0f));
    EXPECT_LT(snout * 4, chest);
    EXPECT_LT(stalk * 2, chest);
    EXPECT_GT(tail, stalk * 2) << "the tail fin spreads again behind the stalk";
}

TEST_F(FishDrawingTest, FromAboveAFishIsSlenderAndShowsItsPectoralFins) {
    const Silhouette side = draw(poseOf(0), View::SideOn);
    const Silhouette above = draw(poseOf(0), View::TopDown);
    ASSERT_GT(above.area, 500);
    EXPECT_LT(above.area * 2, side.area);
    EXPECT_LT((above.top - above.bottom) * 2, above.right - above.left);
    EXPECT_NEAR(above.top + above.bottom, Height, 3) << "left and right halves balance";
    // The widest place is where the pectoral fins stand out, well beyond the body's own width.
    int widest = 0;
    int widestColumn = 0;
    for (int x = above.left; x <= above.right; ++x)
        if (const int h = above.columnHeight(x); h > widest) {
            widest = h;
            widestColumn = x;
        }
    EXPECT_NEAR(widestColumn, columnOf(0.5f - 0.3f * 8.0f), 0.06f * 8.0f * PixelsPerUnit);
    EXPECT_GT(widest, above.columnHeight(columnOf(0.5f - 0.2f * 8.0f)) * 3 / 2);
}

TEST_F(FishDrawingTest, DrawsWherePoseAndTranslationPutIt) {
    FishPose pose = poseOf(0);
    const Silhouette here = draw(pose, View::SideOn);
    pose.x += 1.0f;
    pose.y -= 0.5f;
    const Silhouette moved = draw(pose, View::SideOn);
    EXPECT_NEAR(moved.left - here.left, PixelsPerUnit, 2);
    EXPECT_NEAR(moved.bottom - here.bottom, -0.5f * PixelsPerUnit, 2);
}

TEST_F(FishDrawingTest, LeavesTheMatrixAndAWhiteColourBehind) {
    for (int kind : {0, 2}) {
        GLint depthBefore = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
        glColor3f(0.3f, 0.6f, 0.9f);
        drawFish(poseOf(kind), m_skin);
        GLint depthAfter = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        EXPECT_EQ(depthAfter, depthBefore);
        std::array<GLfloat, 4> colour{};
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
        EXPECT_FLOAT_EQ(colour[0], 1.0f);
        EXPECT_FLOAT_EQ(colour[1], 1.0f);
        EXPECT_FLOAT_EQ(colour[2], 1.0f);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), m_skin);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(FishDrawingTest, PitchRaisesTheHead) {
    FishPose level = poseOf(0);
    FishPose climbing = poseOf(0);
    climbing.pitch = 30.0f;
    const Silhouette a = draw(level, View::SideOn);
    const Silhouette b = draw(climbing, View::SideOn);
    // Compare the height of the snout's column: the climbing fish's head is higher.
    auto snoutHeight = [](const Silhouette& s) {
        for (int y = Height - 1; y >= 0; --y)
            if (s.at(s.left + 1, y))
                return y;
        return -1;
    };
    EXPECT_GT(snoutHeight(b), snoutHeight(a) + 20);
}

TEST_F(FishDrawingTest, EveryKindHasItsOwnSilhouette) {
    std::vector<Silhouette> kinds;
    for (int kind = 0; kind < 15; ++kind)
        kinds.push_back(draw(poseOf(kind), View::SideOn));
    for (int a = 0; a < 15; ++a)
        for (int b = a + 1; b < 15; ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < kinds[a].covered.size(); ++i)
                differing += kinds[a].covered[i] != kinds[b].covered[i] ? 1 : 0;
            EXPECT_GT(differing, 150) << "kinds " << a << " and " << b << " look alike";
        }
}

} // namespace
} // namespace quillmere
