#pragma once
// The page printer: the installed printers in the system's order (Qt print support, CUPS on
// Linux) and one print job at a time. A job's pages are rendered as they are completed, so a
// long run holds no more than one page in memory, and the job reaches the printer whole when it
// ends, or not at all when it is aborted.
#include "PageModel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

class TPagePrinter {
public:
    TPagePrinter();
    ~TPagePrinter();
    TPagePrinter(const TPagePrinter&) = delete;
    TPagePrinter& operator=(const TPagePrinter&) = delete;

    // The installed printers' names in the system's order, and the position of the default one
    // (-1 when there is none).
    static std::vector<std::string> Printers();
    static int DefaultPrinterIndex();

    // The printer that the next job goes to: a position in Printers(), -1 for none.
    void SetPrinterIndex(int index) { printerIndex_ = index; }
    int GetPrinterIndex() const { return printerIndex_; }
    std::string PrinterName() const;

    // Sends the next jobs to a PDF file instead of a printer (an empty path: back to the
    // printer). The file is replaced only when a job ends complete.
    void SetPdfFile(const std::filesystem::path& file) { pdfFile_ = file; }
    const std::filesystem::path& PdfFile() const { return pdfFile_; }

    // The resolution at which a PDF file's symbols are placed on whole dots; 0 leaves them exact
    // vectors. A printer's jobs always use the printer's own resolution.
    void SetPdfResolution(int dpi) { pdfDpi_ = dpi; }

    // The job. BeginJob raises Exception when the target cannot be opened (no printer chosen:
    // "No printer is selected."). AddPage renders one page; EndJob sends the job and raises
    // with the reason when it could not be sent; AbortJob drops the job.
    void BeginJob(const std::string& title);
    void AddPage(const TPage& page);
    void EndJob();
    void AbortJob();
    bool JobOpen() const { return painter_ != nullptr; }

private:
    struct Job;
    int printerIndex_ = -1;
    std::filesystem::path pdfFile_;
    int pdfDpi_ = 0;
    std::unique_ptr<Job> job_;
    QPainter* painter_ = nullptr;
};
