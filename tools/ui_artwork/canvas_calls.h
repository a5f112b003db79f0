#pragma once

#include "distance_shapes.h"

#include "../assets/shading.h"

namespace quillmere::uiart {

// The painting calls made of a canvas's one fill(shape, colour function, opacity, softness), shared by
// the pixel canvas and the SVG one so that both read a drawing the same way. Canvas derives from
// CanvasCalls<Canvas> and says `using CanvasCalls<Canvas>::fill;` beside its own fill.
template <typename Canvas> class CanvasCalls {
public:
    template <typename Shape>
    void fill(Shape shape, assetgen::Colour colour, double opacity = 1.0, double softness = 0.0) {
        canvas().fill(
            shape, [colour](Point) { return colour; }, opacity, softness);
    }

    // A soft shadow of the shape, moved down by dy.
    template <typename Shape> void shadow(Shape shape, double dy, double blur, double opacity) {
        fill(
            [&](Point p) {
                return shape(Point{p.x, p.y - dy});
            },
            assetgen::Colour{0, 20, 40}, opacity, blur);
    }

private:
    Canvas& canvas() { return static_cast<Canvas&>(*this); }
};

} // namespace quillmere::uiart
