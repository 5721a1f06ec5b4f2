#include "PagePrinter.h"

#include "Exceptions.h"
#include "PageRenderer.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

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

} // namespace

void TPagePrinter::BeginJob(const std::string& title) {
    AbortJob();
    auto job = std::make_unique<Job>();
    if (!pdfFile_.empty()) {
        job->pdfFile = std::make_unique<QSaveFile>(QString::fromStdString(pdfFile_.string()));
        if (!job->pdfFile->open(QIODevice::WriteOnly))
            throw Exception("Cannot create file \"" + pdfFile_.string() + "\". " +
                            job->pdfFile->errorString().toStdString());
        job->pdf = std::make_unique<QPdfWriter>(job->pdfFile.get());
        job->pdf->setTitle(QString::fromStdString(title));
        job->pdf->setCreator("Qubrin");
        // Exact vectors at a fine resolution, or the dot grid of the resolution asked for.
        job->options.Dpi = pdfDpi_ > 0 ? pdfDpi_ : 1200;
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
        job->options.Dpi = job->printer->resolution();
        job->options.SnapToDots = true; // the printer's own dot grid
        job->device = job->printer.get();
    }
    job_ = std::move(job);
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
        painter_ = &job.painter;
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
