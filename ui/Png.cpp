#include "ui/Png.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <png.h>

namespace ui {

namespace {

// Encodes the bitmap into an open file; false when libpng or the file reports an error.
bool encode(const raster::Bitmap& b, FILE* f) {
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
    return ok && std::fflush(f) == 0 && !std::ferror(f);
}

mode_t creationMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

PngWrite writePng(const raster::Bitmap& b, const std::string& path) {
    if (b.width <= 0 || b.height <= 0 || path.empty()) return PngWrite::Failed;
    // The file that is really written: the name itself, or what its links lead to.
    std::string target = path;
    mode_t mode = creationMode();
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            char* real = realpath(path.c_str(), nullptr);
            if (!real) return PngWrite::BrokenLink;
            target = real;
            std::free(real);
            if (stat(target.c_str(), &st) != 0) return PngWrite::BrokenLink;
        }
        if (!S_ISREG(st.st_mode)) return PngWrite::NotAFile;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return PngWrite::Failed;
    }
    std::string temp = target + ".part-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return PngWrite::Failed;
    fchmod(fd, mode);
    FILE* f = fdopen(fd, "wb");
    bool ok = f && encode(b, f);
    if (f) ok = (std::fclose(f) == 0) && ok;
    else close(fd);
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok ? PngWrite::Written : PngWrite::Failed;
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
