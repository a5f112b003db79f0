#include "bubble_sprite.h"

#include "shading.h"

#include <cmath>

namespace quillmere::assetgen {

Picture makeBubbleSprite() {
    Picture picture(BubbleSpriteSize, BubbleSpriteSize);
    constexpr double Centre = BubbleSpriteSize / 2.0;
    constexpr double Radius = BubbleSpriteSize / 2.0 - 1.0; // the outermost texels stay black
    const Colour tint{200, 232, 255};
    for (int row = 0; row < BubbleSpriteSize; ++row) {
        for (int x = 0; x < BubbleSpriteSize; ++x) {
            const double dx = (x + 0.5 - Centre) / Radius;
            const double dy = (row + 0.5 - Centre) / Radius;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double rimDistance = (r - 0.80) / 0.13;
            const double rim = 0.85 * std::exp(-rimDistance * rimDistance);
            const double body = r < 1.0 ? 0.18 * (1.0 - r * r) : 0.0;
            const double hx = dx + 0.32, hy = dy - 0.34;
            const double highlight = 0.9 * std::exp(-(hx * hx + hy * hy) / (0.2 * 0.2));
            const double edgeFade = smoothstep(1.0, 0.92, r);
            picture.at(x, row) = toRgb(tint * (std::min(1.0, rim + body + highlight) * edgeFade));
        }
    }
    return picture;
}

} // namespace quillmere::assetgen
