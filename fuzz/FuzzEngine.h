#pragma once
// The engine's part of the engine targets: a symbol set up from the fuzzer's bytes, and the
// checks on MakeData, GetWidth and SetWidth that need no drawing.
#include "Barcode.h"
#include "Exceptions.h"
#include "FuzzSupport.h"

#include <string>

// Texts longer than this only make the runs slower; every encoder's loops are per character.
inline constexpr std::size_t MaxFuzzTextLength = 256;

struct EngineInput {
    int WantedWidth = 0; // for SetWidth
};

// Fields, in order: Typ (any ordinal), Checksum, CheckSumMethod (any byte), Modul, Ratio and
// Angle (any double, NaN and infinities too), ShowText, ShowTextPosition, Left, Top, Height, the
// width for SetWidth; the rest of the bytes is the text.
inline EngineInput SetUpSymbol(TBarcodeSymbol& symbol, FuzzBytes& in) {
    EngineInput input;
    symbol.SetTyp(static_cast<TBarcodeType>(in.Take<std::uint8_t>()));
    symbol.SetCheckSum(in.Take<std::uint8_t>() & 1);
    symbol.CheckSumMethod = static_cast<TCheckSumMethod>(in.Take<std::uint8_t>());
    symbol.SetModul(in.Take<std::int32_t>()); // only 1 to 49 is taken
    symbol.SetRatio(in.Take<double>());
    symbol.SetAngle(in.Take<double>());
    symbol.SetShowText(static_cast<TBarcodeOption>(in.Take<std::uint8_t>()));
    symbol.SetShowTextPosition(static_cast<TShowTextPosition>(in.Take<std::uint8_t>()));
    symbol.SetLeft(in.Take<std::int32_t>());
    symbol.SetTop(in.Take<std::int32_t>());
    symbol.SetHeight(in.Take<std::int32_t>());
    input.WantedWidth = in.Take<std::int32_t>();
    symbol.SetText(in.Rest(MaxFuzzTextLength));
    return input;
}

inline void CheckEngineMessage(const Exception& e, const char* where) {
    FuzzCheck(IsDocumentedEngineMessage(e.Message()),
              std::string(where) + " raised an undocumented message: " + e.Message());
}

struct EncodeOutcome {
    bool Encoded = false;
    std::string Pattern;
    long long Width = 0;
    std::string Message;
};

// MakeData on the symbol and GetWidth on a copy made before it: both give the same outcome, the
// pattern keeps to the alphabet, and the width is the sum of its elements' widths.
inline EncodeOutcome CheckEncoding(TBarcodeSymbol& symbol) {
    TBarcodeSymbol copy;
    copy.Assign(symbol);
    EncodeOutcome outcome;
    try {
        outcome.Pattern = symbol.MakeData();
        outcome.Encoded = true;
    } catch (const Exception& e) {
        CheckEngineMessage(e, "MakeData");
        outcome.Message = e.Message();
    }
    if (outcome.Encoded) {
        for (char c : outcome.Pattern)
            FuzzCheck(InPatternAlphabet(c),
                      std::string("pattern character outside the alphabet: ") +
                          std::to_string(static_cast<unsigned char>(c)));
        const auto& widths = symbol.ElementWidths();
        FuzzCheck(widths[0] == symbol.GetModul(), "element width 0 is not Modul");
        for (auto w : widths)
            FuzzCheck(w >= 0, "negative element width");
        for (char c : outcome.Pattern) {
            int w = 0;
            TBarLineType type = white;
            symbol.OneBarProps(c, w, type);
            outcome.Width += w;
        }
    }
    try {
        const int width = copy.GetWidth();
        FuzzCheck(outcome.Encoded, "GetWidth succeeded where MakeData raised " + outcome.Message);
        FuzzCheck(width == outcome.Width, "GetWidth " + std::to_string(width) +
                                              " differs from the pattern's width " +
                                              std::to_string(outcome.Width));
    } catch (const Exception& e) {
        CheckEngineMessage(e, "GetWidth");
        FuzzCheck(!outcome.Encoded && e.Message() == outcome.Message,
                  "GetWidth raised " + e.Message() + " where MakeData gave " +
                      (outcome.Encoded ? "a pattern" : outcome.Message));
    }
    return outcome;
}

// SetWidth picks a Modul of 1 to 49 or leaves it; the canvas sizes follow from the width.
inline void CheckSetWidth(TBarcodeSymbol& symbol, int wanted) {
    TBarcodeSymbol copy;
    copy.Assign(symbol);
    try {
        copy.SetWidth(wanted);
        FuzzCheck(copy.GetModul() >= 1 && copy.GetModul() <= 49,
                  "SetWidth left Modul outside 1 to 49");
        (void)copy.GetCanvasWidth();
        (void)copy.GetCanvasHeight();
    } catch (const Exception& e) {
        CheckEngineMessage(e, "SetWidth");
    }
}
