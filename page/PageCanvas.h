#pragma once
// The page canvas: draws on the preview's current page in physical units. Each drawn item keeps
// the font, pen and brush current at its call.
#include "Canvas.h" // TPen, TBrush
#include "PageModel.h"
#include "PageUnits.h"

#include <optional>
#include <string_view>

class TPagePreview;

class TPageCanvas {
public:
    explicit TPageCanvas(TPagePreview& preview) : preview_(preview) {}

    TFont Font{"Arial", -11, 0, 0, clWindowText};
    TPen Pen;
    TBrush Brush;

    // Text with its top-left corner at (x, y), on the brush.
    void TextOutLeft(double x, double y, std::string_view text, TPageUnit unit);
    void TextOut(int x, int y, std::string_view text, TPageUnit unit = puPixels);
    // Filled with the brush and outlined with the pen; the right and bottom edges are x2 and y2.
    void Rectangle(double x1, double y1, double x2, double y2, TPageUnit unit = puPixels);
    // The width of the text in the font, as a page length.
    TPageValue TextWidth(std::string_view text) const;

    // Rectangles drawn in page pixels between these two calls are the elements of one symbol
    // whose origin is (left, top).
    void BeginSymbol(int left, int top);
    void EndSymbol();

private:
    TPagePreview& preview_;
    std::optional<TPageSymbol> symbol_;
};
