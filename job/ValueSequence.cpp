#include "ValueSequence.h"

#include "Convert.h"
#include "FormatList.h"

#include <algorithm>
#include <cstring>

namespace {

// The widest counter that a job's Length can ask for. A damaged file may hold any Length; the
// digits stay within this bound so that no value outgrows its buffer.
constexpr std::int32_t MaxLength = 40;

bool AllDigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

TValueSequence::TValueSequence(TBarcodeSymbol& symbol, TJobControls& controls,
                               IJobReporter& reporter)
    : symbol_(symbol), controls_(controls), reporter_(reporter) {}

bool TValueSequence::Start(const LabelJobSettings& settings, int formatIndex) {
    if (formatIndex >= 0 && formatIndex < int(FormatList.size()))
        symbol_.SetTyp(FormatList[formatIndex].Typ); // no selection: Typ stays as it was
    const char* field = settings.initialString;
    prefix_.assign(field, strnlen(field, JobTextMaxLength)); // at most 79 characters
    length_ = settings.length;
    counter_ = settings.initialValue;
    increment_ = settings.increment;
    // A negative Length (only a damaged file has one) is shorter than every number, so it stops
    // here too.
    if (length_ != 0 && std::int64_t(IntToStr(counter_).size()) > length_) {
        reporter_.Information("The length of 'Initial Value ' cannot longer than 'Length'.");
        return false;
    }
    return true;
}

std::string TValueSequence::FormatCounter(std::int32_t counter) const {
    std::string digits = IntToStr(std::int64_t(counter) < 0 ? -std::int64_t(counter) : counter);
    const bool negative = counter < 0;
    const std::int32_t width = std::min(length_, MaxLength);
    const std::int64_t pad = std::int64_t(width) - std::int64_t(digits.size()) - (negative ? 1 : 0);
    if (pad > 0) digits.insert(0, std::size_t(pad), '0');
    return negative ? "-" + digits : digits;
}

bool TValueSequence::NextValue(TCommand command, bool windowShowing) {
    std::string counterText = FormatCounter(counter_);
    // Rollover. A prefix without a first character that can advance (empty, or the last code
    // 255, which would wrap to a NUL and end the text) does not roll over: the counter goes on
    // past its digits, so that no value comes twice.
    if (length_ > 0 && std::int64_t(counterText.size()) > length_ && !prefix_.empty() &&
        static_cast<unsigned char>(prefix_[0]) != 0xFF) {
        prefix_[0] = char(static_cast<unsigned char>(prefix_[0]) + 1);
        counter_ = 1;
        counterText = FormatCounter(counter_);
    }
    symbol_.SetText(length_ > 0 ? prefix_ + counterText : prefix_);
    return Shape(command, windowShowing);
}

bool TValueSequence::Shape(TCommand command, bool windowShowing) {
    const auto rule = std::find_if(ShapingRules.begin(), ShapingRules.end(),
                                   [this](const TShapingRule& r) { return r.Typ == symbol_.GetTyp(); });
    if (rule == ShapingRules.end()) return true;
    if (rule->Shaping == TValueShaping::DigitsPreviewOnly && command != TCommand::Preview)
        return true;
    std::string text = symbol_.GetText();
    if (!AllDigits(text)) {
        Reject(rule->Message, windowShowing);
        return false;
    }
    if (rule->Shaping == TValueShaping::PadAndCheckDigit) {
        const std::size_t digits = std::size_t(rule->DataDigits);
        if (text.size() > digits)
            text.resize(digits);
        else
            text.insert(0, digits - text.size(), '0');
        symbol_.SetText(symbol_.DoCheckSumming(text));
    }
    return true;
}

void TValueSequence::Reject(const char* message, bool windowShowing) {
    reporter_.Information(message);
    controls_.barcodeText.Text.clear();
    if (windowShowing) reporter_.FocusInitialString();
}

void TValueSequence::Advance() {
    counter_ = std::int32_t(std::uint32_t(counter_) + std::uint32_t(increment_));
}
