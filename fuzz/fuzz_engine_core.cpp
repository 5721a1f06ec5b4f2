// The encoding core alone, without Qt: any symbology ordinal, text, Modul, Ratio, Angle,
// Checksum and CheckSumMethod through MakeData, GetWidth and SetWidth. Each either succeeds
// with a pattern in the alphabet or raises one of the documented messages.
#include "FuzzEngine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzBytes in(data, size);
    TBarcodeSymbol symbol;
    const EngineInput input = SetUpSymbol(symbol, in);
    CheckSetWidth(symbol, input.WantedWidth);
    CheckEncoding(symbol);
    // A second run encodes the text as the first one left it (trimmed, padded, with a check
    // digit): the same rules hold.
    CheckEncoding(symbol);
    return 0;
}
