// qubrin-cli print into PDF files: the run, its listing and summary, the job file continuing the
// numbering, and the runs that print nothing. (Printing through CUPS is the end-to-end suite's.)
#include "CliRun.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int PdfPages(const QByteArray& pdf) {
    return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

TEST(PrintCommand, PrintsIntoAPdfFileAndTheJobContinues) {
    Scratch s;
    CliRun run = s.Run({"print", "--pdf", "labels", "--pages", "2", "--list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 61u) << run.out;
    EXPECT_EQ(lines[0], "1\tVORDA-0001");
    EXPECT_EQ(lines[29], "1\tVORDA-0030");
    EXPECT_EQ(lines[30], "2\tVORDA-0031");
    EXPECT_EQ(lines[59], "2\tVORDA-0060");
    EXPECT_EQ(lines[60], "printed 2 pages, 60 labels, VORDA-0001 to VORDA-0060 into labels.pdf");
    EXPECT_EQ(PdfPages(s.Read("labels.pdf")), 2); // ".pdf" added to the name

    // The job file holds the continuation, and the page count given.
    EXPECT_EQ(s.Read("Qubrin.cfg").size(), 888);
    EXPECT_EQ(s.Shown("initialValue"), "61");
    EXPECT_EQ(s.Shown("pageCount"), "2");
    EXPECT_EQ(Lines(s.Run({"values", "--count", "1"}).out), std::vector<std::string>{"VORDA-0061"});

    run = s.Run({"print", "--pdf", "next.pdf", "--pages", "1", "--dpi", "203"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "printed 1 page, 30 labels, VORDA-0061 to VORDA-0090 into next.pdf\n");
    EXPECT_EQ(PdfPages(s.Read("next.pdf")), 1);
    EXPECT_EQ(s.Shown("initialValue"), "91");
}

TEST(PrintCommand, EdgeRuns) {
    struct Case {
        const char* why;
        QStringList setUp;
        QStringList options;
        const char* summary;
        const char* initialString; // afterwards
        const char* initialValue;
    };
    const Case cases[] = {
        {"page count 0 prints the one blank page",
         {},
         {"--pages", "0"},
         "printed 1 page, 0 labels into run.pdf",
         "VORDA-",
         "1"},
        {"rollover within the run is handed back",
         {"initialString=K-", "initialValue=9990"},
         {},
         "printed 1 page, 30 labels, K-9990 to L-0020 into run.pdf",
         "L-",
         "21"},
        {"Print Barcode off: texts only, the numbering stays",
         {"printBarcode=0"},
         {},
         "printed 1 page, 0 labels into run.pdf",
         "VORDA-",
         "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        ASSERT_EQ(s.Set(c.setUp).status, 0);
        const CliRun run = s.Run(QStringList{"print", "--pdf", "run.pdf"} + c.options);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, std::string(c.summary) + "\n");
        EXPECT_EQ(PdfPages(s.Read("run.pdf")), 1);
        EXPECT_EQ(s.Shown("initialString"), c.initialString);
        EXPECT_EQ(s.Shown("initialValue"), c.initialValue);
    }
}

TEST(PrintCommand, FailedRunPrintsNothingAndLeavesTheJobFile) {
    struct Case {
        const char* why;
        std::vector<QStringList> setUp;
        const char* pages;
        const char* message;
    };
    const Case cases[] = {
        {"a rejected value",
         {{"format=EAN13"}, {"initialString=AB"}},
         "3",
         "EAN13 must be integer value."},
        {"Initial Value longer than Length",
         {{"length=2", "initialValue=100"}},
         "3",
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        {"more pages than a run may have",
         {{"pageCount=1"}},
         "100001",
         "A print run can have at most 100000 pages."},
        {"a page count near the int limit",
         {{"pageCount=1"}},
         "2147483647",
         "A print run can have at most 100000 pages."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        for (const QStringList& set : c.setUp)
            s.Set(set);
        const QByteArray before = s.Read("Qubrin.cfg");
        ASSERT_EQ(before.size(), 888);
        const CliRun run = s.Run({"print", "--pdf", "never.pdf", "--pages", c.pages, "--list"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(s.Exists("never.pdf"));
        EXPECT_EQ(s.Read("Qubrin.cfg"), before); // the prefix is not lost, --pages not kept
    }
}

TEST(PrintCommand, TargetErrors) {
    struct Case {
        const char* why;
        QStringList setUp;
        QStringList options;
    };
    const Case cases[] = {
        {"an unknown printer", {}, {"--printer", "No Such Printer"}},
        {"a printer and a file", {}, {"--printer", "x", "--pdf", "x.pdf"}},
        {"dots for a printer", {}, {"--dpi", "300"}},
        {"the job's printer is the PDF file entry", {"printer=PDF file"}, {}},
        {"no printer installed, none chosen", {}, {}},
        {"a negative page count", {}, {"--pdf", "x.pdf", "--pages", "-1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        ASSERT_EQ(s.Set(c.setUp).status, 0);
        const QByteArray before = s.Read("Qubrin.cfg");
        const CliRun run = s.Run(QStringList{"print"} + c.options);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.err.starts_with("qubrin-cli print: ")) << run.err;
        EXPECT_EQ(s.Read("Qubrin.cfg"), before);
        EXPECT_FALSE(s.Exists("x.pdf"));
    }
    // The message for an unknown printer names the ones there are.
    Scratch s;
    const CliRun run = s.Run({"print", "--printer", "No Such Printer"});
    EXPECT_NE(run.err.find("(installed: "), std::string::npos) << run.err;
}

} // namespace
