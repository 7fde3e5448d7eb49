// PNG output through libpng: 8-bit RGB, no interlace, fixed compression and
// no time chunk, so the same picture always gives the same bytes.
#include <png.h>

#include <csetjmp>
#include <cstdio>

#include "ppi.h"

namespace radarctl {
namespace {

constexpr int zlib_level = 6;
constexpr int zlib_strategy = 0;  // Z_DEFAULT_STRATEGY
constexpr int zlib_memory = 8;
constexpr int zlib_window = 15;

// libpng's errors come back through write_stream's setjmp, without a word on
// stderr; the caller says what failed.
[[noreturn]] void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void on_warning(png_structp, png_const_charp) {}

// Everything libpng may leave by longjmp lies in here, with nothing that has
// a destructor; an error comes back as false.
bool write_stream(png_structp png, png_infop info, std::FILE *file, const Image &image) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, zlib_level);
    png_set_compression_strategy(png, zlib_strategy);
    png_set_compression_mem_level(png, zlib_memory);
    png_set_compression_window_bits(png, zlib_window);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_write_info(png, info);
    const std::size_t stride = std::size_t(image.width) * 3;
    for (int y = 0; y < image.height; ++y) png_write_row(png, image.rgb.data() + y * stride);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool write_png(const Image &image, const std::string &path) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
        return false;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = info != nullptr && write_stream(png, info, file, image);
    png_destroy_write_struct(&png, &info);
    // A full disk may show only when the buffered bytes are flushed.
    if (std::fclose(file) != 0) written = false;
    return written;
}

}  // namespace radarctl
