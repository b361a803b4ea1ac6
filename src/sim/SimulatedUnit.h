#pragma once

#include "core/link/Frames.h"
#include "core/params/ParameterImage.h"
#include "sim/SimOptions.h"

#include <array>
#include <optional>

namespace zarvex1 {

// What the unit did with one frame from the PC.
struct UnitAnswer {
    std::optional<Frame> reply;
    bool programmed = false; // block 6 stored: a whole parameter set has arrived
    bool handedOver = false; // the unit went into its loader
};

// The ignition unit's side of the protocol: parameter memory, device information, the test commands
// and the live values of its monitor frames. Time comes in from outside (milliseconds since start),
// so the unit itself never waits and can be stepped freely.
class SimulatedUnit {
public:
    SimulatedUnit(const SimOptions &options, const ParameterImage &memory);

    // A valid frame from the PC (poll or data frame).
    UnitAnswer receive(const Frame &frame, long long nowMs);
    // The live values at this moment.
    Frame monitorFrame(long long nowMs) const;
    // The loader runs for a while after a handover and sends nothing.
    bool inLoader(long long nowMs) const { return nowMs < loaderUntilMs_; }

    const ParameterImage &memory() const { return memory_; }
    const DeviceInfo &deviceInfo() const { return info_; }
    // A test changes the unit while it runs: its stored parameters, what it tells of itself.
    ParameterImage &memory() { return memory_; }
    DeviceInfo &deviceInfo() { return info_; }
    // Test commands carried out: ignition 1, 2, power outputs 1..4, engine speed.
    const std::array<int, 7> &testCounts() const { return testCounts_; }

private:
    void runTests(const Frame &poll, long long nowMs);

    SimOptions options_;
    ParameterImage memory_;
    DeviceInfo info_;
    long long savingSinceMs_ = -1;
    long long loaderUntilMs_ = 0;
    int programCycles_ = 0;
    // Test commands received: ignition 1, 2, power outputs 1..4, engine speed; then the servo step.
    std::array<int, 7> testCounts_{};
    int servoTestPosition_ = 100;
    std::array<long long, 4> outputTestUntilMs_{};
    long long rpmTestUntilMs_ = 0;
};

// The device information block from the options (defaults: this build's date and time).
DeviceInfo MakeDeviceInfo(const SimOptions &options);

} // namespace zarvex1
