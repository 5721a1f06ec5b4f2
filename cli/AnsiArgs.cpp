#include "AnsiArgs.h"

#include "Ansi.h"

std::optional<std::string> ArgumentToAnsi(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // Malformed UTF-8 decodes to U+FFFD, which the code page lacks like any other stranger; an
    // original '?' is the only character that may convert to '?'.
    std::string ansi;
    ansi.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        char byte = UnicodeToAnsiChar(c.unicode());
        if (byte == '?' && c != u'?') return std::nullopt;
        ansi.push_back(byte);
    }
    return ansi;
}

std::string AnsiToUtf8(std::string_view ansi) {
    return AnsiToQString(ansi).toStdString();
}
