#include "PageUnits.h"

#include <cmath>

namespace {
// How many of each unit make one inch.
constexpr long double PerInch[] = {
    2540.0L, // puUnits
    96.0L,   // puPixels
    25.4L,   // puMillimeters
    2.54L,   // puCentimeters
    1.0L,    // puInches
    1440.0L, // puTwips
};
} // namespace

double ConvertValue(double value, TPageUnit from, TPageUnit to) {
    if (from == to) return value;
    return static_cast<double>(static_cast<long double>(value) / PerInch[from] * PerInch[to]);
}

long TPageValue::GetAsUnits() const { return std::lround(units_); }
