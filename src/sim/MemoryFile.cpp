#include "sim/MemoryFile.h"

#include "core/files/ParameterFile.h"
#include "core/files/TextFiles.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace zarvex1 {

namespace {

bool IsParameterFile(const std::string &path) {
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".ign";
}

} // namespace

ParameterImage FactoryMemory() {
    return FirstStartSet();
}

bool LoadMemory(const std::string &path, ParameterImage &image, std::string &error) {
    if (IsParameterFile(path)) {
        ParameterImage loaded = FactoryMemory();
        DefaultsState state;
        const LoadResult result = LoadParameterFile(Page::All, path, loaded, state);
        if (!result.loaded) {
            error = path + (result.message == FileMessage::OpenFileError
                                ? ": cannot open (" + result.reason + ")"
                                : ": not a parameter file of version 81 or 99");
            return false;
        }
        // What the program would program from this file: the same limits apply.
        LimitParameters(loaded);
        image = loaded;
        return true;
    }
    const std::optional<std::string> data = ReadWholeFile(path);
    if (!data) {
        error = "cannot open " + path;
        return false;
    }
    if (data->size() != static_cast<std::size_t>(ParameterImage::Size)) {
        error = path + ": a raw image has " + std::to_string(ParameterImage::Size) + " bytes, this file " +
                std::to_string(data->size());
        return false;
    }
    std::copy(data->begin(), data->end(), image.bytes().begin());
    return true;
}

bool SaveMemory(const std::string &path, const ParameterImage &image, std::string &error) {
    // Replaced whole or not at all, as the program's own files are.
    const FileResult written =
        IsParameterFile(path)
            ? WriteParameterFile(image, path)
            : WriteWholeFile(path, std::string_view(reinterpret_cast<const char *>(image.bytes().data()),
                                                    ParameterImage::Size));
    if (!written) {
        error = "cannot write " + path + ": " + written.reason();
        return false;
    }
    return true;
}

} // namespace zarvex1
