#pragma once
// Plays a recorded page onto a QPainter whose device units are dots of the given resolution:
// the screen preview, PNG and SVG pictures, PDF files and printers all go through here.
#include "PageModel.h"

class QPainter;

struct TRenderOptions {
    double Dpi = 96;          // dots per inch of the painter's device units
    bool SnapToDots = false;  // place every symbol element on whole dots (see RenderPage)
    bool PaintBackground = true; // white paper under the page
};

// 1 page pixel is 1/96 inch whatever the device; fonts given in pixels are pixels of 96 to the
// inch. With SnapToDots every element of a symbol is a whole number of dots: a module is
// max(1, round(dpi / 96)) dots and the symbol starts on a dot boundary at its placed position.
// A module of 1/96 inch is 2.11 dots at 203 dpi and 3.125 at 300 dpi; drawn as exact rectangles
// and rasterised by the printer, elements of equal width come out 2 and 3 dots wide and the
// symbols stop scanning. Without a known resolution (a plain PDF) bars stay exact vectors.
void RenderPage(const TPage& page, QPainter& painter, const TRenderOptions& options);
