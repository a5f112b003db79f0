#include "bmp_writer.h"

#include "byte_writer.h"

namespace quillmere::assetgen {

std::vector<std::uint8_t> encodeBmp(const Picture& picture, std::size_t trailingBytes) {
    constexpr std::uint32_t HeadersSize = 14 + 40;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(picture.width) * 24 + 31) / 32 * 4;
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(picture.height);

    std::vector<std::uint8_t> out;
    out.reserve(HeadersSize + imageSize + trailingBytes);
    putTag(out, "BM");
    putU32(out, HeadersSize + imageSize + static_cast<std::uint32_t>(trailingBytes)); // bfSize
    putU32(out, 0);           // bfReserved1, bfReserved2
    putU32(out, HeadersSize); // bfOffBits
    putU32(out, 40);          // biSize
    putU32(out, static_cast<std::uint32_t>(picture.width));
    putU32(out, static_cast<std::uint32_t>(picture.height)); // positive: bottom-up
    putU16(out, 1);                                          // biPlanes
    putU16(out, 24);                                         // biBitCount
    putU32(out, 0);                                          // BI_RGB
    putU32(out, imageSize);                                  // biSizeImage
    putU32(out, 2835);                                       // 72 dpi
    putU32(out, 2835);
    putU32(out, 0); // biClrUsed
    putU32(out, 0); // biClrImportant
    for (int row = 0; row < picture.height; ++row) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.at(x, row);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(out.size() + (rowBytes - static_cast<std::uint32_t>(picture.width) * 3), 0);
    }
    out.resize(out.size() + trailingBytes, 0);
    return out;
}

} // namespace quillmere::assetgen
