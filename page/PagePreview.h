#pragma once
// The page preview: a document of pages of one paper size, the page canvas that draws on the
// current page, zoom, and printing through the page printer.
#include "PageCanvas.h"
#include "PageModel.h"
#include "PagePrinter.h"
#include "PaperSize.h"

#include <functional>
#include <memory>
#include <vector>

class TPagePreview {
public:
    TPagePreview();

    // Bracket each composition; the display is refreshed when the last EndUpdate comes.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();
    bool IsUpdating() const { return updating_ > 0; }

    // Drops all pages; drawing then goes to one empty first page.
    void Clear();
    // Appends a page of the current paper size, which receives the drawing from then on.
    void NewPage();

    void SetPaperSize(TPaperSize size);
    TPaperSize GetPaperSize() const { return paper_; }
    void SetCustomPageSize(double width, double height, TPageUnit unit);
    double GetPageWidth(TPageUnit unit) const;
    double GetPageHeight(TPageUnit unit) const;

    int GetZoom() const { return zoom_; }
    void SetZoom(int percent); // held within MinZoom to MaxZoom
    int ZoomIncrement = 30;
    int MinZoom = 5;
    int MaxZoom = 400;

    TPageCanvas& Canvas() { return canvas_; }
    TPagePrinter& GetPagePrinter() { return printer_; }

    // Prints every page on the printer's target as one job. Raises Exception with the system's
    // reason when the job cannot be sent; then nothing was printed.
    void Print();

    int PageCount() const { return int(pages_.size()); }
    const TPage& Page(int index) const { return pages_[std::size_t(index)]; }
    TPage& CurrentPage() { return pages_.back(); }

    // Called when the display should show new content (the last EndUpdate, a new paper size,
    // a new zoom).
    std::function<void()> OnChange;

private:
    void Changed();

    int updating_ = 0;
    TPaperSize paper_ = A4;
    double widthMm_ = 210, heightMm_ = 297;
    int zoom_ = 100;
    std::vector<TPage> pages_;
    TPageCanvas canvas_;
    TPagePrinter printer_;
};
