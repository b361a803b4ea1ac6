#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace zarvex1 {

// Help > Contents: the manual of the current language, opened with the desktop's viewer.
struct HelpManual {
    // Looks for the manual in the current folder, beside the program and in the installed data
    // folders and opens it. Empty when it is shown; otherwise why not and where the file is or was
    // looked for, in the language.
    static QString Open(const QString &name, int languageIndex);

    // Test hook: when set, it opens the document in place of the desktop.
    static inline std::function<bool(const QUrl &)> openHook;
};

} // namespace zarvex1
