#include "core/catalogue/CatalogueBuilder.h"

#include "core/catalogue/CatalogueNotes.h"
#include "core/files/ParameterFileLayout.h"
#include "core/pages/BikePageModel.h"
#include "core/pages/GearPageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/pages/MapPageModels.h"
#include "core/pages/PowerOutPageModel.h"
#include "core/pages/RacePageModel.h"
#include "core/pages/TestPageModel.h"
#include "core/texts/WindowCaptions.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace zarvex1 {

namespace {

constexpr int LanguageIndices[3] = {Language::English, Language::German, Language::Czech};

CatalogueText FromTexts(const Texts3 &t) {
    return {{std::string(t[0]), std::string(t[1]), std::string(t[2])}};
}

CatalogueText NumberedText(const Texts3 &t, int number) {
    return {{Numbered(t[0], number), Numbered(t[1], number), Numbered(t[2], number)}};
}

// The maps and their axes: each is one entry of cells.
struct MapRange {
    ValueWidth width;
    int first;
    int rows;
    int columns;
    std::string_view id;
};

constexpr MapRange Maps[] = {
    {ValueWidth::Word, Adrw::IapAxis, 1, 10, "IAP"},
    {ValueWidth::Word, Adrw::AdvanceRpm1, 1, 15, "ADVANCE_RPM1"},
    {ValueWidth::Word, Adrw::AdvanceRpm2, 1, 15, "ADVANCE_RPM2"},
    {ValueWidth::Word, Adrw::ServoRpm, 1, 15, "SERVO_RPM"},
    {ValueWidth::Byte, Adrb::Advance1, 10, 15, "ADVANCE1"},
    {ValueWidth::Byte, Adrb::Advance2, 10, 15, "ADVANCE2"},
    {ValueWidth::Byte, Adrb::Servo, 10, 15, "SERVO"},
};

const MapRange *MapOf(ValueWidth width, int address) {
    for (const MapRange &m : Maps)
        if (m.width == width && address >= m.first && address < m.first + m.rows * m.columns)
            return &m;
    return nullptr;
}

std::string IdOf(ValueWidth width, int address, int bit) {
    switch (width) {
    case ValueWidth::Word:
        return "W" + std::to_string(address);
    case ValueWidth::Byte:
        return "B" + std::to_string(address);
    case ValueWidth::Bit:
        break;
    }
    return "B" + std::to_string(address) + "." + std::to_string(bit);
}

int PageOfSection(std::uint16_t flags) {
    if (flags & FileSectionFlag::Basic)
        return Page::Bike;
    if (flags & FileSectionFlag::Inputs)
        return Page::Inputs;
    if (flags & (FileSectionFlag::Advance1 | FileSectionFlag::Advance2))
        return Page::Advance;
    if (flags & FileSectionFlag::PowerOut)
        return Page::PowerOut;
    if (flags & FileSectionFlag::Servo)
        return Page::Servo;
    if (flags & FileSectionFlag::Gear)
        return Page::Gear;
    if (flags & FileSectionFlag::Race)
        return Page::Race;
    if (flags & FileSectionFlag::Test)
        return Page::Test;
    return -1;
}

// Every value of the parameter file once, in writing order, the maps as one entry each.
std::vector<CatalogueEntry> EntriesOfFile() {
    std::vector<CatalogueEntry> entries;
    std::vector<std::string> mapsSeen;
    for (const KeyWordLayout &k : ParameterFileLayout()) {
        for (int line = 0; line < static_cast<int>(k.lines.size()); ++line) {
            const auto &fields = k.lines[static_cast<std::size_t>(line)];
            for (int column = 0; column < static_cast<int>(fields.size()); ++column) {
                const FileField &f = fields[static_cast<std::size_t>(column)];
                CatalogueEntry e;
                e.keyWord = std::string(k.keyWord);
                e.line = line;
                e.column = column;
                e.written = k.written;
                e.page = PageOfSection(k.flags);
                e.address = f.address;
                e.scale = f.scale;
                e.offset = f.offset;
                switch (f.kind) {
                case FieldKind::Word:
                    e.width = ValueWidth::Word;
                    break;
                case FieldKind::GridBit:
                    e.width = ValueWidth::Bit;
                    e.bit = f.bit;
                    break;
                case FieldKind::LoadThreshold:
                    e.loadScaled = true;
                    break;
                default:
                    break;
                }
                if (const MapRange *m = MapOf(e.width, e.address)) {
                    if (std::find(mapsSeen.begin(), mapsSeen.end(), m->id) != mapsSeen.end())
                        continue;
                    mapsSeen.emplace_back(m->id);
                    e.kind = EntryKind::Map;
                    e.id = std::string(m->id);
                    e.address = m->first;
                    e.rows = m->rows;
                    e.columns = m->columns;
                } else {
                    e.id = IdOf(e.width, e.address, e.bit);
                }
                entries.push_back(std::move(e));
            }
        }
    }
    return entries;
}

// Captions of every page and of the page tabs.
class CaptionSource {
public:
    CaptionSource() {
        tables_ = {BikePageModel().Captions(),  InputsPageModel().Captions(),   AdvancePageModel().Captions(),
                   ServoPageModel().Captions(), PowerOutPageModel().Captions(), GearPageModel().Captions(),
                   RacePageModel().Captions(),  TestPageModel().Captions(),     WindowCaptions()};
    }
    // The caption of a control in the language, or empty.
    std::string_view Caption(std::string_view target, int language) const {
        for (CaptionTable t : tables_) {
            const std::string_view text = CaptionText(t, target, CaptionKind::Caption, language);
            if (!text.empty())
                return text;
        }
        return {};
    }
    const std::vector<CaptionTable> &Tables() const { return tables_; }

private:
    std::vector<CaptionTable> tables_;
};

// A caption is put together from captions of the pages' controls (`target`, with a number after it) and
// words of the catalogue (`own`).
struct CaptionPart {
    CaptionPart(std::string t, std::string s = {}) : target(std::move(t)), suffix(std::move(s)) {}
    CaptionPart(CatalogueText o) : own(std::move(o)) {}
    std::string target;
    std::string suffix;
    CatalogueText own;
};

// A caption as a name: without the unit in brackets (the unit is shown beside the value), without
// surrounding or doubled blanks.
std::string Cleaned(std::string_view text) {
    std::string s(text);
    if (const auto open = s.rfind(" ["); open != std::string::npos && s.back() == ']')
        s.resize(open);
    if (s.ends_with(" (°)"))
        s.resize(s.size() - 4);
    std::string out;
    for (char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' '))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

CatalogueText Compose(const CaptionSource &source, const std::vector<CaptionPart> &parts) {
    CatalogueText text;
    for (int l = 0; l < 3; ++l) {
        std::string &out = text.text[static_cast<std::size_t>(l)];
        for (const CaptionPart &part : parts) {
            std::string piece = part.target.empty()
                                    ? part.own.text[static_cast<std::size_t>(l)]
                                    : Cleaned(source.Caption(part.target, LanguageIndices[l]));
            if (piece.empty())
                return {}; // a part without a text: the caption is not complete
            if (!out.empty())
                out += ", ";
            out += piece;
            if (!part.suffix.empty())
                out += " " + part.suffix;
        }
    }
    return text;
}

CatalogueText Words(const Texts3 &t) {
    return FromTexts(t);
}

CatalogueText Suffixed(const Texts3 &t, int number) {
    CatalogueText text = FromTexts(t);
    for (std::string &s : text.text)
        s += " " + std::to_string(number);
    return text;
}

// The fourth output's corrections have no column on the Race page: their caption is the catalogue's.
std::vector<CaptionPart> PowerOut4CorrectionParts(int row) {
    return {std::string("GroupBoxGearKor"), Words(CatalogueWords::PowerOut4),
            std::string("LabelGearKor") + std::to_string(row + 1)};
}

bool Matches(std::string_view name, std::string_view prefix, std::string &rest) {
    if (!name.starts_with(prefix))
        return false;
    rest = std::string(name.substr(prefix.size()));
    return true;
}

// The parts of a bound control's caption: its label with the group around it.
std::vector<CaptionPart> PartsOfControl(const Binding &b) {
    const std::string name(b.name);
    std::string rest;
    if (Matches(name, "UpDownPalec", rest) && rest.size() == 4) // UpDownPalec1Zac
        return {"GroupBoxPalec" + rest.substr(0, 1), "LabelPalec" + rest};
    if (Matches(name, "CheckBoxPalec", rest) && rest.size() == 6) // CheckBoxPalec1ZacH2
        return {"GroupBoxPalec" + rest.substr(0, 1), "LabelPalec" + rest.substr(0, 4),
                std::string(rest.ends_with("H2") ? "LabelHrana2" : "LabelSnimac2")};
    if (Matches(name, "UpDownKompenz", rest))
        return {CaptionPart("LabelKompenz", rest)};
    if (name == "UpDownRpmPulsu" || name == "UpDownRpmKorekce")
        return {std::string("GroupBoxRpm"), LabelNameOf(name)};
    if (name == "ComboBoxNasobekPalcu")
        return {NumberedText(NotesOf(ValueWidth::Byte, Adrb::IgnitionsPerRevolution)->caption, 0)};
    if (name == "RadioGroupModePotencMode" || name == "UpDownPotencRozsah")
        return {std::string("GroupBoxPoti"), name.starts_with("UpDown") ? LabelNameOf(name) : name};
    if (name == "UpDownMapa2Akcel")
        return {std::string("GroupBoxMapa2Switch"), LabelNameOf(name)};
    if (name == "UpDownCylCorr1" || name == "UpDownCylCorr2")
        return {
            NumberedText(NotesOf(ValueWidth::Byte, Adrb::CylinderCorrection)->caption, name.back() - '0')};
    if (Matches(name, "UpDownPOut", rest)) { // UpDownPOut1Rpm0, UpDownPOut1Load0, UpDownPOut1Hyst
        const std::string n = rest.substr(0, 1), what = rest.substr(1);
        const std::string group = "GroupBoxPOutMap" + n;
        if (what.starts_with("Rpm"))
            return {group, CaptionPart("LabelPOut" + n + "Rpm", std::to_string(what.back() - '0' + 1))};
        if (what.starts_with("Load"))
            return {group, Suffixed(CatalogueWords::Load, what.back() - '0' + 1)};
        return {group, "LabelPOut" + n + "Hyst"};
    }
    if (Matches(name, "CheckBoxPOut", rest)) { // CheckBoxPOut1Cell01
        const int row = rest[rest.size() - 2] - '0', column = rest.back() - '0';
        return {"GroupBoxPOutMap" + rest.substr(0, 1), Suffixed(CatalogueWords::LoadZone, row + 1),
                Suffixed(CatalogueWords::SpeedZone, column + 1)};
    }
    if (Matches(name, "UpDownGearVoltage", rest))
        return {std::string("GroupBoxNapetiProGear"), "LabelGear" + rest};
    if (Matches(name, "UpDownGearRatio", rest))
        return {std::string("GroupBoxRpmSpeedProGear"), "LabelPomerRpmSpeed" + rest};
    if (Matches(name, "UpDownGearAuto", rest))
        return {std::string("GroupBoxMonAutoGear"), LabelNameOf(name)};
    if (name == "UpDownPulsuProSpeed")
        return {std::string("GroupBoxPulsuProSpeed"), LabelNameOf(name)};
    if (Matches(name, "UpDownClutchTime", rest))
        return {std::string("LabelClutchTime"), "LabelRaceGear" + rest};
    if (Matches(name, "UpDownGearCorrPOut", rest)) { // UpDownGearCorrPOut1_1
        const int row = rest.back() - '1';
        if (rest.front() == '4')
            return PowerOut4CorrectionParts(row);
        return {std::string("GroupBoxGearKor"), "LabelGearKorPOut" + rest.substr(0, 1),
                "LabelGearKor" + rest.substr(rest.size() - 1)};
    }
    for (std::string_view column : {"Adv", "Limiter", "Servo"})
        if (Matches(name, "UpDownGearCorr" + std::string(column), rest))
            return {std::string("GroupBoxGearKor"), "LabelGearKor" + std::string(column),
                    "LabelGearKor" + rest};
    if (name == "UpDownTestServo")
        return {std::string("GroupBoxTestServo"), LabelNameOf(name)};
    if (name.starts_with("UpDown"))
        return {LabelNameOf(name)};
    if (Matches(name, "ComboBox", rest))
        return {"Label" + rest};
    return {name};
}

// The caption of a value no control names on its own, from the catalogue's notes.
CatalogueText OwnCaption(const CaptionSource &source, const CatalogueEntry &e, const ValueNotes &n) {
    const int index = e.address - n.first;
    if (e.width != ValueWidth::Word && e.address >= Adrb::GearCorrPowerOut + 18 &&
        e.address < Adrb::GearCorrPowerOut + 24)
        return Compose(source, PowerOut4CorrectionParts(e.address - Adrb::GearCorrPowerOut - 18));
    CatalogueText text = NumberedText(n.caption, index / n.per + n.base);
    if (e.width == ValueWidth::Bit) {
        const CatalogueText zones = Compose(source, {Suffixed(CatalogueWords::LoadZone, index % n.per + 1),
                                                     Suffixed(CatalogueWords::SpeedZone, e.bit + 1)});
        for (int l = 0; l < 3; ++l)
            text.text[static_cast<std::size_t>(l)] += ", " + zones.text[static_cast<std::size_t>(l)];
    } else if (n.per > 1 && e.kind == EntryKind::Value) {
        for (std::string &s : text.text)
            s += " " + std::to_string(index % n.per + 1);
    }
    return text;
}

CatalogueEntry *FindEntry(std::vector<CatalogueEntry> &entries, const Binding &b) {
    for (CatalogueEntry &e : entries) {
        if (e.kind != EntryKind::Value)
            continue;
        switch (b.kind) {
        case ControlKind::WordUpDown:
            if (e.width == ValueWidth::Word && e.address == b.position)
                return &e;
            break;
        case ControlKind::BitCheck:
            if (e.width == ValueWidth::Bit && e.address == b.position && e.bit == b.bit)
                return &e;
            break;
        default:
            if (e.width == ValueWidth::Byte && e.address == b.position)
                return &e;
            break;
        }
    }
    return nullptr;
}

// The items of a radio group or combo box, by the code each stores.
std::vector<std::pair<int, CatalogueText>> ChoicesOf(const CaptionSource &source, const Binding &b) {
    const int count = b.maximum + 1;
    std::vector<CatalogueText> items(static_cast<std::size_t>(count));
    for (CaptionTable t : source.Tables())
        for (const CaptionRow &row : t) {
            if (row.target != b.name)
                continue;
            for (int l = 0; l < 3; ++l) {
                const std::string_view text = row.text[static_cast<std::size_t>(l)];
                if (row.kind == CaptionKind::Item && row.item >= 0 && row.item < count) {
                    items[static_cast<std::size_t>(row.item)].text[static_cast<std::size_t>(l)] =
                        Cleaned(text);
                } else if (row.kind == CaptionKind::Items) {
                    std::size_t start = 0;
                    for (int i = 0; i < count && start <= text.size(); ++i) {
                        const std::size_t end = std::min(text.find('\n', start), text.size());
                        items[static_cast<std::size_t>(i)].text[static_cast<std::size_t>(l)] =
                            Cleaned(text.substr(start, end - start));
                        start = end + 1;
                    }
                }
            }
        }
    std::vector<std::pair<int, CatalogueText>> choices;
    for (int i = 0; i < count; ++i) {
        const int code = b.codes.empty() ? i : b.codes[static_cast<std::size_t>(i)];
        if (!items[static_cast<std::size_t>(i)].text[0].empty())
            choices.emplace_back(code, items[static_cast<std::size_t>(i)]);
    }
    return choices;
}

void Bind(std::vector<CatalogueEntry> &entries, const CaptionSource &source, const PageModel &page) {
    ParameterImage image;
    image.setByte(Adrb::LoadSensor, 1); // so that every row binds
    for (const Binding &b : page.Bindings(image)) {
        CatalogueEntry *e = FindEntry(entries, b);
        if (e == nullptr || !e->control.empty())
            continue; // the catalogue test names such a row
        e->control = std::string(b.name);
        e->page = page.index();
        if (b.isUpDown()) {
            e->minimum = b.minimum;
            e->maximum = b.maximum;
        } else if (b.kind == ControlKind::Check || b.kind == ControlKind::BitCheck) {
            e->flag = true;
            e->maximum = 1;
        } else {
            e->maximum = b.maximum;
            e->choices = ChoicesOf(source, b);
        }
        e->caption = Compose(source, PartsOfControl(b));
    }
}

// The fourth power output has room and defaults in the image but no controls.
bool IsPowerOut4(const CatalogueEntry &e) {
    if (e.width == ValueWidth::Word)
        return false;
    const int a = e.address;
    return a == Adrb::PowerOutMode + 3 || (a >= Adrb::PowerOutRpm + 9 && a < Adrb::PowerOutRpm + 12) ||
           a == Adrb::PowerOutHysteresis + 3 || (a >= Adrb::PowerOutLoad + 6 && a < Adrb::PowerOutLoad + 8) ||
           (a >= Adrb::PowerOutTable + 9 && a < Adrb::PowerOutTable + 12) ||
           (a >= Adrb::GearCorrPowerOut + 18 && a < Adrb::GearCorrPowerOut + 24);
}

void AddNotes(CatalogueEntry &e, const CaptionSource &source) {
    const ValueNotes *n =
        NotesOf(e.width == ValueWidth::Word ? ValueWidth::Word : ValueWidth::Byte, e.address);
    if (n == nullptr)
        return;
    const int number = (e.address - n->first) / n->per + n->base;
    e.description = NumberedText(n->description, number);
    const Texts3 advice = AdviceOf(n->width, n->first);
    e.advice = NumberedText(advice[0].empty() ? CatalogueWords::NotKnown : advice, number);
    if (IsPowerOut4(e))
        e.advice = FromTexts(CatalogueWords::PowerOut4Kept);
    e.unit = FromTexts(n->unit);
    if (e.control.empty()) {
        e.page = n->page;
        e.minimum = n->minimum;
        e.maximum = n->maximum;
        e.flag = n->flag;
        e.caption = OwnCaption(source, e, *n);
    }
}

void MapDetails(CatalogueEntry &e) {
    if (e.kind != EntryKind::Map)
        return;
    if (e.id == "SERVO") {
        e.cellFactor = 0.02; // volts; the servo map in percent reads raw x 1 (byte 577)
        e.decimals = 2;
        e.unit = {{"V", "V", "V"}};
    }
}

} // namespace

