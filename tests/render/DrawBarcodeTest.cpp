// Drawing a symbol on the raster canvas: where each element lands, at each quarter turn, and where
// the human-readable lines go.
#include "Barcode.h"
#include "Canvas.h"

#include <QRect>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TColor kBar = RGBColor(0x20, 0x30, 0x40);
constexpr TColor kSpace = RGBColor(0xC0, 0xF0, 0xC0);
constexpr TColor kGrey = RGBColor(0x99, 0x99, 0x99);
constexpr TColor kInk = RGBColor(0x00, 0x00, 0xFF); // text colour

// Exposes DoLines, so that a test can draw a pattern of its own.
class PatternSymbol : public TBarcodeSymbol {
public:
    using TBarcodeSymbol::DoLines;
};

struct Span {
    int x1, x2, y1, y2; // columns x1..x2, rows y1..y2, inclusive
    TColor colour;
};

// Every pixel has the colour of the span that holds it, or the background.
void ExpectPicture(const TCanvas& canvas, const std::vector<Span>& spans,
                   TColor background = clWhite) {
    int wrong = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            TColor want = background;
            for (const Span& s : spans)
                if (x >= s.x1 && x <= s.x2 && y >= s.y1 && y <= s.y2) want = s.colour;
            if (canvas.Pixels(x, y) != want && ++wrong <= 8)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex
                              << canvas.Pixels(x, y) << ", want " << want;
        }
    EXPECT_EQ(wrong, 0) << "pixels differ";
}

// Paints the whole canvas in one colour.
void Fill(TCanvas& canvas, TColor colour) {
    canvas.Pen.Color = canvas.Brush.Color = colour;
    canvas.Polygon(std::vector<TPoint>{{0, 0},
                                       {0, canvas.Height() - 1},
                                       {canvas.Width() - 1, canvas.Height() - 1},
                                       {canvas.Width() - 1, 0}});
}

