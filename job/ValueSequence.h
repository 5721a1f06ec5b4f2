#pragma once
// The label value sequence of one command: a working prefix (the Initial String) followed by a
// counter written with Length digits, growing by Increment from label to label. When the counter
// outgrows its digits the prefix's first character advances by one and the counter starts again
// at 1. Values for the EAN and UPC formats are checked, padded or cut, and given their check
// digit; Code 25 values are checked in the preview.
#include "Barcode.h"
#include "JobControls.h"
#include "JobReporter.h"
#include "LabelJobSettings.h"

#include <cstdint>
#include <string>

class TValueSequence {
public:
    enum class TCommand { Preview, PrintRun };

    TValueSequence(TBarcodeSymbol& symbol, TJobControls& controls, IJobReporter& reporter);

    // Sets the symbol's Typ from the Format list position and prepares prefix, counter and
    // digits. False when Initial Value is longer than Length: the message has been shown and
    // the command must end before anything is drawn.
    bool Start(const LabelJobSettings& settings, int formatIndex);

    // Sets the symbol's Text to the next label's value, shaped for its Typ. False when the value
    // was rejected: the message has been shown, the Initial String box emptied (and focused when
    // windowShowing) and the command must end; the counter has not advanced by Increment
    // (a rollover just before the rejection has set it to 1).
    bool NextValue(TCommand command, bool windowShowing);

    // After a label is drawn: the counter grows by Increment, as 32-bit two's complement.
    void Advance();

    const std::string& Prefix() const { return prefix_; }
    std::int32_t Counter() const { return counter_; }

    // The counter in its digits: zero-padded on the left to Length characters, a minus sign
    // counting as one of them; a longer number keeps all its digits.
    std::string FormatCounter(std::int32_t counter) const;

private:
    bool Shape(TCommand command, bool windowShowing);
    void Reject(const char* message, bool windowShowing);

    TBarcodeSymbol& symbol_;
    TJobControls& controls_;
    IJobReporter& reporter_;
    std::string prefix_;
    std::int32_t counter_ = 0;
    std::int32_t increment_ = 0;
    std::int32_t length_ = 0;
};
