// Builds a PDF manual from its Markdown text: zarvex1-manual INPUT.md OUTPUT.pdf
// SOURCE_DATE_EPOCH, when set, is the PDF's creation date: two builds of one text give the same bytes.
#include "PdfOutline.h"
#include "gui/about/Logo.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QHashSeed>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

namespace {

const QString LogoName = QStringLiteral("logo.png");
constexpr int LogoWidth = 159; // the logo's size in the About window, here twice as large
constexpr int LogoHeight = 81;

// The Markdown names the logo; it is painted here, sharp at print resolution.
void PlaceLogo(QTextDocument &document) {
    document.addResource(QTextDocument::ImageResource, QUrl(LogoName),
                         zarvex1::LogoPixmap(QSize(LogoWidth, LogoHeight), 6).toImage());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.isValid() || image.name() != LogoName)
                continue;
            image.setWidth(2 * LogoWidth);
            image.setHeight(2 * LogoHeight);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

// Tables with room around their text and thin grey rules.
void FormatTables(QTextDocument &document) {
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(1);
        format.setBorderBrush(QColor(0x9a, 0xa0, 0xa8));
        format.setBorderCollapse(true);
        if (table->columns() == 5) { // the parameter reference: room for what a value does
            format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 18),
                                              QTextLength(QTextLength::PercentageLength, 16),
                                              QTextLength(QTextLength::PercentageLength, 14),
                                              QTextLength(QTextLength::PercentageLength, 14),
                                              QTextLength(QTextLength::PercentageLength, 38)});
        }
        table->setFormat(format);
    }
}

// The chapters (level 2 in the Markdown) and their sections (level 3) with the page each begins on.
std::vector<zarvex1::manual::OutlineItem> Headings(const QTextDocument &document, const QSizeF &page,
                                                   double pointsPerPixel) {
    std::vector<zarvex1::manual::OutlineItem> headings;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level != 2 && level != 3)
            continue;
        const double y = layout->blockBoundingRect(block).top();
        const int index = static_cast<int>(y / page.height());
        headings.push_back(
            {block.text(), level - 1, index, (page.height() - (y - index * page.height())) * pointsPerPixel});
    }
    return headings;
}

// Prints the document page by page as QTextDocument::print does, with 2 cm margins and the page
// number at the bottom right, on a page laid out here so that the headings' pages are known.
void Print(QTextDocument &document, QPdfWriter &writer, const QSizeF &page) {
    QPainter painter(&writer);
    const int dpi = writer.resolution();
    const double margin = 2 / 2.54 * dpi;
    const QPointF numberAt(page.width() - margin, page.height() - margin +
                                                      QFontMetrics(document.defaultFont(), &writer).ascent() +
                                                      5 * dpi / 72.0);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF view(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.setClipping(false);
        painter.setFont(document.defaultFont());
        const QString number = QString::number(index + 1);
        painter.drawText(qRound(numberAt.x() - painter.fontMetrics().horizontalAdvance(number)),
                         qRound(numberAt.y() + view.top()), number);
        painter.restore();
    }
}

} // namespace

int main(int argc, char *argv[]) {
    // Qt's PDF writer keeps its fonts in a hash: a fixed seed writes them in the same order every run.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zarvex1-manual INPUT.md [MORE.md ...] OUTPUT.pdf\n");
        return 2;
    }
    // The parts follow each other in the order given: the guide, then generated chapters.
    QString text;
    for (int i = 1; i < argc - 1; ++i) {
        QFile input(QString::fromLocal8Bit(argv[i]));
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "zarvex1-manual: cannot read %s\n", argv[i]);
            return 1;
        }
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        text += QString::fromUtf8(input.readAll());
    }
    const char *pdf = argv[argc - 1];

    QPdfWriter writer(QString::fromLocal8Bit(pdf));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("ZARVEX1 Studio"));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(text);
    PlaceLogo(document);
    FormatTables(document);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * 96); // the layout's lengths are pixels of 96 dpi, scaled to the page
    document.rootFrame()->setFrameFormat(frame);
    const QSizeF page(writer.width(), writer.height());
    document.setPageSize(page);
    writer.setTitle(document.begin().text());

    Print(document, writer, page);
    const auto outline = Headings(document, page, 72.0 / writer.resolution());
    QFile output(QString::fromLocal8Bit(pdf));
    if (!output.open(QIODevice::ReadWrite) || output.size() == 0) {
        std::fprintf(stderr, "zarvex1-manual: cannot write %s\n", pdf);
        return 1;
    }
    QByteArray bytes = output.readAll();
    std::optional<qint64> epoch;
    bool isNumber = false;
    if (const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&isNumber); isNumber)
        epoch = seconds;
    QString why;
    if (!zarvex1::manual::FinishPdf(bytes, outline, epoch, &why)) {
        std::fprintf(stderr, "zarvex1-manual: %s: %s\n", pdf, qPrintable(why));
        return 1;
    }
    output.seek(0);
    if (output.write(bytes) != bytes.size() || !output.resize(bytes.size()) || !output.flush()) {
        std::fprintf(stderr, "zarvex1-manual: cannot write %s\n", pdf);
        return 1;
    }
    return 0;
}
