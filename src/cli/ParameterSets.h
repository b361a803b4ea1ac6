#pragma once

#include "app/MessageTexts.h"
#include "files/ParameterFile.h"
#include "params/ParameterImage.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace zarvex1 {

// The parameter set of a first start with motorbike type `bike`: the defaults over an all-zero image,
// kept in range.
ParameterImage NewParameterSet(int bike);

struct OpenedSet {
    bool loaded = false;
    ParameterImage image;
};

// Opens a parameter file as the Open command does, on the set of a first start, and commits it (keeps
// it in range). Writes the file's messages to `err`: the older-version note when the file is taken, the
// reason when it is not.
OpenedSet OpenParameterSet(const std::filesystem::path &path, int page, const MessageTexts &texts,
                           std::ostream &err);

// Saves the image as the Save command does; on failure writes "Open file error!" with the path to `err`.
bool SaveParameterSet(const ParameterImage &image, const std::filesystem::path &path,
                      const MessageTexts &texts, std::ostream &err);

// Whether a file can be created at `path` as far as can be told without creating it: its folder exists.
bool OutputFolderExists(const std::filesystem::path &path);

// "Open file error! (path)": a message text with the file it is about.
std::string WithPath(const std::string &text, const std::filesystem::path &path);

} // namespace zarvex1
