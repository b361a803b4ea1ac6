#pragma once

#include <QString>

#include <functional>

namespace zarvex1 {

class PrintableWindow;

// Print and Print All: the window as it looks, in its print look, on the default printer and scaled
// to fit the page. Where the machine has no printer, the pages go into one PDF in the user's documents
// folder, and the message line says where.
class WindowPrinter {
public:
    enum class Target {
        Automatic, // the default printer, or a PDF where there is none
        Printer,
        Pdf,
    };

    explicit WindowPrinter(PrintableWindow &window);

    // The active page.
    void Print();
    // All nine pages in tab order, one sheet each.
    void PrintAll();

    // Where printouts go; a PDF goes into `pdfFolder`, or the documents folder when it is empty.
    void SetTarget(Target target, const QString &pdfFolder = {});
    // Told of each page just before it is drawn, with the window in its print look.
    void SetPageObserver(std::function<void(int page)> observer) { observer_ = std::move(observer); }

private:
    void Run(bool allPages);

    PrintableWindow &window_;
    Target target_ = Target::Automatic;
    QString pdfFolder_;
    std::function<void(int page)> observer_;
};

} // namespace zarvex1
