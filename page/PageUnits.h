#pragma once
// Units of the page services and the fixed factors between them: 25.4 mm and 96 pixels to the
// inch, 1440 twips to the inch, 100 units to the millimetre.
#include <cstdint>

enum TPageUnit : std::uint8_t {
    puUnits,       // 1/100 mm
    puPixels,      // 1/96 inch, whatever the device
    puMillimeters,
    puCentimeters,
    puInches,
    puTwips,       // 1/1440 inch
};

// Converts in extended precision and rounds the result to a double.
double ConvertValue(double value, TPageUnit from, TPageUnit to);

// A length on the page, held in hundredths of a millimetre.
class TPageValue {
public:
    TPageValue() = default;
    TPageValue(double value, TPageUnit unit) : units_(ConvertValue(value, unit, puUnits)) {}
    // The length in whole hundredths of a millimetre, rounded.
    long GetAsUnits() const;
    double GetAs(TPageUnit unit) const { return ConvertValue(units_, puUnits, unit); }

private:
    double units_ = 0;
};