// The smallest rectangle within region that holds every pixel of the given colours.
QRect BoundsOf(const TCanvas& canvas, std::initializer_list<TColor> colours, QRect region) {
    QRect bounds;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            for (TColor c : colours)
                if (canvas.Pixels(x, y) == c) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

std::string Name(const char* text) {
    std::string name = text;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

// --- Elements at angle 0 --------------------------------------------------------------------

struct PatternCase {
    const char* name;
    int modul, left, top, height;
    const char* pattern;
    std::vector<Span> spans;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const PatternCase kPatternCases[] = {
    // Left 10, Top 20, Height 50, "505": three elements of width 1 in columns 10 to 12, the outer
    // two in ColorBar and the middle one in Color, all from row 20 to row 70.
    {"505 at left 10 top 20", 1, 10, 20, 50, "505",
     {{10, 10, 20, 70, kBar}, {11, 11, 20, 70, kSpace}, {12, 12, 20, 70, kBar}}},
    // A short bar hangs from the top, (2 * Height) div 5 high: 50 gives 20, 7 gives 2, 2 gives
    // 0 (a single row); below it the canvas keeps its own colour.
    {"short bar of height 50", 1, 3, 4, 50, "50A",
     {{3, 3, 4, 54, kBar}, {4, 4, 4, 54, kSpace}, {5, 5, 4, 24, kBar}}},
    {"short bar of height 7", 1, 3, 4, 7, "50A",
     {{3, 3, 4, 11, kBar}, {4, 4, 4, 11, kSpace}, {5, 5, 4, 6, kBar}}},
    // 18 div 5 = 3: truncated, where rounding 3.6 would give 4 and (9 div 5) * 2 would give 2.
    {"short bar of height 9", 1, 3, 4, 9, "50A",
     {{3, 3, 4, 13, kBar}, {4, 4, 4, 13, kSpace}, {5, 5, 4, 7, kBar}}},
    {"short bar of height 2", 1, 3, 4, 2, "50A",
     {{3, 3, 4, 6, kBar}, {4, 4, 4, 6, kSpace}, {5, 5, 4, 4, kBar}}},
    // Modul 2, Ratio 2: element widths 2, 4, 6, 8 for "5"/"0", "6"/"1", "7"/"C", "8"/"3".
    {"widths of modul 2", 2, 0, 1, 10, "61C3",
     {{0, 3, 1, 11, kBar}, {4, 7, 1, 11, kSpace}, {8, 13, 1, 5, kBar}, {14, 21, 1, 11, kSpace}}},
};
// clang-format on

class PatternAtAngle0 : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternAtAngle0, ElementsCoverTheirColumnsFromTopToTopPlusHeight) {
    const PatternCase& c = GetParam();
    PatternSymbol symbol;
    symbol.SetModul(c.modul);
    symbol.SetLeft(c.left);
    symbol.SetTop(c.top);
    symbol.SetHeight(c.height);
    symbol.ColorBar = kBar;
    symbol.Color = kSpace;
    symbol.MakeModules();
    TCanvas canvas(30, 80);
    symbol.DoLines(c.pattern, canvas);
    ExpectPicture(canvas, c.spans);
}

INSTANTIATE_TEST_SUITE_P(Render, PatternAtAngle0, testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return Name(info.param.name); });

// --- Quarter turns --------------------------------------------------------------------------

// Pattern "60A": a full bar 2 wide (x 0..1), a space 1 wide (x 2), a short bar 1 wide (x 3);
// W = 4, Left L, Top T, Height H = 10, so h = 4 for the short bar and H for the others. The
// element at x..x+w-1 has the corners (x, 0), (x, h), (x+w-1, h), (x+w-1, 0); turned by
// RotatePoint and moved to the origin that RotatedOrigin gives, they cover:
//   0:    RotatePoint (x, y) -> (x, y); origin (L, T):
//         columns L+x..L+x+w-1, rows T..T+h.
//   90:   sin 1, cos 6e-17 >= 0; (x, y) -> (y, -x); origin (L, T + round(W sin)) = (L, T+W):
//         columns L..L+h, rows T+W-(x+w-1)..T+W-x. The first element lies at the bottom from
//         row T+W, the last ends in row T+1, and every bar starts at column L.
//   180:  sin 1.2e-16 >= 0, cos -1; (x, y) -> (-x, -y); origin (L - round(W cos),
//         T + round(W sin - H cos)) = (L+W, T+H): columns L+W-(x+w-1)..L+W-x, rows T+H-h..T+H.
//         The first element lies at the right in column L+W, the last ends in column L+1.
//   270:  sin -1, cos -1.8e-16 < 0; (x, y) -> (-y, x); origin (L - round(W cos) - round(H sin),
//         T - round(H cos)) = (L+H, T): columns L+H-h..L+H, rows T+x..T+x+w-1. The first
//         element lies at the top, and every bar ends at column L+H.
//   -90:  sin -1, cos 6e-17 >= 0, the other branch of RotatedOrigin: origin
//         (L - round(H sin), T) = (L+H, T), and the same picture as 270.
constexpr int L = 30, T = 20, H = 10, W = 4;

struct AngleCase {
    const char* name;
    double angle;
    std::vector<Span> spans; // full bar, space, short bar
};

void PrintTo(const AngleCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const AngleCase kAngleCases[] = {
    // each row: the full bar (x 0..1), the space (x 2), the short bar (x 3) as columns, rows
    {"0",        0,   {{L,     L + 1, T,     T + H, kBar},
                       {L + 2, L + 2, T,     T + H, kSpace},
                       {L + 3, L + 3, T,     T + 4, kBar}}},
    {"90",       90,  {{L,     L + H, T + 3, T + 4, kBar},
                       {L,     L + H, T + 2, T + 2, kSpace},
                       {L,     L + 4, T + 1, T + 1, kBar}}},
    {"180",      180, {{L + 3, L + 4, T,     T + H, kBar},
                       {L + 2, L + 2, T,     T + H, kSpace},
                       {L + 1, L + 1, T + 6, T + H, kBar}}},
    {"270",      270, {{L,     L + H, T,     T + 1, kBar},
                       {L,     L + H, T + 2, T + 2, kSpace},
                       {L + 6, L + H, T + 3, T + 3, kBar}}},
    {"minus 90", -90, {{L,     L + H, T,     T + 1, kBar},
                       {L,     L + H, T + 2, T + 2, kSpace},
                       {L + 6, L + H, T + 3, T + 3, kBar}}},
};
// clang-format on

class QuarterTurn : public testing::TestWithParam<AngleCase> {};

TEST_P(QuarterTurn, ElementsLandWhereTheTurnedCornersSay) {
    const AngleCase& c = GetParam();
    PatternSymbol symbol;
    symbol.SetTyp(bcCodePostNet); // with an empty text the pattern "515", as wide as "60A"
    symbol.SetText("");
    symbol.SetLeft(L);
    symbol.SetTop(T);
    symbol.SetHeight(H);
    symbol.SetAngle(c.angle);
    symbol.ColorBar = kBar;
    symbol.Color = kSpace;
    ASSERT_EQ(symbol.GetWidth(), W);
    TCanvas canvas(60, 50);
    symbol.DoLines("60A", canvas);
    ExpectPicture(canvas, c.spans);
}

INSTANTIATE_TEST_SUITE_P(Render, QuarterTurn, testing::ValuesIn(kAngleCases),
                         [](const auto& info) { return Name(info.param.name); });

// --- DrawBarcode: the canvas's state --------------------------------------------------------

// An EAN-13 symbol (95 modules at Modul 1) of the given text; EAN-13 never changes Text.
void SetUpEan13(TBarcodeSymbol& symbol, const std::string& text, int left, int top, int height) {
    symbol.SetTyp(bcCodeEAN13);
    symbol.SetText(text);
    symbol.SetLeft(left);
    symbol.SetTop(top);
    symbol.SetHeight(height);
    symbol.ColorBar = kBar;
    symbol.Color = kSpace;
}

class CanvasState : public testing::TestWithParam<TBarcodeOption> {};

TEST_P(CanvasState, FontPenAndBrushAreRestored) {
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "5901234123457", 10, 40, 30);
    symbol.SetShowText(GetParam());
    symbol.SetShowTextPosition(stpBottomCenter);
    symbol.ShowTextFont() = TFont("Arial", -11, 0, DEFAULT_CHARSET, kInk);
    TCanvas canvas(120, 100);
    canvas.Font = TFont("Courier New", 17, fsBold | fsItalic, ANSI_CHARSET, clRed);
    canvas.Pen = {kGrey, 3};
    canvas.Brush = {RGBColor(1, 2, 3)};
    const TFont font = canvas.Font;
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;

    symbol.DrawBarcode(canvas);

    EXPECT_EQ(canvas.Font, font);
    EXPECT_EQ(canvas.Pen, pen);
    EXPECT_EQ(canvas.Brush, brush);
    const QRect drawn = BoundsOf(canvas, {kBar, kSpace, kInk, clBlack}, canvas.Image().rect());
    if (GetParam() == bcoNone) {
        EXPECT_EQ(drawn, QRect(10, 40, 95, 31)) << "the bars alone, and no text";
    } else {
        EXPECT_FALSE(QRect(10, 40, 95, 31).contains(drawn)) << "some text outside the bars";
    }
}

std::string OptionName(const testing::TestParamInfo<TBarcodeOption>& info) {
    constexpr const char* names[] = {"bcoNone", "bcoCode", "bcoTyp", "bcoBoth"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Render, CanvasState, testing::Values(bcoNone, bcoCode, bcoTyp, bcoBoth),
                         OptionName);

TEST(DrawBarcode, ATextThatCannotBeEncodedLeavesTheCanvasAlone) {
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "12A4", 5, 5, 20);
    symbol.SetShowText(bcoBoth);
    TCanvas canvas(110, 40);
    canvas.Pen = {kGrey, 2};
    EXPECT_THROW(symbol.DrawBarcode(canvas), std::exception); // "Barcode must be numeric"
    ExpectPicture(canvas, {});
    EXPECT_EQ(canvas.Pen, (TPen{kGrey, 2}));
    EXPECT_EQ(canvas.Font, TFont());
}

// --- DrawBarcode: the human-readable lines --------------------------------------------------

// The box of the code text: white under the font colour, on a grey canvas, with bars in kBar and
// spaces in kSpace, so that only the text's box holds white and kInk.
struct TextCase {
    const char* name;
    TShowTextPosition position;
    const char* face;
    int fontHeight;
    int textWidth; // of "1234567890" in that font: checked before the case runs
    int dx, dy;    // the box's top-left corner relative to (Left, Top); W = 95, Height = 20
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

const TextCase kTextCases[] = {
    // (95 - 60) / 2 = 17; (95 - 100) / 2 = -2.5, truncated toward zero to -2, not -3.
    {"bottom centre 60 wide", stpBottomCenter, "Liberation Mono", -10, 60, 17, 21},
    {"bottom centre 100 wide", stpBottomCenter, "Liberation Sans", -18, 100, -2, 21},
    {"bottom left", stpBottomLeft, "Liberation Mono", -10, 60, 0, 21},
    {"bottom right", stpBottomRight, "Liberation Mono", -10, 60, 35, 21}, // W - t
    {"top left", stpTopLeft, "Liberation Mono", -10, 60, 0, 0},
    {"top right", stpTopRight, "Liberation Mono", -10, 60, 35, 0},
    {"top centre", stpTopCenter, "Liberation Mono", -10, 60, 17, 0},
    {"top right 100 wide", stpTopRight, "Liberation Sans", -18, 100, -5, 0},
};

class CodeTextPlacement : public testing::TestWithParam<TextCase> {};

TEST_P(CodeTextPlacement, BoxStartsWhereThePositionSays) {
    const TextCase& c = GetParam();
    constexpr int left = 40, top = 30;
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "1234567890", left, top, 20);
    symbol.SetShowText(bcoCode);
    symbol.SetShowTextPosition(c.position);
    symbol.ShowTextFont() = TFont(c.face, c.fontHeight, 0, DEFAULT_CHARSET, kInk);
    TCanvas canvas(180, 80);
    Fill(canvas, kGrey);
    canvas.Font = symbol.ShowTextFont();
    ASSERT_EQ(canvas.TextWidth("1234567890"), c.textWidth) << "font metrics changed";
    const int textHeight = canvas.TextHeight("1234567890");

    symbol.DrawBarcode(canvas);

    EXPECT_EQ(BoundsOf(canvas, {clWhite, kInk}, canvas.Image().rect()),
              QRect(left + c.dx, top + c.dy, c.textWidth, textHeight));
}

INSTANTIATE_TEST_SUITE_P(Render, CodeTextPlacement, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return Name(info.param.name); });

