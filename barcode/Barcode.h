#pragma once
// Unit Barcode: the barcode symbol component TBarcodeSymbol, its enumerations and the symbology
// table. Encoding (everything but drawing) needs nothing but the standard library; the drawing
// operations are defined in BarcodeDraw.cpp, which the qubrin_barcode target adds.
#include "Color.h"
#include "Component.h"
#include "Font.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

class TCanvas;     // raster canvas (toolkit)
class TPageCanvas; // page canvas (page services)

enum TBarcodeType : std::uint8_t {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C,
};
inline constexpr int BarcodeTypeCount = 23;

enum TBarLineType : std::uint8_t { white, black, black_half };
enum TBarcodeOption : std::uint8_t { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum TShowTextPosition : std::uint8_t {
    stpTopLeft,
    stpTopRight,
    stpTopCenter,
    stpBottomLeft,
    stpBottomRight,
    stpBottomCenter
};
enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };

class TBarcodeSymbol;
using TBarcodeEncoder = std::string (TBarcodeSymbol::*)();

// One row of the symbology table: what the engine, the command line and the Format list read.
struct TBCdata {
    const char* Name;      // display name ("Code128B")
    bool NumericOnly;      // MakeData trims the text and accepts digits only
    const char* ValueName; // the enumeration value's name ("bcCode128B")
    double RatioMin;       // MakeModules forces Ratio into [RatioMin, RatioMax];
    double RatioMax;       // 0 and 0 when the type does not force it
    TBarcodeEncoder Encoder;
};

extern const std::array<TBCdata, BarcodeTypeCount> SymbologyInfo;

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// p turned about (0, 0) by a radians; the canvas's y axis points down, so positive angles turn
// counter-clockwise on the screen.
TPoint RotatePoint(TPoint p, double a);
TPoint TranslatePoint(TPoint p, TPoint q);
// v held within the int range: positions and heights near its ends (any Left, Top and Height
// are accepted) move a symbol far outside the canvas instead of wrapping around.
constexpr int ClampToInt(long long v) {
    return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : int(v);
}
// p moved so that the bounding box of a size.x × size.y rectangle turned by a starts at p.
TPoint RotatedOrigin(TPoint p, TPoint size, double a);

// Pattern of alternating bar and space width digits "1" to "4" (bar first) in the pattern
// alphabet: bars "5" to "8", spaces "0" to "3".
std::string WidthsToPattern(std::string widths);

// The text with its last character (a placeholder) replaced by the add-on check digit of the
// characters before it.
std::string SupplementCheckDigit(std::string_view text);

enum class TCode128Set : std::uint8_t { A, B };
// The smallest symbol value 0 to 102 whose set A or set B character is c, or -1.
int FindCode128Char(char c, TCode128Set set);
// The smallest symbol value 0 to 102 whose set C pair is pair, or -1.
int FindCode128Pair(std::string_view pair);

class TBarcodeSymbol : public TComponent {
public:
    explicit TBarcodeSymbol(TComponent* owner = nullptr);

    // The virtual constructor: a new instance of this class with the given owner.
    virtual TBarcodeSymbol* Create(TComponent* owner) const { return new TBarcodeSymbol(owner); }
    std::string ClassName() const override { return "TBarcodeSymbol"; }
    void Assign(const TPersistent& source) override;

    // Properties, in the order in which the component publishes them.
    int GetHeight() const { return FHeight; }
    void SetHeight(int v);
    const std::string& GetText() const { return FText; }
    void SetText(const std::string& v);
    int GetTop() const { return FTop; }
    void SetTop(int v);
    int GetLeft() const { return FLeft; }
    void SetLeft(int v);
    int GetModul() const { return FModul; }
    void SetModul(int v);
    double GetRatio() const { return FRatio; }
    void SetRatio(double v);
    TBarcodeType GetTyp() const { return FTyp; }
    void SetTyp(TBarcodeType v);
    bool GetCheckSum() const { return FCheckSum; }
    void SetCheckSum(bool v);
    TCheckSumMethod CheckSumMethod = csmModulo10; // plain store, no DoChange
    double GetAngle() const { return FAngle; }
    void SetAngle(double v);
    TBarcodeOption GetShowText() const { return FShowText; }
    void SetShowText(TBarcodeOption v);
    // The owned font of the human-readable line; callers may also change it in place.
    TFont& ShowTextFont() { return FShowTextFont; }
    const TFont& ShowTextFont() const { return FShowTextFont; }
    void SetShowTextFont(const TFont& f);
    TShowTextPosition GetShowTextPosition() const { return FShowTextPosition; }
    void SetShowTextPosition(TShowTextPosition v);
    int GetWidth();
    void SetWidth(int v);
    TColor Color = clWhite;    // colour of the spaces; plain store, no DoChange
    TColor ColorBar = clBlack; // colour of the bars; plain store, no DoChange
    TNotifyEvent OnChange;     // plain store

    // The element widths of "0"/"5"/"A" to "3"/"8"/"D", recomputed by every MakeData.
    const std::array<std::int8_t, 4>& ElementWidths() const { return FElementWidths; }

    std::string MakeData();
    void MakeModules();
    // The width and line type of one pattern character; "%s: internal Error" for any other.
    void OneBarProps(char code, int& width, TBarLineType& lineType) const;
    std::string DoCheckSumming(const std::string& s) const;
    std::string SetLen(std::uint8_t n) const;
    std::string GetTypText() const;
    bool IsNumberOnly() const;

    // Drawing, on the raster canvas and on the page canvas.
    void DrawBarcode(TCanvas& canvas);
    void DrawBarcode(TPageCanvas& canvas);
    int GetCanvasWidth();
    int GetCanvasHeight();

protected:
    virtual void DoChange();

    void DoLines(const std::string& pattern, TCanvas& canvas);
    void DoLines(const std::string& pattern, TPageCanvas& canvas);
    void DrawText(TCanvas& canvas);
    void DrawText(TPageCanvas& canvas);

    // The encoders; only MakeData calls them.
    std::string Code_2_5_interleaved();
    std::string Code_2_5_industrial();
    std::string Code_2_5_matrix();
    std::string Code_39();
    std::string Code_39Extended();
    std::string Code_128();
    std::string Code_93();
    std::string Code_93Extended();
    std::string Code_MSI();
    std::string Code_PostNet();
    std::string Code_Codabar();
    std::string Code_EAN8();
    std::string Code_EAN13();
    std::string Code_UPC_A();
    std::string Code_UPC_E0();
    std::string Code_UPC_E1();
    std::string Code_Supp2();
    std::string Code_Supp5();

    // The angle in radians, as drawing uses it.
    double AngleRadians() const;

private:
    friend struct SymbologyTable;
    std::string Code_UPC_E(bool numberSystem1);
    // Formats "%s<suffix>" with the class name, the form of the component's own messages.
    std::string ClassMessage(const char* suffix) const;

    int FHeight = 0;
    std::string FText;
    int FTop = 0;
    int FLeft = 0;
    int FModul = 1;
    double FRatio = 2.0;
    TBarcodeType FTyp = bcCodeEAN13;
    bool FCheckSum = false;
    TBarcodeOption FShowText = bcoNone;
    double FAngle = 0.0;
    std::array<std::int8_t, 4> FElementWidths{};
    TFont FShowTextFont; // owned for the component's whole life
    TShowTextPosition FShowTextPosition = stpTopLeft;
};
