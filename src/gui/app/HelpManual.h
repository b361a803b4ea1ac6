#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace zarvex1 {

// Help > Contents: the manual of the current language, opened with the desktop's viewer.
struct HelpManual {
    // Looks for the manual in the current folder, beside the program and in the installed data
    // folders; false when it is nowhere or the desktop cannot open it.
    static bool Open(const QString &name);

    // Test hook: when set, it opens the document in place of the desktop.
    static inline std::function<bool(const QUrl &)> openHook;
};

} // namespace zarvex1
