// Takes the README's pictures of the program on the unit in process: zarvex1-screenshots FOLDER
#include "app/MainForm.h"
#include "app/StartOptions.h"

#include "SimulatedPort.h"
#include "TickStepper.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarvex1-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The pictures show a first start: no settings of the user's are read or written.
    QTemporaryDir settings;
    qputenv("ZARVEX1_SETTINGS_DIR", settings.path().toUtf8());

    using namespace zarvex1;
    SimOptions unit;
    unit.engine = EngineMode::Running;
    StartOptions options;
    options.steppedTicks = true;
    auto simulated = std::make_unique<SimulatedPort>(unit, LineModel::Serial());
    SimulatedPort &port = *simulated;
    TMainForm form(options, std::move(simulated));
    TickStepper stepper(port, [&form] { form.Timer1Timer(); });
    form.resize(1000, 720);
    form.show();

    // The engine runs up for a few seconds, and the Monitor page shows its live values.
    form.PageControl1->setCurrentIndex(Page::Monitor);
    stepper.Step(80);
    QApplication::processEvents();
    const QString monitor = folder.filePath(QStringLiteral("monitor.png"));
    if (!form.grab().save(monitor)) {
        std::fprintf(stderr, "zarvex1-screenshots: cannot write %s\n", qPrintable(monitor));
        return 1;
    }
    std::printf("%s\n", qPrintable(monitor));
    return 0;
}