struct TypTextCase {
    const char* name;
    int fontHeight;
    int dy; // rounded (2.5 * font height), halves to even
};

void PrintTo(const TypTextCase& c, std::ostream* os) {
    *os << c.name;
}

const TypTextCase kTypTextCases[] = {
    {"minus 11", -11, -28},              // -27.5 gives -28: 28 above Top
    {"minus 9 halves to even", -9, -22}, // -22.5 gives -22, not -23
    {"plus 13 halves to even", 13, 32},  // 32.5 gives 32, not 33
    {"plus 12", 12, 30},
};

class TypTextPlacement : public testing::TestWithParam<TypTextCase> {};

TEST_P(TypTextPlacement, NameOfTheTypeStandsAtLeftAndTopPlusTwoAndAHalfFontHeights) {
    const TypTextCase& c = GetParam();
    constexpr int left = 40, top = 60;
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "1234567890", left, top, 20);
    symbol.SetShowText(bcoTyp);
    symbol.SetShowTextPosition(stpBottomCenter); // moves the code text only
    symbol.ShowTextFont() = TFont("Arial", c.fontHeight, 0, DEFAULT_CHARSET, kInk);
    TCanvas canvas(180, 130);
    Fill(canvas, kGrey);
    canvas.Font = symbol.ShowTextFont();
    const QRect box(left + 0, top + c.dy, canvas.TextWidth("EAN13"), canvas.TextHeight("EAN13"));

    symbol.DrawBarcode(canvas);

    // Only the type's name: no box of the code text.
    EXPECT_EQ(BoundsOf(canvas, {clWhite, kInk}, canvas.Image().rect()), box);
}

