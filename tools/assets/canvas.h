#pragma once

#include "picture.h"
#include "shading.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillmere::assetgen {

// A picture being painted in scene units rather than texels: x grows to the right, y upward, and a
// texel covers unitX by unitY, so shapes given in scene units keep their proportions on screen
// however the picture is stretched over its quad. Layers are painted back to front.
class Canvas {
public:
    // The picture of width x height texels that covers [left, right] x [bottom, top].
    Canvas(int width, int height, double left, double right, double bottom, double top)
        : m_width(width), m_height(height), m_left(left), m_top(top), m_unitX((right - left) / width),
          m_unitY((top - bottom) / height), m_colours(static_cast<std::size_t>(width) * height),
          m_open(static_cast<std::size_t>(width) * height, false) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The scene position of a texel's centre; row 0 is the top row.
    double xAt(int column) const { return m_left + (column + 0.5) * m_unitX; }
    double yAt(int row) const { return m_top - (row + 0.5) * m_unitY; }
    // About one texel, in scene units: the width of an anti-aliased edge.
    double edge() const { return std::max(m_unitX, m_unitY); }

    // Calls paint(x, y, colour&, open&) for every texel whose centre lies in the box, so a layer
    // can blend over what lies beneath it.
    template <typename Paint> void paint(double x0, double y0, double x1, double y1, Paint paint) {
        const int c0 = std::max(0, static_cast<int>(std::floor((x0 - m_left) / m_unitX)));
        const int c1 = std::min(m_width - 1, static_cast<int>(std::ceil((x1 - m_left) / m_unitX)));
        const int r0 = std::max(0, static_cast<int>(std::floor((m_top - y1) / m_unitY)));
        const int r1 = std::min(m_height - 1, static_cast<int>(std::ceil((m_top - y0) / m_unitY)));
        for (int row = r0; row <= r1; ++row)
            for (int column = c0; column <= c1; ++column) {
                const std::size_t i = static_cast<std::size_t>(row) * m_width + column;
                bool open = m_open[i];
                paint(xAt(column), yAt(row), m_colours[i], open);
                m_open[i] = open;
            }
    }

    // Blends colour(x, y) over the box wherever coverage(x, y) is above zero; a texel painted
    // mostly over is no longer open.
    template <typename Coverage, typename Fill>
    void fill(double x0, double y0, double x1, double y1, Coverage coverage, Fill colour) {
        paint(x0, y0, x1, y1, [&](double x, double y, Colour& c, bool& open) {
            const double a = coverage(x, y);
            if (a <= 0.0)
                return;
            c = mix(c, colour(x, y), std::min(a, 1.0));
            if (a > 0.5)
                open = false;
        });
    }

    // The finished picture. Open texels become pure black, which the masked loader makes
    // transparent; no other texel is pure black.
    Picture toPicture() const {
        Picture picture(m_width, m_height);
        for (std::size_t i = 0; i < m_colours.size(); ++i)
            picture.pixels[i] = m_open[i] ? Rgb{} : opaqueRgb(m_colours[i]);
        return picture;
    }

private:
    int m_width;
    int m_height;
    double m_left;
    double m_top;
    double m_unitX;
    double m_unitY;
    std::vector<Colour> m_colours;
    std::vector<bool> m_open;
};

// Coverage of a disc-like edge: 1 well inside (distance below zero), 0 outside, soft over one edge.
inline double insideBy(double signedDistance, double edge) {
    return smoothstep(edge * 0.5, -edge * 0.5, signedDistance);
}

} // namespace quillmere::assetgen
