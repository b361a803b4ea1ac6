#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace zarvex1 {

// Far more than any file of the program holds; a larger file is not taken.
inline constexpr std::size_t MaxTextFileSize = 64u << 20;

// How a file write ended: true when the file now holds the text, otherwise the system's reason.
struct FileResult {
    std::error_code error;

    explicit operator bool() const { return !error; }
    std::string reason() const { return error.message(); }
};

// The whole content of a regular file, or nothing when it is missing, cannot be read, is no regular
// file (a folder, a FIFO, a device: those are never opened, so nothing can make the program wait) or
// is larger than MaxTextFileSize.
std::optional<std::string> ReadWholeFile(const std::filesystem::path &path);
// The same, saying in `why` what kept the file from being read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path &path, std::error_code &why);

// Replaces the file with the text, or leaves the old file untouched and says why. A symbolic link is
// followed to the file it names, so the link stays a link; in a sticky folder that everybody may write
// to (/tmp) only a link of the user's or of the folder's owner is followed, as the kernel does. The text goes
// to a new file beside that target, created exclusively under a unique name with the old file's permissions,
// is flushed to the disk and then renamed over the target; the folder is flushed after. A lost medium, a full
// disk, the file-size limit or a second save at the same moment never leave a half-written file behind.
FileResult WriteWholeFile(const std::filesystem::path &path, std::string_view text);

// A temporary file of WriteWholeFile older than this many seconds is left over from a save that was
// killed; the next save of the same target removes it.
inline constexpr int StaleTemporaryAge = 60;
// Whether a file name is one that WriteWholeFile gives its temporary file for the target.
bool IsTemporaryNameOf(const std::filesystem::path &target, const std::string &name);

// Writing past the file-size limit (ulimit -f) then fails the write with EFBIG instead of ending the
// program with SIGXFSZ.
void IgnoreFileSizeSignal();

// UTF-8 text to a path and back, the same on every platform.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path &path);

// The text cut to at most maxCharacters characters, never inside a UTF-8 sequence.
std::string CutToCharacters(std::string_view text, std::size_t maxCharacters);

} // namespace zarvex1
