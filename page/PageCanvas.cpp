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
        symbol_->Elements.push_back({int(x1) - symbol_->Left, int(x2 - x1), int(y2 - y1),
                                     Brush.Color});
        return;
    }
    preview_.CurrentPage().Items.push_back(TPageRect{
        ConvertValue(x1, unit, puPixels), ConvertValue(y1, unit, puPixels),
        ConvertValue(x2, unit, puPixels), ConvertValue(y2, unit, puPixels), Pen.Color,
        Brush.Color});
}

TPageValue TPageCanvas::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(ToQFont(Font));
    return TPageValue(metrics.horizontalAdvance(AnsiToQString(text)), puPixels);
}

void TPageCanvas::BeginSymbol(int left, int top) { symbol_ = TPageSymbol{left, top, {}}; }

void TPageCanvas::EndSymbol() {
    if (!symbol_) return;
    preview_.CurrentPage().Items.push_back(std::move(*symbol_));
    symbol_.reset();
}
