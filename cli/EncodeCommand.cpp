#include "EncodeCommand.h"

#include "AnsiArgs.h"
#include "Canvas.h"
#include "GuiApplication.h"
#include "Options.h"
#include "Rounding.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <utility>

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

struct EncodeRequest {
    TBarcodeType type;
    std::string text; // Windows-1252
    bool checksum;
    int modul;
    double ratio;
    int height;
    double angle;
    TBarcodeOption showText;
    std::optional<std::filesystem::path> out;
};

void PrintHelp(std::ostream& out) {
    out << "usage: " << EncodeUsage << "\n"
        << "Prints the symbol's pattern and its width in pixels; --out also draws it.\n"
        << "TYPE, by value name or display name (any case):\n";
    for (const TBCdata& info : SymbologyInfo)
        out << "  " << info.ValueName << "  (" << info.Name
            << (info.NumericOnly ? ", digits only" : "") << ")\n";
    out << "Defaults: --modul 1 --ratio 2 --height 50 --angle 0 --show-text none\n";
}

EncodeRequest ParseRequest(const Options& options) {
    EncodeRequest r{};
    std::string typeName = options.Required("type");
    auto type = FindBarcodeType(typeName);
    if (!type) options.Fail("unknown type '" + typeName + "' (see qubrin-cli encode --help)");
    r.type = *type;

    auto text = ArgumentToAnsi(options.Required("text"));
    if (!text) options.Fail("--text has a character that Windows-1252 lacks");
    r.text = *text;

    r.checksum = options.Has("checksum");
    r.modul = options.Int("modul", 1, 1, 49);
    r.ratio = options.Number("ratio", 2.0, 1.0, 100.0);
    r.height = options.Int("height", 50, 1, 10000);
    r.angle = options.Number("angle", 0.0, -360.0, 360.0);

    // The engine keeps element widths in signed bytes; the widest is twice Modul × Ratio, after
    // the symbology has forced Ratio into its range.
    const TBCdata& info = SymbologyInfo[r.type];
    double ratio = r.ratio;
    if (info.RatioMax > 0) ratio = std::clamp(ratio, info.RatioMin, info.RatioMax);
    if (2 * RoundHalfEven(r.modul * ratio) > 127)
        options.Fail("--modul " + std::to_string(r.modul) +
                     " with this ratio makes elements wider than 127 pixels");

    constexpr std::pair<std::string_view, TBarcodeOption> showTextNames[] = {
        {"none", bcoNone}, {"code", bcoCode}, {"type", bcoTyp}, {"both", bcoBoth}};
    const std::string show = options.Value("show-text").value_or("none");
    auto named = std::ranges::find(showTextNames, show, [](const auto& n) { return n.first; });
    if (named == std::end(showTextNames))
        options.Fail("--show-text must be none, code, type or both, not '" + show + "'");
    r.showText = named->second;

    if (auto out = options.Value("out")) {
        std::filesystem::path path(*out);
        std::string ext = path.extension().string();
        if (!EqualNoCase(ext, ".png") && !EqualNoCase(ext, ".bmp"))
            options.Fail("--out must name a .png or .bmp file, not '" + *out + "'");
        r.out = path;
    }
    return r;
}

// A box of canvas pixels, right and bottom exclusive.
struct Box {
    int left, top, right, bottom;
    void Unite(const Box& b) {
        left = std::min(left, b.left);
        top = std::min(top, b.top);
        right = std::max(right, b.right);
        bottom = std::max(bottom, b.bottom);
    }
};

// Draws the symbol on a white picture just large enough for all that DrawBarcode paints (the
// bars, the code line centred under them, the type line above them) with a quiet zone of ten
// modules on every side, and writes it.
void DrawToFile(TBarcodeSymbol& symbol, const std::filesystem::path& path) {
    EnsureGuiApplication();

    // Measure everything with the symbol at (0, 0), then move it so that the whole lies inside
    // the quiet zone.
    symbol.SetLeft(0);
    symbol.SetTop(0);
    const int width = symbol.GetWidth();
    const int height = symbol.GetHeight();
    // Bar polygons include their last row and column: Height + 1 rows at angle 0.
    Box box = symbol.GetAngle() == 0
                  ? Box{0, 0, width, height + 1}
                  : Box{0, 0, symbol.GetCanvasWidth() + 1, symbol.GetCanvasHeight() + 1};

    TCanvas canvas(1, 1);
    canvas.Font = symbol.ShowTextFont();
    const TBarcodeOption show = symbol.GetShowText();
    if (show == bcoCode || show == bcoBoth) {
        const std::string& text = symbol.GetText();
        int t = canvas.TextWidth(text);
        int left = (width - t) / 2;
        box.Unite({left, height + 1, left + t, height + 1 + canvas.TextHeight(text)});
    }
    if (show == bcoTyp || show == bcoBoth) {
        std::string typ = symbol.GetTypText();
        int top = RoundHalfEven(2.5 * symbol.ShowTextFont().Height);
        box.Unite({0, top, canvas.TextWidth(typ), top + canvas.TextHeight(typ)});
    }

    const int quiet = 10 * symbol.GetModul();
    symbol.SetLeft(quiet - box.left);
    symbol.SetTop(quiet - box.top);
    canvas.SetSize(box.right - box.left + 2 * quiet, box.bottom - box.top + 2 * quiet);
    symbol.DrawBarcode(canvas);
    canvas.SaveToFile(path);
}

} // namespace

std::optional<TBarcodeType> FindBarcodeType(std::string_view name) {
    for (std::size_t i = 0; i < SymbologyInfo.size(); ++i)
        if (EqualNoCase(name, SymbologyInfo[i].ValueName) ||
            EqualNoCase(name, SymbologyInfo[i].Name))
            return static_cast<TBarcodeType>(i);
    return std::nullopt;
}

int RunEncode(std::span<const std::string> args, std::ostream& out) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        PrintHelp(out);
        return 0;
    }
    Options options("encode", {"checksum"},
                    {"type", "text", "modul", "ratio", "height", "angle", "show-text", "out"});
    options.Parse(args);
    const EncodeRequest r = ParseRequest(options);

    TBarcodeSymbol symbol;
    symbol.SetTyp(r.type);
    symbol.SetText(r.text);
    symbol.SetCheckSum(r.checksum);
    symbol.SetModul(r.modul);
    symbol.SetRatio(r.ratio);
    symbol.SetHeight(r.height);
    symbol.SetAngle(r.angle);
    symbol.SetShowText(r.showText);
    symbol.SetShowTextPosition(stpBottomCenter);

    // MakeData may store a trimmed or completed Text; the width and the picture follow from it,
    // as they do when the program draws a label.
    const std::string pattern = symbol.MakeData();
    const int width = symbol.GetWidth();
    out << pattern << '\n' << width << '\n';

    if (r.out) DrawToFile(symbol, *r.out);
    return 0;
}
