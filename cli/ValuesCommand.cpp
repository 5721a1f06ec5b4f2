#include "ValuesCommand.h"

#include "AnsiArgs.h"
#include "CliJob.h"
#include "CliReporter.h"
#include "Exceptions.h"
#include "SheetGrid.h"
#include "ValueSequence.h"

#include <climits>

namespace {

// The labels of one sheet: the cells that the preview composes, each with a value when Print
// Barcode is on.
int SheetLabels(const TLabelJob& job) {
    if (!job.Controls.printBarcode.Checked) return 0;
    int cells = 0;
    WalkSheetGrid(job.Settings, [&](const TCell&) { return ++cells, true; });
    return cells;
}

} // namespace

int RunValues(std::span<const std::string> args, std::ostream& out) {
    Options options("values", {}, {"config", "count"});
    options.Parse(args);
    CliReporter reporter;
    TLabelJob job(reporter);
    LoadJob(job, ConfigPath(options));
    job.GatherJobSettings();

    const int requested = options.Int("count", SheetLabels(job), 0, INT_MAX);
    // Print Barcode off: no label is given a value and the counter stays, whatever the count.
    const int count = job.Controls.printBarcode.Checked ? requested : 0;
    // As the preview: the sequence starts from the record, each label's value is formed and
    // encoded, the counter then advances. A sheet's worth or more runs on as the next pages of
    // a print run would, with the preview's checks.
    TValueSequence sequence(job.Barcode1, job.Controls, reporter);
    if (!sequence.Start(job.Settings, job.Controls.codeFormat.ItemIndex)) return 1;
    for (int i = 0; i < count; ++i) {
        if (!sequence.NextValue(TValueSequence::TCommand::Preview, false)) return 1;
        try {
            job.Barcode1.GetWidth();
        } catch (const Exception& e) {
            // The preview measures the first label for its picture and reports any failure so;
            // a later label fails with the symbol's own message when it is drawn.
            if (i == 0)
                reporter.Information(
                    "The 'Initial String' must be numeric for Code 25 barcode format.");
            else
                reporter.Error(e.Message());
            return 1;
        }
        out << AnsiToUtf8(job.Barcode1.GetText()) << '\n';
        sequence.Advance();
    }
    return reporter.Messages() > 0 ? 1 : 0;
}
