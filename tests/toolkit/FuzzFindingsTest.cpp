// Faults that fuzzing found in the raster canvas and its fonts, one test each: the inputs that
// showed them, reduced.
#include "Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

bool AllWhite(const TCanvas& canvas) {
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixels(x, y) != clWhite) return false;
    return true;
}

// Text far outside the picture, up to the ends of the int range (a symbol's code text under a
// bar height near INT_MAX), leaves the picture as it was; its box used to pass the int range.
// Text that starts outside but reaches into the picture is still drawn.
TEST(FuzzFindings, TextFarOutsideThePicture) {
    struct Case {
        int x, y;
    } far[] = {
        {INT_MAX - 3, 0}, {0, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MIN + 1, 10}, {10, INT_MIN}};
    for (const Case& c : far) {
        TCanvas canvas(64, 64);
        canvas.Brush.Color = clBlack;
        canvas.TextOut(c.x, c.y, "WWW");
        EXPECT_TRUE(AllWhite(canvas)) << c.x << ", " << c.y;
    }
    TCanvas canvas(64, 64);
    canvas.Brush.Color = clBlack;
    canvas.TextOut(2 - canvas.TextWidth("WWW"), -2, "WWW");
    EXPECT_EQ(canvas.Pixels(0, 0), clBlack); // the box's last two columns
    EXPECT_EQ(canvas.Pixels(1, 0), clBlack);
}

// Font heights of a damaged job file, up to the ends of the int range, give fonts of at most
// 16384 pixels: negating INT_MIN and squaring a large cell height used to pass the int range.
TEST(FuzzFindings, FontHeightsAtTheEndsOfTheIntRange) {
    struct Case {
        int height;
        int pixelSize; // 0: a size from the cell height, checked against it
    } cases[] = {
        {-11, 11}, {-16384, 16384}, {-16385, 16384}, {INT_MIN, 16384},
        {30, 0},   {100000, 0},     {INT_MAX, 0},
    };
    for (const Case& c : cases) {
        TFont font;
        font.Height = c.height;
        const QFont q = ToQFont(font);
        if (c.pixelSize != 0) {
            EXPECT_EQ(q.pixelSize(), c.pixelSize) << c.height;
        } else {
            EXPECT_GE(q.pixelSize(), 1) << c.height;
            EXPECT_LE(q.pixelSize(), std::min(c.height, 16384)) << c.height;
        }
        TCanvas canvas(8, 8);
        canvas.Font = font;
        EXPECT_GT(canvas.TextWidth("A"), 0) << c.height;
    }
}

} // namespace
