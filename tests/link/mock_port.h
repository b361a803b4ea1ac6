#pragma once

#include "core/link/Frames.h"
#include "core/link/SerialPort.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zarvex1::test {

// A scripted port: tests feed what the unit sends and read what the link wrote.
class MockPort : public SerialPort {
public:
    bool open(const std::string &device) override {
        opened.push_back(device);
        if (failingDevices.count(device) || failAll)
            return false;
        open_ = true;
        return true;
    }
    void close() override {
        if (open_)
            ++closeCount;
        open_ = false;
        input.clear();
    }
    bool isOpen() const override { return open_; }
    int bytesWaiting() override { return open_ ? static_cast<int>(input.size()) : 0; }
    int read(std::uint8_t *buffer, int maxBytes) override {
        ++readCount;
        const int count = std::min({maxBytes, static_cast<int>(input.size()), readLimit});
        std::copy_n(input.begin(), count, buffer);
        input.erase(input.begin(), input.begin() + count);
        return count;
    }
    bool write(const std::uint8_t *data, int count) override {
        if (!open_)
            return false;
        written.emplace_back(data, data + count);
        return true;
    }
    void discardInput() override { input.clear(); }
    PortOpenFailure openFailure() const override { return failure; }
    bool lost() const override { return open_ && unplugged; }

    // Queued for the next tick, which alone looks.
    void feed(const Frame &frame) { input.insert(input.end(), frame.bytes.begin(), frame.bytes.end()); }
    void feed(const std::vector<std::uint8_t> &bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }
    // Queued and reported at once, as bytes that come between two ticks.
    void deliver(const std::vector<std::uint8_t> &bytes) {
        feed(bytes);
        InputQueued();
    }

    std::vector<std::uint8_t> input;
    std::vector<std::vector<std::uint8_t>> written;
    std::vector<std::string> opened;
    std::set<std::string> failingDevices;
    bool failAll = false;
    PortOpenFailure failure; // what a failed open tells
    bool unplugged = false;  // the open device has gone away
    int closeCount = 0;
    int readCount = 0;
    int readLimit = 1 << 30; // a driver that delivers less than it said was queued

private:
    bool open_ = false;
};

} // namespace zarvex1::test
