// qubrin-cli values: the label values of a job as the preview forms them.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ValuesCommand, FormsTheSheetsValues) {
    struct Case {
        const char* why;
        std::vector<QStringList> setUp; // "job set" runs, in order (some show a message)
        QStringList options;
        std::vector<std::string> values; // the first ones
        std::size_t count;
        const char* last = nullptr;
    };
    const Case cases[] = {
        {"defaults: one sheet of 30", {}, {}, {"VORDA-0001", "VORDA-0002"}, 30, "VORDA-0030"},
        {"past the sheet, as the next pages would",
         {},
         {"--count", "61"},
         {"VORDA-0001"},
         61,
         "VORDA-0061"},
        {"count 0", {}, {"--count", "0"}, {}, 0},
        {"a row stops at the page's edge: 4 of 5 columns",
         {{"columns=5", "rows=2"}},
         {},
         {"VORDA-0001"},
         8,
         "VORDA-0008"},
        {"rollover advances the prefix and restarts at 1",
         {{"initialString=AB-", "initialValue=9998"}},
         {"--count", "4"},
         {"AB-9998", "AB-9999", "BB-0001", "BB-0002"},
         4},
        {"counting down through the minus sign",
         {{"increment=-1"}},
         {"--count", "3"},
         {"VORDA-0001", "VORDA-0000", "VORDA--001"},
         3},
        {"Length 0: the prefix alone",
         {{"length=0", "initialValue=1234"}},
         {"--count", "2"},
         {"VORDA-", "VORDA-"},
         2},
        {"EAN13 pads to twelve digits and adds the check digit",
         {{"format=EAN13", "initialString="}},
         {"--count", "2"},
         {"0000000000017", "0000000000024"},
         2},
        {"EAN13 cuts the counter off a twelve-digit prefix",
         {{"format=EAN13", "initialString=590123412345"}},
         {"--count", "2"},
         {"5901234123457", "5901234123457"},
         2},
        {"UPC_A drops the last counter digit",
         {{"format=UPC_A", "initialString=0360002914", "length=2", "initialValue=5"}},
         {"--count", "1"},
         {"036000291407"},
         1},
        {"Print Barcode off: no values whatever the count",
         {{"printBarcode=0"}},
         {"--count", "5"},
         {},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        for (const QStringList& set : c.setUp)
            EXPECT_EQ(s.Set(set).status, 0);
        const CliRun run = s.Run(QStringList{"values"} + c.options);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = Lines(run.out);
        EXPECT_EQ(lines.size(), c.count);
        for (std::size_t i = 0; i < c.values.size() && i < lines.size(); ++i)
            EXPECT_EQ(lines[i], c.values[i]) << i;
        if (c.last && !lines.empty()) {
            EXPECT_EQ(lines.back(), c.last); // the count is checked above
        }
    }
}

TEST(ValuesCommand, StopsWithTheMessageWhereTheSequenceStops) {
    struct Case {
        const char* why;
        std::vector<QStringList> setUp;
        QStringList options;
        std::vector<std::string> values; // printed before the stop
        const char* message;
    };
    const Case cases[] = {
        {"Initial Value longer than Length",
         {{"length=3", "initialValue=1234"}},
         {},
         {},
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        // The format is chosen first (its check empties the box), then the letters typed in.
        {"EAN8 with letters",
         {{"format=EAN8"}, {"initialString=ABC"}},
         {},
         {},
         "EAN8 must be integer value."},
        {"Code 25 with a letter, as the preview checks it",
         {{"format=Code 25"}, {"initialString=A1"}},
         {},
         {},
         "bcCode_2_5_interleaved must be integer value."},
        {"EAN13 once the counter turns negative",
         {{"format=EAN13", "initialString=", "increment=-1"}},
         {"--count", "3"},
         {"0000000000017", "0000000000000"},
         "EAN13 must be integer value."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Scratch s;
        for (const QStringList& set : c.setUp)
            s.Set(set);
        const CliRun run = s.Run(QStringList{"values"} + c.options);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
        EXPECT_EQ(Lines(run.out), c.values);
    }
}

TEST(ValuesCommand, RejectsBadCounts) {
    Scratch s;
    for (const char* count : {"-1", "x", "1.5"}) {
        const CliRun run = s.Run({"values", "--count", count});
        EXPECT_EQ(run.status, 2) << count;
        EXPECT_TRUE(run.err.starts_with("qubrin-cli values: ")) << run.err;
    }
}

} // namespace
