#include "qtport/SettingsLocation.h"

#include "core/files/SettingsFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>

#include <system_error>

namespace zarvex1 {

namespace {

std::filesystem::path ToPath(const QString &text) {
    return std::filesystem::path(text.toStdU16String());
}

// The folder shared by all users of the machine on Windows, the user's own data folder elsewhere.
QString ApplicationDataFolder() {
#ifdef _WIN32
    const QString common = qEnvironmentVariable("ProgramData");
    if (!common.isEmpty())
        return common;
    const QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return all.size() > 1 ? all.at(1) : QString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

} // namespace

std::filesystem::path SettingsFolder() {
    const QString chosen = qEnvironmentVariable("ZARVEX1_SETTINGS_DIR");
    if (!chosen.isEmpty()) {
        const std::filesystem::path folder = ToPath(chosen);
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        return folder;
    }
    const QString base = ApplicationDataFolder();
    if (base.isEmpty())
        return {};
    std::error_code ignored;
    std::filesystem::create_directories(ToPath(base), ignored);
    return CreateSettingsFolder(ToPath(base));
}

std::filesystem::path DefaultParameterPath() {
    return ExeDirParameterPath(ToPath(QCoreApplication::applicationDirPath()), SettingsFolder());
}

} // namespace zarvex1
