#pragma once

#include "sim/SimulatedPort.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace zarvex1 {

// Runs the in-process unit on the wall clock, for the program started with --simulate: whenever the line
// or the unit has something due, the port is brought to the present, so the link sees the unit as on a
// real line. It sleeps between events; a write of the link wakes it.
class SimulatedLineClock : public QObject {
public:
    explicit SimulatedLineClock(SimulatedPort &port, QObject *parent = nullptr);
    ~SimulatedLineClock() override;

private:
    SimTime Present() const;
    void Run();
    void Schedule();

    SimulatedPort &port_;
    QElapsedTimer clock_;
    QTimer timer_;
};

} // namespace zarvex1
