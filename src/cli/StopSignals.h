#pragma once

namespace zarvex1 {

// SIGINT and SIGTERM ask a running command to end cleanly instead of killing the process.
void InstallStopSignals();
bool StopRequested();

} // namespace zarvex1
