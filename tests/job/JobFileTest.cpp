// Loading, gathering and saving the job through "Qubrin.cfg" with real files.
#include "JobTestSupport.h"
#include "LabelJob.h"

#include <gtest/gtest.h>

#include <cstring>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A job as the window has it at start: three printers, the second the default.
struct Job : TLabelJob {
    explicit Job(IJobReporter& reporter) : TLabelJob(reporter) {
        Controls.printer.Items = {"Office", "Labels", "PDF"};
        Controls.printer.SetItemIndex(1);
    }
};

using JobFile = ScratchFolder;

TEST_F(JobFile, DefaultsWrittenAtOnceReadBackTheSame) {
    RecordingReporter reporter;
    Job first(reporter);
    EXPECT_FALSE(first.LoadAtStart(config));
    first.GatherJobSettings();
    ASSERT_TRUE(first.Save(config));
    const std::string bytes = ReadBytes(config);
    ASSERT_EQ(bytes.size(), 888u);
    EXPECT_TRUE(reporter.errors.empty());

    // Every reserved and padding byte is zero.
    const std::pair<int, int> unused[] = {{89, 3},  {96, 4},   {124, 4}, {180, 12}, {196, 12},
                                          {214, 114}, {344, 4}, {588, 4}, {642, 2}};
    for (auto [offset, size] : unused)
        for (int i = 0; i < size; ++i) EXPECT_EQ(bytes[offset + i], 0) << offset + i;

    Job second(reporter);
    EXPECT_TRUE(second.LoadAtStart(config));
    const TJobControls& c = second.Controls;
    EXPECT_EQ(c.barcodeText.Text, "VORDA-");
    EXPECT_EQ(c.pageSize.ItemIndex, 1);
    EXPECT_EQ(c.codeFormat.ItemIndex, 0);
    EXPECT_EQ(c.printer.ItemIndex, 1);
    EXPECT_EQ(c.value.Text, "1");
    EXPECT_EQ(c.length.Text, "4");
    EXPECT_EQ(c.pageHeight.Text, "297");
    EXPECT_EQ(c.pageWidth.Text, "210");
    EXPECT_EQ(c.cellHeight.Text, "27");
    EXPECT_EQ(c.string3.Text, "Price: HK $500");
    EXPECT_EQ(c.string1.Font, first.Controls.string1.Font);
    EXPECT_TRUE(c.displayText.Checked);
    EXPECT_EQ(second.Barcode1.ShowTextFont().Name, "Arial"); // the box's font from now on
    second.GatherJobSettings();
    EXPECT_EQ(std::memcmp(&second.Settings, &first.Settings, sizeof first.Settings), 0);
}

TEST_F(JobFile, ReservedBytesSurviveALoadAndASave) {
    RecordingReporter reporter;
    Job job(reporter);
    job.LoadAtStart(config);
    job.Save(config);
    std::string bytes = ReadBytes(config);
    std::mt19937 rng(7);
    const std::pair<int, int> unused[] = {{89, 3},  {96, 4},   {124, 4}, {180, 12}, {196, 12},
                                          {214, 114}, {344, 4}, {588, 4}, {642, 2}};
    for (auto [offset, size] : unused)
        for (int i = 0; i < size; ++i) bytes[offset + i] = char(rng());
    bytes += "trailing bytes are ignored";
    WriteBytes(config, bytes);

    Job again(reporter);
    again.LoadAtStart(config);
    ASSERT_TRUE(again.Save(config));
    EXPECT_EQ(ReadBytes(config), bytes.substr(0, 888));
}

