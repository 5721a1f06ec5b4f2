#include "Canvas.h"
#include "Ansi.h"
#include "Exceptions.h"

#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Pt {
    int x;
    int y;
};

constexpr TColor kInk = RGBColor(0x20, 0x40, 0x60);
constexpr TColor kGrey = RGBColor(0x99, 0x99, 0x99);
constexpr TColor kBlue = RGBColor(0x00, 0x00, 0xFF);

// Paints the whole canvas in one colour.
void Fill(TCanvas& canvas, TColor colour) {
    canvas.Pen.Color = colour;
    canvas.Brush.Color = colour;
    canvas.Polygon(std::vector<Pt>{{0, 0},
                                   {0, canvas.Height() - 1},
                                   {canvas.Width() - 1, canvas.Height() - 1},
                                   {canvas.Width() - 1, 0}});
}

// Every pixel is `inside` within columns x1..x2 and rows y1..y2 (inclusive), `outside` elsewhere.
void ExpectBlock(const TCanvas& canvas, int x1, int x2, int y1, int y2, TColor inside,
                 TColor outside) {
    int wrong = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const bool in = x >= x1 && x <= x2 && y >= y1 && y <= y2;
            const TColor want = in ? inside : outside;
            if (canvas.Pixels(x, y) != want && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex
                              << canvas.Pixels(x, y) << ", want " << want;
        }
    EXPECT_EQ(wrong, 0);
}

// --- Polygons --------------------------------------------------------------------------------

struct PolygonCase {
    const char* name;
    std::vector<Pt> points;
    int x1, x2, y1, y2; // the pixels the GDI covers: columns x1..x2, rows y1..y2
};

void PrintTo(const PolygonCase& c, std::ostream* os) {
    *os << c.name;
}

// A bar of the barcode renderer is the polygon (x,0),(x,h),(x+w-1,h),(x+w-1,0), turned in steps
// of 90 degrees, so its corners come in each of these orders; the GDI fills the inside and its
// 1-pixel outline covers the edges, together the whole inclusive box of the corners.
const PolygonCase kPolygonCases[] = {
    {"bar w4 h5 at angle 0", {{2, 1}, {2, 6}, {5, 6}, {5, 1}}, 2, 5, 1, 6},
    {"same corners as at 90", {{2, 6}, {7, 6}, {7, 3}, {2, 3}}, 2, 7, 3, 6},
    {"same corners as at 180", {{5, 6}, {5, 1}, {2, 1}, {2, 6}}, 2, 5, 1, 6},
    {"same corners as at 270", {{7, 3}, {2, 3}, {2, 6}, {7, 6}}, 2, 7, 3, 6},
    {"one module wide", {{7, 0}, {7, 9}, {7, 9}, {7, 0}}, 7, 7, 0, 9},
    {"zero high (short bar of Height 2)", {{2, 3}, {2, 3}, {5, 3}, {5, 3}}, 2, 5, 3, 3},
    {"one point (1 wide, 0 high)", {{4, 4}, {4, 4}, {4, 4}, {4, 4}}, 4, 4, 4, 4},
    // Qt's outline drops the corner pixel (4, 14) when it clips the edges that end there.
    {"clipped at the top-left", {{-2, -5}, {-2, 14}, {4, 14}, {4, -5}}, 0, 4, 0, 14},
    {"clipped at the bottom-right", {{12, 9}, {12, 40}, {30, 40}, {30, 9}}, 12, 19, 9, 19},
    {"wholly outside", {{-9, -9}, {-9, -2}, {-2, -2}, {-2, -9}}, 1, 0, 1, 0},
};

class PolygonCoverage : public testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonCoverage, CoversTheInclusiveBoxOfTheCorners) {
    const PolygonCase& c = GetParam();
    TCanvas canvas(20, 20);
    canvas.Pen.Color = kInk;
    canvas.Brush.Color = kInk;
    canvas.Polygon(c.points);
    ExpectBlock(canvas, c.x1, c.x2, c.y1, c.y2, kInk, clWhite);
}