std::vector<CatalogueEntry> BuildCatalogueEntries() {
    const CaptionSource source;
    std::vector<CatalogueEntry> entries = EntriesOfFile();
    const std::unique_ptr<PageModel> pages[] = {
        std::make_unique<BikePageModel>(),     std::make_unique<InputsPageModel>(),
        std::make_unique<AdvancePageModel>(),  std::make_unique<ServoPageModel>(),
        std::make_unique<PowerOutPageModel>(), std::make_unique<GearPageModel>(),
        std::make_unique<RacePageModel>(),     std::make_unique<TestPageModel>(),
    };
    for (const auto &page : pages)
        Bind(entries, source, *page);
    for (CatalogueEntry &e : entries) {
        AddNotes(e, source);
        MapDetails(e);
    }

    // The bytes that no value names.
    std::array<bool, ParameterImage::Size> named{};
    for (const CatalogueEntry &e : entries)
        for (int b : e.Bytes())
            named[static_cast<std::size_t>(b)] = true;
    for (int b = 0; b < ParameterImage::Size; ++b) {
        if (named[static_cast<std::size_t>(b)])
            continue;
        CatalogueEntry e;
        e.kind = EntryKind::OtherByte;
        e.id = "B" + std::to_string(b);
        e.written = false;
        e.address = b;
        e.maximum = 255;
        e.caption = Suffixed(CatalogueWords::Byte, b);
        e.description = FromTexts(CatalogueWords::OtherByte);
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace zarvex1
