#include "ui/text/TextEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "ui/Embedded.h"

METALLO_DECLARE_EMBEDDED(metallo_fonts)

namespace ui {

int Font::size() const {
    if (height < 0) return (-height * 72 + kScreenPPI / 2) / kScreenPPI;
    return -((height * 72 + kScreenPPI / 2) / kScreenPPI);
}

}  // namespace ui

namespace ui::text {
namespace {

// Windows-1252 bytes 0x80..0x9F.
const char32_t kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                  0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

// The classic window font "MS Sans Serif" is narrower than Arial at the same cell height,
// and the stored layouts leave room for its widths only: it is drawn with the embedded
// face condensed to this share of its width.
constexpr double kNarrowWidth = 0.9;

char32_t cp1252(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char32_t(b); }

bool faceIs(const std::string& a, const char* b) {
    if (a.size() != std::char_traits<char>::length(b)) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isNarrow(const Font& f) { return faceIs(f.name, "MS Sans Serif"); }

// "MS Sans Serif" was a raster face on the classic desktop: it existed only in these cell
// heights (its 8, 10, 12, 14, 18 and 24 point sizes at 96 dpi), whose character heights
// (cell minus internal leading) are the second row, and the font mapper could scale
// them by whole multiples. A request got the largest of them not above it (a request by
// character height is compared with the character heights), and the smallest size when
// it asked for less; the stored layouts were made against exactly that.
constexpr int kRasterCells[] = {13, 16, 20, 24, 29, 37};
constexpr int kRasterChars[] = {11, 13, 16, 19, 24, 32};

int rasterCell(int height) {
    const bool byChar = height < 0;
    const long want = std::min(std::labs(static_cast<long>(height)), 1L << 20);
    int best = kRasterCells[0];
    for (size_t i = 0; i < std::size(kRasterCells); ++i) {
        const int unit = byChar ? kRasterChars[i] : kRasterCells[i];
        if (unit <= want) best = std::max(best, static_cast<int>(want / unit) * kRasterCells[i]);
    }
    return best;
}

struct Glyph {
    int left = 0;     // from the pen position to the bitmap's left column
    int top = 0;      // from the baseline up to the bitmap's top row
    int width = 0;
    int rows = 0;
    int advance = 0;  // pixels
    std::vector<uint8_t> bits;  // rows * width, 0 or 1
};

struct Face {
    FT_Face face = nullptr;
    int unitsPerEm = 2048;
    int winAscent = 1854;
    int winDescent = 434;
};

struct SizeKey {
    bool bold;
    bool narrow;
    int ppem;
    bool operator<(const SizeKey& o) const {
        if (bold != o.bold) return bold < o.bold;
        if (narrow != o.narrow) return narrow < o.narrow;
        return ppem < o.ppem;
    }
};

class Engine {
public:
    static Engine& instance() {
        static Engine e;
        return e;
    }

    // Em size in pixels and cell metrics for a font. The narrow face is drawn at the cell
    // height of the raster size it is realised in, outline faces at the requested height.
    void resolve(const Font& f, int& ppem, Metrics& m) {
        const Face& fc = face(f.bold);
        const int cell = fc.winAscent + fc.winDescent;
        const int height = isNarrow(f) ? rasterCell(f.height) : f.height;
        if (height > 0) {
            ppem = std::max(1, static_cast<int>(std::lround(double(height) * fc.unitsPerEm / cell)));
            m.ascent = static_cast<int>(std::lround(double(height) * fc.winAscent / cell));
            m.descent = height - m.ascent;
        } else {
            ppem = std::max(1, height == 0 ? 11 : -height);
            m.ascent = static_cast<int>(std::lround(double(ppem) * fc.winAscent / fc.unitsPerEm));
            m.descent = static_cast<int>(std::lround(double(ppem) * fc.winDescent / fc.unitsPerEm));
        }
        ppem = std::min(ppem, 2000);
    }

    const Glyph& glyph(bool bold, bool narrow, int ppem, char32_t cp) {
        std::lock_guard lock(mutex_);
        auto& cache = cache_[SizeKey{bold, narrow, ppem}];
        auto it = cache.find(cp);
        if (it != cache.end()) return it->second;
        Glyph g;
        const Face& fc = face(bold);
        // The narrow face: the same outlines hinted at a smaller horizontal size.
        const FT_UInt across = narrow ? static_cast<FT_UInt>(std::max(1L, std::lround(ppem * kNarrowWidth))) : 0;
        FT_Set_Pixel_Sizes(fc.face, across, static_cast<FT_UInt>(ppem));
        FT_UInt index = FT_Get_Char_Index(fc.face, cp);
        if (FT_Load_Glyph(fc.face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0) {
            FT_GlyphSlot s = fc.face->glyph;
            g.left = s->bitmap_left;
            g.top = s->bitmap_top;
            g.width = static_cast<int>(s->bitmap.width);
            g.rows = static_cast<int>(s->bitmap.rows);
            g.advance = static_cast<int>((s->advance.x + 32) >> 6);
            g.bits.resize(static_cast<size_t>(g.width) * g.rows);
            for (int y = 0; y < g.rows; ++y) {
                const unsigned char* row = s->bitmap.buffer + static_cast<ptrdiff_t>(y) * s->bitmap.pitch;
                for (int x = 0; x < g.width; ++x) {
                    bool on = s->bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] & (0x80 >> (x & 7))) != 0
                                                                          : row[x] >= 128;
                    g.bits[static_cast<size_t>(y) * g.width + x] = on ? 1 : 0;
                }
            }
        }
        return cache.emplace(cp, std::move(g)).first->second;
    }

private:
    Engine() {
        if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType cannot start");
        load(regular_, "LiberationSans-Regular.ttf");
        load(bold_, "LiberationSans-Bold.ttf");
    }

    void load(Face& f, const char* name) {
        const metallo::EmbeddedFile* file = metallo_fonts_find(name);
        if (!file || FT_New_Memory_Face(library_, file->data, static_cast<FT_Long>(file->size), 0, &f.face) != 0)
            throw std::runtime_error(std::string("font missing: ") + name);
        f.unitsPerEm = f.face->units_per_EM;
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f.face, FT_SFNT_OS2))) {
            f.winAscent = os2->usWinAscent;
            f.winDescent = os2->usWinDescent;
        }
    }

    const Face& face(bool bold) const { return bold ? bold_ : regular_; }

    FT_Library library_ = nullptr;
    Face regular_;
    Face bold_;
    std::mutex mutex_;
    std::map<SizeKey, std::unordered_map<char32_t, Glyph>> cache_;
};

