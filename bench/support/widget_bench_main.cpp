// The main of the benchmarks of the Qt half (the window, its widgets, the real port): painting happens
// offscreen unless a display is asked for.
#include "gui/app/DisplayServer.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zarvex1::PrepareDisplayServer(); // as the program does
    QApplication app(argc, argv);
    zarvex1::DisplayServerConnected();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
