#include "sim/pty/PtyDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace zarvex1 {

PtyDevice::~PtyDevice() {
    if (master_ >= 0)
        ::close(master_);
}

bool PtyDevice::create(std::string &error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char *name = ::ptsname(master_);
    if (name == nullptr) {
        error = std::string("no name for the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;

    // Raw mode belongs to the slave side; it stays set after this descriptor is closed. Without it
    // the line discipline would echo frames back and translate CR and NL bytes.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        error = "cannot open " + slavePath_ + ": " + std::strerror(errno);
        return false;
    }
    termios tio{};
    const bool raw = ::tcgetattr(slave, &tio) == 0 && (::cfmakeraw(&tio), ::cfsetspeed(&tio, B57600) == 0) &&
                     ::tcsetattr(slave, TCSANOW, &tio) == 0;
    ::close(slave);
    if (!raw) {
        error = "cannot set raw mode on " + slavePath_ + ": " + std::strerror(errno);
        return false;
    }
    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

} // namespace zarvex1
