#include "PageRenderer.h"

#include "Ansi.h"
#include "Canvas.h" // ToQFont, ToQColor

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace {

// Plays the items in their order. A print run renders tens of thousands of items into a PDF,
// where every drawing call and every change of pen, brush, font or transform is written out (and
// compressed), so the renderer
// - sets pen, brush, font and transform only when they change, and fills a symbol's elements
//   colour by colour,
// - leaves out white that would fall on white paper where nothing has been drawn yet: the spaces
//   between bars and the boxes behind texts, which the page shows the same without them,
// - lays out each text once a page: the text lines repeat from label to label.
class Renderer {
public:
    Renderer(QPainter& painter, const TRenderOptions& options)
        : painter_(painter), options_(options), scale_(options.Dpi / 96.0),
          base_(painter.worldTransform()),
          pageTransform_(QTransform::fromScale(scale_, scale_) * base_),
          whitePaper_(options.PaintBackground) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(Qt::NoBrush);
    }

    void operator()(const TPageRect& r) {
        UseTransform(true);
        const QRectF outer(r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1);
        FillUnlessWhiteOnPaper(outer, r.Pen);
        if (r.Brush != r.Pen) {
            // The one-pixel outline lies inside the rectangle, as the right and bottom edges
            // belong to the next one.
            FillUnlessWhiteOnPaper(outer.adjusted(1, 1, -1, -1), r.Brush);
        }
    }

    void operator()(const TPageText& t) {
        UseTransform(true); // the text's coordinates and font are in page pixels
        const Font& font = FontFor(t.Font);
        const QString text = AnsiToQString(t.Text);
        // A text with control characters (a line break, a tab) is drawn as QPainter draws it
        // on one line; a text layout would break it.
        const bool plain =
            std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
        const Shaped* shaped = plain ? &Shape(font, text) : nullptr;
        const QRectF box(t.x, t.y, shaped ? shaped->advance : font.metrics.horizontalAdvance(text),
                         font.metrics.height());
        if (t.Opaque) FillUnlessWhiteOnPaper(box, t.Brush);
        if (!fontSet_ || !(font.source == currentFont_)) {
            painter_.setFont(font.font);
            currentFont_ = font.source;
            fontSet_ = true;
        }
        UsePen(ToQColor(t.Font.Color));
        // The baseline lies the font's ascent below the top.
        const double baseline = t.y + font.metrics.ascent();
        if (shaped) {
            for (const QGlyphRun& run : shaped->runs)
                painter_.drawGlyphRun(QPointF(t.x, baseline - shaped->ascent), run);
        } else {
            painter_.drawText(QPointF(t.x, baseline), text);
        }
        // Glyphs may reach a little past their advance (italics) and their box.
        const double slack = font.metrics.height() / 2;
        Painted(box.adjusted(-slack, -1, slack, 1));
    }

    void operator()(const TPageSymbol& s) {
        // The elements lie side by side and never overlap, so filling them colour by colour
        // paints the same picture as filling them one after the other.
        colours_.clear();
        int right = 0, bottom = 0;
        for (const auto& e : s.Elements) {
            right = std::max(right, e.x + e.w);
            bottom = std::max(bottom, e.h);
            if (std::find(colours_.begin(), colours_.end(), e.Color) == colours_.end())
                colours_.push_back(e.Color);
        }
        const QRectF bounds(s.Left, s.Top, right, bottom);
        const bool whiteIsPaper = OnBlankPaper(bounds);

        // In device units: on the dot grid every edge is a whole dot. Each element is a fill of
        // its own, a plain rectangle, which PDF viewers place on their pixels as a whole.
        UseTransform(false);
        const int dotsPerPixel = std::max(1, int(std::lround(options_.Dpi / 96.0)));
        const double left = std::round(s.Left * scale_);
        const double top = std::round(s.Top * scale_);
        for (const TColor colour : colours_) {
            if (whiteIsPaper && IsWhite(colour)) continue;
            UseBrush(ToQColor(colour));
            for (const auto& e : s.Elements) {
                if (e.Color != colour) continue;
                // In double: a symbol placed at the end of the int range reaches beyond it.
                const double x = e.x, w = e.w, h = e.h;
                const QRectF rect =
                    options_.SnapToDots
                        ? QRectF(left + x * dotsPerPixel, top, w * dotsPerPixel,
                                 std::round(h * scale_))
                        : QRectF((s.Left + x) * scale_, s.Top * scale_, w * scale_, h * scale_);
                painter_.drawRect(rect);
            }
        }
        // Snapped elements may end a dot from their exact place.
        Painted(bounds.adjusted(-1, -1, 1, 1));
    }

private:
    struct Font {
        TFont source;
        QFont font;
        QFontMetricsF metrics;
        QFont layoutFont;
    };

    // A page uses a handful of fonts; each is made once.
    const Font& FontFor(const TFont& source) {
        for (const Font& f : fonts_)
            if (f.source == source) return f;
        const QFont font = ToQFont(source);
        // The font as the painter resolves it for its device, for laying out text.
        fonts_.push_back({source, font, QFontMetricsF(font), QFont(font, painter_.device())});
        return fonts_.back();
    }

    // A text laid out in a font: its glyphs and their places, its advance, and the ascent of
    // its line. The texts of a sheet's labels repeat from label to label (the text lines), so
    // each is laid out once a page rather than twice a label (measured and drawn).
    struct Shaped {
        const Font* font;
        QString text;
        double advance, ascent;
        QList<QGlyphRun> runs;
    };

    const Shaped& Shape(const Font& font, const QString& text) {
        for (const Shaped& s : shaped_)
            if (s.font == &font && s.text == text) return s;
        // The labels' own values do not repeat: keep the list short.
        if (shaped_.size() >= 64) shaped_.erase(shaped_.begin() + 16, shaped_.end());
        QTextLayout layout(text, font.layoutFont);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6); // one line: nothing is wrapped
        layout.endLayout();
        shaped_.push_back(
            {&font, text, line.horizontalAdvance(), line.ascent(), layout.glyphRuns()});
        return shaped_.back();
    }

    static bool IsWhite(TColor colour) { return ColorToRGB(colour) == clWhite; }

    // Whether the area (page pixels) is still blank white paper.
    bool OnBlankPaper(const QRectF& area) const {
        if (!whitePaper_) return false;
        for (const QRectF& p : painted_)
            if (p.intersects(area)) return false;
        return true;
    }

    void Painted(const QRectF& area) { painted_.push_back(area); }

    // A filled rectangle (page pixels) without an outline, as QPainter::fillRect draws it.
    void FillUnlessWhiteOnPaper(const QRectF& rect, TColor colour) {
        if (IsWhite(colour) && OnBlankPaper(rect)) return;
        UseBrush(ToQColor(colour));
        painter_.drawRect(rect);
        Painted(rect);
    }

    void UseBrush(const QColor& colour) {
        if (penSet_) {
            painter_.setPen(Qt::NoPen);
            penSet_ = false;
        }
        if (!brushSet_ || brush_ != colour) {
            painter_.setBrush(colour);
            brush_ = colour;
            brushSet_ = true;
        }
    }

    void UsePen(const QColor& colour) {
        if (!penSet_ || pen_ != colour) {
            painter_.setPen(colour);
            pen_ = colour;
            penSet_ = true;
        }
    }

    // Page pixels, or the device's units.
    void UseTransform(bool pagePixels) {
        if (transformSet_ && pagePixels == pagePixels_) return;
        painter_.setWorldTransform(pagePixels ? pageTransform_ : base_);
        pagePixels_ = pagePixels;
        transformSet_ = true;
    }

    QPainter& painter_;
    const TRenderOptions& options_;
    const double scale_; // device units per page pixel
    const QTransform base_, pageTransform_;
    const bool whitePaper_;
    std::vector<QRectF> painted_; // where something may have been drawn, page pixels
    std::deque<Font> fonts_;      // (stays in place: the shaped texts point to their font)
    std::vector<Shaped> shaped_;
    std::vector<TColor> colours_;
    bool transformSet_ = false, pagePixels_ = false;
    bool penSet_ = false;   // false: no pen
    bool brushSet_ = false; // false: no brush
    QColor pen_, brush_;
    bool fontSet_ = false;
    TFont currentFont_;
};

} // namespace

void RenderPage(const TPage& page, QPainter& painter, const TRenderOptions& options) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (options.PaintBackground)
        painter.fillRect(
            QRectF(0, 0, page.WidthMm / 25.4 * options.Dpi, page.HeightMm / 25.4 * options.Dpi),
            Qt::white);
    {
        Renderer renderer(painter, options);
        for (const TPageItem& item : page.Items)
            std::visit(renderer, item);
    }
    painter.restore();
}
