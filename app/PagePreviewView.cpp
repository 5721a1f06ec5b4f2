#include "PagePreviewView.h"

#include "PagePreview.h"
#include "PageRenderer.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr double ScreenDpi = 96;

// The page and the grey desk around it.
class TPageSheet : public QWidget {
public:
    TPageSheet(TPagePreview& preview, const TPagePreviewView& view, QWidget* parent)
        : QWidget(parent), preview_(preview), view_(view) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(0x80, 0x80, 0x80));
        const QSize page = view_.PageSizeOnScreen();
        const int m = TPagePreviewView::DeskMargin;
        painter.fillRect(QRect(m + 3, m + 3, page.width(), page.height()),
                         QColor(0x50, 0x50, 0x50));
        painter.translate(m, m);
        painter.setClipRect(QRect(QPoint(0, 0), page));
        TRenderOptions options;
        options.Dpi = ScreenDpi * preview_.GetZoom() / 100.0;
        options.PaintBackground = true;
        if (const auto& shown = view_.ShownPage()) {
            RenderPage(*shown, painter, options);
        } else {
            painter.fillRect(QRect(QPoint(0, 0), page), Qt::white);
        }
        painter.setClipping(false);
        painter.setPen(QColor(0x30, 0x30, 0x30));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(-1, -1), page + QSize(1, 1)));
    }

private:
    TPagePreview& preview_;
    const TPagePreviewView& view_;
};

} // namespace

TPagePreviewView::TPagePreviewView(TPagePreview& preview, QWidget* parent)
    : QScrollArea(parent), preview_(preview) {
    setWidget(new TPageSheet(preview_, *this, this));
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    Refresh();
}

QSize TPagePreviewView::PageSizeOnScreen() const {
    const double scale = ScreenDpi * preview_.GetZoom() / 100.0 / 25.4; // pixels per mm
    const double w = preview_.GetPageWidth(puMillimeters) * scale;
    const double h = preview_.GetPageHeight(puMillimeters) * scale;
    // A damaged custom size must not ask for an absurd widget.
    auto pixels = [](double v) {
        return std::isfinite(v) && v > 1 ? int(std::min(v, 20000.0)) : 1;
    };
    return {pixels(w), pixels(h)};
}

void TPagePreviewView::Refresh() {
    if (!preview_.IsUpdating()) {
        if (preview_.PageCount() > 0)
            shown_ = preview_.Page(0);
        else
            shown_.reset();
    }
    const QSize page = PageSizeOnScreen();
    widget()->resize(page.width() + 2 * DeskMargin + 3, page.height() + 2 * DeskMargin + 3);
    widget()->update();
}
