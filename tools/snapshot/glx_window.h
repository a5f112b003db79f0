#pragma once

#include "rgb_image.h"

#include <memory>
#include <string>

namespace quillmere {

// One plain X11 window of an exact size with a legacy GLX context (RGBA, double buffer, depth buffer)
// current on it, as the program's own view asks for. Closing it releases and destroys the context
// before the window and the display connection.
class GlxWindow {
public:
    // Opens the window on $DISPLAY; on failure returns null and says why in `error`.
    static std::unique_ptr<GlxWindow> open(int width, int height, const std::string& title,
                                           std::string& error);

    struct Key {
    private:
        Key() = default;
        friend class GlxWindow;
    };
    explicit GlxWindow(Key);
    ~GlxWindow();
    GlxWindow(const GlxWindow&) = delete;
    GlxWindow& operator=(const GlxWindow&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }

    void makeCurrent() const;
    // Leaves no context current, so GL calls on this thread go nowhere until makeCurrent().
    void releaseCurrent() const;
    void swapBuffers() const;

    // The back buffer as it stands, before any swap.
    RgbImage readBackBuffer() const;

private:
    // The X11 and GLX handles; their headers define macros (None, Window ...) that clash with ours.
    struct Handles;
    std::unique_ptr<Handles> m_x;
    int m_width = 0;
    int m_height = 0;
};

} // namespace quillmere
