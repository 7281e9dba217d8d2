#include "ui/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace ui {

namespace {
struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Messages are not printed; warnings are counted (level -1), because the decoder
// warns when it pads truncated data or skips corrupt bytes.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) ++cinfo->err->num_warnings;
}

DecodedPicture placeholder(int w, int h, std::string why) {
    DecodedPicture p;
    p.bitmap = raster::Bitmap(w > 0 ? w : 1, h > 0 ? h : 1, kPlaceholderPixel);
    p.ok = false;
    p.error = std::move(why);
    return p;
}

// Everything the decoder allocates lives outside the setjmp frame.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    std::vector<unsigned char> row;
    raster::Bitmap out;
};

bool decode(Decoder& d, const unsigned char* data, size_t size, int statedWidth, int statedHeight) {
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = onError;
    d.err.pub.emit_message = onMessage;
    d.err.message[0] = 0;
    if (setjmp(d.err.jump)) {
        std::snprintf(d.err.message, sizeof d.err.message, "keine lesbaren JPEG-Daten");
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_RGB;
    // A damaged header can state any size: the picture must have the size its window
    // states, which is checked before anything is allocated for it.
    const long long iw = d.cinfo.image_width, ih = d.cinfo.image_height;
    if (statedWidth > 0 && statedHeight > 0 && (iw != statedWidth || ih != statedHeight)) {
        std::snprintf(d.err.message, sizeof d.err.message, "Größe %lldx%lld statt %dx%d", iw, ih, statedWidth,
                      statedHeight);
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_start_decompress(&d.cinfo);
    const int w = static_cast<int>(d.cinfo.output_width), h = static_cast<int>(d.cinfo.output_height);
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > 64LL * 1024 * 1024 || d.cinfo.output_components != 3) {
        std::snprintf(d.err.message, sizeof d.err.message, "nicht unterstützte Bildgröße oder Farbform");
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    d.out = raster::Bitmap(w, h);
    d.row.resize(static_cast<size_t>(w) * 3);
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int y = static_cast<int>(d.cinfo.output_scanline);
        JSAMPROW rows[1] = {d.row.data()};
        jpeg_read_scanlines(&d.cinfo, rows, 1);
        uint32_t* dst = &d.out.pixels[static_cast<size_t>(y) * w];
        for (int x = 0; x < w; ++x)
            dst[x] = 0xFF000000u | (uint32_t(d.row[3 * x]) << 16) | (uint32_t(d.row[3 * x + 1]) << 8) | d.row[3 * x + 2];
    }
    jpeg_finish_decompress(&d.cinfo);
    // Truncated data is padded by the decoder with a warning: that is a broken picture too.
    const bool warned = d.err.pub.num_warnings > 0;
    if (warned) std::snprintf(d.err.message, sizeof d.err.message, "die Bilddaten sind unvollständig oder beschädigt");
    jpeg_destroy_decompress(&d.cinfo);
    return !warned;
}
}  // namespace

DecodedPicture decodeJpeg(const unsigned char* data, size_t size, int statedWidth, int statedHeight) {
    if (!data || size < 4) return placeholder(statedWidth, statedHeight, "keine Bilddaten");
    Decoder d;
    if (!decode(d, data, size, statedWidth, statedHeight)) return placeholder(statedWidth, statedHeight, d.err.message);
    DecodedPicture p;
    p.bitmap = std::move(d.out);
    p.ok = true;
    return p;
}

raster::Bitmap decodeStored(const StoredJpeg& jpeg) {
    DecodedPicture p = decodeJpeg(jpeg.data, jpeg.size, jpeg.width, jpeg.height);
    if (!p.ok)
        std::fprintf(stderr, "metallographie: Bild %s: %s; an seiner Stelle steht eine graue Fläche\n", jpeg.name.c_str(),
                     p.error.c_str());
    return std::move(p.bitmap);
}

std::string encodeJpeg(const raster::Bitmap& b, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    jpeg_mem_dest(&cinfo, &mem, &memSize);
    cinfo.image_width = static_cast<JDIMENSION>(b.width);
    cinfo.image_height = static_cast<JDIMENSION>(b.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(b.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint32_t* src = &b.pixels[static_cast<size_t>(cinfo.next_scanline) * b.width];
        for (int x = 0; x < b.width; ++x) {
            row[3 * x] = (src[x] >> 16) & 0xFF;
            row[3 * x + 1] = (src[x] >> 8) & 0xFF;
            row[3 * x + 2] = src[x] & 0xFF;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<char*>(mem), memSize);
    jpeg_destroy_compress(&cinfo);
    std::free(mem);
    return out;
}

}  // namespace ui
