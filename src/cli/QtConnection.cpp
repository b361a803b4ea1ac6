#include "cli/QtConnection.h"

#include "cli/LinkSession.h"

#include <QElapsedTimer>
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

long long MonotonicMs() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return clock.elapsed();
}

} // namespace

QtConnection::QtConnection() : connection_{port_, RunTicks, MonotonicMs} {}

} // namespace zarvex1
