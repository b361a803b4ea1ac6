#include "cli/ParameterSets.h"

#include "core/params/Defaults.h"

#include <system_error>

namespace zarvex1 {

std::string WithPath(const std::string &text, const std::filesystem::path &path) {
    return text + " (" + path.string() + ")";
}

void CliSessionFront::ShowMessage(const std::string &text) {
    // One line: the message, then the file with what the system says of it ("Open file error!\nreason").
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string::npos)
        err_ << WithPath(text, file_) << '\n';
    else
        err_ << text.substr(0, lineEnd) << " (" << file_.string() << ": " << text.substr(lineEnd + 1)
             << ")\n";
}

CliSession::CliSession(std::ostream &err, int bike) : err_(err), front_(err), session_(front_, bike) {
    session_.Start();
}

bool CliSession::Open(const std::filesystem::path &path, int page) {
    front_.SetFile(path);
    session_.PageChanged(page == Page::All ? Page::Bike : page);
    return session_.Open(path, page != Page::All).loaded;
}

bool CliSession::Save(const std::filesystem::path &path) {
    front_.SetFile(path);
    return session_.Save(path);
}

OpenedSet OpenParameterSet(const std::filesystem::path &path, std::ostream &err) {
    CliSession cli(err);
    const bool loaded = cli.Open(path, Page::All);
    return {loaded, cli.session().image()};
}

bool SaveParameterSet(const ParameterImage &image, const std::filesystem::path &path, std::ostream &err) {
    CliSession cli(err);
    cli.session().image() = image;
    return cli.Save(path);
}

bool OutputFolderExists(const std::filesystem::path &path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec))
        return false;
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() || std::filesystem::is_directory(folder, ec);
}

} // namespace zarvex1
