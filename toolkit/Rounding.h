#pragma once
// Rounding to the nearest integer with halves to even (2.5 gives 2, 3.5 gives 4, -2.5 gives -2),
// the rule of the toolkit's Round, shared by every computation that the program rounds this way.
#include <climits>
#include <cmath>

// Rounds v, halves to even. A result beyond the int range saturates at INT_MIN or INT_MAX and
// NaN gives 0, so that no input leads to an undefined conversion.
inline int RoundHalfEven(double v) {
    const double r = std::nearbyint(v); // the default rounding mode rounds halves to even
    if (std::isnan(r)) return 0;
    if (r <= double(INT_MIN)) return INT_MIN;
    if (r >= double(INT_MAX)) return INT_MAX;
    return static_cast<int>(r);
}
