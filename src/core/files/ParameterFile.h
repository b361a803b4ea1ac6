#pragma once

#include "core/files/TextFiles.h"
#include "core/params/Defaults.h"
#include "core/params/ParameterImage.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zarvex1 {

// Messages a file command has for the user, as slots of MessageTexts; the caller shows them in a box.
namespace FileMessage {
enum : int {
    None = -1,
    OlderVersion = 12,     // "Older version of *.ign file! ..." (the file is still taken)
    OpenFileError = 32,    // "Open file error!"
    UnmatchedVersion = 34, // "Unmatched version of *.ign file!"
    // "No parameter set (MORVANEL_KEY) in the file": no slot of its own, see NoParameterSetText.
    NoParameterSet = 1000,
};
}

// The message for a file without the key word, in the language (0 English, 1 German, 3 Czech).
std::string NoParameterSetText(int languageIndex);

// The parameter file text of the image: CR LF line ends, no line break after the last line.
std::string WriteParameterFile(const ParameterImage &image);
// Writes that text to the path; on failure the old file stays as it was.
FileResult WriteParameterFile(const ParameterImage &image, const std::filesystem::path &path);

struct ReadPassResult {
    int loadedVersion = 0;           // 81 or 99 when the file was taken, 0 when it was rejected
    int message = FileMessage::None; // what a pass with messages on shows
    bool keyFound = false;           // the text holds the key word MORVANEL_KEY
};

// One reading pass from the start of the text into the image, storing only the key words of the page's
// load selection (Page::All for every key word). A rejected text (no key word, or a version other than
// 81 and 99) leaves the image as it was.
ReadPassResult ReadParameterFile(std::string_view text, ParameterImage &image, DefaultsState &state,
                                 int page);

struct LoadResult {
    bool loaded = false;             // the image now holds the file
    int loadedVersion = 0;           // 81, 99, or 0 when the file was rejected
    int message = FileMessage::None; // to show once, whether or not the file was loaded
    std::string reason;              // with OpenFileError: the system's word on why
};

// Opens a parameter file for the page (Page::All for all pages): a first pass so that the defaults see
// the file's values, the defaults for the page, and a second pass that puts the file's values back over
// them. Only a file that is taken changes the image and the state; the caller then refreshes the pages,
// commits, records the file as current and adds it to the recent files.
LoadResult LoadParameterFile(int page, const std::filesystem::path &path, ParameterImage &image,
                             DefaultsState &state);
// The same on a file's text already in memory. A text with a UTF-8 or UTF-16 byte-order mark (a file
// saved as Unicode) is read as well; a text without the key word gives the NoParameterSet message.
LoadResult LoadParameterText(std::string_view text, int page, ParameterImage &image, DefaultsState &state);

} // namespace zarvex1
