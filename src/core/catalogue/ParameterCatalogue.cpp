#include "core/catalogue/ParameterCatalogue.h"

#include "core/catalogue/CatalogueBuilder.h"
#include "core/catalogue/CatalogueNotes.h"
#include "core/mapbinding/MapSheets.h"
#include "core/params/Defaults.h"
#include "core/texts/MessageTexts.h"
#include "core/texts/WindowCaptions.h"

#include <algorithm>
#include <cstdio>

namespace zarvex1 {

namespace {

std::size_t Column(int languageIndex) {
    return languageIndex == Language::German ? 1 : languageIndex == Language::Czech ? 2 : 0;
}

bool ServoInPercent(const CatalogueEntry &e, const ParameterImage &image) {
    return e.id == "SERVO" && image.byte(Adrb::ServoPercent) == 1;
}

int LoadScale(const ParameterImage &image) {
    return image.byte(Adrb::LoadSensor) == SensorIap ? 5 : 1;
}

} // namespace

const std::string &CatalogueText::in(int languageIndex) const {
    return text[Column(languageIndex)];
}

std::vector<int> CatalogueEntry::Bytes() const {
    std::vector<int> bytes;
    const int count = cellCount();
    for (int i = 0; i < count; ++i) {
        if (width == ValueWidth::Word) {
            bytes.push_back(2 * (address + i));
            bytes.push_back(2 * (address + i) + 1);
        } else {
            bytes.push_back(address + i);
        }
    }
    return bytes;
}

ParameterCatalogue::ParameterCatalogue(std::vector<CatalogueEntry> entries) : entries_(std::move(entries)) {
    for (const CatalogueEntry &e : entries_)
        byPage_.push_back(&e);
    std::stable_sort(byPage_.begin(), byPage_.end(), [](const CatalogueEntry *a, const CatalogueEntry *b) {
        return static_cast<unsigned>(a->page) < static_cast<unsigned>(b->page); // -1: no page, last
    });
    byteOwner_.fill(-1);
    for (int i = static_cast<int>(entries_.size()) - 1; i >= 0; --i)
        for (int b : entries_[static_cast<std::size_t>(i)].Bytes())
            byteOwner_[static_cast<std::size_t>(b)] = i;
}

const ParameterCatalogue &ParameterCatalogue::Instance() {
    static const ParameterCatalogue catalogue(BuildCatalogueEntries());
    return catalogue;
}

const CatalogueEntry &ParameterCatalogue::EntryOfByte(int address) const {
    return entries_[static_cast<std::size_t>(byteOwner_[static_cast<std::size_t>(address)])];
}

const CatalogueEntry *ParameterCatalogue::EntryOfControl(std::string_view control) const {
    for (const CatalogueEntry &e : entries_)
        if (!e.control.empty() && e.control == control)
            return &e;
    return nullptr;
}

const CatalogueEntry *ParameterCatalogue::EntryWithId(std::string_view id) const {
    for (const CatalogueEntry &e : entries_)
        if (e.id == id)
            return &e;
    return nullptr;
}

int ParameterCatalogue::RawValue(const CatalogueEntry &e, const ParameterImage &image, int cell) {
    switch (e.width) {
    case ValueWidth::Word:
        return image.word(e.address + cell);
    case ValueWidth::Byte:
        return image.byte(e.address + cell);
    case ValueWidth::Bit:
        break;
    }
    return (image.byte(e.address) >> e.bit) & 1;
}

std::string ParameterCatalogue::FormatNumber(const CatalogueEntry &e, const ParameterImage &image, int cell) {
    const int raw = RawValue(e, image, cell);
    if (e.kind == EntryKind::Map) {
        const bool percent = ServoInPercent(e, image);
        const double factor = percent ? 1.0 : e.cellFactor;
        const int decimals = percent ? 0 : e.decimals;
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", decimals, raw * factor);
        return text;
    }
    const int scale = e.loadScaled ? LoadScale(image) : e.scale;
    return std::to_string(DisplayedValue(raw, scale, e.offset));
}

std::string ParameterCatalogue::FormatValue(const CatalogueEntry &e, const ParameterImage &image,
                                            int language, int cell) {
    const int raw = RawValue(e, image, cell);
    if (e.flag && e.kind == EntryKind::Value)
        return std::string(raw != 0 ? CatalogueWords::Yes[Column(language)]
                                    : CatalogueWords::No[Column(language)]);
    for (const auto &[code, text] : e.choices)
        if (code == raw)
            return text.in(language);
    std::string value = FormatNumber(e, image, cell);
    std::string unit = e.unit.in(language);
    if (e.loadScaled)
        unit = LoadScale(image) == 5 ? "kPa" : "%";
    if (ServoInPercent(e, image))
        unit = "%";
    if (!unit.empty())
        value += (unit == "°" ? "" : " ") + unit;
    return value;
}

namespace {

// A choice as the window shows it, with the translation where the window keeps another language's text.
std::string ChoiceText(const CatalogueEntry &e, int code, const CatalogueText &text, int language) {
    std::string shown = text.in(language);
    const std::size_t column = Column(language);
    for (const ItemTranslation &t : ItemTranslations())
        if (e.control == t.control && code == t.code && !t.text[column].empty())
            return shown + " (" + std::string(t.text[column]) + ")";
    return shown;
}

// The value of a first-start set as the reference gives it: a map or axis as its numbers (a map whose
// rows are alike as one row), anything else as the window shows it.
std::string DefaultOf(const CatalogueEntry &e, const ParameterImage &image, int language) {
    if (e.kind == EntryKind::OtherByte)
        return ParameterCatalogue::FormatNumber(e, image);
    if (e.kind != EntryKind::Map)
        return ParameterCatalogue::FormatValue(e, image, language);
    const auto row = [&](int r) {
        std::string text;
        for (int c = 0; c < e.columns; ++c)
            text += (c ? ", " : "") + ParameterCatalogue::FormatNumber(e, image, r * e.columns + c);
        return text;
    };
    bool alike = true;
    for (int r = 1; r < e.rows; ++r)
        alike = alike && row(r) == row(0);
    std::string text;
    if (e.rows > 1 && alike)
        text = std::string(CatalogueWords::EveryRow[Column(language)]) + ": " + row(0);
    else
        for (int r = 0; r < e.rows; ++r)
            text += (r ? "; " : "") + row(r);
    const std::string unit = e.unit.in(language);
    return unit.empty() ? text : text + " " + unit;
}

// The default, by motorbike type where the type's settings make it differ.
std::string DefaultText(const CatalogueEntry &e, int language) {
    static const std::vector<std::pair<int, ParameterImage>> sets = [] {
        std::vector<std::pair<int, ParameterImage>> s;
        for (int bike : {0, 2, 3, 4, 5, 6})
            s.emplace_back(bike, FirstStartSet(bike));
        return s;
    }();
    const std::string first = DefaultOf(e, sets.front().second, language);
    bool same = true;
    for (const auto &[bike, image] : sets)
        same = same && DefaultOf(e, image, language) == first;
    if (same || e.id == "B230") // the type itself: a new set starts as the first type
        return first;
    // The value of the first type, then the types that set another, by their names in the window.
    const CatalogueEntry *bikes = ParameterCatalogue::Instance().EntryWithId("B230");
    std::string others;
    for (const auto &[code, name] : bikes->choices) {
        const auto set =
            std::find_if(sets.begin(), sets.end(), [code](const auto &s) { return s.first == code; });
        const std::string value = set == sets.end()
                                      ? std::string(CatalogueWords::SpecialKeeps[Column(language)])
                                      : DefaultOf(e, set->second, language);
        if (value != first)
            others += (others.empty() ? "" : "; ") + name.in(language) + ": " + value;
    }
    return first + " (" + others + ")";
}

std::string ShownRange(const ReferenceRow &row, const CatalogueEntry &e) {
    if (e.loadScaled)
        return std::to_string(e.minimum) + " .. 100 % (TPS) | 0 .. 1000 kPa (IAP)";
    if (e.flag || !e.choices.empty())
        return row.range;
    std::string range = row.range;
    if (range.empty() && e.kind == EntryKind::Map && e.minimum < e.maximum)
        range = std::to_string(e.minimum) + " .. " + std::to_string(e.maximum);
    if (e.id == "SERVO")
        return "V | %";
    if (row.unit.empty())
        return range;
    return range.empty() ? row.unit : range + " " + row.unit;
}

} // namespace

std::vector<ReferenceRow> ParameterReference(int language) {
    std::vector<ReferenceRow> rows;
    for (const CatalogueEntry *e : ParameterCatalogue::Instance().EntriesByPage()) {
        ReferenceRow row;
        row.entry = e;
        row.page = PageCaption(e->page, language);
        row.caption = e->caption.in(language);
        row.unit = e->unit.in(language);
        row.description = e->description.in(language);
        if (!e->keyWord.empty())
            row.place = e->keyWord + " " + std::to_string(e->line + 1) + "/" + std::to_string(e->column + 1);
        if (e->loadScaled)
            row.unit = "% | kPa";
        if (e->flag) {
            row.range = std::string(CatalogueWords::No[Column(language)]) + " | " +
                        std::string(CatalogueWords::Yes[Column(language)]);
        } else if (!e->choices.empty()) {
            for (const auto &[code, text] : e->choices)
                row.range += (row.range.empty() ? "" : " | ") + ChoiceText(*e, code, text, language);
        } else if (e->kind != EntryKind::Map && e->minimum < e->maximum) {
            row.range = std::to_string(e->minimum) + " .. " + std::to_string(e->maximum);
        }
        row.advice = e->advice.in(language);
        row.shownRange = ShownRange(row, *e);
        row.defaultValue = DefaultText(*e, language);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ReferenceRow> CompactReference(int language) {
    std::vector<ReferenceRow> rows;
    int runEnd = -2; // the last byte of the run of unnamed bytes the last row holds
    for (ReferenceRow &row : ParameterReference(language)) {
        const CatalogueEntry &e = *row.entry;
        if (e.kind != EntryKind::OtherByte) {
            rows.push_back(std::move(row));
            runEnd = -2;
            continue;
        }
        if (e.address == runEnd + 1) {
            const std::string from = rows.back().entry->id.substr(1); // "B834"
            rows.back().caption = std::string(CatalogueWords::Bytes[Column(language)]) + " " + from + " .. " +
                                  std::to_string(e.address);
        } else {
            row.description = CatalogueWords::OtherBytesKept[Column(language)];
            row.shownRange = "0 .. 255";
            rows.push_back(std::move(row));
        }
        runEnd = e.address;
    }
    return rows;
}

std::string PageCaption(int page, int language) {
    if (page < 0 || page >= Page::Count)
        return std::string(CatalogueWords::OtherBytes[Column(language)]);
    return std::string(CaptionText(WindowCaptions(), PageNames[page], CaptionKind::Caption, language));
}

} // namespace zarvex1
