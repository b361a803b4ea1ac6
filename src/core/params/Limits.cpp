#include "core/params/Limits.h"

namespace zarvex1 {

namespace {

// Three passes: each point at least lo + d i, at most hi - d (n-1-i), then each above its predecessor by d.
void RisingAxis(ParameterImage &image, int w, int lo, int hi, int n, int d) {
    for (int i = 0; i < n; ++i)
        if (image.word(w + i) < lo + d * i)
            image.setWord(w + i, lo + d * i);
    for (int i = 0; i < n; ++i)
        if (image.word(w + i) > hi - d * (n - 1 - i))
            image.setWord(w + i, hi - d * (n - 1 - i));
    for (int i = 1; i < n; ++i)
        if (image.word(w + i) <= image.word(w + i - 1))
            image.setWord(w + i, image.word(w + i - 1) + d);
}

void ByteClamp(ParameterImage &image, int a, int lo, int hi, int n) {
    for (int i = a; i < a + n; ++i)
        if (image.byte(i) < lo)
            image.setByte(i, lo);
    for (int i = a; i < a + n; ++i)
        if (image.byte(i) > hi)
            image.setByte(i, hi);
}

bool UsesSecondPickup(int method) {
    return method == 0 || method == 4 || method == 6 || method == 10;
}

} // namespace

void LimitParameters(ParameterImage &image) {
    RisingAxis(image, Adrw::AdvanceRpm1, 100, 25000, 15, 50);
    RisingAxis(image, Adrw::AdvanceRpm2, 100, 25000, 15, 50);
    RisingAxis(image, Adrw::ServoRpm, 100, 25000, 15, 50);
    RisingAxis(image, Adrw::IapAxis, 0, 1000, 10, 1);
    ByteClamp(image, Adrb::Advance1, 0, 60, 150);
    ByteClamp(image, Adrb::Advance2, 0, 60, 150);
    RisingAxis(image, Adrw::TpsVoltage0, 200, 4950, 2, 10);
    RisingAxis(image, Adrw::IapPressure1, 0, 1000, 2, 10);

    if (image.byte(Adrb::PickupSystem) == 0)
        image.setByte(Adrb::LobeCount, 1);
    const int lobes = image.byte(Adrb::LobeCount);
    for (int c = 0; c < 2; ++c) {
        if (image.byte(Adrb::MaxAdvanceLobe + c) > lobes)
            image.setByte(Adrb::MaxAdvanceLobe + c, lobes);
        if (image.byte(Adrb::StartAdvanceLobe + c) > lobes)
            image.setByte(Adrb::StartAdvanceLobe + c, lobes);
        if (!UsesSecondPickup(image.byte(Adrb::PickupSystem))) {
            image.setByte(Adrb::MaxAdvanceSecondPickup + c, 0);
            image.setByte(Adrb::StartAdvanceSecondPickup + c, 0);
        }
    }
    if (image.byte(Adrb::OutputCount) >= 2)
        image.setByte(Adrb::OutputCount, 2);

    // Power outputs 1..3; the rising fix comes before the minimum of 3.
    for (int i = 0; i < 3; ++i) {
        for (int k = 1; k <= 2; ++k) {
            const int at = Adrb::PowerOutRpm + 3 * i + k;
            if (image.byte(at) <= image.byte(at - 1))
                image.setByte(at, image.byte(at - 1) + 1);
        }
        const int load = Adrb::PowerOutLoad + 2 * i;
        if (image.byte(load + 1) <= image.byte(load))
            image.setByte(load + 1, image.byte(load) + 1);
        for (int k = 0; k < 3; ++k)
            if (image.byte(Adrb::PowerOutRpm + 3 * i + k) < 3)
                image.setByte(Adrb::PowerOutRpm + 3 * i + k, 3);
    }
}

void LimitParameters(ParameterImage &image, LimitedSettings &settings) {
    LimitParameters(image);
    if (settings.languageIndex > 3 || settings.languageIndex == 2)
        settings.languageIndex = 0;
    if (settings.portIndex >= 31 || settings.portIndex < 0)
        settings.portIndex = 0;
    if (settings.scanIndex >= 30 || settings.scanIndex < 0)
        settings.scanIndex = 0;
}

} // namespace zarvex1
