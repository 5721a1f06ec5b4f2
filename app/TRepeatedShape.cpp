#include "TRepeatedShape.h"

#include <QPainter>

#include <algorithm>

TRepeatedShape::TRepeatedShape(QWidget* parent) : QWidget(parent) {}

void TRepeatedShape::SetHorCount(int count) {
    if (count == horCount_) return;
    horCount_ = count;
    Changed();
}

void TRepeatedShape::SetVerCount(int count) {
    if (count == verCount_) return;
    verCount_ = count;
    Changed();
}

void TRepeatedShape::Changed() {
    ++repaintRequests_;
    update();
}

void TRepeatedShape::paintEvent(QPaintEvent*) {
    if (horCount_ <= 0 || verCount_ <= 0) return;
    QPainter p(this);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    // More cells than pixels would only paint the area grey line by line: at most one cell per
    // two pixels is drawn.
    const int columns = std::min(horCount_, std::max(1, width() / 2));
    const int rows = std::min(verCount_, std::max(1, height() / 2));
    const double w = double(width() - 1) / columns;
    const double h = double(height() - 1) / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            p.drawRect(QRectF(c * w, r * h, w, h).toRect());
}
