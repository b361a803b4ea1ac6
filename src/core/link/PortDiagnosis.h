#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarvex1 {

// Whether another program holds a port: through a lock file (UUCP style, as minicom and Qt write
// them) or by having set exclusive mode on the open device.
struct PortLock {
    enum class Kind { Free, LockFile, Exclusive };
    Kind kind = Kind::Free;
    int pid = 0;         // the holder, 0 when unknown
    std::string program; // its name, empty when unknown

    bool held() const { return kind != Kind::Free; }
};

// What is known about a failed open, gathered by the real port right after the failure.
struct PortOpenFailure {
    std::string device;         // as opened: a numbered device or an adapter's stable name
    std::string resolvedDevice; // the device node it leads to, empty when there is none
    int errorNumber = 0;        // errno of the open, 0 when unknown
    PortLock lock;
    std::string group;      // the group that owns the device node
    std::string user;       // the user the program runs as
    std::string systemText; // the system's own words for the error, used when nothing better is known
};

enum class PortFault { Unknown, PermissionDenied, Busy, Vanished, Other };

// The kind of fault from the error number and the lock state: a port held by another program is busy
// whatever the open reported.
PortFault ClassifyOpenFailure(int errorNumber, const PortLock &lock);

// Why the port cannot be opened and what to do about it, in the language (0 English, 1 German, 3 Czech);
// empty when nothing is known.
std::string ComOpeningReason(const PortOpenFailure &failure, int languageIndex);

// "Com opening error!" (the caller's text in the current language) with the reason on the lines below.
std::string ComOpeningMessage(const std::string &comOpeningError, const PortOpenFailure &failure,
                              int languageIndex);

// The holder named in a lock file: a process number in ASCII on the first line (UUCP, minicom, Qt),
// optionally the program's name on the second (Qt), or a 4-byte binary process number (old Kermit).
struct LockFileOwner {
    int pid = 0;
    std::string program;
};
std::optional<LockFileOwner> ParseLockFile(std::string_view content);

} // namespace zarvex1
