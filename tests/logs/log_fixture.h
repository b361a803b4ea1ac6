#pragma once

#include "core/logs/LogFormat.h"
#include "core/params/Defaults.h"
#include "sim/SimulatedUnit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zarvex1::test {

// A frame's row, as the recorder writes the record the link makes of it.
inline void AppendLogRow(std::string &out, long long ms, const Frame &frame, const LogSetName &set) {
    zarvex1::AppendLogRow(out, ms, LiveRecord::Decode(frame, ms, 0), set);
}

// A unit in process with the engine on its drag-strip run, and the set it holds: the frames it sends
// every 55 ms tick are the log's input.
struct SimulatedRun {
    explicit SimulatedRun(ParameterImage set = FirstStartSet()) : image(set), unit(Options(), set) {}

    static SimOptions Options() {
        SimOptions options;
        options.engine = EngineMode::Running;
        return options;
    }
    // Frame n of the run, at n ticks.
    Frame frameAt(int tick) const { return unit.monitorFrame(55LL * tick); }

    // A whole log of `ticks` frames, as the recorder writes it.
    std::string log(int ticks, const LogSetName &set = {}) const {
        std::string text = LogHeader();
        for (int tick = 0; tick < ticks; ++tick)
            AppendLogRow(text, 55LL * tick, frameAt(tick), set);
        return text;
    }

    ParameterImage image;
    SimulatedUnit unit;
};

inline MonitorLog ReadOrFail(const std::string &text) {
    LogReadResult result = ReadMonitorLog(text);
    EXPECT_TRUE(result.log) << result.error;
    return result.log ? std::move(*result.log) : MonitorLog();
}

} // namespace zarvex1::test
