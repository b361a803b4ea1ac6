#include "core/link/TestCommands.h"

namespace zarvex1 {

void SetTestBit(TestBits &bits, TestButton button) {
    struct Bit {
        int byte;
        std::uint8_t mask;
    };
    static constexpr Bit bitOf[] = {
        {0, 0x01}, {0, 0x02},                       // ignition outputs 1, 2
        {1, 0x01}, {1, 0x02}, {1, 0x04}, {1, 0x08}, // power outputs 1..4
        {1, 0x10},                                  // tachometer at the test engine speed
        {2, 0x01}, {2, 0x02},                       // servo up, down
    };
    const Bit bit = bitOf[static_cast<int>(button)];
    bits[bit.byte] |= bit.mask;
}

} // namespace zarvex1
