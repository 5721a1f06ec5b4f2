// The geometry of a turned symbol, shared by both canvases.
#include "Barcode.h"

#include "Rounding.h"

#include <cmath>
#include <numbers>

TPoint RotatePoint(TPoint p, double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {RoundHalfEven(p.x * c + p.y * s), RoundHalfEven(-p.x * s + p.y * c)};
}

TPoint TranslatePoint(TPoint p, TPoint q) { return {p.x + q.x, p.y + q.y}; }

TPoint RotatedOrigin(TPoint p, TPoint size, double a) {
    const double s = std::sin(a), c = std::cos(a);
    const double w = size.x, h = size.y;
    int dx = 0, dy = 0;
    if (s >= 0 && c >= 0) {
        dy = RoundHalfEven(w * s);
    } else if (s >= 0) {
        dx = -RoundHalfEven(w * c);
        dy = RoundHalfEven(w * s - h * c);
    } else if (c >= 0) {
        dx = -RoundHalfEven(h * s);
    } else {
        dx = -RoundHalfEven(w * c) - RoundHalfEven(h * s);
        dy = -RoundHalfEven(h * c);
    }
    return {p.x + dx, p.y + dy};
}

double TBarcodeSymbol::AngleRadians() const { return FAngle / 180.0 * std::numbers::pi; }

int TBarcodeSymbol::GetCanvasWidth() {
    const double w = GetWidth(), a = AngleRadians();
    return RoundHalfEven(w * std::abs(std::cos(a)) + FHeight * std::abs(std::sin(a)) + 0.5);
}

int TBarcodeSymbol::GetCanvasHeight() {
    const double w = GetWidth(), a = AngleRadians();
    return RoundHalfEven(w * std::abs(std::sin(a)) + FHeight * std::abs(std::cos(a)) + 0.5);
}
