#include "png_file.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class PngWriteStruct {
public:
    PngWriteStruct() : m_png(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~PngWriteStruct() { png_destroy_write_struct(&m_png, m_info ? &m_info : nullptr); }
    PngWriteStruct(const PngWriteStruct&) = delete;
    PngWriteStruct& operator=(const PngWriteStruct&) = delete;

    bool ok() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

class PngReadStruct {
public:
    PngReadStruct() : m_png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr)) {
        if (m_png)
            m_info = png_create_info_struct(m_png);
    }
    ~PngReadStruct() { png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr); }
    PngReadStruct(const PngReadStruct&) = delete;
    PngReadStruct& operator=(const PngReadStruct&) = delete;

    bool ok() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// libpng reports errors by longjmp, so nothing with a destructor may live inside these two functions.
bool encode(std::FILE* file, const RgbImage& image) {
    PngWriteStruct write;
    if (!write.ok())
        return false;
    if (setjmp(png_jmpbuf(write.png())))
        return false;
    png_init_io(write.png(), file);
    png_set_IHDR(write.png(), write.info(), static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(write.png(), write.info());
    for (int y = 0; y < image.height; ++y)
        png_write_row(write.png(), image.row(y));
    png_write_end(write.png(), nullptr);
    return true;
}

bool decode(std::FILE* file, RgbImage& image) {
    PngReadStruct read;
    if (!read.ok())
        return false;
    if (setjmp(png_jmpbuf(read.png())))
        return false;
    png_init_io(read.png(), file);
    png_read_info(read.png(), read.info());
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(read.png(), read.info(), &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
    if (depth != 8 || colourType != PNG_COLOR_TYPE_RGB || interlace != PNG_INTERLACE_NONE || width == 0 ||
        height == 0 || width > 65536 || height > 65536)
        return false;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(read.png(), image.pixels.data() + static_cast<std::size_t>(y) * width * 3, nullptr);
    png_read_end(read.png(), nullptr);
    return true;
}

} // namespace

std::string writePng(const std::filesystem::path& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3)
        return "the picture has no pixels";
    std::string temporary = path.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return "cannot create " + temporary;
    File file(::fdopen(descriptor, "wb"));
    if (!file) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return "cannot open " + temporary;
    }
    const bool encoded = encode(file.get(), image);
    const bool flushed = encoded && std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    const bool closed = std::fclose(file.release()) == 0;
    if (!encoded || !flushed || !closed) {
        ::unlink(temporary.c_str());
        return "cannot write " + path.string();
    }
    // mkstemp makes the file private; a picture is readable like any other file the user writes.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.c_str(), 0666 & ~mask);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return "cannot write " + path.string();
    }
    return {};
}

std::optional<RgbImage> readPng(const std::filesystem::path& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    RgbImage image;
    if (!decode(file.get(), image))
        return std::nullopt;
    return image;
}

} // namespace quillmere
