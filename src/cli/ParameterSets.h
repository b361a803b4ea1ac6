#pragma once

#include "core/files/ParameterFile.h"
#include "core/params/ParameterImage.h"
#include "core/session/ParameterSession.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace zarvex1 {

// The command line's side of a parameter session: no pages, Yes to every question, and the file
// messages on the error stream with the file they are about.
class CliSessionFront : public SessionFrontEnd {
public:
    explicit CliSessionFront(std::ostream &err) : err_(err) {}
    // The file that the next messages are about.
    void SetFile(std::filesystem::path file) { file_ = std::move(file); }
    void ShowMessage(const std::string &text) override;

private:
    std::ostream &err_;
    std::filesystem::path file_;
};

// A parameter session of the command line: a first start with motorbike type `bike`.
class CliSession {
public:
    explicit CliSession(std::ostream &err, int bike = 0);
    ParameterSession &session() { return session_; }
    // Open and Save of the program, with the messages about `path`. Opening also says why a file
    // without a parameter set was not taken, which the program passes over without a word.
    bool Open(const std::filesystem::path &path, int page);
    bool Save(const std::filesystem::path &path);

private:
    std::ostream &err_;
    CliSessionFront front_;
    ParameterSession session_;
};

struct OpenedSet {
    bool loaded = false;
    ParameterImage image;
};

// Opens a parameter file as the Open command does, on the set of a first start (all pages).
OpenedSet OpenParameterSet(const std::filesystem::path &path, std::ostream &err);
// Saves the image as the Save command does; on failure writes "Open file error!" with the path to `err`.
bool SaveParameterSet(const ParameterImage &image, const std::filesystem::path &path, std::ostream &err);

// Whether a file can be created at `path` as far as can be told without creating it: its folder exists.
bool OutputFolderExists(const std::filesystem::path &path);

// "Open file error! (path)": a message text with the file it is about.
std::string WithPath(const std::string &text, const std::filesystem::path &path);

} // namespace zarvex1
