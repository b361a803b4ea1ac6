#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace zarvex1 {

// Help > Contents: the manual of the current language, opened with the desktop's viewer.
struct HelpManual {
    // Looks for the manual in the current folder, beside the program and in the installed data
    // folders and opens it. When it cannot be shown, `report` gets why and where the file is or was
    // looked for, in the language: at once when the file is missing, later when the desktop's opener
    // ends with an error (xdg-open ends with 3 where no program for PDF files is set up). The report
    // is dropped when `context` goes first.
    static void Open(const QString &name, int languageIndex, QObject *context,
                     std::function<void(const QString &why)> report);

    // Test hook: when set, it opens the document in place of the desktop.
    static inline std::function<bool(const QUrl &)> openHook;
    // The program that opens a document on Linux and the other free desktops, with the file as its
    // argument; tests name another.
    static inline QString opener = QStringLiteral("xdg-open");
};

} // namespace zarvex1
