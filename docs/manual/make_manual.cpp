// Builds a PDF manual from its Markdown text: zarvex1-manual INPUT.md OUTPUT.pdf
#include "gui/about/Logo.h"

#include <QFile>
#include <QGuiApplication>
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
        table->setFormat(format);
    }
}

} // namespace

int main(int argc, char *argv[]) {
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

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(text);
    PlaceLogo(document);
    FormatTables(document);

    QPdfWriter writer(QString::fromLocal8Bit(pdf));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("ZARVEX1 Studio"));
    writer.setTitle(document.begin().text());
    document.print(&writer);
    QFile output(QString::fromLocal8Bit(pdf));
    if (!output.exists() || output.size() == 0) {
        std::fprintf(stderr, "zarvex1-manual: cannot write %s\n", pdf);
        return 1;
    }
    return 0;
}
