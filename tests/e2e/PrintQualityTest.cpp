// Print quality: every label of a printed page scans, for every format of the Format list, from
// PDF files rasterised the way label and office printers do: a file made for a 203 dpi printer
// at 203 dpi bilevel, one made for 300 dpi at 300 dpi bilevel, and a plain file (exact vectors)
// at 300 and 600 dpi grey. The labels stay within their cells.
#include "PrintedSheets.h"

namespace {

struct Rasterisation {
    const char* what;
    int pdfDpi; // --dpi of the print run, 0 for a plain PDF
    int rasterDpi;
    Raster raster;
};

const Rasterisation rasterisations[] = {
    {"--dpi 203 at 203 dpi bilevel", 203, 203, Raster::Bilevel},
    {"--dpi 300 at 300 dpi bilevel", 300, 300, Raster::Bilevel},
    {"plain PDF at 300 dpi grey", 0, 300, Raster::Grey},
    {"plain PDF at 600 dpi grey", 0, 600, Raster::Grey},
};

class PrintQuality : public ScratchTest, public testing::WithParamInterface<LabelFormat> {};

TEST_P(PrintQuality, EveryLabelScans) {
    const LabelFormat& format = GetParam();
    const auto jobFile = folder / "Qubrin.cfg";
    const std::vector<std::string> expected = format.ScansFrom(1, 30);

    for (const Rasterisation& r : rasterisations) {
        SCOPED_TRACE(r.what);
        // Each run starts from a new job file, so every PDF carries labels 1 to 30.
        WriteJobFile(jobFile, format, 1);
        const auto pdf = folder / ("labels-" + std::to_string(r.pdfDpi) + ".pdf");
        const PrintOutcome outcome = PrintJobFile(jobFile, {"", pdf, r.pdfDpi});
        ASSERT_TRUE(outcome.ok) << outcome.messages;

        std::string error;
        const std::vector<QImage> pages = RasterisePdf(pdf, r.rasterDpi, r.raster, &error);
        ASSERT_EQ(pages.size(), 1u) << error;
        const SheetGrid grid = ReadSheetGrid(jobFile);
        const auto cells = ScanCells(pages[0], r.rasterDpi, grid, format.decodeAs);
        EXPECT_EQ(ScansOf(cells), expected);
        // Every label, bars and texts, stays within its cell.
        EXPECT_EQ(InkOnCellEdges(pages[0], r.rasterDpi, grid), "");
        // Made for the device's resolution, the symbols come out in whole modules of its dots.
        if (r.pdfDpi == r.rasterDpi) {
            EXPECT_EQ(ElementsOffTheDotGrid(cells, r.rasterDpi), "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, PrintQuality, testing::ValuesIn(AllFormats()),
                         [](const testing::TestParamInfo<LabelFormat>& info) {
                             std::string name = info.param.caption;
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
