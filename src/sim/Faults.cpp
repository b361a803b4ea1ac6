#include "sim/Faults.h"

namespace zarvex1 {

Faults::Faults(const SimOptions &o)
    : random_(o.seed), dropPercent_(o.dropPercent), corruptPercent_(o.corruptPercent),
      noisePercent_(o.noisePercent), delayMs_(o.delayMs) {}

bool Faults::chance(int percent) {
    if (percent <= 0)
        return false;
    return std::uniform_int_distribution<int>(0, 99)(random_) < percent;
}

bool Faults::dropReply() {
    return chance(dropPercent_);
}

void Faults::corrupt(Frame &frame) {
    if (chance(corruptPercent_))
        frame.bytes[ChecksumIndex] ^= 0x5A;
}

std::vector<std::uint8_t> Faults::noise() {
    std::vector<std::uint8_t> bytes;
    if (chance(noisePercent_)) {
        bytes.resize(std::uniform_int_distribution<std::size_t>(1, 20)(random_));
        for (auto &b : bytes)
            b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random_));
    }
    return bytes;
}

} // namespace zarvex1
