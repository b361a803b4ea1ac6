#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zarvex1 {

// The menu caption of recent entry `index`: the index, a blank and the file name without its extension,
// at most 127 characters.
std::string RecentCaption(int index, std::string_view path);

// The parameter files opened last, entry 0 the newest; paths are kept to 255 characters.
class RecentFiles {
public:
    static constexpr int MaxEntries = 10;
    static constexpr std::size_t MaxPathLength = 255;
    static constexpr std::size_t MaxCaptionLength = 127;

    int count() const { return count_; }
    const std::string &entry(int i) const { return entries_[i]; }
    const std::string &caption(int i) const { return captions_[i]; }

    // After a successful open: an entry already in the list moves to the front, a new one is put in
    // front of the others and the tenth entry of a full list falls off.
    void AddRecentFile(std::string_view path);
    // Entry i as stored in the settings; the count becomes 1 + the highest entry that is not empty.
    void SetEntry(int i, std::string_view path);

    // Menu items 1..9 show entries 1..9; entry 0 is the file open now and is not listed.
    bool MenuItemVisible(int item) const { return item >= 1 && item < count_; }
    bool MenuSeparatorVisible() const { return count_ >= 2; }

    friend bool operator==(const RecentFiles &, const RecentFiles &) = default;

private:
    void RebuildCaptions();

    std::array<std::string, MaxEntries> entries_;
    std::array<std::string, MaxEntries> captions_;
    int count_ = 0;
};

} // namespace zarvex1
