#include "PageExport.h"

#include "Ansi.h"
#include "Canvas.h" // ToQFont
#include "Exceptions.h"
#include "PageRenderer.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

namespace {

// A picture's side in dots, and the most that a picture may hold (a gigabyte at four bytes a
// dot): a custom page of metres at a printer's resolution is refused rather than allocated.
constexpr double MaxPictureSide = 32767;
constexpr double MaxPictureDots = double(1 << 28);

double Dots(double mm, int dpi) {
    return mm / 25.4 * dpi;
}

std::string Quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

[[noreturn]] void CannotWrite(const std::filesystem::path& file, const QSaveFile& out) {
    const std::string reason = out.errorString().toStdString();
    throw Exception("Cannot write file " + Quoted(file) + (reason.empty() ? "" : ". " + reason));
}

void Begin(QPainter& painter, QPaintDevice& device, const std::filesystem::path& file) {
    if (!painter.begin(&device))
        throw Exception("Cannot write file " + Quoted(file) +
                        ". The drawing could not be started.");
}

void WritePdf(const TPage& page, QSaveFile& out, const std::filesystem::path& file, int dpi) {
    QPdfWriter pdf(&out);
    pdf.setCreator("Qubrin");
    pdf.setTitle("Qubrin labels");
    // Exact vectors at a fine resolution, or the dot grid of the resolution asked for.
    TRenderOptions render;
    render.Dpi = dpi > 0 ? dpi : 1200;
    render.SnapToDots = dpi > 0;
    pdf.setResolution(int(render.Dpi));
    pdf.setPageSize(QPageSize(QSizeF(page.WidthMm, page.HeightMm), QPageSize::Millimeter, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    Begin(painter, pdf, file);
    RenderPage(page, painter, render);
    painter.end();
}

void WritePng(const TPage& page, QSaveFile& out, const std::filesystem::path& file, int dpi) {
    const double width = std::ceil(Dots(page.WidthMm, dpi) - 1e-6);
    const double height = std::ceil(Dots(page.HeightMm, dpi) - 1e-6);
    if (!(width >= 1 && height >= 1))
        throw Exception("Cannot write file " + Quoted(file) + ". The page has no area.");
    if (!(width <= MaxPictureSide && height <= MaxPictureSide && width * height <= MaxPictureDots))
        throw Exception("Cannot write file " + Quoted(file) + ". A page of " +
                        std::to_string(std::lround(page.WidthMm)) + " x " +
                        std::to_string(std::lround(page.HeightMm)) + " mm at " +
                        std::to_string(dpi) + " dpi is too large for a picture.");
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        throw Exception("Cannot write file " + Quoted(file) +
                        ". Not enough memory for the picture.");
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter;
        Begin(painter, image, file);
        // A picture is for reading on a screen or a scanner: symbols always on whole dots.
        RenderPage(page, painter, TRenderOptions{.Dpi = double(dpi), .SnapToDots = true});
    }
    if (!image.save(&out, "PNG")) CannotWrite(file, out);
}

// An SVG names its fonts and leaves the choice to its reader, which knows no substitutes for
// Windows face names such as "MS Sans Serif". The texts were measured and placed with the font
// that Qt found for each face here, so the drawing names that one.
TPage WithResolvedFaces(const TPage& page) {
    TPage resolved = page;
    std::map<std::string, std::string> faces;
    for (TPageItem& item : resolved.Items) {
        if (auto* text = std::get_if<TPageText>(&item)) {
            auto [it, added] = faces.try_emplace(text->Font.Name);
            if (added) it->second = QStringToAnsi(QFontInfo(ToQFont(text->Font)).family());
            text->Font.Name = it->second;
        }
    }
    return resolved;
}

void WriteSvg(const TPage& page, QSaveFile& out, const std::filesystem::path& file, int dpi) {
    // User units are dots of the resolution: page pixels (96 to the inch) for exact vectors.
    TRenderOptions render;
    render.Dpi = dpi > 0 ? dpi : 96;
    render.SnapToDots = dpi > 0;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setTitle("Qubrin labels");
    // The drawing's width and height in millimetres are its size over its resolution; a size
    // in hundredths of a millimetre keeps them exact. Everything is drawn in the user units of
    // the view box.
    svg.setResolution(2540);
    svg.setSize(QSize(int(std::lround(page.WidthMm * 100)), int(std::lround(page.HeightMm * 100))));
    svg.setViewBox(
        QRectF(0, 0, Dots(page.WidthMm, int(render.Dpi)), Dots(page.HeightMm, int(render.Dpi))));
    QPainter painter;
    Begin(painter, svg, file);
    RenderPage(WithResolvedFaces(page), painter, render);
    painter.end();
}

} // namespace

std::optional<TExportFormat> ExportFormatOf(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".pdf") return TExportFormat::Pdf;
    if (extension == ".png") return TExportFormat::Png;
    if (extension == ".svg") return TExportFormat::Svg;
    return std::nullopt;
}

void ExportPage(const TPage& page, const std::filesystem::path& file,
                const TExportOptions& options) {
    const auto format = ExportFormatOf(file);
    if (!format) throw Exception("Unknown page file extension (" + file.extension().string() + ")");
    // Written beside the target and renamed over it when complete.
    QSaveFile out(QFile::decodeName(file.native().c_str()));
    if (!out.open(QIODevice::WriteOnly)) {
        const std::string reason = out.errorString().toStdString();
        throw Exception("Cannot create file " + Quoted(file) +
                        (reason.empty() ? "" : ". " + reason));
    }
    switch (*format) {
    case TExportFormat::Pdf:
        WritePdf(page, out, file, options.Dpi);
        break;
    case TExportFormat::Png:
        WritePng(page, out, file, options.Dpi > 0 ? options.Dpi : DefaultPngDpi);
        break;
    case TExportFormat::Svg:
        WriteSvg(page, out, file, options.Dpi);
        break;
    }
    if (!out.commit()) CannotWrite(file, out);
}
