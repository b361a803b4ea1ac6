#include "MemoryFile.h"

#include "files/ParameterFile.h"
#include "params/Defaults.h"
#include "params/Limits.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

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
                                ? ": cannot open"
                                : ": not a parameter file of version 81 or 99");
            return false;
        }
        // What the program would program from this file: the same limits apply.
        LimitParameters(loaded);
        image = loaded;
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() != static_cast<std::size_t>(ParameterImage::Size)) {
        error = path + ": a raw image has " + std::to_string(ParameterImage::Size) + " bytes, this file " +
                std::to_string(data.size());
        return false;
    }
    std::copy(data.begin(), data.end(), image.bytes().begin());
    return true;
}

bool SaveMemory(const std::string &path, const ParameterImage &image, std::string &error) {
    if (IsParameterFile(path)) {
        if (!WriteParameterFile(image, path)) {
            error = "cannot write " + path;
            return false;
        }
        return true;
    }
    // Write beside the target and rename, so an interrupted save never leaves half an image.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(image.bytes().data()), ParameterImage::Size);
        if (!out.flush()) {
            error = "cannot write " + temporary;
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace zarvex1