TEST_F(JobFile, EmptyFileShowsZerosAndKeepsTheFonts) {
    WriteBytes(config, "");
    RecordingReporter reporter;
    Job job(reporter);
    const TFont initialFont = job.Controls.string1.Font;
    EXPECT_TRUE(job.LoadAtStart(config));
    const TJobControls& c = job.Controls;
    EXPECT_EQ(c.barcodeText.Text, "");
    EXPECT_EQ(c.value.Text, "0");
    EXPECT_EQ(c.cellWidth.Text, "0");
    EXPECT_FALSE(c.displayText.Checked);
    EXPECT_FALSE(c.printBarcode.Checked);
    EXPECT_EQ(c.pageSize.ItemIndex, 0); // the first entries
    EXPECT_EQ(c.codeFormat.ItemIndex, 0);
    EXPECT_EQ(c.printer.ItemIndex, 0);
    EXPECT_EQ(c.string1.Font, initialFont);
    EXPECT_EQ(job.Barcode1.GetShowText(), bcoNone);
    // The spinners hold their boxes within range: bar height 0 shows as 1.
    EXPECT_EQ(c.barHeight.Text, "1");
    EXPECT_EQ(c.pageHeight.Text, "420"); // A3 applied by the page size handler
}

TEST_F(JobFile, FontsAreTakenInOrderUpToTheFirstIncompleteOne) {
    RecordingReporter reporter;
    Job writer(reporter);
    writer.LoadAtStart(config);
    writer.Controls.barcodeText.Font = TFont("Courier New", -20, fsBold, ANSI_CHARSET);
    writer.Controls.string1.Font = TFont("Times New Roman", -14, fsItalic | fsUnderline, 238);
    writer.Controls.string2.Font = TFont("Verdana", 16, fsStrikeOut, ANSI_CHARSET);
    writer.Save(config);
    const std::string bytes = ReadBytes(config);

    struct Case {
        std::size_t size;
        std::size_t fontsTaken;
    } cases[] = {{600, 0}, {648, 0}, {707, 0}, {708, 1}, {767, 1}, {768, 2}, {887, 3}, {888, 4}};
    for (const auto& c : cases) {
        WriteBytes(config, bytes.substr(0, c.size));
        Job job(reporter);
        const TJobControls initial = job.Controls;
        job.Controls.barcodeText.Font.Color = clRed; // a colour the record cannot hold stays
        job.LoadAtStart(config);
        const TEditControl* boxes[] = {&job.Controls.barcodeText, &job.Controls.string1,
                                       &job.Controls.string2, &job.Controls.string3};
        const TEditControl* written[] = {&writer.Controls.barcodeText, &writer.Controls.string1,
                                         &writer.Controls.string2, &writer.Controls.string3};
        const TEditControl* before[] = {&initial.barcodeText, &initial.string1, &initial.string2,
                                        &initial.string3};
        for (std::size_t i = 0; i < 4; ++i) {
            TFont want = i < c.fontsTaken ? written[i]->Font : before[i]->Font;
            if (i == 0) want.Color = clRed;
            EXPECT_EQ(boxes[i]->Font, want) << "size " << c.size << " font " << i;
        }
        EXPECT_EQ(job.Barcode1.ShowTextFont().Name,
                  c.fontsTaken > 0 ? "Courier New" : "MS Sans Serif") << c.size;
    }
}

TEST_F(JobFile, ShortFileFillsTheRecordsBeginning) {
    RecordingReporter reporter;
    Job writer(reporter);
    writer.LoadAtStart(config);
    writer.Controls.value.Text = "77";
    writer.Save(config);
    WriteBytes(config, ReadBytes(config).substr(0, 90)); // prefix, value, increment, display
    Job job(reporter);
    job.LoadAtStart(config);
    EXPECT_EQ(job.Controls.barcodeText.Text, "VORDA-");
    EXPECT_EQ(job.Controls.value.Text, "77");
    EXPECT_TRUE(job.Controls.displayText.Checked);
    EXPECT_EQ(job.Controls.row.Text, "0");
}

