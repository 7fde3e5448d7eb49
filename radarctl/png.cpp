// PNG output through stb's image writer, encoded in memory: 8-bit RGB, no
// interlace, stb's own deflate at its fixed level and filter choice and no
// time chunk, so the same picture always gives the same bytes. The file is
// then written whole or not at all.
#include <cstdint>
#include <vector>

#include "files.h"
#include "ppi.h"

// stb's implementation lives in this file only; its own warnings stay here.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"  // the writers radarctl does not call
#endif
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace radarctl {
namespace {

void append(void *context, void *data, int size) {
    auto &bytes = *static_cast<std::vector<uint8_t> *>(context);
    const auto *from = static_cast<const uint8_t *>(data);
    bytes.insert(bytes.end(), from, from + size);
}

}  // namespace

bool write_png(const Image &image, const std::string &path, std::string &why) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3) {
        why = "no picture to write";
        return false;
    }
    std::vector<uint8_t> bytes;
    if (stbi_write_png_to_func(append, &bytes, image.width, image.height, 3, image.rgb.data(),
                               image.width * 3) == 0) {
        why = "the picture could not be encoded";
        return false;
    }
    return write_file(path, bytes.data(), bytes.size(), why);
}

}  // namespace radarctl