INSTANTIATE_TEST_SUITE_P(Canvas, PolygonCoverage, testing::ValuesIn(kPolygonCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(Canvas, PolygonOutlineTakesThePenAndTheInsideTheBrush) {
    TCanvas canvas(10, 10);
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = kBlue;
    canvas.Polygon(std::vector<Pt>{{2, 2}, {2, 7}, {7, 7}, {7, 2}});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inBox = x >= 2 && x <= 7 && y >= 2 && y <= 7;
            const bool onEdge = inBox && (x == 2 || x == 7 || y == 2 || y == 7);
            EXPECT_EQ(canvas.Pixels(x, y), !inBox   ? clWhite
                                           : onEdge ? clRed
                                                    : kBlue)
                << "at " << x << ", " << y;
        }
}

// --- Colours, size, pixels ------------------------------------------------------------------

TEST(Canvas, ToolkitColoursReachThePictureAsRgb) {
    struct Row {
        TColor colour;
        QRgb rgb;    // what the QImage holds
        TColor read; // what Pixels reports
    };
    const Row rows[] = {
        {clRed, qRgb(0xFF, 0, 0), clRed}, // 0x00BBGGRR: red is the low byte
        {RGBColor(0x12, 0x34, 0x56), qRgb(0x12, 0x34, 0x56), RGBColor(0x12, 0x34, 0x56)},
        {clWindowText, qRgb(0, 0, 0), clBlack}, // system colour resolved by ColorToRGB
        {clWindow, qRgb(0xFF, 0xFF, 0xFF), clWhite},
    };
    for (const Row& row : rows) {
        TCanvas canvas(3, 3);
        Fill(canvas, row.colour);
        EXPECT_EQ(canvas.Image().pixel(1, 1), row.rgb) << std::hex << row.colour;
        EXPECT_EQ(canvas.Pixels(1, 1), row.read) << std::hex << row.colour;
    }
}

TEST(Canvas, SetSizeMakesAFreshWhitePicture) {
    TCanvas canvas(4, 3);
    Fill(canvas, kInk);
    canvas.SetSize(6, 5);
    ExpectBlock(canvas, 0, -1, 0, -1, kInk, clWhite); // all white
    EXPECT_EQ(canvas.Width(), 6);
    EXPECT_EQ(canvas.Height(), 5);
}

TEST(Canvas, PixelsOutsideThePictureAreInvalid) {
    TCanvas canvas(4, 3);
    for (const auto& [x, y] : {Pt{-1, 0}, Pt{0, -1}, Pt{4, 0}, Pt{0, 3}})
        EXPECT_EQ(canvas.Pixels(x, y), CLR_INVALID) << x << ", " << y;
    EXPECT_EQ(canvas.Pixels(3, 2), clWhite);
}

TEST(Canvas, AnEmptyPictureTakesDrawingWithoutEffect) {
    const std::pair<int, int> sizes[] = {{0, 0}, {0, 102}, {57, 0}}; // 0 wide: no symbol drawn
    for (const auto& [w, h] : sizes) {
        TCanvas canvas(10, 10);
        canvas.SetSize(w, h);
        EXPECT_EQ(canvas.Width(), 0);
        EXPECT_EQ(canvas.Height(), 0);
        canvas.Polygon(std::vector<Pt>{{0, 0}, {0, 5}, {5, 5}, {5, 0}});
        canvas.TextOut(0, 0, "12");
        EXPECT_EQ(canvas.Pixels(0, 0), CLR_INVALID);
        EXPECT_GT(canvas.TextWidth("12"), 0); // measuring needs no picture
    }
}

// --- Fonts and text -------------------------------------------------------------------------

TEST(Canvas, WindowsFaceNamesUseTheirMetricCompatibleFonts) {
    struct Row {
        const char* name;
        const char* family;
    };
    const Row rows[] = {
        {"MS Sans Serif", "Liberation Sans"}, // the main window's font
        {"Arial", "Liberation Sans"},         // the text lines' default
        {"ms sans serif", "Liberation Sans"}, // face names ignore case
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QFontInfo(ToQFont(TFont(row.name, -11))).family().toStdString(), row.family)
            << row.name;
}

TEST(Canvas, FontHeightFollowsTheToolkitSignConvention) {
    // Negative: the em in pixels. Zero: the toolkit's default font height (-11).
    for (const auto& [height, pixels] : {std::pair{-11, 11}, {-24, 24}, {0, 11}})
        EXPECT_EQ(ToQFont(TFont("Arial", height)).pixelSize(), pixels) << height;

    // Positive: the cell (ascent plus descent), the largest font whose cell fits.
    for (const int cell : {8, 12, 20, 37}) {
        TCanvas canvas;
        canvas.Font = TFont("Arial", cell);
        const int got = canvas.TextHeight("Hg");
        EXPECT_LE(got, cell) << cell;
        canvas.Font.Height = -(ToQFont(canvas.Font).pixelSize() + 1);
        EXPECT_GT(canvas.TextHeight("Hg"), cell) << "one pixel larger would not fit, " << cell;
    }
}

TEST(Canvas, TextOutDrawsInTheFontColourOnAnOpaqueBrushBox) {
    TCanvas canvas(80, 40);
    Fill(canvas, kGrey);
    canvas.Font = TFont("Arial", -16, 0, DEFAULT_CHARSET, kBlue);
    canvas.Pen.Color = clRed; // the pen plays no part in text
    canvas.Brush.Color = clWhite;
    const std::string text = "Hg 590";
    const int w = canvas.TextWidth(text), h = canvas.TextHeight(text);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    canvas.TextOut(7, 5, text);

    int glyphPixels = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const TColor p = canvas.Pixels(x, y);
            const bool inBox = x >= 7 && x < 7 + w && y >= 5 && y < 5 + h;
            if (!inBox) {
                EXPECT_EQ(p, kGrey) << "outside the box at " << x << ", " << y;
            } else {
                EXPECT_TRUE(p == clWhite || p == kBlue) << "in the box at " << x << ", " << y;
                glyphPixels += p == kBlue;
            }
        }
    EXPECT_GT(glyphPixels, 20);
}

