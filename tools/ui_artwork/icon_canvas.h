#pragma once

#include "canvas_calls.h"
#include "distance_shapes.h"
#include "rgba_picture.h"

#include "../assets/shading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quillmere::uiart {

using assetgen::Colour;

// A picture painted in logical pixels at a scale: shapes are given by signed distances in logical
// units and their edges are anti-aliased over one device pixel, so the 2x picture is as sharp as the
// 1x one rather than an enlargement. Layers are blended back to front.
class IconCanvas : public CanvasCalls<IconCanvas> {
public:
    IconCanvas(int logicalWidth, int logicalHeight, double scale)
        : m_scale(scale), m_width(static_cast<int>(std::lround(logicalWidth * scale))),
          m_height(static_cast<int>(std::lround(logicalHeight * scale))),
          m_pixels(static_cast<std::size_t>(m_width) * m_height) {}

    double scale() const { return m_scale; }

    // Limits the following fills to a box in logical pixels, to spare painting a part of a large
    // picture from testing every pixel of it.
    void limitTo(double left, double top, double right, double bottom) {
        m_limit = {std::max(0, static_cast<int>(std::floor(left * m_scale))),
                   std::max(0, static_cast<int>(std::floor(top * m_scale))),
                   std::min(m_width, static_cast<int>(std::ceil(right * m_scale))),
                   std::min(m_height, static_cast<int>(std::ceil(bottom * m_scale)))};
    }
    void limitToAll() { m_limit = {0, 0, m_width, m_height}; }

    // Blends colour(p) over every pixel inside shape(p), with opacity; p is the pixel's centre in
    // logical units. softness widens the edge (in logical pixels) for glows and shadows.
    template <typename Shape, typename Fill>
    void fill(Shape shape, Fill colour, double opacity = 1.0, double softness = 0.0) {
        const double edge = 1.0 / m_scale + softness;
        for (int y = m_limit[1]; y < m_limit[3]; ++y)
            for (int x = m_limit[0]; x < m_limit[2]; ++x) {
                const Point p{(x + 0.5) / m_scale, (y + 0.5) / m_scale};
                const double coverage = assetgen::clamp01(0.5 - shape(p) / edge) * opacity;
                if (coverage > 0.0)
                    blend(m_pixels[static_cast<std::size_t>(y) * m_width + x], colour(p), coverage);
            }
    }

    using CanvasCalls<IconCanvas>::fill;

    // Blends a picture over the canvas with its top-left corner at device pixel (x, y).
    void place(const RgbaPicture& picture, int x, int y) {
        for (int row = 0; row < picture.height; ++row)
            for (int column = 0; column < picture.width; ++column) {
                const int cx = x + column, cy = y + row;
                if (cx < 0 || cy < 0 || cx >= m_width || cy >= m_height)
                    continue;
                const std::uint8_t* p = picture.at(column, row);
                if (p[3] > 0)
                    blend(m_pixels[static_cast<std::size_t>(cy) * m_width + cx],
                          Colour{p[0] * 1.0, p[1] * 1.0, p[2] * 1.0}, p[3] / 255.0);
            }
    }

    RgbaPicture toPicture() const {
        RgbaPicture picture(m_width, m_height);
        for (std::size_t i = 0; i < m_pixels.size(); ++i) {
            const Premultiplied& p = m_pixels[i];
            std::uint8_t* out = picture.rgba.data() + i * 4;
            const double a = p.a > 0.0 ? p.a : 1.0;
            out[0] = assetgen::toByte(p.r / a);
            out[1] = assetgen::toByte(p.g / a);
            out[2] = assetgen::toByte(p.b / a);
            out[3] = assetgen::toByte(p.a * 255.0);
        }
        return picture;
    }

private:
    struct Premultiplied {
        double r = 0, g = 0, b = 0, a = 0;
    };

    static void blend(Premultiplied& under, Colour c, double alpha) {
        under.r = c.r * alpha + under.r * (1.0 - alpha);
        under.g = c.g * alpha + under.g * (1.0 - alpha);
        under.b = c.b * alpha + under.b * (1.0 - alpha);
        under.a = alpha + under.a * (1.0 - alpha);
    }

    double m_scale;
    int m_width;
    int m_height;
    std::vector<Premultiplied> m_pixels;
    std::array<int, 4> m_limit{0, 0, m_width,
                               m_height}; // device pixels: left, top, right, bottom (exclusive)
};

// A vertical gradient from top (at y0) to bottom (at y1), in logical pixels.
inline auto verticalGradient(Colour top, Colour bottom, double y0, double y1) {
    return [=](Point p) { return assetgen::mix(top, bottom, assetgen::clamp01((p.y - y0) / (y1 - y0))); };
}

// A colour from 0xRRGGBB.
constexpr Colour hex(unsigned rgb) {
    return {static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
            static_cast<double>(rgb & 0xFF)};
}

} // namespace quillmere::uiart
