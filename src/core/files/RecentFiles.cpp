#include "core/files/RecentFiles.h"

#include "core/files/TextFiles.h"

#include <algorithm>

namespace zarvex1 {

std::string RecentCaption(int index, std::string_view path) {
    std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string caption = std::to_string(index) + ' ' + std::string(name);
    if (const std::size_t dot = caption.rfind('.'); dot != std::string::npos)
        caption.erase(dot);
    return CutToCharacters(caption, RecentFiles::MaxCaptionLength);
}

void RecentFiles::AddRecentFile(std::string_view path) {
    const std::string entry = CutToCharacters(path, MaxPathLength);
    if (entry.empty())
        return;
    const auto begin = entries_.begin();
    auto found = std::find(begin, begin + count_, entry);
    if (found == begin + count_) {
        count_ = std::min(count_ + 1, MaxEntries);
        found = begin + count_ - 1; // the last entry falls off or was empty
    }
    std::rotate(begin, found, found + 1);
    entries_[0] = entry;
    RebuildCaptions();
}

void RecentFiles::SetEntry(int i, std::string_view path) {
    if (i < 0 || i >= MaxEntries)
        return;
    entries_[i] = CutToCharacters(path, MaxPathLength);
    count_ = 0;
    for (int k = 0; k < MaxEntries; ++k)
        if (!entries_[k].empty())
            count_ = k + 1;
    RebuildCaptions();
}

void RecentFiles::RebuildCaptions() {
    for (int i = 0; i < MaxEntries; ++i)
        captions_[i] = i < count_ ? RecentCaption(i, entries_[i]) : std::string();
}

} // namespace zarvex1
