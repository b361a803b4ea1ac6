#pragma once

#include <string>

namespace zarvex1 {

// The master side of a pseudo-terminal; the program opens the slave path like a serial port.
class PtyDevice {
public:
    PtyDevice() = default;
    ~PtyDevice();
    PtyDevice(const PtyDevice &) = delete;
    PtyDevice &operator=(const PtyDevice &) = delete;

    // Creates the pair, puts the slave into raw mode; false with a reason in `error`.
    bool create(std::string &error);
    int fd() const { return master_; }
    const std::string &slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace zarvex1
