#pragma once

#include <QFutureWatcher>
#include <QString>

#include <filesystem>
#include <functional>

namespace zarvex1 {

class PrintableWindow;

// What the background part of a printout reports: an error, or the PDF it wrote.
struct PrintOutcome {
    QString error;
    std::filesystem::path pdf;
};

// Print and Print All: the window as it looks, in its print look, on the default printer and scaled
// to fit the page. Where the machine has no printer, the pages go into one PDF in the user's documents
// folder, and the message line says where. The window's pictures are taken at once; the printer or the
// PDF gets them in the background, so the window goes on working while a printout is written.
class WindowPrinter {
public:
    enum class Target {
        Automatic, // the default printer, or a PDF where there is none
        Printer,
        Pdf,
    };

    explicit WindowPrinter(PrintableWindow &window);
    ~WindowPrinter();
    WindowPrinter(const WindowPrinter &) = delete;
    WindowPrinter &operator=(const WindowPrinter &) = delete;

    // The active page.
    void Print();
    // All nine pages in tab order, one sheet each.
    void PrintAll();

    // Where printouts go; a PDF goes into `pdfFolder`, or the documents folder when it is empty.
    void SetTarget(Target target, const QString &pdfFolder = {});
    // Told of each page just before its picture is taken, with the window in its print look.
    void SetPageObserver(std::function<void(int page)> observer) { observer_ = std::move(observer); }

private:
    void Run(bool allPages);
    void Finished(const PrintOutcome &outcome);

    PrintableWindow &window_;
    Target target_ = Target::Automatic;
    QString pdfFolder_;
    std::function<void(int page)> observer_;
    QFutureWatcher<PrintOutcome> writing_;
};

} // namespace zarvex1
