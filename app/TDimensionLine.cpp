#include "TDimensionLine.h"

#include <QPainter>

TDimensionLine::TDimensionLine(Qt::Orientation orientation, const QString& label, int arrowSize,
                               QWidget* parent)
    : QWidget(parent), orientation_(orientation), label_(label), arrowSize_(arrowSize) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TDimensionLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double a = arrowSize_;
    // Draw along x; a vertical line is the same drawing turned a quarter.
    double length = r.width();
    if (orientation_ == Qt::Vertical) {
        p.translate(r.left(), r.bottom());
        p.rotate(-90);
        length = r.height();
    } else {
        p.translate(r.left(), r.top());
    }
    const double across = orientation_ == Qt::Vertical ? r.width() : r.height();
    const double mid = across / 2;
    p.drawLine(QPointF(0, mid), QPointF(length, mid));
    // Open arrow heads: two strokes at each end.
    const double spread = a * 0.45;
    p.drawLine(QPointF(0, mid), QPointF(a, mid - spread));
    p.drawLine(QPointF(0, mid), QPointF(a, mid + spread));
    p.drawLine(QPointF(length, mid), QPointF(length - a, mid - spread));
    p.drawLine(QPointF(length, mid), QPointF(length - a, mid + spread));
    if (label_.isEmpty()) return;
    // The label sits on the line, on a patch of the background.
    const QFontMetricsF metrics(font());
    const QSizeF text(metrics.horizontalAdvance(label_) + 6, metrics.height());
    const QRectF box((length - text.width()) / 2, mid - text.height() / 2, text.width(), text.height());
    p.fillRect(box, palette().window());
    p.drawText(box, Qt::AlignCenter, label_);
}
