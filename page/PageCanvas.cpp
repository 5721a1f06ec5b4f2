#include "PageCanvas.h"

#include "Ansi.h"
#include "PagePreview.h"

#include <QFontMetricsF>

void TPageCanvas::TextOutLeft(double x, double y, std::string_view text, TPageUnit unit) {
    preview_.CurrentPage().Items.push_back(TPageText{ConvertValue(x, unit, puPixels),
                                                     ConvertValue(y, unit, puPixels),
                                                     std::string(text), Font, Brush.Color, true});
}

void TPageCanvas::TextOut(int x, int y, std::string_view text, TPageUnit unit) {
    TextOutLeft(x, y, text, unit);
}

void TPageCanvas::Rectangle(double x1, double y1, double x2, double y2, TPageUnit unit) {
    if (symbol_ && unit == puPixels) {
        // An element of the open symbol, relative to its origin.
        // Offsets taken as differences: a symbol at the end of the int range has elements
        // beyond it.
        symbol_->Elements.push_back(
            {int(x1 - symbol_->Left), int(x2 - x1), int(y2 - y1), Brush.Color});
        return;
    }
    preview_.CurrentPage().Items.push_back(TPageRect{
        ConvertValue(x1, unit, puPixels), ConvertValue(y1, unit, puPixels),
        ConvertValue(x2, unit, puPixels), ConvertValue(y2, unit, puPixels), Pen.Color,
        Brush.Color});
}

TPageValue TPageCanvas::TextWidth(std::string_view text) const {
    // Qt keeps no glyphs of large fonts and loads each one again at every measurement, which made
    // a sheet of labels with a huge code text font take seconds. The advances of an outline font
    // grow in proportion to its size, so a larger font is measured at this size and scaled.
    constexpr int MeasuringSize = 256;
    QFont font = ToQFont(Font);
    double scale = 1;
    if (font.pixelSize() > MeasuringSize) {
        scale = double(font.pixelSize()) / MeasuringSize;
        font.setPixelSize(MeasuringSize);
    }
    const QFontMetricsF metrics(font);
    return TPageValue(metrics.horizontalAdvance(AnsiToQString(text)) * scale, puPixels);
}

void TPageCanvas::BeginSymbol(int left, int top) { symbol_ = TPageSymbol{left, top, {}}; }

void TPageCanvas::EndSymbol() {
    if (!symbol_) return;
    preview_.CurrentPage().Items.push_back(std::move(*symbol_));
    symbol_.reset();
}
