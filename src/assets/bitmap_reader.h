#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillmere {

// Limits on what a bitmap file may claim, whatever its header says. The largest built-in picture is
// 1024 x 768 and 2.3 MB; these leave room for far larger pictures while keeping every buffer bounded.
constexpr int MaxBitmapSide = 16384;
constexpr std::size_t MaxBitmapFileBytes = 64u * 1024 * 1024;

constexpr std::size_t BitmapFileHeaderBytes = 14;
constexpr std::uint32_t BitmapInfoHeaderBytes = 40;

// biCompression values the readers know.
constexpr std::uint32_t BitmapUncompressed = 0; // BI_RGB
constexpr std::uint32_t BitmapBitFields = 3;    // BI_BITFIELDS: 16- or 32-bit pixels with colour masks

// The fields of a Windows bitmap's file header and information header that the loaders use, after
// checks that hold for every bitmap any loader reads: "BM", an information header of at least 40
// bytes that lies inside the file, and sides from 1 to MaxBitmapSide.
struct BitmapHeader {
    std::uint32_t pixelOffset = 0;              // bfOffBits: from the start of the file, not yet checked
    std::uint32_t infoSize = 0;                 // biSize, bytes
    int width = 0;                              // pixels
    int height = 0;                             // pixels, positive whichever way the rows are stored
    bool topDown = false;                       // a negative biHeight: the first stored row is the top one
    int bitCount = 0;                           // biBitCount, not yet checked
    std::uint32_t sizeImage = 0;                // biSizeImage, bytes, 0 allowed
    std::uint32_t colorsUsed = 0;               // biClrUsed, not yet checked
    std::uint32_t compression = 0;              // biCompression
    std::array<std::uint32_t, 3> colourMasks{}; // red, green, blue bits of a pixel; BI_BITFIELDS only
    std::size_t tablesAt = 0; // where a palette starts: after the header and any masks that follow it

    // Offset of whatever follows the information header: the palette, or the pixels.
    std::size_t infoEnd() const { return BitmapFileHeaderBytes + infoSize; }
};

// The headers of file, or nothing when they are missing, cut short or fail the checks above.
std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> file);

// The same checks and fields, but any compression is let through to the caller, and the colour masks of
// a BI_BITFIELDS bitmap are read (they must lie inside the file).
std::optional<BitmapHeader> readBitmapInfo(std::span<const std::uint8_t> file);

// Bytes in one stored row: the pixels padded to a multiple of 4.
constexpr std::size_t bitmapRowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

// Index of the stored row that holds picture row `row`, counting rows from the bottom.
constexpr int storedRowFromBottom(const BitmapHeader& header, int row) {
    return header.topDown ? header.height - 1 - row : row;
}

// The whole file at path, or nothing when it cannot be read or is larger than MaxBitmapFileBytes.
std::optional<std::vector<std::uint8_t>> readBitmapFile(const std::string& path);

} // namespace quillmere
