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

}  // namespace

// Everything the decoder allocates lives outside the setjmp frames: each call into
// libjpeg sets its own, as an error jumps back to the call that is running.
struct JpegDecoder::State {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    bool created = false;  // cinfo holds libjpeg's memory
    std::vector<unsigned char> row;
    raster::Bitmap out;
};

JpegDecoder::JpegDecoder(const unsigned char* data, size_t size, int statedWidth, int statedHeight)
    : s_(std::make_unique<State>()), statedWidth_(statedWidth), statedHeight_(statedHeight) {
    if (!data || size < 4) {
        fail("keine Bilddaten");
        return;
    }
    State& d = *s_;
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = onError;
    d.err.pub.emit_message = onMessage;
    d.created = true;  // destroying a cinfo that creating left empty is harmless
    if (setjmp(d.err.jump)) {
        fail("keine lesbaren JPEG-Daten");
        return;
    }
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_RGB;
    // A damaged header can state any size: the picture must have the size its window
    // states, which is checked before anything is allocated for it.
    const long long iw = d.cinfo.image_width, ih = d.cinfo.image_height;
    if (statedWidth > 0 && statedHeight > 0 && (iw != statedWidth || ih != statedHeight)) {
        char message[JMSG_LENGTH_MAX];
        std::snprintf(message, sizeof message, "Größe %lldx%lld statt %dx%d", iw, ih, statedWidth, statedHeight);
        fail(message);
        return;
    }
    jpeg_start_decompress(&d.cinfo);
    const int w = static_cast<int>(d.cinfo.output_width), h = static_cast<int>(d.cinfo.output_height);
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > 64LL * 1024 * 1024 || d.cinfo.output_components != 3) {
        fail("nicht unterstützte Bildgröße oder Farbform");
        return;
    }
    d.out = raster::Bitmap(w, h);
    d.row.resize(static_cast<size_t>(w) * 3);
}

JpegDecoder::~JpegDecoder() {
    if (s_ && s_->created) jpeg_destroy_decompress(&s_->cinfo);
}

void JpegDecoder::fail(std::string why) {
    if (s_->created) jpeg_destroy_decompress(&s_->cinfo);
    s_->created = false;
    result_ = placeholder(statedWidth_, statedHeight_, std::move(why));
    done_ = true;
}

bool JpegDecoder::decodeRows(int rows) {
    if (done_) return true;
    State& d = *s_;
    if (setjmp(d.err.jump)) {
        fail("keine lesbaren JPEG-Daten");
        return true;
    }
    const int w = d.out.width;
    for (int n = 0; n < rows && d.cinfo.output_scanline < d.cinfo.output_height; ++n) {
        const int y = static_cast<int>(d.cinfo.output_scanline);
        JSAMPROW one[1] = {d.row.data()};
        jpeg_read_scanlines(&d.cinfo, one, 1);
        uint32_t* dst = &d.out.pixels[static_cast<size_t>(y) * w];
        for (int x = 0; x < w; ++x)
            dst[x] = 0xFF000000u | (uint32_t(d.row[3 * x]) << 16) | (uint32_t(d.row[3 * x + 1]) << 8) | d.row[3 * x + 2];
    }
    if (d.cinfo.output_scanline < d.cinfo.output_height) return false;
    jpeg_finish_decompress(&d.cinfo);
    // Truncated data is padded by the decoder with a warning: that is a broken picture too.
    if (d.err.pub.num_warnings > 0) {
        fail("die Bilddaten sind unvollständig oder beschädigt");
        return true;
    }
    jpeg_destroy_decompress(&d.cinfo);
    d.created = false;
    result_.bitmap = std::move(d.out);
    result_.ok = true;
    done_ = true;
    return true;
}

DecodedPicture JpegDecoder::take() {
    while (!decodeRows(1 << 30)) {
    }
    return std::move(result_);
}

DecodedPicture decodeJpeg(const unsigned char* data, size_t size, int statedWidth, int statedHeight) {
    return JpegDecoder(data, size, statedWidth, statedHeight).take();
}

raster::Bitmap decodeStored(DecodedPicture p, const std::string& name) {
    if (!p.ok)
        std::fprintf(stderr, "metallographie: Bild %s: %s; an seiner Stelle steht eine graue Fläche\n", name.c_str(),
                     p.error.c_str());
    return std::move(p.bitmap);
}

raster::Bitmap decodeStored(const StoredJpeg& jpeg) {
    return decodeStored(decodeJpeg(jpeg.data, jpeg.size, jpeg.width, jpeg.height), jpeg.name);
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
