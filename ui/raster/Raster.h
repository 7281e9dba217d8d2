// Pixel buffer and rasterizer: the drawing rules of the classic desktop that every
// window of the program relies on.
//
// Coordinates are integer pixels of a target surface. Rectangle-like shapes take two
// corners and exclude the right and bottom edge. Lines leave out their end pixel.
// Pixels are stored as 0xFFRRGGBB (the top byte is always 0xFF).
//
// Pixel conventions where the rules above leave a choice:
// - 1-pixel lines take one pixel per step along the major axis (|dx| == |dy| counts as
//   x-major); the minor coordinate is the exact one rounded to nearest, exact halves going
//   to the smaller coordinate (up or left), so a line and its reverse cover the same pixels
//   apart from their end points. Clipping never changes which pixels a shape has.
// - Ellipses and wide strokes are sampled at pixel centres. An ellipse is the one inscribed
//   in its box (box centre, half the box size as half-axes); its middle row(s) span the
//   whole box and every row of the box keeps its middle pixel(s), so thin ellipses touch
//   all four sides too. The 1-pixel outline is the region's border (pixels with a
//   horizontal or vertical neighbour outside).
// - Wide pens of width w: odd widths are centred on the path through pixel centres; even
//   widths run through the pixels' top-left corners (one pixel more up and left). Ellipse
//   strokes are the ring between the path ellipse's half-axes ((W-1)/2, (H-1)/2) plus and
//   minus w/2, symmetric about the box centre.
// - Polygon outlines are LineTo segments along every edge including the closing one, so
//   the square (0,0) (4,0) (4,4) (0,4) is filled over x, y = 0..3 and outlined over 0..4.
// - Dot patterns run on across the segments of one call; rectangles are walked clockwise
//   from their top-left pixel, ellipses counter-clockwise from the right end of the
//   middle, arcs from their start. Ellipses larger than 65536 pixels count their dots from
//   the first visible pixel.
// - Zero-length lines draw nothing with any pen. Ellipse and arc corners are limited to
//   +-2^30 (after the origin) and pen widths to 2^24.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui::raster {

struct Point {
    int x = 0;
    int y = 0;
};

// Half-open rectangle: left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    Rect intersected(const Rect& o) const;
    Rect united(const Rect& o) const;  // bounding box; an empty operand is ignored
    bool intersects(const Rect& o) const { return !intersected(o).empty(); }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect& o) const = default;
};

// An owned 32-bit image.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row-major, width * height, 0xFFRRGGBB

    Bitmap() = default;
    Bitmap(int w, int h, uint32_t fill = 0xFF000000u);
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    bool operator==(const Bitmap& o) const = default;
};

enum class PenMode { Copy, NotXor };
enum class PenStyle { Solid, Dot };

struct Pen {
    uint32_t rgb = 0xFF000000u;  // 0xFFRRGGBB
    int width = 1;               // < 1 is treated as 1
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct Brush {
    uint32_t rgb = 0xFFFFFFFFu;
    bool solid = true;
};

// A view on a bitmap: drawing coordinates are offset by (originX, originY) and every
// write is clipped to `clip` (given in bitmap coordinates, itself clipped to the bitmap).
struct Target {
    Bitmap* bitmap = nullptr;
    int originX = 0;
    int originY = 0;
    Rect clip;

    explicit Target(Bitmap& b) : bitmap(&b), clip{0, 0, b.width, b.height} {}
    Target(Bitmap& b, int ox, int oy, Rect c);
};

// Writes one pixel through the mode (copy or not-xor), respecting clip and origin.
void plot(Target& t, int x, int y, uint32_t rgb, PenMode mode);

// Fills the half-open rectangle (drawing coordinates, like every function here: the
// origin is added, the clip applies) with a colour through the mode (no outline).
void fillRect(Target& t, Rect r, uint32_t rgb, PenMode mode);

// Line from (x0, y0) to (x1, y1): the start pixel is drawn, the end pixel is not.
// Width 1: Bresenham along the major axis; dotted pens draw 3 pixels on, 3 off,
// starting "on" at the first pixel of the call, and the gaps take the brush colour
// when the brush is solid. Wider pens: a round-capped stroke of that diameter
// (dotted is ignored for wide pens).
void line(Target& t, const Pen& pen, const Brush& brush, int x0, int y0, int x1, int y1);

// Connected lines through the points; a wide pen strokes the whole path as one
// region with round joins, each pixel painted once. The last point's pixel is left
// out for a 1-pixel pen, as with a sequence of LineTo calls.
void polyline(Target& t, const Pen& pen, const Brush& brush, const Point* pts, int n);

// Rectangle with corners (x1, y1), (x2, y2), right and bottom edge excluded; the
// outline is the pen, the inside the brush (the fill lies inside the outline). With a
// wide pen the outline is centred on the 1-pixel outline's path and the fill stops
// at the stroke.
void rectangle(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2);

// Ellipse inscribed in the rectangle (x1, y1)-(x2, y2), right and bottom edge
// excluded. With a 1-pixel pen the brush fill is drawn first and the outline over
// it; with a wide pen the stroke is one region and the fill stops at it.
void ellipse(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2);

// Arc of the ellipse in (x1, y1)-(x2, y2), drawn counter-clockwise (on screen, with y
// pointing down) from the direction of (x3, y3) to the direction of (x4, y4) as seen
// from the ellipse centre. Only the pen is used.
void arc(Target& t, const Pen& pen, const Brush& brush, int x1, int y1, int x2, int y2, int x3, int y3,
         int x4, int y4);

// Closed polygon, filled even-odd with the brush (left pixel of a span in, right out;
// top rows in, bottom rows out), outlined with the pen (1-pixel pen: fill first,
// outline over it; wide pen: stroke as one region, fill stops at it).
void polygon(Target& t, const Pen& pen, const Brush& brush, const Point* pts, int n);

// Copies (or stretches, nearest neighbour) a bitmap into the destination rectangle.
void draw(Target& t, int x, int y, const Bitmap& src);
void stretchDraw(Target& t, Rect dst, const Bitmap& src);

}  // namespace ui::raster
