#include "core/files/ManualFile.h"

#include "core/files/TextFiles.h"

#include <algorithm>

namespace zarvex1 {

std::vector<std::filesystem::path> ManualFolders(const std::filesystem::path &currentFolder,
                                                 const std::filesystem::path &programFolder,
                                                 const std::vector<std::filesystem::path> &dataFolders) {
    std::vector<std::filesystem::path> folders = {currentFolder, programFolder,
                                                  programFolder.parent_path() / "share" / "zarvex1"};
    for (const auto &data : dataFolders) {
        const std::filesystem::path folder = data / "zarvex1";
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

std::optional<std::filesystem::path> FindManual(std::string_view name,
                                                const std::vector<std::filesystem::path> &folders) {
    const std::filesystem::path file = PathFromUtf8(name);
    // Only a bare file name is looked for: the name comes from the texts, never a path to elsewhere.
    if (file.empty() || file.has_parent_path())
        return std::nullopt;
    for (const auto &folder : folders) {
        if (folder.empty())
            continue;
        std::error_code error;
        const std::filesystem::path candidate = folder / file;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

std::string ManualNotFoundText(int languageIndex, const std::vector<std::filesystem::path> &folders) {
    std::string text;
    switch (languageIndex) {
    case 1:
        text = "Die Datei ist in keinem der Ordner, in denen das Programm sucht:";
        break;
    case 3:
        text = "Soubor není v žádné ze složek, ve kterých jej program hledá:";
        break;
    default:
        text = "The file is in none of the folders the program looks in:";
        break;
    }
    for (const auto &folder : folders)
        if (!folder.empty())
            text += "\n" + Utf8FromPath(folder);
    return text;
}

std::string ManualNotOpenedText(int languageIndex, const std::filesystem::path &manual) {
    const std::string file = Utf8FromPath(manual);
    switch (languageIndex) {
    case 1:
        return "Die Datei liegt in " + file +
               ", doch der Desktop konnte sie nicht öffnen: kein Programm für PDF-Dateien ist eingerichtet "
               "(unter Linux öffnet sie xdg-open aus dem Paket xdg-utils). Öffnen Sie die Datei mit einem "
               "PDF-Betrachter.";
    case 3:
        return "Soubor je v " + file +
               ", ale pracovní prostředí jej nedokázalo otevřít: není nastaven žádný program pro soubory PDF "
               "(v Linuxu jej otevře xdg-open z balíčku xdg-utils). Otevřete soubor v prohlížeči PDF.";
    default:
        return "The file is " + file +
               ", but the desktop could not open it: no program for PDF files is set up (on Linux xdg-open "
               "from the package xdg-utils opens it). Open the file with a PDF viewer.";
    }
}

} // namespace zarvex1
