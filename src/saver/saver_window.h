#pragma once

#include "render/frame_projection.h"
#include "saver/saver_options.h"

#include <memory>
#include <string>

namespace quillmere {

// The X window the saver draws into, with a legacy GLX context current on it: a window handed over
// by the screen-saver daemon or a locker, the screen's root window, or a window of its own. A window
// whose visual cannot hold the tank's picture (RGBA, double buffer, depth buffer) gets a child window
// of such a visual laid over it. Closing releases the context, then what it made, then the connection;
// a window that was handed over is left to its owner.
class SaverWindow {
public:
    // Opens the display named by $DISPLAY; on failure returns null and says why in `error`.
    static std::unique_ptr<SaverWindow> open(const SaverTarget& target, std::string& error);

    struct Key {
    private:
        Key() = default;
        friend class SaverWindow;
    };
    explicit SaverWindow(Key);
    ~SaverWindow();
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    // The X connection's descriptor, readable when events arrive.
    int connectionFd() const;

    // The drawn area in pixels, as the window's last known size.
    ScreenSize size() const { return m_size; }

    // Takes every event waiting: size changes are followed. Returns false once the window was
    // destroyed or, for a window of its own, closed by the window manager.
    bool handleEvents();

    void swapBuffers() const;

private:
    // The X11 and GLX handles; their headers define macros (None, Window ...) that clash with ours.
    struct Handles;
    std::unique_ptr<Handles> m_x;
    ScreenSize m_size;
};

} // namespace quillmere
