// qubrin-cli encode, run as a separate process exactly as a user or a script runs it.
#include "CliRun.h"
#include "Decode.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(EncodeCommand, PrintsPatternAndWidth) {
    struct Case {
        const char* why;
        QStringList args;
        const char* pattern;
        const char* width;
    };
    // Code 128 B of "A", as element widths: start B 211214, "A" 111323, the check character
    // (104 + 33) mod 103 = 34 131123, stop 2331112; 11 + 11 + 11 + 13 modules.
    const char* code128A = "605153"
                           "505262"
                           "525062"
                           "6270506";
    const Case cases[] = {
        {"value name", {"--type", "bcCode128B", "--text", "A"}, code128A, "46"},
        {"display name in another case", {"--type", "cODE128b", "--text", "A"}, code128A, "46"},
        {"modul 2 doubles every element",
         {"--type", "Code128B", "--text", "A", "--modul", "2"},
         code128A,
         "92"},
        // Letters that Code 39 lacks are skipped: start and stop only, 13 narrow and 6 wide.
        {"Code 39 at ratio 2", {"--type", "Code39", "--text", "ab"}, "5150606050515060605", "25"},
        {"Code 39 forces a ratio above 3 down to 3",
         {"--type", "Code39", "--text", "ab", "--ratio", "10"},
         "5150606050515060605",
         "31"},
        {"EAN-13 with its check digit",
         {"--type", "bcCodeEAN13", "--text", "123456789012", "--checksum"},
         "50515160805170506253505152505050515270517150616060615152505",
         "95"},
        {"numeric types trim spaces at both ends",
         {"--type", "EAN13", "--text", " 123456789012 ", "--checksum"},
         "50515160805170506253505152505050515270517150616060615152505",
         "95"},
        {"EAN-8 with its check digit",
         {"--type", "EAN8", "--text", "1234567", "--checksum"},
         "5051615151608050526050505170505352517150505",
         "67"},
        {"options as --name=value",
         {"--type=EAN8", "--text=1234567", "--checksum"},
         "5051615151608050526050505170505352517150505",
         "67"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CliRun run = RunCli(QStringList{"encode"} + c.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out), (std::vector<std::string>{c.pattern, c.width}));
        EXPECT_EQ(run.err, "");
    }
}

