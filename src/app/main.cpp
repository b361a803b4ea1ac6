#include "app/MainForm.h"
#include "app/StartOptions.h"
#include "app/TerminationSignals.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcessEnvironment>

#include <exception>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZARVEX1"));
    QApplication::setOrganizationName(QStringLiteral("Morvanel"));
    try {
        QStringList arguments = QApplication::arguments();
        arguments.removeFirst();
        const auto options = zarvex1::StartOptions::Parse(
            arguments, QProcessEnvironment::systemEnvironment().value(QStringLiteral("ZARVEX1_PORT")));
        // Logout, shutdown, a closed terminal or kill close the window as the user would; a signal that
        // comes while the window is being built waits for the event loop.
        zarvex1::TerminationSignals stopSignals;
        zarvex1::TMainForm mainForm(options);
        QObject::connect(&stopSignals, &zarvex1::TerminationSignals::received, &mainForm, [&mainForm] {
            mainForm.close();
            QApplication::quit();
        });
        mainForm.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        // Whatever escapes the windows ends the program after the standard error dialog.
        QMessageBox::critical(nullptr, QStringLiteral("ZARVEX1"), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("ZARVEX1"), QStringLiteral("Unknown error"));
    }
    return 0;
}
