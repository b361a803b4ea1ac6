#include "files/ManualFile.h"

#include "files/TextFiles.h"

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

} // namespace zarvex1
