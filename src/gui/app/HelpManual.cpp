#include "gui/app/HelpManual.h"

#include "core/files/ManualFile.h"
#include "core/files/TextFiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace zarvex1 {

namespace {

std::filesystem::path ToPath(const QString &text) {
    return PathFromUtf8(text.toStdString());
}

// Starts the opener without waiting for it: it may run the viewer in the foreground. Its exit status
// is the only word a free desktop gives on whether a viewer was found, so an error ends in `failed`.
void StartOpener(const QString &file, QObject *context, std::function<void()> failed) {
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(HelpManual::opener);
    process->setArguments({file});
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context, [failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, context, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed();
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
}

} // namespace

void HelpManual::Open(const QString &name, int languageIndex, QObject *context,
                      std::function<void(const QString &why)> report) {
    std::vector<std::filesystem::path> dataFolders;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dataFolders.push_back(ToPath(folder));
    const auto folders = ManualFolders(ToPath(QDir::currentPath()),
                                       ToPath(QCoreApplication::applicationDirPath()), dataFolders);
    const auto manual = FindManual(name.toStdString(), folders);
    if (!manual) {
        report(QString::fromStdString(ManualNotFoundText(languageIndex, folders)));
        return;
    }
    const QString file = QString::fromStdString(Utf8FromPath(*manual));
    const QString notOpened = QString::fromStdString(ManualNotOpenedText(languageIndex, *manual));
    const QUrl url = QUrl::fromLocalFile(file);
    if (openHook) {
        if (!openHook(url))
            report(notOpened);
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices only tells whether xdg-open started, not whether it found a viewer.
    StartOpener(file, context, [report, notOpened] { report(notOpened); });
#else
    Q_UNUSED(context);
    if (!QDesktopServices::openUrl(url))
        report(notOpened);
#endif
}

} // namespace zarvex1
