#include "gui/print/WindowPrinter.h"

#include "core/files/PrintTexts.h"
#include "core/files/TextFiles.h"
#include "core/link/Colours.h"
#include "core/params/Defaults.h"
#include "gui/print/PrintableWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace zarvex1 {

namespace {

// Everything the background part needs; it shares nothing with the window.
struct PrintJob {
    QList<QImage> pictures;
    bool toPdf = false;
    QString title;
    std::filesystem::path pdfFolder;
    std::string pdfName;
};

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

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

// The window's picture is taken at three times its size on screen, about 300 dpi across a sheet. A
// picture shows the window exactly as it stands, which drawing widgets straight onto the page does not
// always do.
constexpr int PictureScale = 3;

QImage Picture(QWidget *area) {
    // Layouts follow the controls that were hidden or shown before the picture is taken.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QImage picture(area->size() * PictureScale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(PictureScale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    area->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return picture;
}

// The picture as large as the page allows without distorting it, centred across the page.
void DrawPicture(QPainter &painter, const QImage &picture) {
    const QSizeF size = picture.deviceIndependentSize();
    if (size.isEmpty())
        return;
    const QRect page = painter.viewport();
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    const QRectF target((page.width() - size.width() * scale) / 2, 0, size.width() * scale,
                        size.height() * scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

QPageSize PaperOfTheLocale() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

// The background part: the pictures onto the printer, or into a PDF that replaces nothing but its
// own name.
PrintOutcome Write(const PrintJob &job) {
    QBuffer pdf;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPrinter> printer;
    QPagedPaintDevice *device = nullptr;
    if (job.toPdf) {
        pdf.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&pdf);
        writer->setTitle(job.title);
        writer->setCreator(QStringLiteral("ZARVEX1"));
        writer->setResolution(300);
        writer->setPageSize(PaperOfTheLocale());
        writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        device = writer.get();
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(job.title);
        device = printer.get();
    }
    const QSizeF first = job.pictures.isEmpty() ? QSizeF() : job.pictures.first().deviceIndependentSize();
    device->setPageOrientation(first.width() > first.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);

    const QString deviceName = job.toPdf ? QStringLiteral("PDF") : printer->printerName();
    QPainter painter;
    if (!painter.begin(device))
        return {deviceName, {}};
    for (int i = 0; i < job.pictures.size(); ++i) {
        if (i > 0)
            device->newPage();
        DrawPicture(painter, job.pictures[i]);
    }
    if (!painter.end() || (printer && printer->printerState() == QPrinter::Error))
        return {deviceName, {}};
    if (!job.toPdf)
        return {};

    std::error_code folderError;
    std::filesystem::create_directories(job.pdfFolder, folderError);
    if (folderError)
        return {QString::fromStdString(folderError.message()), {}};
    const auto path = FreePrintPath(job.pdfFolder, job.pdfName);
    const QByteArray &bytes = pdf.data();
    if (const FileResult written =
            WriteWholeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())));
        !written)
        return {QString::fromStdString(written.reason()), {}};
    return {{}, path};
}

} // namespace

WindowPrinter::WindowPrinter(PrintableWindow &window) : window_(window) {
    QObject::connect(&writing_, &QFutureWatcher<PrintOutcome>::finished, &writing_,
                     [this] { Finished(writing_.result()); });
}

WindowPrinter::~WindowPrinter() {
    // A printout being written is finished, so that no PDF is left half made.
    writing_.waitForFinished();
}

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
    // One printout at a time: the one before is written first (a PDF's name is only taken when written).
    writing_.waitForFinished();
    const QDateTime now = QDateTime::currentDateTime();
    PrintJob job;
    job.toPdf =
        target_ == Target::Pdf || (target_ == Target::Automatic && QPrinterInfo::defaultPrinter().isNull());
    job.title = QStringLiteral("ZARVEX1 %1").arg(QString::fromStdString(window_.ParameterFile()));
    job.pdfFolder = PathFromUtf8((pdfFolder_.isEmpty() ? DocumentsFolder() : pdfFolder_).toStdString());
    job.pdfName = PrintFileName(window_.ParameterFile(), Stamp(now));
    {
        PrintLook look(window_, Heading(window_.Texts(), now));
        PagesAlone pages(window_, allPages);
        const int active = window_.ActivePageIndex();
        const int first = allPages ? 0 : active;
        const int last = allPages ? Page::Count - 1 : active;
        for (int page = first; page <= last; ++page) {
            if (allPages)
                window_.ShowPageAlone(page);
            if (observer_) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                observer_(page);
            }
            job.pictures << Picture(window_.PrintArea());
        }
    }
    writing_.setFuture(QtConcurrent::run(Write, std::move(job)));
}

void WindowPrinter::Finished(const PrintOutcome &outcome) {
    const int language = window_.LanguageIndex();
    if (!outcome.error.isEmpty()) {
        window_.ShowMessageLine(QString::fromStdString(PrintErrorText(language, outcome.error.toStdString())),
                                Colour::Red);
    } else if (!outcome.pdf.empty()) {
        const QString shown = QDir::toNativeSeparators(QString::fromStdString(Utf8FromPath(outcome.pdf)));
        window_.ShowMessageLine(QString::fromStdString(PrintedToPdfText(language, shown.toStdString())),
                                Colour::ButtonFace);
    }
}

} // namespace zarvex1
