#pragma once
// Reading symbols back with the zxing-cpp decoder, so that tests check what a scanner sees.
#include <ZXing/BarcodeFormat.h>
#include <ZXing/DecodeHints.h>

#include <QImage>

#include <ostream>
#include <string>
#include <vector>

struct DecodedSymbol {
    std::string text;  // the content as UTF-8
    std::string bytes; // the content's raw bytes (ISO-8859-1 for the linear symbologies)
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    std::string symbologyIdentifier; // "]E0", "]C0", ...
    int orientation = 0;             // degrees the decoder turned the picture to read it
};

void PrintTo(const DecodedSymbol& symbol, std::ostream* os);

// Every valid symbol of the given formats in the picture. The hints default to zxing-cpp's
// (try harder, try the picture turned); their format list is replaced by formats.
std::vector<DecodedSymbol> DecodeImage(const QImage& image, ZXing::BarcodeFormats formats,
                                       ZXing::DecodeHints hints = {});
