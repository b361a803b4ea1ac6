#pragma once

#include "core/link/PortDiagnosis.h"

#include <string>
#include <vector>

namespace zarvex1 {

// Looks at a serial device from outside: who holds it and why it cannot be opened. These calls touch the
// system (lock folders, the device node, the process table) and return at once.

// The folders where programs put their UUCP-style lock files (those Qt looks in, in its order).
std::vector<std::string> DefaultLockFolders();

// Another live program holds the device: a lock file in one of the folders, or exclusive mode on it.
PortLock ProbeLock(const std::string &device,
                   const std::vector<std::string> &lockFolders = DefaultLockFolders());

// Everything that explains a failed open: the error of a fresh open, the lock state with its holder,
// the device's group and the user. fallbackError is the port's own error as an error number, taken
// where the system cannot be asked; systemText is the port's own description of the failure.
PortOpenFailure ProbeOpenFailure(const std::string &device, int fallbackError, const std::string &systemText,
                                 const std::vector<std::string> &lockFolders = DefaultLockFolders());

} // namespace zarvex1
