#pragma once

#include "core/files/TextFiles.h"
#include "core/params/ParameterImage.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zarvex1 {

// default.ini keeps the whole image between sessions: 900 values, 10 a line, an empty line after every
// tenth line.
std::string FormatDefaultIni(const ParameterImage &image);
// Reads numbers into bytes 0, 1, 2, ... (each modulo 256) until 900 are read, the text ends or a word
// is no number; the bytes after the last number keep their values. Returns how many bytes were read.
int ParseDefaultIni(std::string_view text, ParameterImage &image);

FileResult WriteDefaultIni(const std::filesystem::path &file, const ParameterImage &image);
// False when the file is missing or unreadable; the image then stays as it is.
bool ReadDefaultIni(const std::filesystem::path &file, ParameterImage &image);

} // namespace zarvex1
