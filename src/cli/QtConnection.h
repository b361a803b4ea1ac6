#pragma once

#include "cli/UnitConnection.h"

#include "qtport/QtSerialPort.h"

namespace zarvex1 {

// The real serial port, its ticks run by a 55 ms timer in Qt's event loop so that the port collects the
// unit's bytes between them. Needs a QCoreApplication.
class QtConnection {
public:
    QtConnection();
    UnitConnection &connection() { return connection_; }

private:
    QtSerialPort port_;
    UnitConnection connection_;
};

} // namespace zarvex1
