// qubrin-cli preview: the first sheet written as PDF, PNG and SVG files and read back, the first
// label's picture, and the stops of the composition.
#include "CliRun.h"
#include "Decode.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The default sheet: A4, cells of 63 × 27 mm from (10, 15) mm, 3 columns and 10 rows.
QRect CellInDots(int row, int column, double dpi) {
    auto dots = [dpi](double mm) { return int(std::lround(mm / 25.4 * dpi)); };
    return QRect(QPoint(dots(10 + 63 * column), dots(15 + 27 * row)),
                 QPoint(dots(10 + 63 * (column + 1)) - 1, dots(15 + 27 * (row + 1)) - 1));
}

// Decodes every cell of the default sheet on its own: each must hold exactly its label.
void ExpectDefaultSheetDecodes(const QImage& sheet, double dpi) {
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int n = r * 3 + c + 1;
            SCOPED_TRACE("cell " + std::to_string(n));
            const auto symbols =
                DecodeImage(sheet.copy(CellInDots(r, c, dpi)), ZXing::BarcodeFormat::Code128);
            ASSERT_EQ(symbols.size(), 1u);
            EXPECT_EQ(symbols[0].text, QString("VORDA-%1").arg(n, 4, 10, QChar('0')).toStdString());
        }
    }
}

int PdfPages(const QByteArray& pdf) {
    return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

TEST(PreviewCommand, PngAtTheDotsAskedForDecodesEveryLabel) {
    Scratch s;
    const CliRun run = s.Run({"preview", "--out", "sheet.png", "--dpi", "300"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    QImage sheet;
    ASSERT_TRUE(sheet.load(s.Path("sheet.png")));
    EXPECT_EQ(sheet.size(), QSize(2481, 3508)); // 210 × 297 mm at 300 dpi
    EXPECT_EQ(sheet.dotsPerMeterX(), 11811);
    ExpectDefaultSheetDecodes(sheet, 300);
}

TEST(PreviewCommand, WritesEachFormatByItsExtension) {
    Scratch s;
    struct Case {
        QStringList options;
        const char* file;
    };
    const Case cases[] = {
        {{"--out", "sheet.pdf"}, "sheet.pdf"},
        {{"--out", "snapped.PDF", "--dpi", "203"}, "snapped.PDF"},
        {{"--out", "sheet.png"}, "sheet.png"},
        {{"--out", "sheet.svg"}, "sheet.svg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun run = s.Run(QStringList{"preview"} + c.options);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(s.Exists(c.file));
    }
    EXPECT_FALSE(s.Exists("Qubrin.cfg")); // a preview writes no job

    for (const char* pdf : {"sheet.pdf", "snapped.PDF"}) {
        const QByteArray bytes = s.Read(pdf);
        EXPECT_TRUE(bytes.startsWith("%PDF-")) << pdf;
        EXPECT_EQ(PdfPages(bytes), 1) << pdf;
        EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595")) << pdf; // A4 in points
    }

    // The picture's default resolution keeps a module of 1/96 inch at exactly 2 dots.
    QImage png;
    ASSERT_TRUE(png.load(s.Path("sheet.png")));
    EXPECT_EQ(png.size(), QSize(1588, 2246));
    ExpectDefaultSheetDecodes(png, 192);

    // The drawing, rendered as any SVG reader would, at 300 dpi.
    QSvgRenderer svg(s.Path("sheet.svg"));
    ASSERT_TRUE(svg.isValid());
    QImage rendered(2481, 3508, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    {
        QPainter painter(&rendered);
        svg.render(&painter);
    }
    ExpectDefaultSheetDecodes(rendered, 300);
}

TEST(PreviewCommand, ListsTheValuesAndWritesTheFirstLabelsPicture) {
    Scratch s;
    ASSERT_EQ(s.Set({"columns=2", "rows=2", "initialString=LOT-", "initialValue=7"}).status, 0);
    const CliRun run = s.Run({"preview", "--list", "--picture", "label.bmp"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{"LOT-0007", "LOT-0008", "LOT-0009", "LOT-0010"}));
    QImage picture;
    ASSERT_TRUE(picture.load(s.Path("label.bmp")));
    EXPECT_TRUE(s.Read("label.bmp").startsWith("BM"));
    EXPECT_EQ(picture.height(), 102); // the cell's 27 mm × 1123 / 297
    const auto symbols = DecodeImage(picture, ZXing::BarcodeFormat::Code128);
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].text, "LOT-0007");
}

TEST(PreviewCommand, StopsAndWritesNothing) {
    struct Case {
        const char* why;
        std::vector<QStringList> setUp;
        std::vector<std::string> listed; // the values composed before the stop, or their first
        const char* message;
        bool messageBeginning = false; // the message's start only (it quotes the value)
    };
    const Case cases[] = {
        {"Initial Value longer than Length",
         {{"length=3", "initialValue=1234"}},
         {},
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        {"a rejected value",
         {{"format=EAN13"}, {"initialString=12A"}},
         {},
         "EAN13 must be integer value."},
        // The rollover advances the prefix's first character past 'Z' into punctuation that
        // Code 93 lacks; the label that reaches it fails with the symbol's own message.
        {"a later label the symbology cannot encode",
         {{"format=Code 93", "initialString=Z", "length=1", "initialValue=8"}},
         {"Z8", "Z9"},
         "TBarcodeSymbol:Code93 bad Data <",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        for (const QStringList& set : c.setUp)
            s.Set(set);
        const CliRun run =
            s.Run({"preview", "--list", "--out", "sheet.pdf", "--picture", "label.bmp"});
        EXPECT_EQ(run.status, 1);
        const std::vector<std::string> listed = Lines(run.out);
        ASSERT_GE(listed.size(), c.listed.size());
        EXPECT_TRUE(std::equal(c.listed.begin(), c.listed.end(), listed.begin()));
        EXPECT_LT(listed.size(), 30u);
        const std::vector<std::string> err = Lines(run.err);
        ASSERT_EQ(err.size(), 2u) << run.err;
        if (c.messageBeginning)
            EXPECT_TRUE(err[0].starts_with(c.message)) << err[0];
        else
            EXPECT_EQ(err[0], c.message);
        EXPECT_EQ(err[1], "qubrin-cli preview: the sheet stopped; no file written");
        EXPECT_FALSE(s.Exists("sheet.pdf"));
        EXPECT_FALSE(s.Exists("label.bmp"));
    }
}

TEST(PreviewCommand, NoPictureWithoutSymbols) {
    Scratch s;
    ASSERT_EQ(s.Set({"printBarcode=0"}).status, 0);
    const CliRun run = s.Run({"preview", "--out", "texts.pdf", "--picture", "label.bmp"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(s.Exists("texts.pdf"));
    EXPECT_FALSE(s.Exists("label.bmp"));
    EXPECT_TRUE(run.err.starts_with("qubrin-cli preview: no label picture")) << run.err;
}

TEST(PreviewCommand, RejectsBadArguments) {
    const QStringList cases[] = {
        {"--out", "sheet.gif"},
        {"--dpi", "300"}, // nothing to draw at that resolution
        {"--out", "sheet.png", "--dpi", "0"},
        {"--out", "sheet.png", "--dpi", "high"},
        {"--picture", "label.jpg"},
        {"--list=yes"},
        {"sheet.pdf"},
    };
    Scratch s;
    for (const QStringList& options : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const CliRun run = s.Run(QStringList{"preview"} + options);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.starts_with("qubrin-cli preview: ")) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
