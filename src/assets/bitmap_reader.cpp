#include "assets/bitmap_reader.h"

#include "assets/file_bytes.h"

#include <cstdlib>

namespace quillmere {
namespace {

// biSize of the largest information header in use (BITMAPV5HEADER).
constexpr std::uint32_t MaxInfoHeaderBytes = 124;
// biSize from which the colour masks are part of the information header (BITMAPV2INFOHEADER).
constexpr std::uint32_t InfoHeaderWithMasksBytes = 52;
constexpr std::size_t ColourMasksBytes = 12;

std::uint32_t u16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t u32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return u16At(bytes, at) | u16At(bytes, at + 2) << 16;
}

} // namespace

std::optional<BitmapHeader> readBitmapInfo(std::span<const std::uint8_t> file) {
    if (file.size() < BitmapFileHeaderBytes + BitmapInfoHeaderBytes || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    BitmapHeader header;
    header.pixelOffset = u32At(file, 10);
    header.infoSize = u32At(file, 14);
    if (header.infoSize < BitmapInfoHeaderBytes || header.infoSize > MaxInfoHeaderBytes ||
        header.infoEnd() > file.size())
        return std::nullopt;

    // Widened before negating: a height of INT32_MIN has no positive int.
    const std::int64_t width = static_cast<std::int32_t>(u32At(file, 18));
    const std::int64_t height = static_cast<std::int32_t>(u32At(file, 22));
    const std::int64_t rows = std::abs(height);
    if (width < 1 || width > MaxBitmapSide || rows < 1 || rows > MaxBitmapSide)
        return std::nullopt;
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(rows);
    header.topDown = height < 0;

    header.bitCount = static_cast<int>(u16At(file, 28));
    header.compression = u32At(file, 30);
    header.sizeImage = u32At(file, 34);
    header.colorsUsed = u32At(file, 46);
    header.tablesAt = header.infoEnd();
    if (header.compression == BitmapBitFields) {
        // A 40-byte header is followed by the masks; later headers hold them in their own fields.
        std::size_t masksAt = BitmapFileHeaderBytes + BitmapInfoHeaderBytes;
        if (header.infoSize < InfoHeaderWithMasksBytes) {
            if (file.size() - header.infoEnd() < ColourMasksBytes)
                return std::nullopt;
            masksAt = header.infoEnd();
            header.tablesAt += ColourMasksBytes;
        }
        for (std::uint32_t& mask : header.colourMasks) {
            mask = u32At(file, masksAt);
            masksAt += 4;
        }
    }
    return header;
}

std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> file) {
    std::optional<BitmapHeader> header = readBitmapInfo(file);
    if (!header || header->compression != BitmapUncompressed)
        return std::nullopt;
    return header;
}

std::optional<std::vector<std::uint8_t>> readBitmapFile(const std::string& path) {
    return readFileBytes(path, MaxBitmapFileBytes);
}

} // namespace quillmere
