#include "gui/app/QtTranslations.h"

#include "core/texts/MessageTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zarvex1 {

bool QtTranslations::Apply(int languageIndex) {
    if (installed_ && languageIndex == language_)
        return true;
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    language_ = languageIndex;
    const char *code = languageIndex == Language::German  ? "qtbase_de"
                       : languageIndex == Language::Czech ? "qtbase_cs"
                                                          : nullptr;
    if (code == nullptr)
        return true;
    if (!translator_.load(QLatin1String(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
}

} // namespace zarvex1
