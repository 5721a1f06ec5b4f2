#include "TGradientButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The colours of one scheme: the gradient from top to bottom, its border and its caption.
struct TSchemeColors {
    QColor Top, Middle, Bottom, Border, Caption;
};

// Desert: warm sand, light at the top, like dunes in the afternoon sun.
constexpr QRgb DesertTop = 0xFCF3DE, DesertMiddle = 0xEDD5A4, DesertBottom = 0xD3AA68,
               DesertBorder = 0x8A6535, DesertCaption = 0x3A2810;

TSchemeColors ColorsOf(TColorScheme scheme) {
    switch (scheme) {
    case csDesert:
    default:
        return {QColor(DesertTop), QColor(DesertMiddle), QColor(DesertBottom), QColor(DesertBorder),
                QColor(DesertCaption)};
    }
}

constexpr int Padding = 4; // between the border and the content
constexpr int Spacing = 3; // between the glyph and the caption
constexpr int TallButton = 40;

void DrawButtonGlyph(QPainter& painter, TButtonGlyph glyph, const QRectF& box, bool enabled);

} // namespace

TGradientButton::TGradientButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover);
    setAutoDefault(false);
}

TGradientButton::TGradientButton(const QString& caption, TButtonGlyph glyph, QWidget* parent)
    : TGradientButton(parent) {
    setText(caption);
    SetGlyph(glyph);
}

void TGradientButton::SetColorScheme(TColorScheme scheme) {
    scheme_ = scheme;
    update();
}

void TGradientButton::SetGlyph(TButtonGlyph glyph) {
    glyph_ = glyph;
    updateGeometry();
    update();
}

bool TGradientButton::GlyphAbove() const {
    return height() >= TallButton && !text().isEmpty();
}

int TGradientButton::GlyphSize() const {
    return GlyphAbove() ? 20 : 14;
}

QSize TGradientButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QString caption = text();
    const int textWidth =
        caption.isEmpty() ? 0 : metrics.horizontalAdvance(QString(caption).remove('&'));
    const int glyph = glyph_ == TButtonGlyph::None ? 0 : 14;
    const int gap = glyph && textWidth ? Spacing : 0;
    const int width = 2 * Padding + glyph + gap + textWidth;
    const int height = 2 * Padding + std::max(glyph, caption.isEmpty() ? 0 : metrics.height());
    return {width, height};
}

void TGradientButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TSchemeColors colors = ColorsOf(scheme_);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool pressed = isDown() || isChecked();
    const bool hovered = underMouse() && isEnabled();

    // The gradient runs the other way while the button is held down, as if it were pressed in.
    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    QColor top = colors.Top, middle = colors.Middle, bottom = colors.Bottom;
    if (hovered && !pressed) top = top.lighter(104), middle = middle.lighter(106);
    if (!isEnabled())
        top = top.lighter(105), middle = middle.lighter(110), bottom = bottom.lighter(115);
    gradient.setColorAt(0, pressed ? bottom : top);
    gradient.setColorAt(0.55, middle);
    gradient.setColorAt(1, pressed ? top : bottom);
    painter.setPen(QPen(hasFocus() ? colors.Border.darker(140) : colors.Border, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(frame, 3, 3);

    // The content: glyph and caption centred as one block, shifted by a pixel while pressed.
    const QString caption = text();
    const QFontMetrics metrics(font());
    const int textWidth =
        caption.isEmpty() ? 0 : metrics.horizontalAdvance(QString(caption).remove('&'));
    const int glyph = glyph_ == TButtonGlyph::None ? 0 : GlyphSize();
    const QPointF shift = pressed ? QPointF(1, 1) : QPointF(0, 0);
    QRectF glyphBox, textBox;
    if (GlyphAbove()) {
        const double blockHeight = glyph + (glyph ? Spacing : 0) + metrics.height();
        const double top = (height() - blockHeight) / 2;
        glyphBox = QRectF((width() - glyph) / 2.0, top, glyph, glyph);
        textBox = QRectF(0, top + glyph + (glyph ? Spacing : 0), width(), metrics.height());
    } else {
        const int gap = glyph && textWidth ? Spacing : 0;
        const double left = std::max<double>(Padding, (width() - (glyph + gap + textWidth)) / 2.0);
        glyphBox = QRectF(left, (height() - glyph) / 2.0, glyph, glyph);
        textBox = QRectF(left + glyph + gap, 0, textWidth + 1, height());
    }
    if (glyph) DrawButtonGlyph(painter, glyph_, glyphBox.translated(shift), isEnabled());
    if (!caption.isEmpty()) {
        painter.setPen(isEnabled() ? colors.Caption : QColor(0x9A8A70));
        painter.setFont(font());
        painter.drawText(textBox.translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic,
                         caption);
    }

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(colors.Border, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

namespace {

// Each glyph is drawn on a 16 × 16 grid scaled to the box.
void DrawButtonGlyph(QPainter& painter, TButtonGlyph glyph, const QRectF& box, bool enabled) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 16.0, box.height() / 16.0);
    painter.setRenderHint(QPainter::Antialiasing);
    auto colour = [enabled](QRgb rgb) {
        const QColor c(rgb);
        return enabled ? c : QColor(0xA09080);
    };
    const QPen outline(colour(0x3A2810), 1.1);
    switch (glyph) {
    case TButtonGlyph::None:
        break;
    case TButtonGlyph::Font: {
        // A serif "A" with an underline in red.
        QFont font("Liberation Serif");
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colour(0x1F2D6B));
        painter.drawText(QRectF(0, -2, 16, 16), Qt::AlignCenter, "A");
        painter.fillRect(QRectF(2, 13.5, 12, 1.8), colour(0xB22222));
        break;
    }
    case TButtonGlyph::Save: {
        // A diskette: dark body, white label, metal shutter.
        painter.setPen(outline);
        painter.setBrush(colour(0x2E4A8B));
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        painter.setBrush(colour(0xFFFFFF));
        painter.drawRect(QRectF(4, 2, 8, 5.5));
        painter.setBrush(colour(0xC8C8C8));
        painter.drawRect(QRectF(4.5, 10, 7, 4.5));
        break;
    }
    case TButtonGlyph::Wizard: {
        // A wand with a spark at its tip.
        painter.setPen(QPen(colour(0x3A2810), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(2.5, 13.5), QPointF(10, 6));
        QPainterPath star;
        const QPointF c(12, 4);
        for (int i = 0; i < 8; ++i) {
            const double r = i % 2 ? 1.4 : 3.8;
            const double a = i * 3.14159265 / 4;
            const QPointF p = c + QPointF(r * std::cos(a), r * std::sin(a));
            i ? star.lineTo(p) : star.moveTo(p);
        }
        star.closeSubpath();
        painter.setPen(QPen(colour(0x9C6B00), 0.8));
        painter.setBrush(colour(0xFFD23F));
        painter.drawPath(star);
        break;
    }
    case TButtonGlyph::Preview: {
        // A sheet with a folded corner and lines of labels.
        QPainterPath sheet;
        sheet.moveTo(3, 1.5);
        sheet.lineTo(10, 1.5);
        sheet.lineTo(13.5, 5);
        sheet.lineTo(13.5, 14.5);
        sheet.lineTo(3, 14.5);
        sheet.closeSubpath();
        painter.setPen(outline);
        painter.setBrush(colour(0xFFFFFF));
        painter.drawPath(sheet);
        painter.drawLine(QPointF(10, 1.5), QPointF(10, 5));
        painter.drawLine(QPointF(10, 5), QPointF(13.5, 5));
        painter.setPen(QPen(colour(0x202020), 1));
        for (double x : {5.0, 6.5, 7.2, 8.8, 10.0, 11.2})
            painter.drawLine(QPointF(x, 7), QPointF(x, 12.5));
        break;
    }
    case TButtonGlyph::ZoomIn:
    case TButtonGlyph::ZoomOut: {
        // A magnifying glass with a plus or a minus.
        painter.setPen(QPen(colour(0x5A3A10), 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        painter.setPen(QPen(colour(0x3A2810), 1.4));
        painter.setBrush(colour(0xE6F2FF));
        painter.drawEllipse(QPointF(6.5, 6.5), 5, 5);
        painter.setPen(QPen(colour(0x1F2D6B), 1.6));
        painter.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        if (glyph == TButtonGlyph::ZoomIn) painter.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
        break;
    }
    case TButtonGlyph::Help: {
        // A blue disc with a question mark.
        painter.setPen(QPen(colour(0x1F2D6B), 1));
        painter.setBrush(colour(0x3A6FD8));
        painter.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font("Liberation Sans");
        font.setPixelSize(12);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colour(0xFFFFFF));
        painter.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "?");
        break;
    }
    case TButtonGlyph::Print: {
        // A printer with a sheet coming out at the top.
        painter.setPen(outline);
        painter.setBrush(colour(0xFFFFFF));
        painter.drawRect(QRectF(4, 1.5, 8, 6));
        painter.setBrush(colour(0x6E6E6E));
        painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.2, 1.2);
        painter.setBrush(colour(0xFFFFFF));
        painter.drawRect(QRectF(4, 10.5, 8, 4));
        painter.fillRect(QRectF(12, 8, 1.5, 1.2), colour(0x3CC93C));
        break;
    }
    case TButtonGlyph::Exit: {
        // A door frame and an arrow leaving through it.
        painter.setPen(outline);
        painter.setBrush(colour(0x8B5A2B));
        painter.drawRect(QRectF(2, 1.5, 7.5, 13));
        painter.setPen(QPen(colour(0xB22222), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(7, 8), QPointF(14.5, 8));
        painter.drawLine(QPointF(11.5, 5), QPointF(14.5, 8));
        painter.drawLine(QPointF(11.5, 11), QPointF(14.5, 8));
        break;
    }
    }
    painter.restore();
}

} // namespace
