#include "PagePrinter.h"

#include "Exceptions.h"
#include "PageRenderer.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <cups/cups.h>

#include <cmath>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

struct TPagePrinter::Job {
    std::unique_ptr<QPrinter> printer;   // a printer job, or
    std::unique_ptr<QSaveFile> pdfFile;  // a PDF file, written through a temporary file
    std::unique_ptr<QPdfWriter> pdf;
    QPainter painter;
    QPagedPaintDevice* device = nullptr;
    TRenderOptions options;
    bool firstPage = true;
};

TPagePrinter::TPagePrinter() = default;
TPagePrinter::~TPagePrinter() { AbortJob(); }

std::vector<std::string> TPagePrinter::Printers() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

int TPagePrinter::DefaultPrinterIndex() {
    const QString name = QPrinterInfo::defaultPrinterName();
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return name.isEmpty() ? -1 : int(names.indexOf(name));
}

std::string TPagePrinter::PrinterName() const {
    const auto names = Printers();
    return printerIndex_ >= 0 && printerIndex_ < int(names.size()) ? names[printerIndex_] : "";
}

namespace {

QPageSize PageSizeOf(const TPage& page) {
    return QPageSize(QSizeF(page.WidthMm, page.HeightMm), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

// The dots per inch that a printer prints at, as CUPS knows it: the user's or the queue's
// Resolution option, else the printer's default resolution; 0 when CUPS cannot tell. Qt's
// printer works in 1200 units to the inch whatever the printer's dots are, and symbols placed on
// that grid do not lie on the printer's: a module of 13/1200 inch is 3.25 dots at 300 dpi, and
// its elements come out 3 and 4 dots wide.
int PrinterDotsPerInch(const std::string& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return 0;
    int dpi = 0;
    // "300dpi", "300x600dpi" or "118dpcm": the horizontal resolution, across the bars.
    for (const char* option : {"Resolution", "printer-resolution"}) {
        if (const char* value = cupsGetOption(option, dest->num_options, dest->options)) {
            char* end = nullptr;
            const long x = std::strtol(value, &end, 10);
            if (x <= 0) continue;
            const bool perCm = std::string(end).find("dpcm") != std::string::npos;
            dpi = int(perCm ? std::lround(x * 2.54) : x);
            break;
        }
    }
    if (dpi == 0) {
        if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
            if (ipp_attribute_t* resolution =
                    cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
                int y = 0;
                ipp_res_t units = IPP_RES_PER_INCH;
                const int x = ippGetResolution(resolution, 0, &y, &units);
                dpi = units == IPP_RES_PER_CM ? int(std::lround(x * 2.54)) : x;
            }
            cupsFreeDestInfo(info);
        }
    }
    cupsFreeDests(1, dest);
    return dpi > 0 && dpi <= 9600 ? dpi : 0;
}

// Every page of a job passes through Qt's PDF engine in blocks of a few hundred kilobytes (the
// page's content, the chunks it is compressed from, zlib's state) that are freed once the page
// is written. glibc hands blocks of that size back to the system at once and faults them in anew
// for the next page, which costs a long run more time than drawing its pages. From the first job
// on, freed blocks are kept for reuse; the peak of memory stays what it was.
void KeepFreedBlocksForReuse() {
#ifdef __GLIBC__
    static const bool once = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    (void)once;
#endif
}

} // namespace

void TPagePrinter::BeginJob(const std::string& title) {
    AbortJob();
    KeepFreedBlocksForReuse();
    auto job = std::make_unique<Job>();
    if (!pdfFile_.empty()) {
        job->pdfFile = std::make_unique<QSaveFile>(QString::fromStdString(pdfFile_.string()));
        if (!job->pdfFile->open(QIODevice::WriteOnly))
            throw Exception("Cannot create file \"" + pdfFile_.string() + "\". " +
                            job->pdfFile->errorString().toStdString());
        job->pdf = std::make_unique<QPdfWriter>(job->pdfFile.get());
        job->pdf->setTitle(QString::fromStdString(title));
        job->pdf->setCreator("Qubrin");
        // The dot grid of the resolution asked for, or exact vectors in page pixels: the
        // symbols' edges are whole page pixels, short and exact to write.
        job->options.Dpi = pdfDpi_ > 0 ? pdfDpi_ : 96;
        job->options.SnapToDots = pdfDpi_ > 0;
        job->pdf->setResolution(int(job->options.Dpi));
        job->pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        job->device = job->pdf.get();
    } else {
        const std::string name = PrinterName();
        if (name.empty()) throw Exception("No printer is selected.");
        job->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        job->printer->setPrinterName(QString::fromStdString(name));
        if (!job->printer->isValid())
            throw Exception("The printer \"" + name + "\" is not available.");
        job->printer->setDocName(QString::fromStdString(title));
        job->printer->setFullPage(true);
        job->printer->setPageMargins(QMarginsF(0, 0, 0, 0));
        // The painter's units become the printer's dots, so that symbols snap to its dot grid.
        if (const int dpi = PrinterDotsPerInch(name); dpi > 0) job->printer->setResolution(dpi);
        job->options.Dpi = job->printer->resolution();
        job->options.SnapToDots = true;
        job->device = job->printer.get();
    }
    job_ = std::move(job);
    // The job is open from here on, before its first page: JobOpen() tells the preview to hand
    // each finished page to the job at once instead of keeping it.
    painter_ = &job_->painter;
}

void TPagePrinter::AddPage(const TPage& page) {
    if (!job_) return;
    Job& job = *job_;
    job.device->setPageSize(PageSizeOf(page));
    job.device->setPageOrientation(QPageLayout::Portrait);
    if (job.firstPage) {
        if (!job.painter.begin(job.device)) {
            const std::string target = job.pdfFile ? pdfFile_.string() : PrinterName();
            AbortJob();
            throw Exception("The print job for \"" + target + "\" could not be started.");
        }
        job.firstPage = false;
    } else if (!job.device->newPage()) {
        AbortJob();
        throw Exception("The printer could not start a new page.");
    }
    RenderPage(page, job.painter, job.options);
}

void TPagePrinter::EndJob() {
    if (!job_) return;
    std::unique_ptr<Job> job = std::move(job_);
    painter_ = nullptr;
    if (job->firstPage) { // a job without a page: open the device for one blank page
        if (!job->painter.begin(job->device))
            throw Exception("The print job could not be started.");
    }
    const bool ended = job->painter.end();
    if (job->pdfFile) {
        job->pdf.reset();
        if (!ended || !job->pdfFile->commit())
            throw Exception("Cannot write file \"" + pdfFile_.string() + "\". " +
                            job->pdfFile->errorString().toStdString());
        return;
    }
    if (!ended || job->printer->printerState() == QPrinter::Error)
        throw Exception("The printer \"" + job->printer->printerName().toStdString() +
                        "\" did not accept the job.");
}

void TPagePrinter::AbortJob() {
    if (!job_) return;
    std::unique_ptr<Job> job = std::move(job_);
    painter_ = nullptr;
    if (job->printer) job->printer->abort();
    if (job->painter.isActive()) job->painter.end();
    if (job->pdfFile) {
        job->pdf.reset();
        job->pdfFile->cancelWriting();
    }
}
