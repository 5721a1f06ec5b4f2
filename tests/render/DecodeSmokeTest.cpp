// A drawn symbol reads back with an independent decoder (zxing-cpp), at each quarter turn.
#include "Barcode.h"
#include "Decode.h"
#include "SymbolImage.h"

#include <gtest/gtest.h>

namespace {

using ZXing::BarcodeFormat;

TEST(DecodeSmoke, Ean13ReadsBackAtEachQuarterTurn) {
    struct Row {
        double angle;
        TBarcodeOption showText; // the text is never turned, so turned symbols go without it
    };
    const Row rows[] = {{0, bcoBoth}, {90, bcoNone}, {180, bcoNone}, {270, bcoNone}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.angle);
        TBarcodeSymbol symbol;
        symbol.SetTyp(bcCodeEAN13);
        symbol.SetText("5901234123457"); // GS1's example number, check digit 7 included
        symbol.SetModul(2);
        symbol.SetHeight(60);
        symbol.SetAngle(row.angle);
        symbol.SetShowText(row.showText);
        symbol.SetShowTextPosition(stpBottomCenter);
        symbol.ShowTextFont() = TFont("MS Sans Serif", -11); // the main window's text font

        const auto symbols = DecodeImage(DrawOnWhiteCanvas(symbol), BarcodeFormat::EAN13);

        ASSERT_EQ(symbols.size(), 1u);
        EXPECT_EQ(symbols[0].text, "5901234123457");
        EXPECT_EQ(symbols[0].format, BarcodeFormat::EAN13);
        EXPECT_EQ(symbols[0].symbologyIdentifier, "]E0");
    }
}

TEST(DecodeSmoke, ABlankPictureHoldsNoSymbol) {
    QImage blank(200, 100, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(DecodeImage(blank, BarcodeFormat::Any).empty());
}

} // namespace
