#include "core/safety/RestorePoints.h"

#include "core/files/ParameterFile.h"
#include "core/params/Defaults.h"
#include "core/safety/SetComparison.h"
#include "core/texts/MessageTexts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace zarvex1 {

namespace {

constexpr std::string_view Extension = ".ign";

struct EventName {
    RestoreEvent event;
    std::string_view key; // in file names
    std::array<std::string_view, 3> text;
};

constexpr EventName Events[] = {
    {RestoreEvent::Read, "read", {"Read", "Gelesen", "Načteno"}},
    {RestoreEvent::Program, "program", {"Programmed", "Programmiert", "Naprogramováno"}},
    {RestoreEvent::BeforeReplace, "replace", {"Before replacing", "Vor dem Ersetzen", "Před nahrazením"}},
};

bool Plain(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// The unit's name in a file name: letters, digits, '.' and '-' as they are, any other byte as %XX.
std::string Encoded(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        if (Plain(c)) {
            out += c;
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += '%';
            out += Hex[u >> 4];
            out += Hex[u & 15];
        }
    }
    return out;
}

std::optional<std::string> Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!Plain(text[i]))
                return std::nullopt;
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto [end, ec] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
        if (ec != std::errc() || end != text.data() + i + 3)
            return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "20261210-204311-123": the time in UTC to the millisecond.
std::string Stamp(RestoreClock::time_point time) {
    using namespace std::chrono;
    const auto ms = floor<milliseconds>(time);
    const auto day = floor<days>(ms);
    const year_month_day ymd{day};
    const hh_mm_ss hms{ms - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u-%02d%02d%02d-%03d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(hms.hours().count()), static_cast<int>(hms.minutes().count()),
                  static_cast<int>(hms.seconds().count()), static_cast<int>(hms.subseconds().count()));
    return text;
}

std::optional<RestoreClock::time_point> ParseStamp(std::string_view s) {
    using namespace std::chrono;
    if (s.size() != 19 || s[8] != '-' || s[15] != '-')
        return std::nullopt;
    const auto y = Number(s.substr(0, 4)), mo = Number(s.substr(4, 2)), d = Number(s.substr(6, 2)),
               h = Number(s.substr(9, 2)), mi = Number(s.substr(11, 2)), se = Number(s.substr(13, 2)),
               ms = Number(s.substr(16, 3));
    if (!y || !mo || !d || !h || !mi || !se || !ms)
        return std::nullopt;
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*mo)}, day{static_cast<unsigned>(*d)}};
    if (!ymd.ok() || *h > 23 || *mi > 59 || *se > 59)
        return std::nullopt;
    return time_point_cast<RestoreClock::duration>(sys_days{ymd} + hours{*h} + minutes{*mi} + seconds{*se} +
                                                   milliseconds{*ms});
}

std::vector<std::string> PointNames(const std::filesystem::path &folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = Utf8FromPath(it->path().filename());
        if (ParseRestorePointFileName(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end()); // oldest first: the names begin with the time
    return names;
}

// The set a parameter file's text gives when opened, or nothing when it is rejected.
std::optional<ParameterImage> ImageOfText(std::string_view text) {
    ParameterImage image = FirstStartSet();
    DefaultsState state;
    if (!LoadParameterText(text, Page::All, image, state).loaded)
        return std::nullopt;
    return image;
}

} // namespace

std::string_view RestoreEventText(RestoreEvent event, int language) {
    for (const EventName &e : Events)
        if (e.event == event)
            return e.text[language == Language::German ? 1 : language == Language::Czech ? 2 : 0];
    return {};
}

std::string RestorePointFileName(const RestorePointDetails &details, int changedValues) {
    std::string key;
    for (const EventName &e : Events)
        if (e.event == details.event)
            key = e.key;
    return Stamp(details.time) + "_" + key + "_c" +
           (changedValues < 0 ? "-" : std::to_string(changedValues)) + "_n" +
           (details.programmingCount ? std::to_string(*details.programmingCount) : "-") + "_" +
           Encoded(details.unitName) + std::string(Extension);
}

