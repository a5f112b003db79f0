#pragma once

#include "canvas_calls.h"
#include "contour_tracing.h"
#include "distance_shapes.h"

#include "../assets/shading.h"

#include <map>
#include <string>
#include <vector>

namespace quillmere::uiart {

using assetgen::Colour;

// The same painting calls as IconCanvas, written down as SVG instead of pixels: each fill becomes a
// path along its shape's outline, traced from the signed distances, so the picture scales without
// steps. A fill's colour may change from top to bottom only (as every gradient of the icons does); it
// becomes a vertical gradient. A soft edge becomes a blur of about the same width.
class VectorCanvas : public CanvasCalls<VectorCanvas> {
public:
    VectorCanvas(int logicalWidth, int logicalHeight);

    // Painted at its logical size: lines keep the widths they have at scale 1.
    double scale() const { return 1.0; }

    template <typename Shape, typename Fill>
    void fill(Shape shape, Fill colour, double opacity = 1.0, double softness = 0.0) {
        DistanceSamples samples = emptySamples();
        for (int row = 0; row < samples.rows; ++row)
            for (int column = 0; column < samples.columns; ++column)
                samples.values.push_back(
                    shape(Point{samples.left + column * samples.step, samples.top + row * samples.step}));
        std::vector<Colour> leftColours;
        std::vector<Colour> rightColours;
        for (int stop = 0; stop < GradientStops; ++stop) {
            const double y = stopY(stop);
            leftColours.push_back(colour(Point{0.0, y}));
            rightColours.push_back(colour(Point{static_cast<double>(m_width), y}));
        }
        addLayer(samples, leftColours, rightColours, opacity, softness);
    }

    using CanvasCalls<VectorCanvas>::fill;

    std::string toSvg() const;

private:
    static constexpr int GradientStops = 17;

    DistanceSamples emptySamples() const;
    double stopY(int stop) const { return m_height * stop / (GradientStops - 1.0); }
    void addLayer(const DistanceSamples& samples, const std::vector<Colour>& leftColours,
                  const std::vector<Colour>& rightColours, double opacity, double softness);

    int m_width;
    int m_height;
    std::string m_defs;
    std::string m_body;
    int m_gradients = 0;
    std::map<std::string, std::string> m_blurs; // blur radius as written -> filter id
};

} // namespace quillmere::uiart
