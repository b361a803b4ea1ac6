#pragma once

#include "core/link/Frames.h"

namespace zarvex1 {

// The nine buttons of the Test page; each press sets one bit that the next poll frame carries.
enum class TestButton { Ign1, Ign2, POut1, POut2, POut3, POut4, Rpm, ServoPlus, ServoMinus };

// ORs the button's bit into its byte (frame byte 21: ignition, 22: outputs and rpm, 23: servo).
void SetTestBit(TestBits &bits, TestButton button);

// The test buttons are usable only while the engine stands still (no pick-up reports a signal).
constexpr bool TestButtonsEnabled(bool pickupActive) {
    return !pickupActive;
}

} // namespace zarvex1
