#include "Canvas.h"

#include "Ansi.h"
#include "Exceptions.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QSaveFile>

#include <algorithm>
#include <cctype>

namespace {

// Windows face names that this system's fonts do not carry, with the free font of the same
// metrics (fonts-liberation) that stands in for them. Qt takes the first family it finds.
struct FaceSubstitute {
    std::string_view windowsName;
    const char* freeName;
};
constexpr FaceSubstitute FaceSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"}, {"Microsoft Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},         {"Times New Roman", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},     {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

QStringList FamiliesFor(const std::string& name) {
    QStringList families{AnsiToQString(name)};
    for (const auto& s : FaceSubstitutes)
        if (EqualsIgnoringCase(name, s.windowsName))
            families.append(QString::fromLatin1(s.freeName));
    return families;
}

int CellHeight(const QFont& font, int pixelSize) {
    QFont sized(font);
    sized.setPixelSize(pixelSize);
    const QFontMetrics metrics(sized);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size (em) whose cell is at most cellHeight high; 1 when even that is higher.
int PixelSizeForCell(const QFont& font, int cellHeight) {
    int size = std::max(1, cellHeight * cellHeight / std::max(1, CellHeight(font, cellHeight)));
    while (size > 1 && CellHeight(font, size) > cellHeight)
        --size;
    while (CellHeight(font, size + 1) <= cellHeight)
        ++size;
    return size;
}

// Font heights, in pixels, are held within this: a damaged job file can store any height, and
// larger fonts only slow the font engine down (and PixelSizeForCell's square passes the int
// range).
constexpr int MaxFontPixels = 16384;

QFontMetrics MetricsOn(const QImage& image, const TFont& font) {
    return QFontMetrics(ToQFont(font), image.isNull() ? nullptr : &image);
}

} // namespace

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont ToQFont(const TFont& font) {
    QFont result;
    result.setFamilies(FamiliesFor(font.Name));
    result.setBold(font.Has(fsBold));
    result.setItalic(font.Has(fsItalic));
    result.setUnderline(font.Has(fsUnderline));
    result.setStrikeOut(font.Has(fsStrikeOut));
    // Two-colour glyphs, as the toolkit's bitmaps have them: the picture holds only the text
    // colour and the box colour, and a symbol's quiet zone stays clean.
    result.setStyleStrategy(QFont::NoAntialias);
    // Whole-pixel glyph advances, hinted to the pixel grid: small aliased text keeps even spacing.
    result.setHintingPreference(QFont::PreferFullHinting);
    // The charset picked a code page in the toolkit; the text arrives here as Unicode already.
    const int height =
        std::clamp(font.Height != 0 ? font.Height : TFont{}.Height, -MaxFontPixels, MaxFontPixels);
    if (height < 0)
        result.setPixelSize(-height);
    else
        result.setPixelSize(PixelSizeForCell(result, height));
    return result;
}

TCanvas::TCanvas(int width, int height) {
    SetSize(width, height);
}

void TCanvas::SetSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        image_ = QImage();
        return;
    }
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

TColor TCanvas::Pixels(int x, int y) const {
    if (!image_.valid(x, y)) return CLR_INVALID;
    const QRgb p = image_.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void TCanvas::PolygonOf(const std::vector<QPoint>& points) {
    if (image_.isNull() || points.empty()) return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool onePixelPen = Pen.Width <= 1;
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(onePixelPen ? 0 : Pen.Width); // 0: Qt's cosmetic one-pixel pen
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(ToQColor(Brush.Color));
    // Qt fills the pixels whose centres lie inside (odd-even, the GDI's alternate mode) and its
    // one-pixel outline runs through the pixels of the vertices, which together give the GDI's
    // coverage; two exceptions need the vertices drawn once more: the outline loses the end pixel
    // of an edge that it clips at the picture's border, and a polygon that collapses to one
    // point draws nothing.
    painter.drawPolygon(points.data(), static_cast<int>(points.size()));
    if (onePixelPen) painter.drawPoints(points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (image_.isNull() || text.empty()) return;
    const QString s = AnsiToQString(text);
    const QFont font = ToQFont(Font);
    const QFontMetrics metrics(font, &image_);
    const int w = metrics.horizontalAdvance(s), h = metrics.ascent() + metrics.descent();
    // A text box more than its own height away from the picture leaves no mark on it (an italic
    // overhang is smaller). It is skipped, which also keeps far positions from passing the int
    // range in Qt's rectangles.
    const long long left = x, top = y, margin = h;
    if (left + w + margin <= 0 || top + h + margin <= 0 || left - margin >= image_.width() ||
        top - margin >= image_.height())
        return;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(x, y, w, h, ToQColor(Brush.Color));
    painter.setFont(font);
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(x, y + metrics.ascent(), s);
}

int TCanvas::TextWidth(std::string_view text) const {
    return MetricsOn(image_, Font).horizontalAdvance(AnsiToQString(text));
}

int TCanvas::TextHeight(std::string_view) const {
    const QFontMetrics metrics = MetricsOn(image_, Font);
    return metrics.ascent() + metrics.descent();
}

void TCanvas::SaveToFile(const std::filesystem::path& path) const {
    std::string extension = path.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const char* format = extension == ".bmp" ? "BMP" : extension == ".png" ? "PNG" : nullptr;
    if (!format)
        throw Exception("Unknown picture file extension (" + path.extension().string() + ")");
    if (image_.isNull()) return;

    // Written beside the target and renamed over it when complete, so that a failed save never
    // leaves a truncated picture under the user's name.
    QSaveFile file(QFile::decodeName(path.native().c_str()));
    if (!file.open(QIODevice::WriteOnly) || !image_.save(&file, format) || !file.commit()) {
        const std::string reason = file.errorString().toStdString();
        throw Exception("Cannot create file \"" + path.string() + "\"" +
                        (reason.empty() ? "" : ". " + reason));
    }
}
