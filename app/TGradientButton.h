#pragma once
// A push button painted with a vertical gradient of its colour scheme, a small glyph and its
// caption (an ampersand marks the accelerator letter). A button without a caption shows its
// glyph alone. On a button at least 40 pixels high the glyph sits above the caption, otherwise
// to its left.
#include <QPushButton>

enum TColorScheme { csDesert };

enum class TButtonGlyph { None, Font, Save, Wizard, Preview, ZoomIn, ZoomOut, Help, Print, Exit };

class TGradientButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGradientButton(QWidget* parent = nullptr);
    TGradientButton(const QString& caption, TButtonGlyph glyph, QWidget* parent = nullptr);

    void SetColorScheme(TColorScheme scheme);
    TColorScheme ColorScheme() const { return scheme_; }
    void SetGlyph(TButtonGlyph glyph);
    TButtonGlyph Glyph() const { return glyph_; }

    // The size that shows the glyph and the whole caption in a row.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool GlyphAbove() const;
    int GlyphSize() const;

    TColorScheme scheme_ = csDesert;
    TButtonGlyph glyph_ = TButtonGlyph::None;
};
