#pragma once
// The form toolkit's raster canvas: an off-screen picture of RGB pixels with a pen, a brush and a
// font, drawn on in device pixels with the coverage rules of the Windows GDI. It is the only
// place that paints on the raster picture.
#include "Color.h"
#include "Font.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>

#include <concepts>
#include <filesystem>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

// What Pixels reports for a point outside the picture.
inline constexpr TColor CLR_INVALID = 0xFFFFFFFF;

struct TPen {
    TColor Color = clBlack;
    int Width = 1; // in pixels; 0 and 1 both draw one pixel wide
    friend bool operator==(const TPen&, const TPen&) = default;
};

// A solid brush.
struct TBrush {
    TColor Color = clWhite;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// Any point type with integer members x and y, such as the barcode unit's TPoint.
template <class P>
concept CanvasPoint = requires(const P& p) {
    { p.x } -> std::convertible_to<int>;
    { p.y } -> std::convertible_to<int>;
};

class TCanvas {
public:
    TCanvas() = default; // an empty picture, 0 × 0
    TCanvas(int width, int height);

    // Replaces the picture by a new white one of the given size; 0 in either is an empty picture.
    void SetSize(int width, int height);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    TPen Pen;
    TBrush Brush;
    TFont Font;

    // The colour of one pixel, CLR_INVALID outside the picture.
    TColor Pixels(int x, int y) const;

    // A polygon filled with the brush and outlined with the pen, without antialiasing. As in the
    // GDI, a 1-pixel outline runs through the pixels of the vertices, so the rectangle with the
    // corners (x1, y1) and (x2, y2) covers the columns x1 to x2 and the rows y1 to y2 inclusive.
    template <std::ranges::input_range Points>
    requires CanvasPoint<std::ranges::range_value_t<Points>>
    void Polygon(const Points& points) {
        std::vector<QPoint> qpoints;
        for (const auto& p : points)
            qpoints.emplace_back(p.x, p.y);
        PolygonOf(qpoints);
    }

    // Writes 8-bit Windows-1252 text in the font, with the top-left corner of its character cell
    // at (x, y), on an opaque box of the brush colour as wide as TextWidth and as high as
    // TextHeight.
    void TextOut(int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    // The cell height of the font (ascent plus descent), the same for every text.
    int TextHeight(std::string_view text) const;

    // Writes the picture as a Windows bitmap (".bmp") or a PNG (".png"), chosen by the extension
    // without regard to case, replacing an existing file only once the new one is complete.
    // Raises Exception for any other extension and when the file cannot be written. An empty
    // picture (0 wide or 0 high) writes no file.
    void SaveToFile(const std::filesystem::path& path) const;

    const QImage& Image() const { return image_; }

private:
    void PolygonOf(const std::vector<QPoint>& points);

    QImage image_;
};

// The Qt font that draws a toolkit font on the raster canvas: sizes in pixels, Windows face names
// replaced by their metric-compatible free fonts, glyphs without antialiasing.
QFont ToQFont(const TFont& font);

// The colour to draw a toolkit colour with (system colours resolved).
QColor ToQColor(TColor color);
