// TBarcodeSymbol: properties, element widths, the symbology table and the dispatch to encoders.
#include "Barcode.h"

#include "Bcchksum.h"
#include "Exceptions.h"
#include "Rounding.h"

#include <climits>
#include <cmath>

// The symbology table, ordered by TBarcodeType. The encoders are protected members, so the
// table is built by a friend of the class.
struct SymbologyTable {
    static constexpr std::array<TBCdata, BarcodeTypeCount> Build() {
        using S = TBarcodeSymbol;
        return {{
            {"2_5_interleaved", true, "bcCode_2_5_interleaved", 2.0, 3.0, &S::Code_2_5_interleaved},
            {"2_5_industrial", true, "bcCode_2_5_industrial", 2.0, 3.0, &S::Code_2_5_industrial},
            {"2_5_matrix", true, "bcCode_2_5_matrix", 2.25, 3.0, &S::Code_2_5_matrix},
            {"Code39", false, "bcCode39", 2.0, 3.0, &S::Code_39},
            {"Code39 Extended", false, "bcCode39Extended", 2.0, 3.0, &S::Code_39Extended},
            {"Code128A", false, "bcCode128A", 0, 0, &S::Code_128},
            {"Code128B", false, "bcCode128B", 0, 0, &S::Code_128},
            {"Code128C", true, "bcCode128C", 0, 0, &S::Code_128},
            {"Code93", false, "bcCode93", 0, 0, &S::Code_93},
            {"Code93 Extended", false, "bcCode93Extended", 0, 0, &S::Code_93Extended},
            {"MSI", true, "bcCodeMSI", 0, 0, &S::Code_MSI},
            {"PostNet", true, "bcCodePostNet", 0, 0, &S::Code_PostNet},
            {"Codebar", false, "bcCodeCodabar", 2.0, 3.0, &S::Code_Codabar},
            {"EAN8", true, "bcCodeEAN8", 2.0, 3.0, &S::Code_EAN8},
            {"EAN13", true, "bcCodeEAN13", 2.0, 3.0, &S::Code_EAN13},
            {"UPC_A", true, "bcCodeUPC_A", 2.0, 3.0, &S::Code_UPC_A},
            {"UPC_E0", true, "bcCodeUPC_E0", 2.0, 3.0, &S::Code_UPC_E0},
            {"UPC_E1", true, "bcCodeUPC_E1", 2.0, 3.0, &S::Code_UPC_E1},
            {"UPC Supp2", true, "bcCodeUPC_Supp2", 2.0, 3.0, &S::Code_Supp2},
            {"UPC Supp5", true, "bcCodeUPC_Supp5", 2.0, 3.0, &S::Code_Supp5},
            {"EAN128A", false, "bcCodeEAN128A", 0, 0, &S::Code_128},
            {"EAN128B", false, "bcCodeEAN128B", 0, 0, &S::Code_128},
            {"EAN128C", true, "bcCodeEAN128C", 0, 0, &S::Code_128},
        }};
    }
};

const std::array<TBCdata, BarcodeTypeCount> SymbologyInfo = SymbologyTable::Build();

namespace {
bool IsKnownType(TBarcodeType t) { return t < BarcodeTypeCount; }
} // namespace

TBarcodeSymbol::TBarcodeSymbol(TComponent* owner) : TComponent(owner) {}

std::string TBarcodeSymbol::ClassMessage(const char* suffix) const { return ClassName() + suffix; }

void TBarcodeSymbol::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TBarcodeSymbol*>(&source);
    if (!other) return;
    FHeight = other->FHeight;
    FText = other->FText;
    FTop = other->FTop;
    FLeft = other->FLeft;
    FModul = other->FModul;
    FRatio = other->FRatio;
    FTyp = other->FTyp;
    FCheckSum = other->FCheckSum;
    FShowText = other->FShowText;
    FAngle = other->FAngle;
    Color = other->Color;
    ColorBar = other->ColorBar;
    CheckSumMethod = other->CheckSumMethod;
    OnChange = other->OnChange;
}

void TBarcodeSymbol::DoChange() {
    if (OnChange) OnChange(this);
}

// The setters store and notify only when the value changes.
template <typename T> static bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

void TBarcodeSymbol::SetHeight(int v) {
    if (Store(FHeight, v)) DoChange();
}
void TBarcodeSymbol::SetText(const std::string& v) {
    if (Store(FText, v)) DoChange();
}
void TBarcodeSymbol::SetTop(int v) {
    if (Store(FTop, v)) DoChange();
}
void TBarcodeSymbol::SetLeft(int v) {
    if (Store(FLeft, v)) DoChange();
}
void TBarcodeSymbol::SetRatio(double v) {
    if (Store(FRatio, v)) DoChange();
}
void TBarcodeSymbol::SetTyp(TBarcodeType v) {
    if (Store(FTyp, v)) DoChange();
}
void TBarcodeSymbol::SetCheckSum(bool v) {
    if (Store(FCheckSum, v)) DoChange();
}
void TBarcodeSymbol::SetAngle(double v) {
    if (Store(FAngle, v)) DoChange();
}
void TBarcodeSymbol::SetShowText(TBarcodeOption v) {
    if (Store(FShowText, v)) DoChange();
}
void TBarcodeSymbol::SetShowTextPosition(TShowTextPosition v) {
    if (Store(FShowTextPosition, v)) DoChange();
}

