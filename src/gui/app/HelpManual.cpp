#include "app/HelpManual.h"

#include "files/ManualFile.h"
#include "files/TextFiles.h"

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

bool HelpManual::Open(const QString &name) {
    std::vector<std::filesystem::path> dataFolders;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataFolders.push_back(ToPath(folder));
    const auto manual = FindManual(
        name.toStdString(), ManualFolders(ToPath(QDir::currentPath()),
                                          ToPath(QCoreApplication::applicationDirPath()), dataFolders));
    if (!manual)
        return false;
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(Utf8FromPath(*manual)));
    return openHook ? openHook(url) : QDesktopServices::openUrl(url);
}

} // namespace zarvex1
