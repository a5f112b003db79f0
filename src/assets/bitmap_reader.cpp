#include "assets/bitmap_reader.h"

#include "core/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

// biSize of the largest information header in use (BITMAPV5HEADER).
constexpr std::uint32_t MaxInfoHeaderBytes = 124;
constexpr std::uint32_t UncompressedRgb = 0; // BI_RGB

std::uint32_t u16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t u32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return u16At(bytes, at) | u16At(bytes, at + 2) << 16;
}

} // namespace

std::optional<BitmapHeader> readBitmapHeader(std::span<const std::uint8_t> file) {
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
    if (u32At(file, 30) != UncompressedRgb)
        return std::nullopt;
    header.sizeImage = u32At(file, 34);
    header.colorsUsed = u32At(file, 46);
    return header;
}

std::optional<std::vector<std::uint8_t>> readBitmapFile(const std::string& path) {
    // Non-blocking so that a named pipe in the picture's place cannot hold up the caller.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > MaxBitmapFileBytes)
        return std::nullopt;

    // Read to the end rather than trusting the size taken above: the file may change meanwhile.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t done = 0;
    while (true) {
        if (done == bytes.size()) {
            if (bytes.size() > MaxBitmapFileBytes)
                return std::nullopt;
            bytes.resize(std::min(bytes.size() * 2, MaxBitmapFileBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace quillmere
