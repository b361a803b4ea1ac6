#include "ParameterSets.h"

#include "params/Defaults.h"
#include "params/Limits.h"

#include <system_error>

namespace zarvex1 {

ParameterImage NewParameterSet(int bike) {
    ParameterImage image;
    image.setByte(Adrb::BikeType, static_cast<unsigned>(bike));
    DefaultsState state;
    SetDefaults(image, state, Page::All);
    LimitParameters(image);
    return image;
}

std::string WithPath(const std::string &text, const std::filesystem::path &path) {
    return text + " (" + path.string() + ")";
}

OpenedSet OpenParameterSet(const std::filesystem::path &path, int page, const MessageTexts &texts,
                           std::ostream &err) {
    OpenedSet set{false, NewParameterSet(0)};
    DefaultsState state;
    const LoadResult result = LoadParameterFile(page, path, set.image, state);
    if (result.message != FileMessage::None)
        err << WithPath(texts[result.message], path) << '\n';
    if (!result.loaded) {
        // A file without the key word is passed over by the program without a word; here it is an error.
        if (result.message == FileMessage::None)
            err << WithPath("No parameter set (MORVANEL_KEY) in the file", path) << '\n';
        return set;
    }
    LimitParameters(set.image);
    set.loaded = true;
    return set;
}

bool SaveParameterSet(const ParameterImage &image, const std::filesystem::path &path,
                      const MessageTexts &texts, std::ostream &err) {
    if (WriteParameterFile(image, path))
        return true;
    err << WithPath(texts[FileMessage::OpenFileError], path) << '\n';
    return false;
}

bool OutputFolderExists(const std::filesystem::path &path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec))
        return false;
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() || std::filesystem::is_directory(folder, ec);
}

} // namespace zarvex1