thread_local TextLog* tLog = nullptr;

}  // namespace

std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool ok = len > 0 && i + len <= s.size();
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; ok && k < len; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (ok && len > 1 && (cp < 0x80 || cp > 0x10FFFF)) ok = false;
        if (!ok) {
            out.push_back(cp1252(c));
            ++i;
        } else {
            out.push_back(cp);
            i += len;
        }
    }
    return out;
}

std::u32string mapForFace(const std::string& faceName, std::u32string text) {
    if (!faceIs(faceName, "Symbol")) return text;
    // The Symbol face puts Greek letters on the Latin keys.
    static const char32_t upper[26] = {0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399,
                                       0x3D1, 0x39A, 0x39B, 0x39C, 0x39D, 0x39F, 0x3A0, 0x398, 0x3A1,
                                       0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
    static const char32_t lower[26] = {0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9,
                                       0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1,
                                       0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};
    for (char32_t& c : text) {
        if (c >= U'A' && c <= U'Z') c = upper[c - U'A'];
        else if (c >= U'a' && c <= U'z') c = lower[c - U'a'];
    }
    return text;
}

int emPixels(const Font& font) {
    int ppem = 0;
    Metrics m;
    Engine::instance().resolve(font, ppem, m);
    return ppem;
}

Metrics metrics(const Font& font) {
    int ppem = 0;
    Metrics m;
    Engine::instance().resolve(font, ppem, m);
    return m;
}

int textWidth(const Font& font, std::string_view utf8) {
    int ppem = 0;
    Metrics m;
    Engine& e = Engine::instance();
    e.resolve(font, ppem, m);
    int w = 0;
    const bool narrow = isNarrow(font);
    for (char32_t cp : mapForFace(font.name, decodeUtf8(utf8))) w += e.glyph(font.bold, narrow, ppem, cp).advance;
    return w;
}

TextLog::TextLog() {
    if (tLog) throw std::logic_error("TextLog: one at a time");
    tLog = this;
}

TextLog::~TextLog() { tLog = nullptr; }

int drawText(raster::Target& t, int x, int y, const Font& font, std::string_view utf8, bool opaque,
             uint32_t backgroundPixel) {
    int ppem = 0;
    Metrics m;
    Engine& e = Engine::instance();
    e.resolve(font, ppem, m);
    const std::u32string text = mapForFace(font.name, decodeUtf8(utf8));
    const bool narrow = isNarrow(font);
    int width = 0;
    for (char32_t cp : text) width += e.glyph(font.bold, narrow, ppem, cp).advance;
    if (opaque)
        raster::fillRect(t, raster::Rect{x, y, x + width, y + m.cellHeight()}, backgroundPixel, raster::PenMode::Copy);
    const uint32_t ink = toPixel(font.color);
    const raster::Rect& clip = t.clip;
    uint32_t* px = t.bitmap->pixels.data();
    const int stride = t.bitmap->width;
    long pen = x;
    const long baseline = static_cast<long>(y) + m.ascent + t.originY;
    long inkL = 0, inkT = 0, inkR = 0, inkB = 0;  // recorded only for a TextLog
    bool anyInk = false;
    for (char32_t cp : text) {
        const Glyph& g = e.glyph(font.bold, narrow, ppem, cp);
        const long gx = pen + g.left + t.originX;
        const long gy = baseline - g.top;
        for (int row = 0; row < g.rows; ++row) {
            const long sy = gy + row;
            const uint8_t* bits = g.bits.data() + static_cast<size_t>(row) * g.width;
            if (tLog) {
                for (int col = 0; col < g.width; ++col) {
                    if (!bits[col]) continue;
                    const long sx = gx + col;
                    if (!anyInk) inkL = inkR = sx, inkT = inkB = sy, anyInk = true;
                    inkL = std::min(inkL, sx), inkR = std::max(inkR, sx);
                    inkT = std::min(inkT, sy), inkB = std::max(inkB, sy);
                }
            }
            if (sy < clip.top || sy >= clip.bottom) continue;
            for (int col = 0; col < g.width; ++col) {
                const long sx = gx + col;
                if (bits[col] && sx >= clip.left && sx < clip.right) px[sy * stride + sx] = ink;
            }
        }
        pen += g.advance;
        if (pen > 1000000000L) break;
    }
    if (tLog) {
        DrawnText d;
        d.bitmap = t.bitmap;
        d.text = std::string(utf8);
        d.font = font;
        const int cx = x + t.originX, cy = y + t.originY;
        d.cell = raster::Rect{cx, cy, cx + width, cy + m.cellHeight()};
        if (anyInk)
            d.ink = raster::Rect{static_cast<int>(inkL), static_cast<int>(inkT), static_cast<int>(inkR) + 1,
                                 static_cast<int>(inkB) + 1};
        d.clip = clip;
        tLog->texts.push_back(std::move(d));
    }
    return width;
}

}  // namespace ui::text
