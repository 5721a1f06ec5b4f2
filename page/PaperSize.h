#pragma once
// The paper sizes of the page services and the size of each, upright, in millimetres.
#include <array>
#include <cstdint>

enum TPaperSize : std::uint8_t {
    A3, A4, A5, A6, B5, C5, Legal, Letter, Custom,
    B4, Envelope_09, Envelope_10, Envelope_11, Envelope_12, Envelope_14, Tabloid, Ledger, Executive,
};

struct TPaperDimensions {
    double HeightMm;
    double WidthMm;
};

// B5, C5, Letter and Legal are held in inches (9.84 × 6.92, 9.02 × 6.38, 11 × 8.5, 14 × 8.5);
// the others in millimetres. Custom has no size of its own: it keeps the size set before it.
inline constexpr double MmPerInch = 25.4;
inline constexpr std::array<TPaperDimensions, 18> PaperDimensions = {{
    {420, 297},                                   // A3
    {297, 210},                                   // A4
    {210, 148.5},                                 // A5
    {148, 105},                                   // A6
    {9.84 * MmPerInch, 6.92 * MmPerInch},         // B5
    {9.02 * MmPerInch, 6.38 * MmPerInch},         // C5
    {14 * MmPerInch, 8.5 * MmPerInch},            // Legal
    {11 * MmPerInch, 8.5 * MmPerInch},            // Letter
    {0, 0},                                       // Custom
    {353, 250},                                   // B4
    {9 * MmPerInch, 3.875 * MmPerInch},           // Envelope #9
    {9.5 * MmPerInch, 4.125 * MmPerInch},         // Envelope #10
    {10.375 * MmPerInch, 4.5 * MmPerInch},        // Envelope #11
    {11 * MmPerInch, 4.75 * MmPerInch},           // Envelope #12
    {11.5 * MmPerInch, 5 * MmPerInch},            // Envelope #14
    {17 * MmPerInch, 11 * MmPerInch},             // Tabloid
    {11 * MmPerInch, 17 * MmPerInch},             // Ledger
    {10.5 * MmPerInch, 7.25 * MmPerInch},         // Executive
}};
