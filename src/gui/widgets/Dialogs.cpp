#include "gui/widgets/Dialogs.h"

#include <QFileDialog>

namespace zarvex1 {

void Dialogs::Message(QWidget *parent, const QString &text) {
    if (messageHook) {
        messageHook(text);
        return;
    }
    QMessageBox::information(parent, QStringLiteral("ZARVEX1"), text);
}

void Dialogs::Notify(QWidget *parent, const QString &text) {
    if (messageHook) {
        messageHook(text);
        return;
    }
    auto *box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("ZARVEX1"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QMessageBox::StandardButton Dialogs::AskYesNoCancel(QWidget *parent, const QString &text) {
    if (askHook)
        return askHook(text);
    return QMessageBox::question(parent, QStringLiteral("ZARVEX1"), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

QString Dialogs::OpenFileName(QWidget *parent, const QString &startPath, const QString &filter) {
    if (openHook)
        return openHook(startPath);
    return QFileDialog::getOpenFileName(parent, QString(), startPath, filter);
}

QString Dialogs::SaveFileName(QWidget *parent, const QString &startPath, const QString &filter) {
    if (saveHook)
        return saveHook(startPath);
    QFileDialog dialog(parent, QString(), startPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace zarvex1