INSTANTIATE_TEST_SUITE_P(Render, TypTextPlacement, testing::ValuesIn(kTypTextCases),
                         [](const auto& info) { return Name(info.param.name); });

TEST(DrawBarcode, BothDrawsTheTypeNameAboveAndTheCodeBelow) {
    constexpr int left = 40, top = 60, height = 20;
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "1234567890", left, top, height);
    symbol.SetShowText(bcoBoth);
    symbol.SetShowTextPosition(stpBottomLeft);
    symbol.ShowTextFont() = TFont("MS Sans Serif", -11, 0, DEFAULT_CHARSET, kInk);
    TCanvas canvas(180, 110);
    Fill(canvas, kGrey);
    canvas.Font = symbol.ShowTextFont();
    const int th = canvas.TextHeight("");
    const QRect typBox(left, top - 28, canvas.TextWidth("EAN13"), th);
    const QRect codeBox(left, top + height + 1, canvas.TextWidth("1234567890"), th);

    symbol.DrawBarcode(canvas);

    const QRect above(0, 0, canvas.Width(), top);
    const QRect below(0, top + height + 1, canvas.Width(), canvas.Height() - top - height - 1);
    EXPECT_EQ(BoundsOf(canvas, {clWhite, kInk}, above), typBox);
    EXPECT_EQ(BoundsOf(canvas, {clWhite, kInk}, below), codeBox);
}

