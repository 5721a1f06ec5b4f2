// qubrin-cli job show and job set on real job files in a scratch folder.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// The record's fields in the record's order: "job show" lists every one of them first.
const std::vector<std::string> RecordFields = {
    "initialString", "initialValue", "increment",    "displayText", "barHeight",  "pageSizeIndex",
    "pageHeight",    "pageWidth",    "pageCount",    "topMargin",   "leftMargin", "rightMargin",
    "bottomMargin",  "cellHeight",   "cellWidth",    "columns",     "rows",       "length",
    "formatIndex",   "barcodeLeft",  "barcodeTop",   "text1",       "text2",      "text3",
    "text1Left",     "text2Left",    "text3Left",    "text1Top",    "text2Top",   "text3Top",
    "printBarcode",  "printText",    "printerIndex",
};

TEST(JobShow, DefaultsAsTheWindowGathersThemWithoutAFile) {
    Scratch s;
    const auto fields = s.Show();
    ASSERT_GE(fields.size(), RecordFields.size());
    for (std::size_t i = 0; i < RecordFields.size(); ++i)
        EXPECT_EQ(fields[i].first, RecordFields[i]);

    std::map<std::string, std::string> shown(fields.begin(), fields.end());
    // The window's defaults; no printer is installed for the suite, so none is selected.
    const std::map<std::string, std::string> expected = {
        {"initialString", "VORDA-"},
        {"initialValue", "1"},
        {"increment", "1"},
        {"displayText", "1"},
        {"barHeight", "10"},
        {"pageSizeIndex", "1"},
        {"pageHeight", "297"},
        {"pageWidth", "210"},
        {"pageCount", "1"},
        {"topMargin", "15"},
        {"leftMargin", "10"},
        {"rightMargin", "10"},
        {"bottomMargin", "15"},
        {"cellHeight", "27"},
        {"cellWidth", "63"},
        {"columns", "3"},
        {"rows", "10"},
        {"length", "4"},
        {"formatIndex", "0"},
        {"barcodeLeft", "5"},
        {"barcodeTop", "10"},
        {"text1", "Vorda Technology Co."},
        {"text2", "Product: Barcode"},
        {"text3", "Price: HK $500"},
        {"text1Left", "5"},
        {"text2Left", "5"},
        {"text3Left", "5"},
        {"text1Top", "0"},
        {"text2Top", "3"},
        {"text3Top", "6"},
        {"printBarcode", "1"},
        {"printText", "1"},
        {"printerIndex", "-1"},
        {"pageSize", "A4"},
        {"format", "Code 128"},
        {"printer", "(none)"},
        {"font.initialString", "Arial, height -11, regular, charset 0"},
        {"font.text1", "Arial, height -12, bold italic, charset 0"},
        {"font.text2", "Arial, height -11, regular, charset 0"},
        {"font.text3", "Arial, height -11, bold, charset 0"},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(shown[name], value) << name;
    EXPECT_FALSE(s.Exists("Qubrin.cfg")); // showing writes nothing
}

TEST(JobSet, PutsEachValueIntoItsControlAndSaves) {
    struct Case {
        const char* why;
        QStringList assignments;
        std::map<std::string, std::string> shown;
    };
    const Case cases[] = {
        {"nothing to set: the defaults are written", {}, {{"initialString", "VORDA-"}}},
        {"numbers and texts as typed",
         {"initialValue=250", "increment=-2", "cellWidth=40.5", "columns=5", "text2=Lot 7"},
         {{"initialValue", "250"},
          {"increment", "-2"},
          {"cellWidth", "40.5"},
          {"columns", "5"},
          {"text2", "Lot 7"}}},
        {"names and captions in any case",
         {"INITIALVALUE=3", "PageSize=a3"},
         {{"initialValue", "3"}, {"pageSizeIndex", "0"}, {"pageHeight", "420"}}},
        {"check boxes",
         {"displayText=0", "printText=false", "printBarcode=true"},
         {{"displayText", "0"}, {"printText", "0"}, {"printBarcode", "1"}}},
        {"Code 128 keeps lower case", {"initialString=abc-"}, {{"initialString", "abc-"}}},
        {"Code 39 upper-cases when gathered",
         {"initialString=abc-", "format=Code 39"},
         {{"initialString", "ABC-"}, {"formatIndex", "2"}, {"format", "Code 39"}}},
        {"a list position, and a caption without its blank",
         {"formatIndex=3", "pageSize=letter"},
         {{"format", "Code 93"},
          {"pageSizeIndex", "6"},
          {"pageHeight", "279.4"},
          {"pageWidth", "215.9"}}},
        {"a paper size writes its sizes",
         {"pageSizeIndex=A5"},
         {{"pageSizeIndex", "2"}, {"pageHeight", "210"}, {"pageWidth", "148.5"}}},
        {"Custom keeps the sizes before it",
         {"pageSize=Custom"},
         {{"pageSize", "Custom"}, {"pageHeight", "297"}, {"pageWidth", "210"}}},
        {"Custom with its sizes, in any order",
         {"pageHeight=50", "pageSize=8", "pageWidth=100"},
         {{"pageSize", "Custom"}, {"pageHeight", "50"}, {"pageWidth", "100"}}},
        {"Length through its spinner", {"length=6"}, {{"length", "6"}}},
        {"a digits-only format with digits, in either order",
         {"format=EAN13", "initialString=590123"},
         {{"formatIndex", "5"}, {"initialString", "590123"}}},
        {"text in Windows-1252 from UTF-8", {"text1=Grüße, 5 €"}, {{"text1", "Grüße, 5 €"}}},
        {"the PDF file entry",
         {"printer=PDF file"},
         {{"printer", "PDF file"}, {"printerIndex", "0"}}},
        {"a printer by its position", {"printerIndex=0"}, {{"printer", "PDF file"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        const CliRun run = s.Set(c.assignments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(s.Read("Qubrin.cfg").size(), 888);
        for (const auto& [name, value] : c.shown)
            EXPECT_EQ(s.Shown(name), value) << name;
    }
}

TEST(JobSet, ConversionErrorIsShownAndTheFileSavedAsGathered) {
    Scratch s;
    ASSERT_EQ(s.Set({}).status, 0);
    // cellHeight is gathered before cellWidth, columns and text1 after it.
    const CliRun run = s.Set({"cellHeight=30", "cellWidth=6x", "columns=5", "text1=New"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "'6x' is not a valid floating point value.\n");
    EXPECT_EQ(s.Read("Qubrin.cfg").size(), 888);
    EXPECT_EQ(s.Shown("cellHeight"), "30");
    EXPECT_EQ(s.Shown("cellWidth"), "63");
    EXPECT_EQ(s.Shown("columns"), "3");
    EXPECT_EQ(s.Shown("text1"), "Vorda Technology Co.");

    const CliRun integer = s.Set({"rows=ten"});
    EXPECT_EQ(integer.status, 1);
    EXPECT_EQ(integer.err, "'ten' is not a valid integer value.\n");
}

TEST(JobSet, FormatChoiceChecksTheInitialStringAsTheWindowDoes) {
    Scratch s;
    const CliRun run = s.Set({"format=UPC_A"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The 'Initial String' must be numeric for Code 25 barcode format.\n");
    EXPECT_EQ(s.Shown("formatIndex"), "7");
    EXPECT_EQ(s.Shown("initialString"), "");
}

TEST(JobSet, BadAssignmentsChangeNothing) {
    const QStringList cases[] = {
        {"bogus=1"},
        {"initialValue=5", "bogus=1"},
        {"initialValue"},
        {"=5"},
        {"displayText=maybe"},
        {"pageSize=A9"},
        {"format=QR"},
        {"format=8"},
        {"length=41"},
        {"length=x"},
        {"printer=No Such Printer"},
        {"pageHeight=100"}, // read-only unless the page size is Custom
        {"pageSize=A3", "pageWidth=100"},
        {"initialValue=1", "initialValue=2"},
        {"pageSize=A4", "pageSizeIndex=1"},
        {"text1=Ā"}, // not in Windows-1252
        {"--colour", "red"},
    };
    Scratch s;
    for (const QStringList& assignments : cases) {
        SCOPED_TRACE(assignments.join(' ').toStdString());
        // Without a file none is made; with one it stays byte for byte.
        QFile::remove(s.Path("Qubrin.cfg"));
        CliRun run = s.Set(assignments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.err.starts_with("qubrin-cli job set: ")) << run.err;
        EXPECT_FALSE(s.Exists("Qubrin.cfg"));

        ASSERT_EQ(s.Set({"initialValue=42"}).status, 0);
        const QByteArray before = s.Read("Qubrin.cfg");
        run = s.Set(assignments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(s.Read("Qubrin.cfg"), before);
    }
}

TEST(JobSet, FailedSaveIsReported) {
    Scratch s;
    const CliRun run = s.Run({"job", "set", "--config", s.Path("missing/Qubrin.cfg"), "rows=2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("The job could not be saved to Qubrin.cfg: ")) << run.err;
    EXPECT_EQ(Lines(run.err).size(), 1u);
}

TEST(JobSet, ConfigOptionNamesTheFile) {
    Scratch s;
    ASSERT_EQ(s.Run({"job", "set", "--config", "other.cfg", "rows=2"}).status, 0);
    EXPECT_FALSE(s.Exists("Qubrin.cfg"));
    EXPECT_EQ(s.Read("other.cfg").size(), 888);
    const CliRun show = s.Run({"job", "show", "--config=other.cfg"});
    EXPECT_NE(show.out.find("\nrows = 2\n"), std::string::npos) << show.out;
}

} // namespace
