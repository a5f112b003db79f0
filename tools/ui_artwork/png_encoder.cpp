#include "png_encoder.h"

#include <png.h>
#include <stdexcept>

namespace quillmere::uiart {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

bool isOpaque(const RgbaPicture& picture) {
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
        if (picture.rgba[i] != 255)
            return false;
    return true;
}

class PngWriter {
public:
    PngWriter() : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~PngWriter() { png_destroy_write_struct(&m_png, m_info ? &m_info : nullptr); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    bool ok() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// libpng reports errors by longjmp, so nothing with a destructor is made after the setjmp.
bool encode(PngWriter& writer, const RgbaPicture& picture, const std::vector<std::uint8_t>& rows,
            int channels, std::vector<std::uint8_t>& out) {
    if (setjmp(png_jmpbuf(writer.png())))
        return false;
    png_set_write_fn(writer.png(), &out, appendBytes, noFlush);
    png_set_IHDR(writer.png(), writer.info(), static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(writer.png(), 9);
    png_write_info(writer.png(), writer.info());
    const std::size_t stride = static_cast<std::size_t>(picture.width) * channels;
    for (int y = 0; y < picture.height; ++y)
        png_write_row(writer.png(), rows.data() + stride * static_cast<std::size_t>(y));
    png_write_end(writer.png(), nullptr);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(const RgbaPicture& picture) {
    const int channels = isOpaque(picture) ? 3 : 4;
    std::vector<std::uint8_t> rows;
    rows.reserve(static_cast<std::size_t>(picture.width) * picture.height * channels);
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4)
        rows.insert(rows.end(), picture.rgba.begin() + static_cast<std::ptrdiff_t>(i),
                    picture.rgba.begin() + static_cast<std::ptrdiff_t>(i) + channels);
    PngWriter writer;
    std::vector<std::uint8_t> out;
    if (!writer.ok() || !encode(writer, picture, rows, channels, out))
        throw std::runtime_error("cannot encode a PNG picture");
    return out;
}

} // namespace quillmere::uiart
