// The label value sequence: counter digits, rollover, shaping per symbology and its messages.
#include "JobTestSupport.h"
#include "ValueSequence.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct SequenceCase {
    const char* where;
    const char* prefix;
    std::int32_t initialValue, increment, length;
    int format;
    std::vector<std::string> values; // the first labels' values, as the symbol gets them
    const char* message = nullptr;   // the message where the sequence stops
};

LabelJobSettings Record(const SequenceCase& c) {
    LabelJobSettings s{};
    std::strncpy(s.initialString, c.prefix, JobTextMaxLength);
    s.initialValue = c.initialValue;
    s.increment = c.increment;
    s.length = c.length;
    return s;
}

// Forms values as the preview does until the wanted count or a stop; returns the values and the
// message shown, if any.
std::pair<std::vector<std::string>, std::string> FormValues(const SequenceCase& c, std::size_t count,
                                                     TValueSequence::TCommand command,
                                                     TJobControls& controls,
                                                     RecordingReporter& reporter) {
    TBarcodeSymbol symbol;
    TValueSequence sequence(symbol, controls, reporter);
    std::vector<std::string> values;
    if (sequence.Start(Record(c), c.format)) {
        while (values.size() < count && sequence.NextValue(command, true)) {
            values.push_back(symbol.GetText());
            sequence.Advance();
        }
    }
    return {values, reporter.information.empty() ? "" : reporter.information.back()};
}

