#pragma once
// What a page holds: the drawing calls made on it, recorded in page pixels (1/96 inch), so that
// one renderer can play the page onto any device. Symbols are kept as one item with their
// elements, so that a renderer that knows the device's dot grid can place every element on it.
#include "Color.h"
#include "Font.h"

#include <string>
#include <variant>
#include <vector>

struct TPageRect {
    // Filled with the brush and outlined with a one-pixel pen, from (x1, y1) to (x2, y2).
    double x1, y1, x2, y2; // page pixels
    TColor Pen, Brush;
};

struct TPageText {
    double x, y; // the top-left corner of the text, page pixels
    std::string Text; // Windows-1252
    TFont Font;       // its height in pixels of 96 to the inch
    TColor Brush;     // the opaque box behind the text
    bool Opaque = true;
};

// One symbol: elements side by side from its origin, each a whole number of page pixels wide.
struct TPageSymbolElement {
    int x, w, h; // offset from the origin, width and height, page pixels
    TColor Color;
};
struct TPageSymbol {
    int Left, Top; // the origin, page pixels
    std::vector<TPageSymbolElement> Elements;
};

using TPageItem = std::variant<TPageRect, TPageText, TPageSymbol>;

struct TPage {
    double WidthMm = 210, HeightMm = 297;
    std::vector<TPageItem> Items;
};
