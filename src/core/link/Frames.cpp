#include "core/link/Frames.h"

#include <algorithm>

namespace zarvex1 {

std::uint8_t Checksum(std::span<const std::uint8_t, FrameSize> frame) {
    std::uint8_t sum = 0xFF;
    for (int i = 0; i < ChecksumIndex; ++i)
        sum ^= frame[i];
    return sum;
}

bool ChecksumValid(std::span<const std::uint8_t> received) {
    if (received.size() < static_cast<std::size_t>(FrameSize))
        return false;
    std::uint8_t sum = 0xFF;
    for (int i = 0; i < FrameSize; ++i)
        sum ^= received[i];
    return sum == 0;
}

Frame Frame::From(std::span<const std::uint8_t> received) {
    Frame frame;
    const auto count = std::min(received.size(), static_cast<std::size_t>(FrameSize));
    std::copy_n(received.begin(), count, frame.bytes.begin());
    return frame;
}

Frame PollFrame(const TestBits &testBits) {
    Frame frame;
    frame.bytes[0] = PollCode;
    std::copy(testBits.begin(), testBits.end(), frame.bytes.begin() + TestBitsIndex);
    frame.seal();
    return frame;
}

Frame DataFrame(std::uint8_t frameCode, LinkRequest request, const ParameterImage &image) {
    Frame frame;
    frame.bytes[0] = frameCode;
    const int block = BlockOf(frameCode);
    // A code whose block lies outside the image carries zeros rather than reading past it.
    if (request != LinkRequest::Read && block >= 1 && block <= LastBlock) {
        const auto source = image.block(block);
        std::copy(source.begin(), source.end(), frame.payload().begin());
    }
    if (request == LinkRequest::Handover && block == 0) {
        frame.bytes[HandoverIndex] = HandoverMark1;
        frame.bytes[HandoverIndex + 1] = HandoverMark2;
    }
    frame.seal();
    return frame;
}

Frame ReplyFrame(std::uint8_t frameCode, std::span<const std::uint8_t, PayloadSize> payload) {
    Frame frame;
    frame.bytes[0] = ReplyCode(frameCode);
    std::copy(payload.begin(), payload.end(), frame.payload().begin());
    frame.seal();
    return frame;
}

ReplyCheck CheckReply(std::span<const std::uint8_t> received, std::uint8_t frameCode, LinkRequest request) {
    if (!ChecksumValid(received))
        return ReplyCheck::BadChecksum;
    if (BlockOf(frameCode) > LastBlock)
        return ReplyCheck::BadBlock;
    if (received[0] != ReplyCode(frameCode))
        return ReplyCheck::WrongCode;
    if (request == LinkRequest::None)
        return ReplyCheck::NoRequest;
    return ReplyCheck::Accepted;
}

bool IsValidMonitorFrame(std::span<const std::uint8_t> received) {
    return !received.empty() && received[0] == MonitorCode && ChecksumValid(received);
}

namespace {

constexpr std::array<const char *, 12> MonthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The unit's texts are plain ASCII; anything else is shown as '?' rather than as a broken character.
char Printable(std::uint8_t c) {
    return c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
}

std::string TwoDigits(int value) {
    char text[3] = {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10), 0};
    return text;
}

} // namespace

std::uint8_t MonthCode(int month) {
    if (month < 1 || month > 12)
        return 0;
    unsigned sum = 0;
    for (const char *c = MonthAbbreviations[month - 1]; *c; ++c)
        sum += static_cast<unsigned char>(*c);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

int MonthFromCode(std::uint8_t code) {
    for (int month = 1; month <= 12; ++month)
        if (code != 0 && MonthCode(month) == code)
            return month;
    return 0;
}

std::string DeviceInfo::programName() const {
    std::string name;
    if (bytes[DeviceInfoByte::LongName] != 0) {
        for (int i = 0; i < DeviceInfoByte::LongNameLength; ++i) {
            const std::uint8_t c = bytes[DeviceInfoByte::LongName + i];
            if (c == 0)
                break;
            name += Printable(c);
        }
        return name;
    }
    // The short name ends at a zero byte, as the unit's text does.
    for (int i = 0; i < DeviceInfoByte::NameLength; ++i) {
        const std::uint8_t c = bytes[DeviceInfoByte::Name + i];
        if (c == 0)
            return name;
        name += Printable(c);
    }
    return name + TwoDigits(bytes[DeviceInfoByte::ProgramNumber]);
}

std::string DeviceInfo::buildDate() const {
    const int day = bytes[DeviceInfoByte::BuildDay];
    const int month = MonthFromCode(bytes[DeviceInfoByte::BuildMonth]);
    // Day and month below 10 are padded with a blank; an unknown month reads "00".
    const char date[] = {day < 10 ? ' ' : static_cast<char>('0' + day / 10 % 10),
                         static_cast<char>('0' + day % 10),
                         '.',
                         month != 0 && month < 10 ? ' ' : static_cast<char>('0' + month / 10),
                         static_cast<char>('0' + month % 10),
                         0};
    return date + (".20" + TwoDigits(bytes[DeviceInfoByte::BuildYear]));
}

std::string DeviceInfo::buildTime() const {
    return TwoDigits(bytes[DeviceInfoByte::BuildHour]) + ":" + TwoDigits(bytes[DeviceInfoByte::BuildMinute]);
}

} // namespace zarvex1
