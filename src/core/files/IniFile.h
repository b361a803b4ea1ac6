#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zarvex1 {

// A small INI file: "[section]" lines and "key=value" lines, names compared without regard to ASCII case,
// ";" starting a comment line. A value with blanks at either end is written in double quotes. Sections
// and keys are found through an index, so reading a file takes time in proportion to its length.
class IniFile {
public:
    static IniFile Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // The value as a decimal integer; nothing when the key is missing or holds no integer.
    std::optional<int> IntValue(std::string_view section, std::string_view key) const;
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void SetIntValue(std::string_view section, std::string_view key, int value);

    // The file text with CR LF line ends.
    std::string Text() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys; // in file order
        std::unordered_map<std::string, std::size_t> index;    // lower-case key -> position in keys
    };
    Section *FindSection(std::string_view name);
    const Section *FindSection(std::string_view name) const;
    Section &AddSection(std::string_view name);
    // Adds the key unless the section has it already; returns its value either way.
    std::string &AddKey(Section &section, std::string_view key, std::string_view value);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_; // lower-case name -> position
};

} // namespace zarvex1
