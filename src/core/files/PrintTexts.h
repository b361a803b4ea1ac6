#pragma once

#include "core/texts/MessageTexts.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zarvex1 {

// When a printout was made, in local time.
struct PrintStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The heading every printout carries on the message line: "Date and time of printing:  ", the date,
// four blanks and the time (date and time in the user's formats).
std::string PrintHeadingText(const MessageTexts &texts, std::string_view date, std::string_view time);

// The PDF a printout goes to where there is no printer: the parameter file's name without folder and
// extension ("ZARVEX1" when no file is open), then the date and time: "race_2026-12-10_14-03-22.pdf".
std::string PrintFileName(std::string_view parameterFile, const PrintStamp &when);

// The file name in the folder, or with "_2", "_3", ... before its extension when that name is taken.
std::filesystem::path FreePrintPath(const std::filesystem::path &folder, std::string_view fileName);

// The message line after a printout went into a PDF, and after a printout failed.
std::string PrintedToPdfText(int languageIndex, std::string_view path);
std::string PrintErrorText(int languageIndex, std::string_view reason);

} // namespace zarvex1
