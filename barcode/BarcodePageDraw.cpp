// Drawing a symbol on the page canvas, in page pixels of 1/96 inch, with its code text.
#include "Barcode.h"

#include "CanvasStateGuard.h"
#include "PageCanvas.h"
#include "Rounding.h"

#include <cmath>

void TBarcodeSymbol::DrawBarcode(TPageCanvas& canvas) {
    const std::string pattern = MakeData(); // fails before anything is drawn
    const CanvasStateGuard guard(canvas);
    DoLines(pattern, canvas);
    if (FShowText != bcoNone) DrawText(canvas);
}

// On the page the symbol is always drawn upright with its bounding box at (Left, Top): Angle is
// not applied here. The labels of a sheet are never turned, and turning the origin while the
// bars stay upright (the raster rule) would only move a turned symbol out of its cell.
void TBarcodeSymbol::DoLines(const std::string& pattern, TPageCanvas& canvas) {
    canvas.Pen.Width = 1;
    canvas.BeginSymbol(FLeft, FTop);
    int x = 0;
    for (const char c : pattern) {
        int w = 0;
        TBarLineType lineType = white;
        OneBarProps(c, w, lineType);
        const TColor colour = lineType == white ? Color : ColorBar;
        canvas.Pen.Color = colour;
        canvas.Brush.Color = colour;
        const int h = lineType == black_half ? int(2LL * FHeight / 5) : FHeight;
        // The right edge is x + w: the page's rectangles leave out their right and bottom edges.
        // Added as doubles, which hold every sum of two ints exactly.
        const double left = double(FLeft) + x, top = FTop;
        canvas.Rectangle(left, top, left + w, top + h, puPixels);
        x += w;
    }
    canvas.EndSymbol();
}

void TBarcodeSymbol::DrawText(TPageCanvas& canvas) {
    canvas.Font.Assign(FShowTextFont);
    canvas.Pen.Color = canvas.Font.Color;
    canvas.Brush.Color = clWhite;

    const int w = GetWidth();
    // The text's width in whole hundredths of a millimetre, turned into page pixels.
    const int t = RoundHalfEven(
        ConvertValue(double(canvas.TextWidth(FText).GetAsUnits()), puUnits, puPixels));
    // Only the bottom positions centre or right-align the code text on the page.
    int left = FLeft;
    if (FShowTextPosition == stpBottomCenter) left = ClampToInt(FLeft + (0LL + w - t) / 2);
    if (FShowTextPosition == stpBottomRight) left = ClampToInt(0LL + FLeft + w - t);
    const bool atTop = FShowTextPosition == stpTopLeft || FShowTextPosition == stpTopRight ||
                       FShowTextPosition == stpTopCenter;
    const int top = atTop ? FTop : ClampToInt(0LL + FTop + FHeight + 1);

    if (FShowText == bcoCode || FShowText == bcoBoth) canvas.TextOut(left, top, FText, puPixels);
    if (FShowText == bcoTyp || FShowText == bcoBoth)
        canvas.TextOut(FLeft, ClampToInt(0LL + FTop + RoundHalfEven(2.5 * canvas.Font.Height)),
                       GetTypText(), puPixels);
}
