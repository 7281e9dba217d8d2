#include "ui/Png.h"

#include <cstdio>
#include <vector>

#include <png.h>

namespace ui {

bool savePng(const raster::Bitmap& b, const std::string& path) {
    if (b.width <= 0 || b.height <= 0) return false;
    const std::string temp = path + ".part";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<unsigned char> row(static_cast<size_t>(b.width) * 3);
    volatile bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png))) ok = false;
    else if (ok) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(b.width), static_cast<png_uint_32>(b.height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 3);
        png_write_info(png, info);
        for (int y = 0; y < b.height; ++y) {
            const uint32_t* src = &b.pixels[static_cast<size_t>(y) * b.width];
            for (int x = 0; x < b.width; ++x) {
                row[3 * x] = (src[x] >> 16) & 0xFF;
                row[3 * x + 1] = (src[x] >> 8) & 0xFF;
                row[3 * x + 2] = src[x] & 0xFF;
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    ok = (std::fclose(f) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

raster::Bitmap loadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_BGRA;
    raster::Bitmap b(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, b.pixels.data(), 0, nullptr)) return {};
    for (uint32_t& p : b.pixels) p |= 0xFF000000u;
    return b;
}

}  // namespace ui
