#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace zarvex1 {

// Every modal box of the main window goes through here, so that tests can answer it.
struct Dialogs {
    // A message box with an OK button.
    static void Message(QWidget *parent, const QString &text);
    // A message box that does not stop the caller: the timer goes on while it is shown.
    static void Notify(QWidget *parent, const QString &text);
    // Yes, No and Cancel; returns the button pressed.
    static QMessageBox::StandardButton AskYesNoCancel(QWidget *parent, const QString &text);
    // File dialogs; an empty result means Cancel.
    static QString OpenFileName(QWidget *parent, const QString &startPath, const QString &filter);
    static QString SaveFileName(QWidget *parent, const QString &startPath, const QString &filter);

    // Test hooks: when set, they answer in place of the dialog.
    static inline std::function<void(const QString &)> messageHook;
    static inline std::function<QMessageBox::StandardButton(const QString &)> askHook;
    static inline std::function<QString(const QString &startPath)> openHook;
    static inline std::function<QString(const QString &startPath)> saveHook;
};

} // namespace zarvex1
