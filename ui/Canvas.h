// The drawing surface of a form or paint box: pen, brush, font and pen position
// persist between paints and timer ticks; every call draws at once into the form's
// pixels, clipped to the owner's area (and, during a paint, to the region being painted).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/Colour.h"
#include "ui/raster/Raster.h"
#include "ui/text/Font.h"

namespace ui {

using raster::Point;
using raster::Rect;

enum class PenStyle { Solid, Dot };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear };

struct CanvasPen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

class CanvasBrush {
public:
    TColor color() const { return color_; }
    // Assigning a colour makes the brush solid again, as on the classic desktop.
    void setColor(TColor c) {
        color_ = c;
        style = BrushStyle::Solid;
    }
    // A paint box hands its colour to the brush before each paint; the style stays.
    void takeColor(TColor c) { color_ = c; }
    BrushStyle style = BrushStyle::Solid;

private:
    TColor color_ = clWhite;
};

// Where a canvas draws: implemented by forms and paint boxes.
class CanvasHost {
public:
    virtual ~CanvasHost() = default;
    // A target with origin and clip; its bitmap pointer is null while nothing can be drawn.
    virtual raster::Bitmap* canvasBitmap() = 0;
    virtual Rect canvasBounds() const = 0;  // in bitmap coordinates (the origin is its top-left)
    virtual void canvasChanged(const Rect& bitmapRect) = 0;
};

class Canvas {
public:
    explicit Canvas(CanvasHost& host) : host_(host) {}

    CanvasPen pen;
    CanvasBrush brush;
    Font font;

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    Point PenPos() const { return penPos_; }
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Polygon(const std::vector<Point>& pts);
    void Polyline(const std::vector<Point>& pts);
    void FillRect(const Rect& r);  // brush only, no outline
    void SetPixel(int x, int y, TColor c);
    TColor Pixel(int x, int y) const;
    void TextOut(int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    void Draw(int x, int y, const raster::Bitmap& bmp);
    void StretchDraw(const Rect& r, const raster::Bitmap& bmp);

    // The paint clip (in the host's coordinates) while the host paints; empty = none.
    void setPaintClip(const Rect* r);

private:
    std::optional<raster::Target> target() const;
    raster::Pen rasterPen() const;
    raster::Brush rasterBrush() const;
    void changed(const raster::Target& t);

    CanvasHost& host_;
    Point penPos_;
    bool hasPaintClip_ = false;
    Rect paintClip_;
};

}  // namespace ui
