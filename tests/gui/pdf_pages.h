#pragma once

#include <QFile>
#include <QRegularExpression>

namespace zarvex1::test {

// The number of pages a PDF says it has, or -1 when it is no PDF.
inline int PdfPageCount(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray content = file.readAll();
    if (!content.startsWith("%PDF"))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"))
                           .match(QString::fromLatin1(content));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace zarvex1::test
