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

std::vector<ReferenceRow> ParameterReference(int language) {
    std::vector<ReferenceRow> rows;
    for (const CatalogueEntry *e : ParameterCatalogue::Instance().EntriesByPage()) {
        ReferenceRow row{
            e,  PageCaption(e->page, language), e->caption.in(language), {}, e->unit.in(language),
            {}, e->description.in(language)};
        if (!e->keyWord.empty())
            row.place = e->keyWord + " " + std::to_string(e->line + 1) + "/" + std::to_string(e->column + 1);
        if (e->loadScaled)
            row.unit = "% | kPa";
        if (e->flag) {
            row.range = std::string(CatalogueWords::No[Column(language)]) + " | " +
                        std::string(CatalogueWords::Yes[Column(language)]);
        } else if (!e->choices.empty()) {
            for (const auto &[code, text] : e->choices)
                row.range += (row.range.empty() ? "" : " | ") + text.in(language);
        } else if (e->kind != EntryKind::Map && e->minimum < e->maximum) {
            row.range = std::to_string(e->minimum) + " .. " + std::to_string(e->maximum);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string PageCaption(int page, int language) {
    if (page < 0 || page >= Page::Count)
        return std::string(CatalogueWords::OtherBytes[Column(language)]);
    return std::string(CaptionText(WindowCaptions(), PageNames[page], CaptionKind::Caption, language));
}

} // namespace zarvex1
