// Drawing a symbol on the toolkit's raster canvas, turned by Angle, with its human-readable lines.
#include "Barcode.h"

#include "CanvasStateGuard.h"
#include "Canvas.h"
#include "Rounding.h"

#include <array>

void TBarcodeSymbol::DrawBarcode(TCanvas& canvas) {
    const std::string pattern = MakeData(); // fails before anything is drawn
    const CanvasStateGuard guard(canvas);
    DoLines(pattern, canvas);
    if (FShowText != bcoNone) DrawText(canvas);
}

void TBarcodeSymbol::DoLines(const std::string& pattern, TCanvas& canvas) {
    const double a = AngleRadians();
    const TPoint origin = RotatedOrigin({FLeft, FTop}, {GetWidth(), FHeight}, a);
    canvas.Pen.Width = 1;
    int x = 0;
    for (const char c : pattern) {
        int w = 0;
        TBarLineType lineType = white;
        OneBarProps(c, w, lineType);
        const TColor colour = lineType == white ? Color : ColorBar;
        canvas.Pen.Color = colour;
        canvas.Brush.Color = colour;
        // Short bars hang from the symbol's top edge.
        const int h = lineType == black_half ? int(2LL * FHeight / 5) : FHeight;
        // The right edge is x + w - 1: the one-pixel outline already covers the corner pixels.
        std::array<TPoint, 4> corners = {{{x, 0}, {x, h}, {x + w - 1, h}, {x + w - 1, 0}}};
        for (TPoint& p : corners)
            p = TranslatePoint(RotatePoint(p, a), origin);
        canvas.Polygon(corners);
        x += w;
    }
}

void TBarcodeSymbol::DrawText(TCanvas& canvas) {
    canvas.Font.Assign(FShowTextFont);
    canvas.Pen.Color = canvas.Font.Color;
    canvas.Brush.Color = clWhite; // an opaque white box under the text, whatever Color is

    const int w = GetWidth();
    const int t = canvas.TextWidth(FText);
    int left = FLeft;
    switch (FShowTextPosition) {
    case stpTopRight:
    case stpBottomRight:
        left = ClampToInt(0LL + FLeft + w - t);
        break;
    case stpTopCenter:
    case stpBottomCenter:
        left = ClampToInt(FLeft + (0LL + w - t) / 2); // truncated toward zero
        break;
    case stpTopLeft:
    case stpBottomLeft:
        break;
    }
    const bool atTop = FShowTextPosition == stpTopLeft || FShowTextPosition == stpTopRight ||
                       FShowTextPosition == stpTopCenter;
    const int top = atTop ? FTop : ClampToInt(0LL + FTop + FHeight + 1);

    if (FShowText == bcoCode || FShowText == bcoBoth) canvas.TextOut(left, top, FText);
    // A negative font height puts the type's name above the symbol (28 pixels for -11).
    if (FShowText == bcoTyp || FShowText == bcoBoth)
        canvas.TextOut(FLeft, ClampToInt(0LL + FTop + RoundHalfEven(2.5 * canvas.Font.Height)),
                       GetTypText());
}
