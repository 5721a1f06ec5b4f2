#include "LogFont.h"

#include <algorithm>
#include <bit>
#include <cstring>

LOGFONTA FontToLogFont(const TFont& font) {
    LOGFONTA lf;
    lf.lfHeight = font.Height;
    lf.lfWeight = font.Has(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Has(fsItalic) ? 1 : 0;
    lf.lfUnderline = font.Has(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = font.Has(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = font.Charset;
    const std::size_t n = std::min(font.Name.size(), sizeof lf.lfFaceName - 1);
    std::memcpy(lf.lfFaceName, font.Name.data(), n);
    return lf;
}

TFont LogFontToFont(const LOGFONTA& lf, const TFont& base) {
    TFont font = base;
    font.Height = lf.lfHeight;
    font.Style = 0;
    if (lf.lfWeight >= FW_BOLD) font.Style |= fsBold;
    if (lf.lfItalic) font.Style |= fsItalic;
    if (lf.lfUnderline) font.Style |= fsUnderline;
    if (lf.lfStrikeOut) font.Style |= fsStrikeOut;
    font.Charset = lf.lfCharSet;
    const char* face = lf.lfFaceName;
    font.Name.assign(face, std::find(face, face + sizeof lf.lfFaceName, '\0'));
    return font;
}

// The host is little-endian like the file (checked at compile time), so the record's bytes are
// the file's bytes.
static_assert(std::endian::native == std::endian::little);

LogFontBytes LogFontToBytes(const LOGFONTA& lf) {
    LogFontBytes bytes;
    std::memcpy(bytes.data(), &lf, LogFontSize);
    return bytes;
}

LOGFONTA LogFontFromBytes(const LogFontBytes& bytes) {
    LOGFONTA lf;
    std::memcpy(&lf, bytes.data(), LogFontSize);
    return lf;
}
