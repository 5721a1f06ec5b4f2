#include "PagePreview.h"

#include <algorithm>

TPagePreview::TPagePreview() : canvas_(*this) { pages_.push_back(TPage{widthMm_, heightMm_, {}}); }

void TPagePreview::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) Changed();
}

void TPagePreview::Clear() {
    pages_.clear();
    pages_.push_back(TPage{widthMm_, heightMm_, {}});
    if (printer_.JobOpen()) printer_.AbortJob();
}

void TPagePreview::NewPage() {
    // In a print job the finished page goes to the printer at once and is not kept.
    if (printer_.JobOpen()) {
        printer_.AddPage(pages_.back());
        pages_.clear();
    }
    pages_.push_back(TPage{widthMm_, heightMm_, {}});
}

void TPagePreview::SetPaperSize(TPaperSize size) {
    paper_ = size;
    if (size != Custom) {
        heightMm_ = PaperDimensions[size].HeightMm;
        widthMm_ = PaperDimensions[size].WidthMm;
    }
    for (TPage& page : pages_) {
        page.WidthMm = widthMm_;
        page.HeightMm = heightMm_;
    }
    Changed();
}

void TPagePreview::SetCustomPageSize(double width, double height, TPageUnit unit) {
    widthMm_ = ConvertValue(width, unit, puMillimeters);
    heightMm_ = ConvertValue(height, unit, puMillimeters);
    SetPaperSize(Custom);
}

double TPagePreview::GetPageWidth(TPageUnit unit) const {
    return ConvertValue(widthMm_, puMillimeters, unit);
}

double TPagePreview::GetPageHeight(TPageUnit unit) const {
    return ConvertValue(heightMm_, puMillimeters, unit);
}

void TPagePreview::SetZoom(int percent) {
    zoom_ = std::clamp(percent, MinZoom, MaxZoom);
    Changed();
}

void TPagePreview::Print() {
    if (!printer_.JobOpen()) {
        // Not streamed: the whole document goes as one job now.
        printer_.BeginJob("Qubrin labels");
        try {
            for (const TPage& page : pages_) printer_.AddPage(page);
        } catch (...) {
            printer_.AbortJob();
            throw;
        }
    } else {
        printer_.AddPage(pages_.back());
    }
    printer_.EndJob();
}

void TPagePreview::Changed() {
    if (!IsUpdating() && OnChange) OnChange();
}