std::optional<RestorePoint> ParseRestorePointFileName(std::string_view name) {
    if (!name.ends_with(Extension))
        return std::nullopt;
    name.remove_suffix(Extension.size());
    std::array<std::string_view, 5> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t cut = i + 1 < parts.size() ? name.find('_') : name.size();
        if (cut == std::string_view::npos)
            return std::nullopt;
        parts[i] = name.substr(0, cut);
        name.remove_prefix(std::min(cut + 1, name.size()));
    }
    RestorePoint point;
    const auto time = ParseStamp(parts[0]);
    if (!time)
        return std::nullopt;
    point.details.time = *time;
    const EventName *event = nullptr;
    for (const EventName &e : Events)
        if (e.key == parts[1])
            event = &e;
    if (event == nullptr)
        return std::nullopt;
    point.details.event = event->event;
    if (!parts[2].starts_with("c") || !parts[3].starts_with("n"))
        return std::nullopt;
    if (parts[2] != "c-") {
        const auto changed = Number(parts[2].substr(1));
        if (!changed || *changed < 0)
            return std::nullopt;
        point.changedValues = *changed;
    }
    if (parts[3] != "n-") {
        const auto count = Number(parts[3].substr(1));
        if (!count)
            return std::nullopt;
        point.details.programmingCount = *count;
    }
    const auto unit = Decoded(parts[4]);
    if (!unit)
        return std::nullopt;
    point.details.unitName = *unit;
    return point;
}

RestorePointStore::RestorePointStore(std::filesystem::path folder, bool ownsSettings)
    : folder_(std::move(folder)), ownsSettings_(ownsSettings) {}

std::filesystem::path RestorePointStore::FolderBeside(const std::filesystem::path &settingsFolder) {
    return settingsFolder / "history";
}

RestorePointStore::WriteResult RestorePointStore::Write(const ParameterImage &image,
                                                        const RestorePointDetails &details,
                                                        bool replaceOwnNewest) {
    WriteResult result;
    const std::string text = WriteParameterFile(image);
    const std::vector<std::string> taken = PointNames(folder_);
    std::vector<std::string> names = taken;
    const std::size_t pointsBefore = names.size();
    if (!names.empty()) {
        const auto newest = ReadWholeFile(folder_ / PathFromUtf8(names.back()));
        if (newest && *newest == text) {
            result.skipped = true;
            result.path = folder_ / PathFromUtf8(names.back());
            return result;
        }
    }
    // The point this one replaces does not count as the one before it.
    const bool replacing = replaceOwnNewest && !ownNewest_.empty() && !names.empty() &&
                           folder_ / PathFromUtf8(names.back()) == ownNewest_;
    if (replacing)
        names.pop_back();
    int changed = -1;
    if (!names.empty()) {
        const auto before = ReadBack(folder_ / PathFromUtf8(names.back()));
        const auto now = ImageOfText(text);
        if (before && now)
            changed = CompareSets(*before, *now).changedValues();
    }

    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    RestorePointDetails named = details;
    std::filesystem::path path = folder_ / PathFromUtf8(RestorePointFileName(named, changed));
    // Two points in the same millisecond (two windows): the later one takes the next free millisecond,
    // so that the names keep the order of the points.
    auto stampTaken = [&taken](const std::string &stamp) {
        return std::any_of(taken.begin(), taken.end(),
                           [&stamp](const std::string &name) { return name.starts_with(stamp); });
    };
    for (int i = 0; i < 1000 && (stampTaken(Stamp(named.time)) || std::filesystem::exists(path, ignored));
         ++i) {
        named.time += std::chrono::milliseconds(1);
        path = folder_ / PathFromUtf8(RestorePointFileName(named, changed));
    }
    result.error = WriteWholeFile(path, text);
    if (result.error.error)
        return result;
    result.written = true;
    result.path = path;
    if (replacing)
        std::filesystem::remove(ownNewest_, ignored);
    ownNewest_ = path;
    if (pointsBefore >= Kept)
        Prune();
    return result;
}

std::vector<RestorePoint> RestorePointStore::List() const {
    std::vector<RestorePoint> points;
    const std::vector<std::string> names = PointNames(folder_);
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        RestorePoint point = *ParseRestorePointFileName(*it);
        point.path = folder_ / PathFromUtf8(*it);
        points.push_back(std::move(point));
    }
    return points;
}

std::optional<ParameterImage> RestorePointStore::ReadBack(const std::filesystem::path &path) {
    const auto text = ReadWholeFile(path);
    if (!text)
        return std::nullopt;
    return ImageOfText(*text);
}

int RestorePointStore::Prune() {
    if (!ownsSettings_)
        return 0;
    const std::vector<std::string> names = PointNames(folder_);
    int removed = 0;
    for (std::size_t i = 0; i + Kept < names.size(); ++i) {
        std::error_code error;
        if (std::filesystem::remove(folder_ / PathFromUtf8(names[i]), error))
            ++removed;
    }
    return removed;
}

} // namespace zarvex1
