#include "gui/app/HelpManual.h"

#include "core/files/ManualFile.h"
#include "core/files/TextFiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>

namespace zarvex1 {

namespace {

std::filesystem::path ToPath(const QString &text) {
    return PathFromUtf8(text.toStdString());
}

} // namespace

QString HelpManual::Open(const QString &name, int languageIndex) {
    std::vector<std::filesystem::path> dataFolders;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataFolders.push_back(ToPath(folder));
    const auto folders = ManualFolders(ToPath(QDir::currentPath()),
                                       ToPath(QCoreApplication::applicationDirPath()), dataFolders);
    const auto manual = FindManual(name.toStdString(), folders);
    if (!manual)
        return QString::fromStdString(ManualNotFoundText(languageIndex, folders));
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(Utf8FromPath(*manual)));
    if (openHook ? openHook(url) : QDesktopServices::openUrl(url))
        return {};
    return QString::fromStdString(ManualNotOpenedText(languageIndex, *manual));
}

} // namespace zarvex1
