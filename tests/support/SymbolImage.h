#pragma once
// A symbol drawn alone on a white raster canvas, with a quiet zone around it, for decoding.
// Header-only: it needs the barcode unit, which only the suites that draw symbols link.
#include "Barcode.h"
#include "Canvas.h"
#include "Rounding.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

// Draws symbol (at its Angle, with its text options) on a new white canvas with quietModules
// modules of white around the turned symbol and room for its text lines above and below.
// Sets the symbol's Left and Top.
inline QImage DrawOnWhiteCanvas(TBarcodeSymbol& symbol, int quietModules = 10) {
    const int margin = quietModules * symbol.GetModul();
    int textRoom = 0;
    if (symbol.GetShowText() != bcoNone) {
        TCanvas probe;
        probe.Font.Assign(symbol.ShowTextFont());
        textRoom = probe.TextHeight(symbol.GetText()) +
                   std::abs(RoundHalfEven(2.5 * symbol.ShowTextFont().Height)) + 1;
    }
    // The text lines are never turned: they keep to the unturned symbol's width.
    const int width = std::max(symbol.GetCanvasWidth(), symbol.GetWidth());
    TCanvas canvas(width + 2 * margin, symbol.GetCanvasHeight() + 2 * (margin + textRoom));
    symbol.SetLeft(margin);
    symbol.SetTop(margin + textRoom);
    symbol.DrawBarcode(canvas);
    return canvas.Image();
}
