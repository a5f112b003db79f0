#include "assets/png_picture.h"

#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

namespace quillmere {
namespace {

// Ancillary chunks (text, profiles) are kept small: none of them is used.
constexpr png_alloc_size_t MaxPngChunkBytes = png_alloc_size_t{8} << 20;
constexpr png_uint_32 MaxPngAncillaryChunks = 1000;

// libpng reports a fatal error through the error function, which jumps back to the guard below.
// Everything the decoding touches therefore lives in PngReading, owned by the caller, so the jump skips
// no destructor.
struct PngReading {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::span<const std::uint8_t> file;
    std::size_t read = 0;
    const UserPictureLimits* limits = nullptr;
    bool refused = false;
    UserPicture picture;
    std::vector<png_bytep> rows;

    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;
    PngReading(std::span<const std::uint8_t> bytes, const UserPictureLimits& bounds)
        : file(bytes), limits(&bounds) {}
    ~PngReading() { png_destroy_read_struct(&png, &info, nullptr); }
};

[[noreturn]] void failPng(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void ignorePngWarning(png_structp, png_const_charp) {}

void readPngBytes(png_structp png, png_bytep out, std::size_t count) {
    auto& r = *static_cast<PngReading*>(png_get_io_ptr(png));
    if (r.file.size() - r.read < count)
        png_error(png, "file cut short");
    std::memcpy(out, r.file.data() + r.read, count);
    r.read += count;
}

// Every step that may end in failPng; it keeps no object of its own across the library's calls.
void decodePng(PngReading& r) {
    png_structp png = r.png;
    png_infop info = r.info;
    const auto side = static_cast<png_uint_32>(r.limits->maxSide);
    png_set_user_limits(png, side, side);
    png_set_chunk_malloc_max(png, MaxPngChunkBytes);
    png_set_chunk_cache_max(png, MaxPngAncillaryChunks);
    png_set_read_fn(png, &r, readPngBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (static_cast<std::uint64_t>(width) * height > r.limits->maxPixels) {
        r.refused = true;
        return;
    }

    png_set_expand(png);
    png_set_scale_16(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    if (channels < 1 || channels > 4 || png_get_bit_depth(png, info) != 8 ||
        png_get_rowbytes(png, info) != rowBytes) {
        r.refused = true;
        return;
    }

    UserPicture& picture = r.picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.channels = channels;
    picture.pixels.resize(rowBytes * height);
    r.rows.resize(height);
    for (png_uint_32 row = 0; row < height; ++row)
        r.rows[row] = picture.pixels.data() + rowBytes * row;
    png_read_image(png, r.rows.data());
    png_read_end(png, nullptr);
}

bool guardedDecodePng(PngReading& r) {
    if (setjmp(png_jmpbuf(r.png)) != 0)
        return false;
    decodePng(r);
    return !r.refused;
}

} // namespace

std::optional<UserPicture> decodePngPicture(std::span<const std::uint8_t> file,
                                            const UserPictureLimits& limits) {
    PngReading reading(file, limits);
    reading.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failPng, ignorePngWarning);
    if (reading.png == nullptr)
        return std::nullopt;
    reading.info = png_create_info_struct(reading.png);
    if (reading.info == nullptr || !guardedDecodePng(reading))
        return std::nullopt;
    return std::move(reading.picture);
}

} // namespace quillmere