TEST_F(JobFile, StoredValuesOutsideTheControlsRanges) {
    RecordingReporter reporter;
    Job writer(reporter);
    writer.LoadAtStart(config);
    writer.Save(config);
    std::string bytes = ReadBytes(config);
    auto put32 = [&bytes](int offset, std::int32_t v) { std::memcpy(&bytes[offset], &v, 4); };
    auto put16 = [&bytes](int offset, std::int16_t v) { std::memcpy(&bytes[offset], &v, 2); };
    put32(100, 9);    // pageSizeIndex: no entry
    put16(212, -3);   // formatIndex: no entry
    put32(208, 77);   // length beyond 40
    put32(92, 70000); // bar height: the spinner takes the low 16 bits (4464) and holds it at 100
    put32(644, 5);    // printerIndex beyond the three printers
    put32(120, -2);   // a negative page count is shown as it is
    std::memset(&bytes[0], 'X', 80); // an Initial String without its NUL
    WriteBytes(config, bytes);

    Job job(reporter);
    job.LoadAtStart(config);
    const TJobControls& c = job.Controls;
    EXPECT_EQ(c.pageSize.ItemIndex, -1);
    EXPECT_EQ(c.codeFormat.ItemIndex, -1);
    EXPECT_EQ(c.length.Text, "40");
    EXPECT_EQ(c.barHeight.Text, "100");
    EXPECT_EQ(c.printer.ItemIndex, 1); // the default printer stays selected
    EXPECT_EQ(c.pageNo.Text, "-2");
    EXPECT_EQ(c.barcodeText.Text, std::string(80, 'X'));
    EXPECT_EQ(c.pageHeight.Text, "297"); // no page size: the page stays A4
    job.GatherJobSettings();
    EXPECT_EQ(job.Settings.length, 40);
    EXPECT_EQ(job.Settings.pageSizeIndex, -1);
    EXPECT_EQ(job.Settings.formatIndex, -1);
    EXPECT_EQ(std::string(job.Settings.initialString), std::string(79, 'X')); // NUL-terminated
}

TEST_F(JobFile, ConversionErrorKeepsTheLaterFieldsAndStillWrites) {
    RecordingReporter reporter;
    Job job(reporter);
    job.LoadAtStart(config);
    job.GatherJobSettings();
    const LabelJobSettings before = job.Settings;
    job.Controls.topMargin.Text = "20";      // before the failing box: taken
    job.Controls.cellWidth.Text = "6x";      // fails
    job.Controls.horizontal.Text = "7";      // after it: not taken
    job.Controls.row.Text = "4";
    job.Controls.string1.Text = "changed";
    job.Controls.codeFormat.SetItemIndex(2);
    ASSERT_TRUE(job.Save(config));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "'6x' is not a valid floating point value.");
    EXPECT_EQ(ReadBytes(config).size(), 888u);
    Job reread(reporter);
    reread.LoadAtStart(config);
    EXPECT_EQ(reread.Settings.topMargin, 20);
    EXPECT_EQ(reread.Settings.cellWidth, before.cellWidth);
    EXPECT_EQ(reread.Settings.barcodeLeft, before.barcodeLeft);
    EXPECT_EQ(reread.Settings.rows, before.rows);
    EXPECT_EQ(reread.Settings.formatIndex, before.formatIndex);
    EXPECT_STREQ(reread.Settings.text1, before.text1);
}

TEST_F(JobFile, InitialStringIsUpperCasedByFormatAndKeptTo79Characters) {
    struct Case {
        int format;
        std::string box;
        std::string stored;
    } cases[] = {
        {5, "abc", "ABC"},          // EAN13
        {0, "abc", "abc"},          // Code 128
        {1, "abc", "abc"},          // EAN128
        {2, "k\xe9-\xdf", "K\xc9-\xdf"}, // Code 39: é becomes É, ß has no capital
        {-1, "abc", "ABC"},         // no format selected
        {0, std::string(200, 'a'), std::string(79, 'a')},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.LoadAtStart(config);
        job.Controls.codeFormat.ItemIndex = c.format;
        job.Controls.barcodeText.Text = c.box;
        job.Controls.string2.Text = std::string(100, 'b');
        job.GatherJobSettings();
        EXPECT_EQ(std::string(job.Settings.initialString), c.stored) << c.format;
        EXPECT_EQ(job.Controls.barcodeText.Text, c.box); // the box is not changed
        EXPECT_EQ(std::string(job.Settings.text2), std::string(79, 'b'));
    }
}

