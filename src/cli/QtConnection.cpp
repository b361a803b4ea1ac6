#include "QtConnection.h"

#include "LinkSession.h"

#include <QEventLoop>
#include <QTimer>

namespace zarvex1 {

namespace {

void RunTicks(const std::function<bool()> &tick, int budget) {
    int ticks = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(LinkSession::TickMs);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (!tick() && ++ticks < budget)
            return;
        timer.stop();
        loop.quit();
    });
    timer.start();
    loop.exec();
}

} // namespace

QtConnection::QtConnection() : connection_{port_, RunTicks} {}

} // namespace zarvex1