// --- Windows-1252 ---------------------------------------------------------------------------

TEST(Ansi, BytesMapToTheirWindows1252CodePoints) {
    struct Row {
        unsigned char byte;
        char16_t unicode;
    };
    // clang-format off
    const Row rows[] = {
        {'A',  u'A'},      // ASCII unchanged
        {0x7F, 0x7F},
        {0x80, u'\u20AC'}, // euro sign
        {0x8A, u'\u0160'}, // S with caron
        {0x99, u'\u2122'}, // trade mark
        {0x9F, u'\u0178'}, // Y with diaeresis, the last of the table
        {0x81, 0x81},      // the five unassigned bytes: their C1 controls
        {0x8D, 0x8D},
        {0x8F, 0x8F},
        {0x90, 0x90},
        {0x9D, 0x9D},
        {0xA0, 0xA0},      // Latin-1 unchanged
        {0xC4, u'\u00C4'},
        {0xFF, u'\u00FF'},
    };
    // clang-format on
    for (const Row& row : rows) {
        const std::string byte(1, static_cast<char>(row.byte));
        EXPECT_EQ(AnsiToQString(byte), QString(QChar(row.unicode))) << int(row.byte);
        EXPECT_EQ(QStringToAnsi(QString(QChar(row.unicode))), byte) << int(row.byte);
    }
}

TEST(Ansi, EveryByteSurvivesARoundTripAndOtherCharactersBecomeQuestionMarks) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(QStringToAnsi(AnsiToQString(all)), all);

    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("a\u4E2Db")), "a?b");
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("a\U0001F600b")), "a?b"); // one ? per character
    EXPECT_EQ(QStringToAnsi(QString(QChar(0x80))), "?"); // byte 0x80 is the euro sign
}

// --- Files ----------------------------------------------------------------------------------

TEST(Canvas, SaveToFileWritesTheFormatOfTheExtension) {
    struct Row {
        const char* name;
        QByteArray format; // as QImageReader finds it from the content
        bool existing;     // a file of that name is there already
    };
    const Row rows[] = {
        {"pic.bmp", "bmp", false}, {"PIC.BMP", "bmp", false}, {"pic.png", "png", false},
        {"Pic.Png", "png", false}, {"old.bmp", "bmp", true}, // replaced without a question
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TCanvas canvas(13, 7);
    canvas.Pen.Color = canvas.Brush.Color = clRed;
    canvas.Polygon(std::vector<Pt>{{2, 1}, {2, 5}, {9, 5}, {9, 1}});
    for (const Row& row : rows) {
        const QString path = dir.filePath(row.name);
        if (row.existing) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("an older and longer file that is not a picture at all");
        }
        canvas.SaveToFile(path.toStdString());
        EXPECT_EQ(QImageReader::imageFormat(path), row.format) << row.name;
        const QImage back(path);
        ASSERT_FALSE(back.isNull()) << row.name;
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), canvas.Image()) << row.name;
    }
}

TEST(Canvas, SaveToFileRefusesOtherExtensions) {
    QTemporaryDir dir;
    const TCanvas canvas(5, 5);
    const std::pair<const char*, const char*> rows[] = {
        {"pic.jpg", "Unknown picture file extension (.jpg)"},
        {"pic", "Unknown picture file extension ()"},
        {"pic.bmp.txt", "Unknown picture file extension (.txt)"},
    };
    for (const auto& [name, message] : rows) {
        const QString path = dir.filePath(name);
        try {
            canvas.SaveToFile(path.toStdString());
            ADD_FAILURE() << name << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
}

TEST(Canvas, SaveToFileReportsAFileThatCannotBeCreated) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("missing-folder/pic.bmp").toStdString();
    const TCanvas canvas(5, 5);
    try {
        canvas.SaveToFile(path);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + path + "\"", 0), 0u) << e.Message();
    }
}

TEST(Canvas, AnEmptyPictureWritesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.bmp");
    TCanvas canvas(0, 102); // the preview's picture when no barcode was drawn
    canvas.SaveToFile(path.toStdString());
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
