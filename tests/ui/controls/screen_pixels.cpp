#include "screen_pixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace quillmere::test {

ScreenPixels::ScreenPixels() : m_display(XOpenDisplay(nullptr)) {}

ScreenPixels::~ScreenPixels() {
    if (m_display)
        XCloseDisplay(m_display);
}

wxImage ScreenPixels::grab(const wxRect& rect) const {
    wxImage image(rect.width, rect.height);
    XImage* pixels = XGetImage(m_display, DefaultRootWindow(m_display), rect.x, rect.y, rect.width,
                               rect.height, AllPlanes, ZPixmap);
    if (!pixels)
        return {};
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    const std::unique_ptr<XImage, decltype(destroy)> owner(pixels, destroy);
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const unsigned long value = XGetPixel(pixels, x, y);
            image.SetRGB(x, y, (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
        }
    }
    return image;
}

wxColour ScreenPixels::at(wxPoint point) const {
    const wxImage image = grab(wxRect(point, wxSize(1, 1)));
    if (!image.IsOk())
        return {};
    return {image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)};
}

} // namespace quillmere::test
