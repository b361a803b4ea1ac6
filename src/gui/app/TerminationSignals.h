#pragma once

#include <QObject>

class QSocketNotifier;

namespace zarvex1 {

// SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, kill, Ctrl+C) become a Qt signal in
// the event loop, so that the program can close its window normally and keep its settings. The handler
// only writes the signal's number into a pipe; everything else happens when the loop reads it. One
// object per process; while it lives the handlers are installed. Nothing is done on Windows, which has
// no such signals.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void ReadPipe();

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace zarvex1
