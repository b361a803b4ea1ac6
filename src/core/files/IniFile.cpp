#include "core/files/IniFile.h"

#include <charconv>

namespace zarvex1 {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names are compared without regard to ASCII case: the index holds them in lower case.
std::string Lower(std::string_view name) {
    std::string lower(name);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// A line break would end the value early; the value is kept up to it.
std::string_view OneLine(std::string_view value) {
    return value.substr(0, value.find('\n'));
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    Section *current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name =
                Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            current = ini.FindSection(name);
            if (!current)
                current = &ini.AddSection(name);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        // The first of two equal keys counts.
        ini.AddKey(*current, key, value);
    }
    return ini;
}

IniFile::Section *IniFile::FindSection(std::string_view name) {
    const auto it = sectionIndex_.find(Lower(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section &IniFile::AddSection(std::string_view name) {
    sectionIndex_.emplace(Lower(name), sections_.size());
    return sections_.emplace_back(Section{std::string(name), {}, {}});
}

std::string &IniFile::AddKey(Section &section, std::string_view key, std::string_view value) {
    const auto [it, added] = section.index.emplace(Lower(key), section.keys.size());
    if (added)
        section.keys.emplace_back(std::string(key), std::string(value));
    return section.keys[it->second].second;
}

const IniFile::Section *IniFile::FindSection(std::string_view name) const {
    return const_cast<IniFile *>(this)->FindSection(name);
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    if (const Section *s = FindSection(section))
        if (const auto it = s->index.find(Lower(key)); it != s->index.end())
            return s->keys[it->second].second;
    return std::nullopt;
}

std::optional<int> IniFile::IntValue(std::string_view section, std::string_view key) const {
    const auto text = Value(section, key);
    if (!text)
        return std::nullopt;
    const std::string_view digits = Trim(*text);
    const char *first = digits.data();
    if (!digits.empty() && digits.front() == '+')
        ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section *s = FindSection(section);
    if (!s)
        s = &AddSection(section);
    value = OneLine(value);
    AddKey(*s, key, value) = value;
}

void IniFile::SetIntValue(std::string_view section, std::string_view key, int value) {
    SetValue(section, key, std::to_string(value));
}

std::string IniFile::Text() const {
    std::string out;
    for (const Section &s : sections_) {
        out += '[' + s.name + "]\r\n";
        for (const auto &[key, value] : s.keys) {
            const bool quote = !value.empty() && (value != Trim(value) || value.front() == '"');
            out += key + '=' + (quote ? '"' + value + '"' : value) + "\r\n";
        }
    }
    return out;
}

} // namespace zarvex1