TEST(ValueSequence, Cases) {
    const SequenceCase cases[] = {
        {"rollover advances the prefix and restarts at 1", "AB-", 9998, 1, 4, 0,
         {"AB-9998", "AB-9999", "BB-0001", "BB-0002"}},
        {"Length 0: the prefix alone", "P", 1234, 1, 0, 0, {"P", "P", "P"}},
        {"Increment 0", "X-", 7, 0, 4, 0, {"X-0007", "X-0007"}},
        {"counting down through zero", "N", 1, -1, 4, 0, {"N0001", "N0000", "N-001", "N-002"}},
        {"EAN13: padded to 12, check digit 7", "", 1, 1, 4, 5, {"0000000000017", "0000000000024"}},
        {"EAN13: a long prefix cuts the counter", "590123412345", 1, 1, 4, 5,
         {"5901234123457", "5901234123457"}},
        {"UPC_A: cut to 11, check digit", "0360002914", 5, 1, 2, 7, {"036000291407"}},
        {"EAN8: padded to 7", "12", 3, 1, 2, 6, {"00012034"}},
        {"Code 39 takes the value as it is", "abc-", 1, 1, 4, 2, {"abc-0001"}},
        {"Code 25 with digits", "12", 34, 1, 2, 4, {"1234"}},
        {"no format selected keeps the symbol's EAN13", "12", 1, 1, 1, -1, {"0000000001212"}},
        {"Initial Value longer than Length", "P", 1234, 1, 3, 0, {},
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        {"a minus sign counts as a digit", "P", -100, 1, 3, 0, {},
         "The length of 'Initial Value ' cannot longer than 'Length'."},
        {"EAN8 with a letter", "ABC", 1, 1, 4, 6, {}, "EAN8 must be integer value."},
        {"EAN13 with a negative counter", "", -5, 1, 4, 5, {}, "EAN13 must be integer value."},
        {"UPC_A with a letter", "A", 1, 1, 4, 7, {}, "UPC_A must be integer value."},
        {"Code 25 with a letter, in the preview", "A1", 1, 1, 4, 4, {},
         "bcCode_2_5_interleaved must be integer value."},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        TJobControls controls;
        const auto [values, message] =
            FormValues(c, c.values.empty() ? 3 : c.values.size(), TValueSequence::TCommand::Preview,
                controls, reporter);
        EXPECT_EQ(values, c.values) << c.where;
        EXPECT_EQ(message, c.message ? c.message : "") << c.where;
        const bool rejected = c.message && std::string(c.message).find("must be") != std::string::npos;
        EXPECT_EQ(controls.barcodeText.Text, rejected ? "" : "VORDA-") << c.where;
        EXPECT_EQ(reporter.focusCount, rejected ? 1 : 0) << c.where;
    }
}

TEST(ValueSequence, CountingDownPastTheDigitsRollsOver) {
    // From 1 down with Length 4: ... -999, then -1000 has five characters: the prefix advances.
    RecordingReporter reporter;
    TJobControls controls;
    const SequenceCase c{"", "N", 1, -1, 4, 0, {}};
    const auto [values, message] = FormValues(c, 1003, TValueSequence::TCommand::Preview, controls, reporter);
    ASSERT_EQ(values.size(), 1003u);
    EXPECT_EQ(values[1000], "N-999");
    EXPECT_EQ(values[1001], "O0001");
    EXPECT_EQ(values[1002], "O0000");
}

TEST(ValueSequence, PrintRunDoesNotCheckCode25) {
    RecordingReporter reporter;
    TJobControls controls;
    const SequenceCase c{"", "A1", 1, 1, 4, 4, {}};
    const auto [values, message] = FormValues(c, 2, TValueSequence::TCommand::PrintRun, controls, reporter);
    EXPECT_EQ(values, (std::vector<std::string>{"A10001", "A10002"}));
    EXPECT_TRUE(reporter.information.empty());
}

TEST(ValueSequence, DamagedRecordsStaySafe) {
    struct Case {
        const char* where;
        const char* prefix;
        std::int32_t initialValue, increment, length;
        std::vector<std::string> values;
    } cases[] = {
        // An empty prefix has nothing to advance: the counter goes on past its digits.
        {"empty prefix at rollover", "", 99, 1, 2, {"99", "100", "101"}},
        {"prefix starting with code 255", "\xff-", 9, 1, 1, {"\xff-9", "\xff-10"}},
        // The counter wraps as 32-bit two's complement.
        {"counter wraps", "W", INT_MAX, 1, 40, {"W" + std::string(30, '0') + "2147483647",
                                               "W-" + std::string(29, '0') + "2147483648"}},
        // Length beyond 40: the digits stay at 40.
        {"length beyond 40", "L", 5, 1, 1000, {"L" + std::string(39, '0') + "5"}},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter;
        TJobControls controls;
        const SequenceCase sc{c.where, c.prefix, c.initialValue, c.increment, c.length, 0, {}};
        const auto [values, message] =
            FormValues(sc, c.values.size(), TValueSequence::TCommand::Preview, controls, reporter);
        EXPECT_EQ(values, c.values) << c.where;
    }
    // A negative Length always stops at the start.
    RecordingReporter reporter;
    TJobControls controls;
    const SequenceCase negative{"", "P", 1, 1, -3, 0, {}};
    EXPECT_TRUE(FormValues(negative, 1, TValueSequence::TCommand::Preview, controls, reporter).first.empty());
    EXPECT_EQ(reporter.information.size(), 1u);
}

TEST(ValueSequence, HandsBackPrefixAndCounter) {
    // What a print run hands back: the prefix with its rollovers and the next counter.
    RecordingReporter reporter;
    TJobControls controls;
    TBarcodeSymbol symbol;
    TValueSequence sequence(symbol, controls, reporter);
    const SequenceCase c{"", "K-", 9990, 1, 4, 0, {}};
    ASSERT_TRUE(sequence.Start(Record(c), 0));
    std::vector<std::string> values;
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(sequence.NextValue(TValueSequence::TCommand::PrintRun, true));
        values.push_back(symbol.GetText());
        sequence.Advance();
    }
    EXPECT_EQ(values[9], "K-9999");
    EXPECT_EQ(values[10], "L-0001");
    EXPECT_EQ(values[29], "L-0020");
    EXPECT_EQ(sequence.Prefix(), "L-");
    EXPECT_EQ(sequence.Counter(), 21);
    EXPECT_EQ(symbol.GetTyp(), bcCode128B);
}

} // namespace