TEST_F(JobFile, FailedSaveLeavesTheOldFileAndReportsIt) {
    RecordingReporter reporter;
    Job job(reporter);
    job.LoadAtStart(config);
    ASSERT_TRUE(job.Save(config));
    const std::string old = ReadBytes(config);

    // A file-size limit below 888 bytes makes the write fail half-way, in a child process so
    // that the limit does not reach the rest of the tests.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{500, 500};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingReporter childReporter;
        TLabelJob childJob(childReporter);
        childJob.LoadAtStart(config);
        childJob.Controls.value.Text = "999";
        const bool saved = childJob.Save(config);
        const bool reported = childReporter.errors.size() == 1 &&
                              childReporter.errors[0] ==
                                  "The job could not be saved to Qubrin.cfg: File too large.";
        _exit(!saved && reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(config), old);

    // A rename that cannot replace the target: a folder stands where the file would go.
    const auto blocked = folder / "blocked" / "Qubrin.cfg";
    std::filesystem::create_directories(blocked / "inside");
    EXPECT_FALSE(job.Save(blocked));
    ASSERT_FALSE(reporter.errors.empty());
    EXPECT_EQ(reporter.errors.back().rfind("The job could not be saved to Qubrin.cfg: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder / "blocked")) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(JobFile, DisplayTextOffHidesTheSymbolText) {
    RecordingReporter reporter;
    Job writer(reporter);
    writer.LoadAtStart(config);
    writer.Controls.displayText.Checked = false;
    writer.Save(config);
    Job job(reporter);
    job.LoadAtStart(config);
    EXPECT_FALSE(job.Controls.displayText.Checked);
    EXPECT_EQ(job.Barcode1.GetShowText(), bcoNone);
    EXPECT_EQ(job.Barcode1.GetHeight(), 100);
    EXPECT_EQ(job.Barcode1.GetTop(), 0);
}

TEST_F(JobFile, PageSizeChangeWritesTheSizesAndTheReadOnlyState) {
    RecordingReporter reporter;
    Job job(reporter);
    job.LoadAtStart(config);
    struct Case {
        int index;
        const char* height;
        const char* width;
        bool readOnly;
    } cases[] = {
        {0, "420", "297", true},   {6, "279.4", "215.9", true}, {7, "355.6", "215.9", true},
        {2, "210", "148.5", true}, {4, "249.936", "175.768", true},
        {5, "229.108", "162.052", true},
        {8, "229.108", "162.052", false}, // Custom keeps the boxes' text, now editable
        {1, "297", "210", true},
    };
    for (const auto& c : cases) {
        job.Controls.pageSize.SetItemIndex(c.index);
        job.pageSizeChange();
        EXPECT_EQ(job.Controls.pageHeight.Text, c.height) << c.index;
        EXPECT_EQ(job.Controls.pageWidth.Text, c.width) << c.index;
        EXPECT_EQ(job.Controls.pageHeight.ReadOnly, c.readOnly) << c.index;
        EXPECT_EQ(job.Controls.pageWidth.Color, c.readOnly ? ReadOnlyBoxColor : clWindow);
    }
}

TEST_F(JobFile, FormatChangeChecksTheInitialString) {
    struct Case {
        int format;
        const char* text;
        bool refused;
    } cases[] = {
        {5, "VORDA-", true}, {2, "VORDA-", false}, {7, "0123", false},
        {4, "12\xb2", true}, // a byte of 128 or more is no digit
        {6, "", false},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        Job job(reporter);
        job.Controls.barcodeText.Text = c.text;
        job.Controls.codeFormat.SetItemIndex(c.format);
        job.codeFormatChange();
        EXPECT_EQ(reporter.information.size(), c.refused ? 1u : 0u) << c.text;
        if (c.refused) {
            EXPECT_EQ(reporter.information[0],
                      "The 'Initial String' must be numeric for Code 25 barcode format.");
            EXPECT_EQ(job.Controls.barcodeText.Text, "");
            EXPECT_EQ(reporter.focusCount, 1);
        }
    }
}

} // namespace
