// icongen: draws the program's icon, nested frames in the colours of the title
// animation's rings around the pale yellow centre, and writes it as PNG files for
// the icon theme: <folder>/<size>x<size>/apps/<name>.png.
//
//   icongen FOLDER NAME SIZE...
//
// Small sizes keep fewer frames, so the frames stay one pixel or wider and the centre
// keeps a good part of the picture: at 16 pixels a dark blue edge, two lighter frames,
// a yellow one and the pale centre.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/raster/Raster.h"

namespace {

using ui::raster::Bitmap;
using ui::raster::Rect;

// The title animation's rings from the outside in (0xFFRRGGBB); the last fills the centre.
constexpr uint32_t kRings[] = {0xFF0032DD, 0xFF3333FF, 0xFF5B5BFF, 0xFF8282FF, 0xFF9D9DFF,
                               0xFFB7B7FF, 0xFFFFFF00, 0xFFFFF500, 0xFFFFFF80};
constexpr int kFrames = 8;

// The icon at one size; `inside` is the opaque square, the margin around it stays clear.
Bitmap drawIcon(int size, Rect& inside) {
    Bitmap b(size, size, 0xFF000000u);
    ui::raster::Target t(b);
    const int margin = std::max(1, size / 16);
    inside = Rect{margin, margin, size - margin, size - margin};
    const int band = std::max(1, static_cast<int>(std::lround(size / 32.0)));
    const int frames = std::clamp(static_cast<int>(inside.width() * 0.3 / band), 2, kFrames);
    Rect r = inside;
    for (int i = 0; i < frames; ++i) {
        // Spread the chosen frames over the eight ring colours, keeping the first and last.
        const int ring = static_cast<int>(std::lround(i * (kFrames - 1) / double(frames - 1)));
        ui::raster::fillRect(t, r, kRings[ring], ui::raster::PenMode::Copy);
        r = Rect{r.left + band, r.top + band, r.right - band, r.bottom - band};
    }
    ui::raster::fillRect(t, r, kRings[kFrames], ui::raster::PenMode::Copy);
    return b;
}

// Compresses the rows; false when libpng gives up (it returns here through longjmp).
bool encode(png_structp png, png_infop info, const Bitmap& b, const Rect& opaque, std::FILE* f,
            std::vector<uint8_t>& row) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    png_init_io(png, f);
    png_set_IHDR(png, info, b.width, b.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
            const uint32_t p = b.at(x, y);
            uint8_t* o = &row[static_cast<size_t>(x) * 4];
            o[0] = (p >> 16) & 0xFF;
            o[1] = (p >> 8) & 0xFF;
            o[2] = p & 0xFF;
            o[3] = opaque.contains(x, y) ? 0xFF : 0x00;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return true;
}

// Writes an RGBA PNG through a temporary file, so no half-written icon is left behind.
bool writeRgba(const Bitmap& b, const Rect& opaque, const std::filesystem::path& path) {
    const std::string temp = path.string() + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<uint8_t> row(static_cast<size_t>(b.width) * 4);
    bool ok = png && info && encode(png, info, b, opaque, f, row);
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: icongen ORDNER NAME GRÖSSE...\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "icongen: Größe %s außerhalb von 16 bis 1024\n", argv[i]);
            return 2;
        }
        const std::filesystem::path dir = folder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        Rect opaque;
        const Bitmap icon = drawIcon(size, opaque);
        if (!writeRgba(icon, opaque, dir / (name + ".png"))) {
            std::fprintf(stderr, "icongen: kann %s nicht schreiben\n", (dir / (name + ".png")).c_str());
            return 1;
        }
    }
    return 0;
}
