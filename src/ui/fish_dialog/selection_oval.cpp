#include "ui/fish_dialog/selection_oval.h"

#include "ui/fish_dialog/fish_counts.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

void invertOval(std::span<std::uint8_t> rgb, int width, int height, const CellRect& cell, double scale) {
    if (width <= 0 || height <= 0 || rgb.size() < static_cast<std::size_t>(width) * height * 3)
        return;
    const double left = cell.left * scale;
    const double top = cell.top * scale;
    const double radiusX = (cell.right - cell.left) * scale / 2.0;
    const double radiusY = (cell.bottom - cell.top) * scale / 2.0;
    if (radiusX <= 0.0 || radiusY <= 0.0)
        return;
    const double centreX = left + radiusX;
    const double centreY = top + radiusY;
    const int firstRow = std::max(0, static_cast<int>(std::floor(top)));
    const int lastRow = std::min(height, static_cast<int>(std::ceil(top + 2.0 * radiusY)));
    for (int y = firstRow; y < lastRow; ++y) {
        const double dy = (y + 0.5 - centreY) / radiusY;
        if (dy * dy > 1.0)
            continue;
        // The oval's span on this row, taken at the pixels' centres.
        const double halfSpan = radiusX * std::sqrt(1.0 - dy * dy);
        const int firstColumn = std::max(0, static_cast<int>(std::ceil(centreX - halfSpan - 0.5)));
        const int endColumn = std::min(width, static_cast<int>(std::floor(centreX + halfSpan - 0.5)) + 1);
        for (int x = firstColumn; x < endColumn; ++x) {
            std::uint8_t* pixel = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(~pixel[0]);
            pixel[1] = static_cast<std::uint8_t>(~pixel[1]);
            pixel[2] = static_cast<std::uint8_t>(~pixel[2]);
        }
    }
}

} // namespace quillmere
