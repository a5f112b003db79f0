#include "vector_canvas.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace quillmere::uiart {
namespace {

// Sample spacing and the outline's allowed stray, in logical pixels: fine enough that the traced edge
// stays within a twentieth of a pixel of the painted one at 256 x 256.
constexpr double SampleStep = 0.5;
constexpr double Tolerance = 0.05;
// The rim left round the picture, so that shadows and glows close inside the grid.
constexpr double Margin = 16.0;
// A soft edge ramps linearly over its width; a Gaussian blur of about 0.3 of that width looks alike.
constexpr double BlurPerSoftness = 0.3;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string out = text;
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out == "-0" ? "0" : out;
}

std::string hexColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", assetgen::toByte(colour.r), assetgen::toByte(colour.g),
                  assetgen::toByte(colour.b));
    return text;
}

bool sameColour(Colour a, Colour b) {
    return hexColour(a) == hexColour(b);
}

} // namespace

VectorCanvas::VectorCanvas(int logicalWidth, int logicalHeight)
    : m_width(logicalWidth), m_height(logicalHeight) {}

DistanceSamples VectorCanvas::emptySamples() const {
    DistanceSamples samples;
    samples.left = -Margin;
    samples.top = -Margin;
    samples.step = SampleStep;
    samples.columns = static_cast<int>(std::lround((m_width + 2 * Margin) / SampleStep)) + 1;
    samples.rows = static_cast<int>(std::lround((m_height + 2 * Margin) / SampleStep)) + 1;
    samples.values.reserve(static_cast<std::size_t>(samples.columns) * samples.rows);
    return samples;
}

void VectorCanvas::addLayer(const DistanceSamples& samples, const std::vector<Colour>& leftColours,
                            const std::vector<Colour>& rightColours, double opacity, double softness) {
    const std::vector<std::vector<Point>> outlines = traceOutlines(samples, Tolerance);
    if (outlines.empty())
        return;
    for (std::size_t i = 0; i < leftColours.size(); ++i)
        if (!sameColour(leftColours[i], rightColours[i]))
            throw std::runtime_error(
                "a fill whose colour changes from left to right has no SVG gradient here");

    std::string paint = hexColour(leftColours.front());
    bool plain = true;
    for (const Colour& colour : leftColours)
        plain = plain && sameColour(colour, leftColours.front());
    if (!plain) {
        const std::string id = "g" + std::to_string(m_gradients++);
        m_defs += "<linearGradient id=\"" + id +
                  "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"" + number(m_height) +
                  "\">";
        for (std::size_t stop = 0; stop < leftColours.size(); ++stop)
            m_defs += "<stop offset=\"" + number(stop / (leftColours.size() - 1.0)) + "\" stop-color=\"" +
                      hexColour(leftColours[stop]) + "\"/>";
        m_defs += "</linearGradient>\n";
        paint = "url(#" + id + ")";
    }

    std::string path;
    for (const std::vector<Point>& outline : outlines) {
        path += "M" + number(outline.front().x) + " " + number(outline.front().y);
        for (std::size_t i = 1; i < outline.size(); ++i)
            path += "L" + number(outline[i].x) + " " + number(outline[i].y);
        path += "Z";
    }
    m_body += "<path fill=\"" + paint + "\" fill-rule=\"evenodd\"";
    if (opacity < 1.0)
        m_body += " opacity=\"" + number(opacity) + "\"";
    if (softness > 0.0) {
        const std::string radius = number(softness * BlurPerSoftness);
        auto [filter, added] = m_blurs.try_emplace(radius, "b" + std::to_string(m_blurs.size()));
        if (added)
            m_defs += "<filter id=\"" + filter->second + "\" filterUnits=\"userSpaceOnUse\" x=\"" +
                      number(-Margin) + "\" y=\"" + number(-Margin) + "\" width=\"" +
                      number(m_width + 2 * Margin) + "\" height=\"" + number(m_height + 2 * Margin) +
                      "\"><feGaussianBlur stdDeviation=\"" + radius + "\"/></filter>\n";
        m_body += " filter=\"url(#" + filter->second + ")\"";
    }
    m_body += " d=\"" + path + "\"/>\n";
}

std::string VectorCanvas::toSvg() const {
    const std::string width = number(m_width), height = number(m_height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n<defs>\n" +
           m_defs + "</defs>\n" + m_body + "</svg>\n";
}

} // namespace quillmere::uiart