TEST(DrawBarcode, TextBoxIsWhiteWhateverTheSpaceColourAndTextIsInTheFontColour) {
    TBarcodeSymbol symbol;
    SetUpEan13(symbol, "5901234123457", 10, 10, 30);
    symbol.SetShowText(bcoCode);
    symbol.SetShowTextPosition(stpTopLeft); // over the bars, drawn after them
    symbol.ShowTextFont() = TFont("MS Sans Serif", -11, 0, DEFAULT_CHARSET, clWindowText);
    TCanvas canvas(120, 60);
    canvas.Font = symbol.ShowTextFont();
    const QRect box(10, 10, canvas.TextWidth("5901234123457"), canvas.TextHeight(""));
    symbol.DrawBarcode(canvas);
    int ink = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const TColor p = canvas.Pixels(x, y);
            EXPECT_TRUE(p == clWhite || p == clBlack) << x << ", " << y; // clWindowText: black
            ink += p == clBlack;
        }
    EXPECT_GT(ink, 30);
}

// --- Size of the turned symbol --------------------------------------------------------------

TEST(DrawBarcode, CanvasSizeOfTheTurnedSymbol) {
    // GetCanvasWidth = round(W |cos a| + Height |sin a| + 0.5), GetCanvasHeight likewise with sin
    // and cos swapped, rounding halves to even; W = 95 (EAN-13 at Modul 1), Height = 100.
    struct Row {
        double angle;
        int width, height;
    };
    const Row rows[] = {
        {0, 96, 100},   // 95.5 gives 96, 100.5 gives 100
        {30, 133, 135}, // 82.27 + 50 + 0.5 = 132.77; 47.5 + 86.60 + 0.5 = 134.60
        {45, 138, 138}, // 195 * 0.7071 + 0.5 = 138.39
    };
    for (const Row& row : rows) {
        TBarcodeSymbol symbol;
        SetUpEan13(symbol, "5901234123457", 0, 0, 100);
        symbol.SetAngle(row.angle);
        EXPECT_EQ(symbol.GetCanvasWidth(), row.width) << row.angle;
        EXPECT_EQ(symbol.GetCanvasHeight(), row.height) << row.angle;
    }
}

} // namespace
