#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarvex1 {

// What a second start of the program hands to the window that owns the settings folder, over the
// window's local socket: the language word and the file it was given. A message is a little-endian
// 32-bit length and that many bytes of fields "language=N" and "file=BYTES", each ended by a zero byte
// (a file name as the system's bytes cannot hold one).
struct HandOver {
    std::optional<int> language; // language index 0, 1 or 3
    std::filesystem::path file;  // absolute; empty: none

    friend bool operator==(const HandOver &, const HandOver &) = default;
};

inline constexpr std::size_t HandOverMaxSize = 64 * 1024; // bytes after the length

std::string EncodeHandOver(const HandOver &handOver);

// A whole message at the front of the bytes a client sent.
struct HandOverFrame {
    enum class Status { Partial, Whole, Bad } status = Status::Partial;
    std::size_t size = 0; // bytes of the whole message, length included
    HandOver handOver;
};
HandOverFrame TakeHandOver(std::string_view received);

// The window's socket name for a settings folder: each folder has a window of its own, so windows on
// other folders (tests with their own ZARVEX1_SETTINGS_DIR) stay apart.
std::string InstanceSocketName(const std::filesystem::path &settingsFolder);

} // namespace zarvex1
