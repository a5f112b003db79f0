#include "assets/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace quillmere {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to the
// guard below. Everything the decoding touches therefore lives in JpegReading, owned by the caller, so
// the jump skips no destructor.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
};

struct JpegProgress {
    jpeg_progress_mgr manager{};
    int maxScans = 0;
};

struct JpegReading {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    JpegProgress progress;
    std::span<const std::uint8_t> file;
    const UserPictureLimits* limits = nullptr;
    bool refused = false;
    UserPicture picture;
    std::vector<std::uint8_t> cmykRow;

    JpegReading(const JpegReading&) = delete;
    JpegReading& operator=(const JpegReading&) = delete;
    JpegReading(std::span<const std::uint8_t> bytes, const UserPictureLimits& bounds)
        : file(bytes), limits(&bounds) {}
    // Safe on a decompressor never created: it frees only what creation allocated.
    ~JpegReading() { jpeg_destroy_decompress(&info); }
};

[[noreturn]] void failJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Warnings are dropped, except running out of data: the library would fill the rest of the picture
// with grey, where a cut-short PNG is refused.
void onJpegMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        failJpeg(info);
}

void ignoreJpegOutput(j_common_ptr) {}

void checkJpegScans(j_common_ptr info) {
    const auto* progress = reinterpret_cast<const JpegProgress*>(info->progress);
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > progress->maxScans)
        failJpeg(info);
}

// The eighths to decode at: the fewest that keep both sides at least as large as their fitted size.
unsigned int scaleEighths(const jpeg_decompress_struct& info, const UserPictureLimits& limits) {
    const auto reaches = [](JDIMENSION side, unsigned int eighths, int wanted) {
        return (static_cast<std::uint64_t>(side) * eighths + 7) / 8 >= static_cast<std::uint64_t>(wanted);
    };
    const int wantedWidth = fittedWidth(static_cast<int>(info.image_width), limits);
    const int wantedHeight = fittedHeight(static_cast<int>(info.image_height), limits);
    unsigned int eighths = 1;
    while (eighths < 8 && !(reaches(info.image_width, eighths, wantedWidth) &&
                            reaches(info.image_height, eighths, wantedHeight)))
        ++eighths;
    return eighths;
}

// Adobe's writers store CMYK inverted, and say so with their APP14 marker.
void cmykToRgb(const std::uint8_t* in, int width, bool inverted, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
        const unsigned k = inverted ? in[3] : 255u - in[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = inverted ? in[c] : 255u - in[c];
            out[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

// Every step that may end in failJpeg; it keeps no object of its own across the library's calls.
void decodeJpeg(JpegReading& r) {
    jpeg_decompress_struct& info = r.info;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = static_cast<long>(r.limits->maxJpegMemory);
    info.progress = &r.progress.manager;
    jpeg_mem_src(&info, r.file.data(), static_cast<unsigned long>(r.file.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width < 1 || info.image_height < 1 ||
        info.image_width > static_cast<JDIMENSION>(r.limits->maxSide) ||
        info.image_height > static_cast<JDIMENSION>(r.limits->maxSide) ||
        static_cast<std::uint64_t>(info.image_width) * info.image_height > r.limits->maxJpegPixels) {
        r.refused = true;
        return;
    }

    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        info.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        break;
    default:
        r.refused = true;
        return;
    }
    info.scale_num = scaleEighths(info, *r.limits);
    info.scale_denom = 8;
    jpeg_calc_output_dimensions(&info);
    const bool cmyk = info.out_color_space == JCS_CMYK;
    const int channels = cmyk ? 3 : info.output_components;
    if (info.output_width < 1 || info.output_height < 1 || (channels != 1 && channels != 3) ||
        (cmyk && info.output_components != 4)) {
        r.refused = true;
        return;
    }

    jpeg_start_decompress(&info);
    UserPicture& picture = r.picture;
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.channels = channels;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(channels);
    picture.pixels.resize(rowBytes * static_cast<std::size_t>(picture.height));
    if (cmyk)
        r.cmykRow.resize(static_cast<std::size_t>(picture.width) * 4);
    while (info.output_scanline < info.output_height) {
        std::uint8_t* out = picture.pixels.data() + rowBytes * info.output_scanline;
        JSAMPROW row = cmyk ? r.cmykRow.data() : out;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            r.refused = true;
            return;
        }
        if (cmyk)
            cmykToRgb(r.cmykRow.data(), picture.width, info.saw_Adobe_marker, out);
    }
}

bool guardedDecodeJpeg(JpegReading& r) {
    if (setjmp(r.errors.jump) != 0)
        return false;
    decodeJpeg(r);
    return !r.refused;
}

} // namespace

std::optional<UserPicture> decodeJpegPicture(std::span<const std::uint8_t> file,
                                             const UserPictureLimits& limits) {
    JpegReading reading(file, limits);
    reading.info.err = jpeg_std_error(&reading.errors.manager);
    reading.errors.manager.error_exit = failJpeg;
    reading.errors.manager.emit_message = onJpegMessage;
    reading.errors.manager.output_message = ignoreJpegOutput;
    reading.progress.manager.progress_monitor = checkJpegScans;
    reading.progress.maxScans = limits.maxJpegScans;
    if (!guardedDecodeJpeg(reading))
        return std::nullopt;
    return std::move(reading.picture);
}

} // namespace quillmere
