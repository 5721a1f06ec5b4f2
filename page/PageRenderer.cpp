#include "PageRenderer.h"

#include "Ansi.h"
#include "Canvas.h" // ToQFont, ToQColor

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

struct Renderer {
    QPainter& painter;
    const TRenderOptions& options;
    double scale; // device units per page pixel

    void operator()(const TPageRect& r) const {
        const QRectF outer(r.x1 * scale, r.y1 * scale, (r.x2 - r.x1) * scale, (r.y2 - r.y1) * scale);
        painter.fillRect(outer, ToQColor(r.Pen));
        if (r.Brush != r.Pen) {
            // The one-pixel outline lies inside the rectangle, as the right and bottom edges
            // belong to the next one.
            const double inset = scale;
            painter.fillRect(outer.adjusted(inset, inset, -inset, -inset), ToQColor(r.Brush));
        }
    }

    void operator()(const TPageText& t) const {
        painter.save();
        painter.scale(scale, scale);
        const QFont font = ToQFont(t.Font);
        painter.setFont(font);
        const QString text = AnsiToQString(t.Text);
        const QFontMetricsF metrics(font);
        if (t.Opaque)
            painter.fillRect(QRectF(t.x, t.y, metrics.horizontalAdvance(text), metrics.height()),
                             ToQColor(t.Brush));
        painter.setPen(ToQColor(t.Font.Color));
        painter.drawText(QPointF(t.x, t.y + metrics.ascent()), text);
        painter.restore();
    }

    void operator()(const TPageSymbol& s) const {
        if (options.SnapToDots) {
            const int dotsPerPixel = std::max(1, int(std::lround(options.Dpi / 96.0)));
            const double left = std::round(s.Left * scale);
            const double top = std::round(s.Top * scale);
            for (const auto& e : s.Elements)
                painter.fillRect(QRectF(left + e.x * dotsPerPixel, top, e.w * dotsPerPixel,
                                        std::round(e.h * scale)),
                                 ToQColor(e.Color));
        } else {
            for (const auto& e : s.Elements)
                painter.fillRect(QRectF((s.Left + e.x) * scale, s.Top * scale, e.w * scale,
                                        e.h * scale),
                                 ToQColor(e.Color));
        }
    }
};

} // namespace

void RenderPage(const TPage& page, QPainter& painter, const TRenderOptions& options) {
    const double scale = options.Dpi / 96.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (options.PaintBackground)
        painter.fillRect(QRectF(0, 0, page.WidthMm / 25.4 * options.Dpi,
                                page.HeightMm / 25.4 * options.Dpi),
                         Qt::white);
    const Renderer renderer{painter, options, scale};
    for (const TPageItem& item : page.Items) std::visit(renderer, item);
    painter.restore();
}
