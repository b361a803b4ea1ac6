#include "cli/SafetyCommands.h"

#include "cli/ExitCodes.h"
#include "cli/ParameterSets.h"

#include "core/files/TextFiles.h"
#include "core/safety/RestorePoints.h"
#include "core/safety/SetComparison.h"
#include "core/texts/MessageTexts.h"

#include <cstdio>
#include <ctime>

namespace zarvex1 {

namespace {

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string DiffJson(const SetComparison &c, const ParameterImage &a, const ParameterImage &b) {
    const int en = Language::English;
    std::string json = "{\"same\":" + std::string(c.same() ? "true" : "false") +
                       ",\"changed\":" + std::to_string(c.changedValues()) + ",\"differences\":[";
    bool first = true;
    for (const EntryDifference &d : c.differences) {
        const CatalogueEntry &e = *d.entry;
        json += first ? "{" : ",{";
        first = false;
        json += "\"page\":" + JsonString(PageCaption(e.page, en)) + ",\"id\":" + JsonString(e.id) +
                ",\"caption\":" + JsonString(e.caption.in(en));
        if (!e.keyWord.empty())
            json += ",\"keyWord\":" + JsonString(e.keyWord);
        if (e.kind != EntryKind::Map) {
            json += ",\"a\":" + JsonString(ParameterCatalogue::FormatValue(e, a, en)) +
                    ",\"b\":" + JsonString(ParameterCatalogue::FormatValue(e, b, en)) + "}";
            continue;
        }
        json += ",\"cells\":[";
        for (std::size_t i = 0; i < d.cells.size(); ++i) {
            const int cell = d.cells[i];
            json += std::string(i ? "," : "") + "{\"row\":" + std::to_string(cell / e.columns + 1) +
                    ",\"column\":" + std::to_string(cell % e.columns + 1) +
                    ",\"a\":" + JsonString(ParameterCatalogue::FormatValue(e, a, en, cell)) +
                    ",\"b\":" + JsonString(ParameterCatalogue::FormatValue(e, b, en, cell)) + "}";
        }
        json += "]}";
    }
    return json + "]}";
}

// The point's time in the local time of the machine, to the second.
std::string LocalTime(RestoreClock::time_point time) {
    const std::time_t t = RestoreClock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string UtcTime(RestoreClock::time_point time) {
    const std::string name =
        RestorePointFileName({time, RestoreEvent::Read, {}, {}}, 0); // 20261210-204311-123
    return name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2) + "T" + name.substr(9, 2) +
           ":" + name.substr(11, 2) + ":" + name.substr(13, 2) + "." + name.substr(16, 3) + "Z";
}

std::string Padded(std::string text, std::size_t width) {
    // UTF-8: count characters, not bytes
    std::size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (characters < width)
        text.append(width - characters, ' ');
    return text;
}

} // namespace

int RunDiff(const CliOptions &options, std::ostream &out, std::ostream &err) {
    const OpenedSet a = OpenParameterSet(options.input, err);
    const OpenedSet b = OpenParameterSet(options.input2, err);
    if (!a.loaded || !b.loaded)
        return ExitCode::UsageOrFile;
    const SetComparison c = CompareSets(a.image, b.image);
    if (options.json)
        out << DiffJson(c, a.image, b.image) << "\n";
    else
        out << ComparisonText(c, a.image, b.image, Language::English);
    return c.same() ? ExitCode::Success : ExitCode::SetsDiffer;
}

int RunHistory(const CliOptions &options, const std::filesystem::path &historyFolder, std::ostream &out,
               std::ostream &err) {
    const RestorePointStore store(historyFolder, false);
    const std::vector<RestorePoint> points = store.List();
    if (points.empty() && !options.json)
        err << "No restore points in " << Utf8FromPath(historyFolder) << "\n";
    for (const RestorePoint &p : points) {
        const RestorePointDetails &d = p.details;
        const std::string count = d.programmingCount ? std::to_string(*d.programmingCount) : "";
        const std::string changed = p.changedValues >= 0 ? std::to_string(p.changedValues) : "";
        if (options.json) {
            out << "{\"time\":" << JsonString(UtcTime(d.time))
                << ",\"event\":" << JsonString(RestoreEventText(d.event, Language::English))
                << ",\"unit\":" << JsonString(d.unitName)
                << ",\"programmingCount\":" << (count.empty() ? "null" : count)
                << ",\"changed\":" << (changed.empty() ? "null" : changed)
                << ",\"file\":" << JsonString(Utf8FromPath(p.path)) << "}\n";
            continue;
        }
        out << LocalTime(d.time) << "  "
            << Padded(std::string(RestoreEventText(d.event, Language::English)), 16) << Padded(d.unitName, 12)
            << Padded(count, 7) << Padded(changed, 7) << Utf8FromPath(p.path.filename()) << "\n";
    }
    return ExitCode::Success;
}

} // namespace zarvex1
