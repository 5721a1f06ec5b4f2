// The engine with drawing: the symbol of fuzz_engine_core also drawn on a small raster canvas
// and on the page canvas, at any position, height and angle. Drawing either succeeds or raises
// one of the documented messages, and puts the canvas's font, pen and brush back either way.
#include "FuzzEngine.h"
#include "FuzzQt.h"

#include "Canvas.h"
#include "PagePreview.h"

#include <variant>

namespace {

template <class Canvas>
bool SameTools(const Canvas& canvas, const TFont& font, const TPen& pen, const TBrush& brush) {
    return canvas.Font == font && canvas.Pen == pen && canvas.Brush == brush;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes in(data, size);
    TBarcodeSymbol symbol;
    const EngineInput input = SetUpSymbol(symbol, in);
    CheckSetWidth(symbol, input.WantedWidth);
    CheckEncoding(symbol);

    // The raster canvas: far smaller than most symbols, which then reach past its edges.
    TCanvas canvas(64, 64);
    const TFont font = canvas.Font;
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    try {
        symbol.DrawBarcode(canvas);
    } catch (const Exception& e) {
        CheckEngineMessage(e, "DrawBarcode (raster)");
    }
    FuzzCheck(SameTools(canvas, font, pen, brush),
              "DrawBarcode (raster) changed the canvas's tools");

    // The page canvas: the symbol becomes one item of the page with one element per pattern
    // character.
    static TPagePreview preview;
    preview.Clear();
    TPageCanvas& page = preview.Canvas();
    const TFont pageFont = page.Font;
    const TPen pagePen = page.Pen;
    const TBrush pageBrush = page.Brush;
    TBarcodeSymbol expected;
    expected.Assign(symbol);
    EncodeOutcome outcome;
    try {
        outcome.Pattern = expected.MakeData();
        outcome.Encoded = true;
    } catch (const Exception&) {}
    try {
        symbol.DrawBarcode(page);
        FuzzCheck(outcome.Encoded, "DrawBarcode (page) drew a symbol that MakeData refuses");
        const auto& items = preview.CurrentPage().Items;
        FuzzCheck(!items.empty() && std::holds_alternative<TPageSymbol>(items.front()),
                  "DrawBarcode (page) left no symbol on the page");
        const auto& drawn = std::get<TPageSymbol>(items.front());
        FuzzCheck(drawn.Elements.size() == outcome.Pattern.size(),
                  "the page symbol's elements differ from the pattern");
    } catch (const Exception& e) {
        CheckEngineMessage(e, "DrawBarcode (page)");
    }
    FuzzCheck(SameTools(page, pageFont, pagePen, pageBrush),
              "DrawBarcode (page) changed the canvas's tools");
    return 0;
}
