// Faults that fuzzing the engine's drawing found, one test each: the inputs that showed them,
// reduced.
#include "Barcode.h"
#include "Canvas.h"
#include "PagePreview.h"
#include "PageRenderer.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>
#include <variant>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr double SanitizerSlowdown = 4; // the sanitizers run this code about four times slower
#else
constexpr double SanitizerSlowdown = 1;
#endif

// A bar height near the top of the int range: the short bars (two fifths of it) reach down past
// the canvas like the full ones, and the code text under the symbol lies beyond the int range
// and is left out. Twice the height used to wrap around, which left the short bars a pixel high.
TEST(FuzzFindings, ShortBarsOfAHugeHeightReachDown) {
    TBarcodeSymbol symbol;
    symbol.SetTyp(bcCodePostNet);
    symbol.SetText("0"); // "51" then "5151A1A1A1": the first short bar is column 9
    symbol.SetHeight(INT_MAX);
    symbol.SetShowText(bcoCode);
    symbol.SetShowTextPosition(stpBottomCenter);
    TCanvas canvas(64, 64);
    symbol.DrawBarcode(canvas);
    for (int y : {0, 32, 63}) {
        EXPECT_EQ(canvas.Pixels(0, y), clBlack) << "full bar, row " << y;
        EXPECT_EQ(canvas.Pixels(9, y), clBlack) << "short bar, row " << y;
        EXPECT_EQ(canvas.Pixels(1, y), clWhite) << "space, row " << y;
    }
}

// A symbol placed at the right end of the int range on the page: its elements follow one another
// from its origin, also those that lie beyond the int range.
TEST(FuzzFindings, PageSymbolAtTheEndOfTheIntRange) {
    TPagePreview preview;
    TBarcodeSymbol symbol;
    symbol.SetTyp(bcCode128B);
    symbol.SetText("A");
    symbol.SetHeight(10);
    symbol.SetLeft(INT_MAX - 10);
    symbol.SetTop(INT_MAX - 3); // the bars reach past the bottom end
    symbol.DrawBarcode(preview.Canvas());
    const auto& items = preview.CurrentPage().Items;
    ASSERT_EQ(items.size(), 1u);
    const auto& drawn = std::get<TPageSymbol>(items.front());
    EXPECT_EQ(drawn.Left, INT_MAX - 10);
    const std::string pattern = symbol.MakeData();
    ASSERT_EQ(drawn.Elements.size(), pattern.size());
    int x = 0;
    for (const TPageSymbolElement& e : drawn.Elements) {
        EXPECT_EQ(e.x, x);
        EXPECT_EQ(e.h, 10);
        x += e.w;
    }
    EXPECT_EQ(x, symbol.GetWidth());
}

// The same symbol played onto a device, as a print run does: its place in device units was
// summed in int and overflowed. Exact or on the dot grid, it lies far off the page and paints
// nothing there.
TEST(FuzzFindings, RenderingASymbolAtTheEndOfTheIntRange) {
    TPagePreview preview;
    TBarcodeSymbol symbol;
    symbol.SetTyp(bcCode128B);
    symbol.SetText("A");
    symbol.SetHeight(10);
    symbol.SetLeft(INT_MAX);
    symbol.SetTop(INT_MAX);
    symbol.DrawBarcode(preview.Canvas());
    for (const bool snap : {false, true}) {
        QImage image(100, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        TRenderOptions options;
        options.Dpi = 300;
        options.SnapToDots = snap;
        RenderPage(preview.CurrentPage(), painter, options);
        painter.end();
        EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255)) << "snap " << snap;
    }
}

// The code text of every label is measured on the page. In a font of thousands of pixels (a
// damaged job file's font, held at 16384, with no face name, for which Qt picks an outline font
// that is slow to load) Qt loaded every glyph again at each measurement, and a sheet of such
// labels took seconds. The width keeps in proportion to the font's size.
TEST(FuzzFindings, MeasuringTextInAHugeFontOnThePage) {
    TPagePreview preview;
    TPageCanvas& canvas = preview.Canvas();
    canvas.Font = TFont("", -256);
    const double small = canvas.TextWidth("VORDA-0001").GetAs(puPixels);
    canvas.Font.Height = -16384;
    const auto start = std::chrono::steady_clock::now();
    double huge = 0;
    for (int i = 0; i < 10000; ++i)
        huge = canvas.TextWidth("VORDA-" + std::to_string(1000 + i % 9000)).GetAs(puPixels);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    // Before the fix 10000 measurements took 2.5 s, and 10 s and more under the sanitizers.
    EXPECT_LT(took.count(), 1.5 * SanitizerSlowdown) << "10000 measurements";
    EXPECT_NEAR(canvas.TextWidth("VORDA-0001").GetAs(puPixels), 64 * small, 64 * small * 0.01);
    EXPECT_GT(huge, 0);
}

} // namespace
