#include "print/WindowPrinter.h"

#include "files/PrintTexts.h"
#include "files/TextFiles.h"
#include "link/Colours.h"
#include "params/Defaults.h"
#include "print/PrintableWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace zarvex1 {

namespace {

// The window is in its print look for as long as this lives, however the printout ends.
class PrintLook {
public:
    PrintLook(PrintableWindow &window, const QString &heading) : window_(window) {
        window_.EnterPrintLook(heading);
    }
    ~PrintLook() { window_.LeavePrintLook(); }
    PrintLook(const PrintLook &) = delete;
    PrintLook &operator=(const PrintLook &) = delete;

private:
    PrintableWindow &window_;
};

// Print All shows one page at a time; afterwards all pages show again with the active one in front.
class PagesAlone {
public:
    PagesAlone(PrintableWindow &window, bool active)
        : window_(window), active_(active), page_(window.ActivePageIndex()) {}
    ~PagesAlone() {
        if (active_)
            window_.ShowAllPages(page_);
    }
    PagesAlone(const PagesAlone &) = delete;
    PagesAlone &operator=(const PagesAlone &) = delete;

private:
    PrintableWindow &window_;
    bool active_;
    int page_;
};

QString Heading(const MessageTexts &texts, const QDateTime &now) {
    const QLocale locale = QLocale::system();
    return QString::fromStdString(
        PrintHeadingText(texts, locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
                         locale.toString(now.time(), QLocale::ShortFormat).toStdString()));
}

PrintStamp Stamp(const QDateTime &now) {
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

// Layouts follow the controls that were hidden or shown before the picture is taken.
void SettleLayouts() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// The area as large as the page allows without distorting it, centred across the page.
void DrawArea(QPainter &painter, QWidget *area) {
    const QRect page = painter.viewport();
    const QSize size = area->size();
    if (size.isEmpty())
        return;
    const qreal scale = std::min(page.width() / qreal(size.width()), page.height() / qreal(size.height()));
    painter.save();
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    area->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

QPageSize PaperOfTheLocale() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

} // namespace

WindowPrinter::WindowPrinter(PrintableWindow &window) : window_(window) {}

void WindowPrinter::Print() {
    Run(false);
}

void WindowPrinter::PrintAll() {
    Run(true);
}

void WindowPrinter::SetTarget(Target target, const QString &pdfFolder) {
    target_ = target;
    pdfFolder_ = pdfFolder;
}

void WindowPrinter::Run(bool allPages) {
    const QDateTime now = QDateTime::currentDateTime();
    const bool toPdf =
        target_ == Target::Pdf || (target_ == Target::Automatic && QPrinterInfo::defaultPrinter().isNull());
    const QString title = QStringLiteral("ZARVEX1 %1").arg(QString::fromStdString(window_.ParameterFile()));
    QString error;
    QBuffer pdf;
    {
        PrintLook look(window_, Heading(window_.Texts(), now));
        SettleLayouts();
        QWidget *area = window_.PrintArea();
        const auto orientation =
            area->width() > area->height() ? QPageLayout::Landscape : QPageLayout::Portrait;

        std::unique_ptr<QPdfWriter> writer;
        std::unique_ptr<QPrinter> printer;
        QPagedPaintDevice *device = nullptr;
        if (toPdf) {
            pdf.open(QIODevice::WriteOnly);
            writer = std::make_unique<QPdfWriter>(&pdf);
            writer->setTitle(title);
            writer->setCreator(QStringLiteral("ZARVEX1"));
            writer->setResolution(600);
            writer->setPageSize(PaperOfTheLocale());
            writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            device = writer.get();
        } else {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setDocName(title);
            device = printer.get();
        }
        device->setPageOrientation(orientation);

        QPainter painter;
        if (!painter.begin(device)) {
            error = toPdf ? QStringLiteral("PDF") : printer->printerName();
        } else {
            PagesAlone pages(window_, allPages);
            const int active = window_.ActivePageIndex();
            const int first = allPages ? 0 : active;
            const int last = allPages ? Page::Count - 1 : active;
            for (int page = first; page <= last; ++page) {
                if (page != first)
                    device->newPage();
                if (allPages)
                    window_.ShowPageAlone(page);
                SettleLayouts();
                if (observer_)
                    observer_(page);
                DrawArea(painter, area);
            }
            if (!painter.end() || (printer && printer->printerState() == QPrinter::Error))
                error = toPdf ? QStringLiteral("PDF") : printer->printerName();
        }
    }

    const int language = window_.LanguageIndex();
    if (error.isEmpty() && toPdf) {
        const QString folder =
            !pdfFolder_.isEmpty() ? pdfFolder_
            : !QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                : QDir::homePath();
        const auto folderPath = PathFromUtf8(folder.toStdString());
        std::error_code folderError;
        std::filesystem::create_directories(folderPath, folderError);
        const auto path = FreePrintPath(folderPath, PrintFileName(window_.ParameterFile(), Stamp(now)));
        const QByteArray &bytes = pdf.data();
        const FileResult written =
            folderError
                ? FileResult{folderError}
                : WriteWholeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (written) {
            const QString shown = QDir::toNativeSeparators(QString::fromStdString(Utf8FromPath(path)));
            window_.ShowMessageLine(QString::fromStdString(PrintedToPdfText(language, shown.toStdString())),
                                    Colour::ButtonFace);
            return;
        }
        error = QString::fromStdString(written.reason());
    }
    if (!error.isEmpty())
        window_.ShowMessageLine(QString::fromStdString(PrintErrorText(language, error.toStdString())),
                                Colour::Red);
}

} // namespace zarvex1
