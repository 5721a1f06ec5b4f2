#define ZX_USE_UTF8 // Result::text() as UTF-8
#include "Decode.h"

#include <ZXing/ReadBarcode.h>

void PrintTo(const DecodedSymbol& symbol, std::ostream* os) {
    *os << ZXing::ToString(symbol.format) << " \"" << symbol.text << "\" ("
        << symbol.symbologyIdentifier << ", turned " << symbol.orientation << ")";
}

std::vector<DecodedSymbol> DecodeImage(const QImage& image, ZXing::BarcodeFormats formats,
                                       ZXing::DecodeHints hints) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    std::vector<DecodedSymbol> symbols;
    for (const ZXing::Result& r : ZXing::ReadBarcodes(view, hints.setFormats(formats))) {
        if (!r.isValid()) continue;
        const ZXing::ByteArray& raw = r.bytes();
        symbols.push_back({r.text(), std::string(raw.begin(), raw.end()), r.format(),
                           r.symbologyIdentifier(), r.orientation()});
    }
    return symbols;
}
