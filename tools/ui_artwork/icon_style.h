#pragma once

#include "icon_canvas.h"

namespace quillmere::uiart {

// The look every icon shares: a soft shadow below, a top-to-bottom gradient lit from above, a glossy
// highlight over the upper part and a dark outline that keeps the shape readable on light and dark menus.
struct GlossyStyle {
    Colour top;
    Colour bottom;
    Colour line;
    double lineWidth = 1.0;
    double gloss = 0.28;
};

// Canvas: IconCanvas, or VectorCanvas for the same picture as SVG.
template <typename Canvas, typename Shape>
void paintGlossy(Canvas& canvas, Shape shape, const GlossyStyle& style, double y0, double y1) {
    canvas.shadow(shape, 0.8, 1.0, 0.35);
    canvas.fill(shape, verticalGradient(style.top, style.bottom, y0, y1));
    // The highlight covers the shape's upper part, fading out downward.
    const double mid = y0 + (y1 - y0) * 0.55;
    canvas.fill([&](Point p) { return std::max(shape(p) + 1.2, p.y - mid); }, Colour{255, 255, 255},
                style.gloss, 1.5);
    canvas.fill([&](Point p) { return outline(shape(p), style.lineWidth); }, style.line);
}

} // namespace quillmere::uiart
