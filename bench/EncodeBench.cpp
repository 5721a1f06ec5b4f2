// Encoding speed of single labels: MakeData (the pattern) and GetWidth (pattern plus widths) for
// the values that a sheet typically holds. Each benchmark repeats five times and reports the
// mean, median and spread of the repetitions.
#include "Barcode.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct Case {
    TBarcodeType type;
    const char* text;
    bool checksum;
    // The encoder stores a changed Text (trimmed, padded, with a check digit): set it anew on
    // every iteration so that each one encodes the same input.
    bool resetText;
};

constexpr Case Code128B{bcCode128B, "VORDA-0001", false, false};
constexpr Case Ean13{bcCodeEAN13, "590123412345", true, true};
constexpr Case Code39{bcCode39, "VORDA-0001", false, false};

void Prepare(TBarcodeSymbol& symbol, const Case& c) {
    symbol.SetTyp(c.type);
    symbol.SetCheckSum(c.checksum);
    symbol.SetText(c.text);
    symbol.SetHeight(50);
}

void BM_MakeData(benchmark::State& state, Case c) {
    TBarcodeSymbol symbol;
    Prepare(symbol, c);
    const std::string text = c.text;
    for (auto _ : state) {
        if (c.resetText) symbol.SetText(text);
        benchmark::DoNotOptimize(symbol.MakeData());
    }
}

void BM_GetWidth(benchmark::State& state, Case c) {
    TBarcodeSymbol symbol;
    Prepare(symbol, c);
    const std::string text = c.text;
    for (auto _ : state) {
        if (c.resetText) symbol.SetText(text);
        benchmark::DoNotOptimize(symbol.GetWidth());
    }
}

#define QUBRIN_BENCH(func, name, c)                                                                \
    BENCHMARK_CAPTURE(func, name, c)->Repetitions(5)->ReportAggregatesOnly(true)

QUBRIN_BENCH(BM_MakeData, Code128B_VORDA_0001, Code128B);
QUBRIN_BENCH(BM_GetWidth, Code128B_VORDA_0001, Code128B);
QUBRIN_BENCH(BM_MakeData, EAN13_590123412345_checksum, Ean13);
QUBRIN_BENCH(BM_GetWidth, EAN13_590123412345_checksum, Ean13);
QUBRIN_BENCH(BM_MakeData, Code39_VORDA_0001, Code39);
QUBRIN_BENCH(BM_GetWidth, Code39_VORDA_0001, Code39);

} // namespace

BENCHMARK_MAIN();
