#pragma once

#include <QTranslator>

namespace zarvex1 {

// Qt's own texts (the buttons of message boxes, file dialogs, key names in menus) in the program's
// language, from the translations Qt brings along; English needs none. Where a translation is not
// installed, Qt's English stays.
class QtTranslations {
public:
    QtTranslations() = default;
    QtTranslations(const QtTranslations &) = delete;
    QtTranslations &operator=(const QtTranslations &) = delete;

    // Language index 0, 1 or 3; true when Qt speaks that language now.
    bool Apply(int languageIndex);

private:
    QTranslator translator_;
    bool installed_ = false;
    int language_ = 0;
};

} // namespace zarvex1