TEST(EncodeCommand, RejectsBadArgumentsAndReportsEngineErrors) {
    struct Case {
        const char* why;
        QStringList args;
        int status;
        // The exact message for engine errors (status 1); empty for bad arguments (status 2),
        // which give one line that names the program.
        const char* message;
    };
    const Case cases[] = {
        {"letters in a numeric type",
         {"encode", "--type", "bcCodeEAN13", "--text", "12A4"},
         1,
         "Barcode must be numeric"},
        {"EAN-13 of 14 digits",
         {"encode", "--type", "EAN13", "--text", "12345678901234"},
         1,
         "Invalid Text len (EAN13)"},
        // The text goes in as Windows-1252 and the message that quotes it comes back as UTF-8.
        {"Code 93 lacks é",
         {"encode", "--type", "Code93", "--text", "xé"},
         1,
         "TBarcodeSymbol:Code93 bad Data <xé>"},
        {"unknown type", {"encode", "--type", "QR", "--text", "1"}, 2, ""},
        {"missing --type", {"encode", "--text", "1"}, 2, ""},
        {"missing --text", {"encode", "--type", "EAN13"}, 2, ""},
        {"option without its value", {"encode", "--type", "EAN13", "--text"}, 2, ""},
        {"unknown option", {"encode", "--type", "EAN13", "--text", "1", "--colour", "red"}, 2, ""},
        {"positional argument", {"encode", "--type", "EAN13", "--text", "1", "extra"}, 2, ""},
        {"option given twice",
         {"encode", "--type", "EAN13", "--type", "EAN8", "--text", "1"},
         2,
         ""},
        {"flag with a value",
         {"encode", "--type", "EAN13", "--text", "1", "--checksum=yes"},
         2,
         ""},
        {"modul not a number",
         {"encode", "--type", "EAN13", "--text", "1", "--modul", "abc"},
         2,
         ""},
        {"modul 0", {"encode", "--type", "EAN13", "--text", "1", "--modul", "0"}, 2, ""},
        {"modul 50", {"encode", "--type", "EAN13", "--text", "1", "--modul", "50"}, 2, ""},
        {"modul × ratio too wide for the engine",
         {"encode", "--type", "Code128B", "--text", "1", "--modul", "40"},
         2,
         ""},
        {"ratio not a number",
         {"encode", "--type", "EAN13", "--text", "1", "--ratio", "2x"},
         2,
         ""},
        {"ratio below 1", {"encode", "--type", "EAN13", "--text", "1", "--ratio", "0.5"}, 2, ""},
        {"height 0", {"encode", "--type", "EAN13", "--text", "1", "--height", "0"}, 2, ""},
        {"angle not finite", {"encode", "--type", "EAN13", "--text", "1", "--angle", "inf"}, 2, ""},
        {"unknown text option",
         {"encode", "--type", "EAN13", "--text", "1", "--show-text", "all"},
         2,
         ""},
        {"picture of an unknown kind",
         {"encode", "--type", "EAN13", "--text", "1", "--out", "a.gif"},
         2,
         ""},
        {"character outside Windows-1252", {"encode", "--type", "Code128B", "--text", "Ā"}, 2, ""},
        {"unknown command", {"decode"}, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        if (c.status == 1) {
            EXPECT_EQ(run.err, std::string(c.message) + "\n");
        } else {
            EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
            EXPECT_TRUE(run.err.starts_with("qubrin-cli") ||
                        run.err.starts_with("usage: qubrin-cli"))
                << run.err;
        }
    }
}

TEST(EncodeCommand, HelpListsEveryTypeFromTheSymbologyTable) {
    const CliRun run = RunCli({"encode", "--help"});
    EXPECT_EQ(run.status, 0);
    // The first and the last row of the table, and a display name with a space.
    for (const char* name : {"bcCode_2_5_interleaved", "bcCodeEAN128C", "Code39 Extended"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
}

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Where anything is drawn: the bounding box of the dark pixels.
QRect DarkArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsDark(image, x, y)) area |= QRect(x, y, 1, 1);
    return area;
}

struct Picture {
    std::string pattern;
    int width = 0;
    QImage image;
};

Picture EncodeToPicture(const QTemporaryDir& dir, const QString& file, const QStringList& args) {
    const QString path = dir.filePath(file);
    CliRun run = RunCli(QStringList{"encode", "--out", path} + args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    Picture picture;
    std::vector<std::string> lines = Lines(run.out);
    if (lines.size() == 2) {
        picture.pattern = lines[0];
        picture.width = std::stoi(lines[1]);
    }
    EXPECT_TRUE(picture.image.load(path)) << path.toStdString();
    return picture;
}

TEST(EncodeCommand, DrawsTheBarsWithAQuietZoneOfTenModules) {
    struct Case {
        const char* file;
        QStringList args;
        int modul;
        int height;
        std::vector<int> elementWidths; // of the pattern characters "0"/"5" to "3"/"8"
        ZXing::BarcodeFormat format;
        const char* decoded;
    };
    const Case cases[] = {
        {"code128.png",
         {"--type", "bcCode128B", "--text", "VORDA-0001"},
         1,
         50,
         {1, 2, 3, 4},
         ZXing::BarcodeFormat::Code128,
         "VORDA-0001"},
        {"ean13.bmp",
         {"--type", "EAN13", "--text", "590123412345", "--checksum", "--modul", "2"},
         2,
         50,
         {2, 4, 6, 8},
         ZXing::BarcodeFormat::EAN13,
         "5901234123457"},
        {"code39.PNG",
         {"--type", "Code39", "--text", "VORDA-0001", "--ratio", "3", "--height", "80"},
         1,
         80,
         {1, 3, 4, 6},
         ZXing::BarcodeFormat::Code39,
         "VORDA-0001"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Picture p = EncodeToPicture(dir, c.file, c.args);
        if (p.image.isNull()) continue;
        const int quiet = 10 * c.modul;
        // Bars cover rows Top to Top + Height inclusive.
        EXPECT_EQ(p.image.size(), QSize(p.width + 2 * quiet, c.height + 1 + 2 * quiet));
        EXPECT_EQ(DarkArea(p.image), QRect(quiet, quiet, p.width, c.height + 1));

        // One row across the bars, read back pixel by pixel, is the printed pattern.
        std::string expected, drawn;
        for (char e : p.pattern) {
            const bool bar = e >= '5';
            expected.append(c.elementWidths.at((e - '0') % 5), bar ? '#' : '.');
        }
        for (int x = quiet; x < quiet + p.width; ++x)
            drawn += IsDark(p.image, x, quiet + 1) ? '#' : '.';
        EXPECT_EQ(drawn, expected);

        auto symbols = DecodeImage(p.image, c.format);
        ASSERT_EQ(symbols.size(), 1u);
        EXPECT_EQ(symbols[0].text, c.decoded);
    }
}

// The top row of the bars: the highest start of a vertical dark run as long as the bars, which no
// glyph of the text lines is.
int BarTop(const QImage& image, int barHeight) {
    int top = -1;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = IsDark(image, x, y) ? run + 1 : 0;
            if (run == barHeight + 1 && (top < 0 || y - barHeight < top)) top = y - barHeight;
        }
    }
    return top;
}

TEST(EncodeCommand, MakesRoomForTextLinesAndTurnedSymbols) {
    struct Case {
        const char* why;
        QStringList args;
        int modul;
        bool textBelowBars; // something dark below the bars' last row, Top + Height
        bool textAboveBars; // something dark above Top
        bool decodable;     // the text lines do not cross the bars
    };
    const QStringList code128 = {"--type", "Code128B", "--text", "VORDA-0001"};
    const Case cases[] = {
        {"code line below", code128 + QStringList{"--show-text", "code"}, 1, true, false, true},
        {"type line above", code128 + QStringList{"--show-text", "type"}, 1, false, true, true},
        {"both lines", code128 + QStringList{"--show-text", "both", "--modul", "3"}, 3, true, true,
         true},
        // Code 39 skips lower-case letters: a symbol 25 modules wide under a much wider text.
        {"text wider than the bars",
         {"--type", "Code39", "--text", "abcdefghijklmn", "--show-text", "code"},
         1,
         true,
         false,
         false},
        {"turned a quarter", code128 + QStringList{"--angle", "90"}, 1, false, false, true},
        {"turned backwards with both lines",
         code128 + QStringList{"--angle", "-150", "--show-text", "both"}, 1, false, false, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Picture p = EncodeToPicture(dir, QString("p%1.png").arg(n++), c.args);
        if (p.image.isNull()) continue;
        // Everything drawn keeps the quiet zone of ten modules from every edge.
        const int quiet = 10 * c.modul;
        const QRect dark = DarkArea(p.image);
        ASSERT_FALSE(dark.isNull());
        EXPECT_GE(dark.left(), quiet);
        EXPECT_GE(dark.top(), quiet);
        EXPECT_LE(dark.right(), p.image.width() - 1 - quiet);
        EXPECT_LE(dark.bottom(), p.image.height() - 1 - quiet);
        if (c.textBelowBars || c.textAboveBars) {
            const int barHeight = 50;
            const int top = BarTop(p.image, barHeight);
            ASSERT_GE(top, 0);
            EXPECT_EQ(dark.bottom() > top + barHeight, c.textBelowBars);
            EXPECT_EQ(dark.top() < top, c.textAboveBars);
        }
        if (c.decodable) {
            auto symbols = DecodeImage(p.image, ZXing::BarcodeFormat::Code128);
            ASSERT_EQ(symbols.size(), 1u);
            EXPECT_EQ(symbols[0].text, "VORDA-0001");
        }
    }
}

} // namespace