// Only 1 to 49 is taken, and then always with a notification, even for the same value.
void TBarcodeSymbol::SetModul(int v) {
    if (v < 1 || v > 49) return;
    FModul = v;
    DoChange();
}

void TBarcodeSymbol::SetShowTextFont(const TFont& f) {
    FShowTextFont.Assign(f);
    DoChange();
}

void TBarcodeSymbol::MakeModules() {
    if (IsKnownType(FTyp)) {
        const TBCdata& info = SymbologyInfo[FTyp];
        if (info.RatioMax > 0) {
            if (!(FRatio >= info.RatioMin)) SetRatio(info.RatioMin);
            if (FRatio > info.RatioMax) SetRatio(info.RatioMax);
        }
    }
    // ElementWidths holds signed 8-bit widths. Entry 3 is twice entry 1, so entry 1 may not pass
    // 63: a Modul × Ratio beyond that (or a negative or non-finite Ratio, which only the types
    // without a forced range can hold) is refused with an error instead of wrapping into wrong
    // widths. Modul itself is always 1 to 49.
    const double product = FModul * FRatio;
    const int w1 = RoundHalfEven(product);
    if (!std::isfinite(product) || w1 < 0 || w1 > 63)
        throw Exception(ClassMessage(": Modul and Ratio give element widths outside 0 to 127"));
    FElementWidths = {std::int8_t(FModul), std::int8_t(w1), std::int8_t(3 * w1 / 2),
                      std::int8_t(2 * w1)};
}

std::string TBarcodeSymbol::MakeData() {
    MakeModules();
    if (!IsKnownType(FTyp)) throw Exception(ClassMessage(": wrong BarcodeType"));
    const TBCdata& info = SymbologyInfo[FTyp];
    if (info.NumericOnly) {
        // Trim control characters and spaces from both ends, stored without a notification.
        std::size_t begin = 0, end = FText.size();
        while (begin < end && static_cast<unsigned char>(FText[begin]) <= 32) ++begin;
        while (end > begin && static_cast<unsigned char>(FText[end - 1]) <= 32) --end;
        FText = FText.substr(begin, end - begin);
        for (char c : FText)
            if (c < '0' || c > '9') throw Exception("Barcode must be numeric");
    }
    return (this->*info.Encoder)();
}

namespace {

// The pattern alphabet: for each byte, the ElementWidths entry and line type, or entry -1.
// (Every entry is written explicitly: g++ 12 at -O2 folds a table that relies on member
// initialisers here into wrong entries.)
struct PatternCharacter {
    std::int8_t Entry;
    TBarLineType LineType;
};
constexpr std::array<PatternCharacter, 256> PatternAlphabet = [] {
    std::array<PatternCharacter, 256> table{};
    for (auto& p : table) p = PatternCharacter{-1, white};
    for (int i = 0; i < 4; ++i) {
        table['0' + i] = PatternCharacter{std::int8_t(i), white};
        table['5' + i] = PatternCharacter{std::int8_t(i), black};
        table['A' + i] = PatternCharacter{std::int8_t(i), black_half};
    }
    return table;
}();

} // namespace

void TBarcodeSymbol::OneBarProps(char code, int& width, TBarLineType& lineType) const {
    const PatternCharacter& p = PatternAlphabet[static_cast<unsigned char>(code)];
    if (p.Entry < 0) throw Exception(ClassMessage(": internal Error"));
    width = FElementWidths[std::size_t(p.Entry)];
    lineType = p.LineType;
}

int TBarcodeSymbol::GetWidth() {
    const std::string pattern = MakeData();
    const int widths[4] = {FElementWidths[0], FElementWidths[1], FElementWidths[2],
                           FElementWidths[3]};
    long long sum = 0;
    int invalid = 0;
    for (char c : pattern) {
        const int entry = PatternAlphabet[static_cast<unsigned char>(c)].Entry;
        invalid |= entry; // negative for a character outside the alphabet
        sum += widths[entry & 3];
    }
    if (invalid < 0) throw Exception(ClassMessage(": internal Error"));
    return sum > INT_MAX ? INT_MAX : static_cast<int>(sum); // only absurdly long texts saturate
}

void TBarcodeSymbol::SetWidth(int v) {
    const int w = GetWidth();
    if (w > 0) SetModul(static_cast<int>(static_cast<long long>(FModul) * v / w));
}

std::string TBarcodeSymbol::DoCheckSumming(const std::string& s) const {
    // Only csmModulo10 adds a digit; csmNone and any value outside the enumeration leave s as is.
    if (CheckSumMethod == csmModulo10) return CheckSumModulo10(s);
    return s;
}

std::string TBarcodeSymbol::SetLen(std::uint8_t n) const {
    if (FText.size() >= n) return FText;
    return std::string(n - FText.size(), '0') + FText;
}

std::string TBarcodeSymbol::GetTypText() const {
    return IsKnownType(FTyp) ? SymbologyInfo[FTyp].Name : "";
}

bool TBarcodeSymbol::IsNumberOnly() const {
    return IsKnownType(FTyp) && SymbologyInfo[FTyp].NumericOnly;
}

std::string WidthsToPattern(std::string widths) {
    // Bars at the odd places (counted from 1) gain 4, spaces lose 1.
    char* w = widths.data();
    const std::size_t n = widths.size();
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        w[i] = char(w[i] + 4);
        w[i + 1] = char(w[i + 1] - 1);
    }
    if (i < n) w[i] = char(w[i] + 4);
    return widths;
}
