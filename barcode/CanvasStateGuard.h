#pragma once
// Puts back a canvas's font, pen and brush when drawing ends, also when it stops with an
// exception. Both the raster canvas and the page canvas have these three members.
#include "Canvas.h"
#include "Font.h"

template <class Canvas> class CanvasStateGuard {
public:
    explicit CanvasStateGuard(Canvas& canvas)
        : canvas_(canvas), font_(canvas.Font), pen_(canvas.Pen), brush_(canvas.Brush) {}
    ~CanvasStateGuard() {
        canvas_.Font = font_;
        canvas_.Pen = pen_;
        canvas_.Brush = brush_;
    }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

private:
    Canvas& canvas_;
    TFont font_;
    TPen pen_;
    TBrush brush_;
};
