// The geometry of a turned symbol, shared by both canvases.
#include "Barcode.h"

#include "Rounding.h"

#include <cmath>
#include <numbers>

TPoint RotatePoint(TPoint p, double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {RoundHalfEven(p.x * c + p.y * s), RoundHalfEven(-p.x * s + p.y * c)};
}

TPoint TranslatePoint(TPoint p, TPoint q) {
    return {ClampToInt(0LL + p.x + q.x), ClampToInt(0LL + p.y + q.y)};
}

TPoint RotatedOrigin(TPoint p, TPoint size, double a) {
    const double s = std::sin(a), c = std::cos(a);
    const double w = size.x, h = size.y;
    // In 64 bits: the sums of two rounded terms and of the position pass the int range at the
    // extremes of Left, Top and Height.
    const auto round = [](double v) { return static_cast<long long>(RoundHalfEven(v)); };
    long long dx = 0, dy = 0;
    if (s >= 0 && c >= 0) {
        dy = round(w * s);
    } else if (s >= 0) {
        dx = -round(w * c);
        dy = round(w * s - h * c);
    } else if (c >= 0) {
        dx = -round(h * s);
    } else {
        dx = -round(w * c) - round(h * s);
        dy = -round(h * c);
    }
    return {ClampToInt(p.x + dx), ClampToInt(p.y + dy)};
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
