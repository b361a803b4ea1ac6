#pragma once

namespace zarvex1 {

// Exit status of zarvex1-cli; scripts rely on these numbers.
namespace ExitCode {
enum : int {
    Success = 0,
    TransferFailed = 1,  // the unit did not answer, or answered wrongly
    SetsDiffer = 1,      // diff: the two parameter sets differ
    UsageOrFile = 2,     // bad command line, or a file that cannot be opened, written or is rejected
    VersionMismatch = 3, // the unit speaks another protocol version
};
}

} // namespace zarvex1
