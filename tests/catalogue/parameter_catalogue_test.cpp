#include "core/catalogue/ParameterCatalogue.h"
#include "core/files/ParameterFileLayout.h"
#include "core/pages/BikePageModel.h"
#include "core/pages/GearPageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/pages/MapPageModels.h"
#include "core/pages/PowerOutPageModel.h"
#include "core/pages/RacePageModel.h"
#include "core/pages/TestPageModel.h"
#include "core/params/Defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace zarvex1 {
namespace {

const ParameterCatalogue &Catalogue() {
    return ParameterCatalogue::Instance();
}

// A byte, or one bit of it (-1: the whole byte).
using Place = std::pair<int, int>;

std::vector<Place> PlacesOf(const CatalogueEntry &e) {
    std::vector<Place> places;
    for (int b : e.Bytes())
        places.emplace_back(b, e.width == ValueWidth::Bit ? e.bit : -1);
    return places;
}

std::vector<Place> PlacesOf(const FileField &f) {
    switch (f.kind) {
    case FieldKind::Word:
        return {{2 * f.address, -1}, {2 * f.address + 1, -1}};
    case FieldKind::GridBit:
        return {{f.address, f.bit}};
    default:
        return {{f.address, -1}};
    }
}

TEST(ParameterCatalogue, holdsEveryByteOfTheImageAndEveryValueOfTheFileExactlyOnce) {
    std::map<Place, int> owners;
    std::set<int> bytes;
    for (const CatalogueEntry &e : Catalogue().Entries())
        for (const Place &p : PlacesOf(e)) {
            ++owners[p];
            bytes.insert(p.first);
        }
    for (const auto &[place, count] : owners)
        EXPECT_EQ(count, 1) << "byte " << place.first << " bit " << place.second;
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(ParameterImage::Size));
    // A byte is either whole or split into bits, never both.
    for (const auto &[place, count] : owners)
        if (place.second >= 0) {
            EXPECT_FALSE(owners.contains({place.first, -1})) << place.first;
        }

    // Every value the writer writes has a written entry with its key word and place.
    for (const KeyWordLayout &k : ParameterFileLayout()) {
        for (std::size_t line = 0; line < k.lines.size(); ++line)
            for (std::size_t column = 0; column < k.lines[line].size(); ++column)
                for (const Place &p : PlacesOf(k.lines[line][column])) {
                    ASSERT_TRUE(owners.contains(p)) << k.keyWord << " " << p.first;
                    const CatalogueEntry &e = Catalogue().EntryOfByte(p.first);
                    EXPECT_EQ(e.keyWord, k.keyWord) << p.first;
                    EXPECT_EQ(e.written, k.written) << p.first;
                    EXPECT_NE(e.kind, EntryKind::OtherByte) << p.first;
                }
    }
    // Bytes that the file does not carry are other bytes by address.
    for (int b : {160, 229, 259, 834, 899}) {
        EXPECT_EQ(Catalogue().EntryOfByte(b).kind, EntryKind::OtherByte) << b;
        EXPECT_EQ(Catalogue().EntryOfByte(b).caption.in(Language::Czech), "Bajt " + std::to_string(b));
    }
}

TEST(ParameterCatalogue, namesEveryBoundControlOnceAtItsPosition) {
    const std::unique_ptr<PageModel> pages[] = {
        std::make_unique<BikePageModel>(),     std::make_unique<InputsPageModel>(),
        std::make_unique<AdvancePageModel>(),  std::make_unique<ServoPageModel>(),
        std::make_unique<PowerOutPageModel>(), std::make_unique<GearPageModel>(),
        std::make_unique<RacePageModel>(),     std::make_unique<TestPageModel>(),
    };
    std::map<std::string, int> seen;
    for (const CatalogueEntry &e : Catalogue().Entries())
        if (!e.control.empty())
            ++seen[e.control];
    std::size_t bound = 0;
    ParameterImage image = FirstStartSet();
    image.setByte(Adrb::LoadSensor, 2);
    for (const auto &page : pages)
        for (const Binding &b : page->Bindings(image)) {
            ++bound;
            EXPECT_EQ(seen[std::string(b.name)], 1) << b.name;
            const CatalogueEntry *e = Catalogue().EntryOfControl(b.name);
            ASSERT_NE(e, nullptr) << b.name;
            EXPECT_EQ(e->page, page->index()) << b.name;
            EXPECT_EQ(e->address, b.position) << b.name;
            EXPECT_EQ(e->width == ValueWidth::Word, b.kind == ControlKind::WordUpDown) << b.name;
            if (b.kind == ControlKind::BitCheck) {
                EXPECT_EQ(e->bit, b.bit) << b.name;
            }
        }
    EXPECT_EQ(seen.size(), bound); // no entry names a control that no page binds
}

TEST(ParameterCatalogue, everyEntryHasItsOwnCaptionAndADescriptionInEachLanguage) {
    for (int language : {Language::English, Language::German, Language::Czech}) {
        std::map<std::string, std::string> captions;
        for (const CatalogueEntry &e : Catalogue().Entries()) {
            const std::string &caption = e.caption.in(language);
            EXPECT_FALSE(caption.empty()) << e.id << " language " << language;
            EXPECT_FALSE(e.description.in(language).empty()) << e.id << " language " << language;
            EXPECT_TRUE(captions.emplace(caption, e.id).second)
                << e.id << " and " << captions[caption] << " are both \"" << caption << "\"";
        }
    }
}

TEST(ParameterCatalogue, captionsOfBoundControlsComeFromThePagesTables) {
    struct Case {
        std::string_view control;
        int language;
        std::string_view caption;
    };
    const Case cases[] = {
        {"UpDownRetard", Language::German, "Spätzündung"},                  // "[°]" goes: the unit shows it
        {"CheckBoxSpecStart", Language::English, "Lower advance by start"}, // a check box's own text
        {"UpDownPalec2End", Language::Czech, "Kanál 2, Startovací předstih"},
        {"UpDownGearCorrAdv1", Language::English, "Correction according gear, Advance, 0-1"},
        {"UpDownPOut2Rpm1", Language::English, "Setting power out 2, Rpm 2"},
        {"CheckBoxPOut1Cell21", Language::German, "Einstellung Ausgang 1, Lastzone 3, Drehzahlzone 2"},
    };
    for (const Case &c : cases) {
        const CatalogueEntry *e = Catalogue().EntryOfControl(c.control);
        ASSERT_NE(e, nullptr) << c.control;
        EXPECT_EQ(e->caption.in(c.language), c.caption) << c.control;
    }
    // The fourth output's corrections and the other unbound values have captions of their own.
    EXPECT_EQ(Catalogue().EntryOfByte(Adrb::GearCorrPowerOut + 18 + 5).caption.in(Language::English),
              "Correction according gear, Power out 4, 6");
    EXPECT_EQ(Catalogue().EntryOfByte(2 * Adrw::TpsVoltage100).caption.in(Language::English),
              "TPS voltage at 100 %");
    EXPECT_EQ(Catalogue().EntryOfByte(Adrb::PowerOutRpm + 9 + 2).caption.in(Language::English),
              "Power out 4: Rpm 3");
}

TEST(ParameterCatalogue, formatsValuesInDisplayUnits) {
    ParameterImage image = FirstStartSet();
    image.setWord(Adrw::HardLimiter, 11000);
    image.setByte(Adrb::TachoCorrection, 98);
    image.setByte(Adrb::CylinderCorrection, 97);
    image.setByte(Adrb::SpecStart, 1);
    image.setByte(Adrb::InputFunction, 3);
    image.setByte(Adrb::LoadSensor, 2);
    image.setByte(Adrb::PowerOutLoad, 15);
    image.setByte(Adrb::Servo + 16, 100);
    struct Case {
        std::string_view id;
        int language;
        int cell;
        std::string_view shown;
    };
    const Case cases[] = {
        {"W3", Language::German, 0, "11000 U/min"},      {"B258", Language::English, 0, "-2 %"},
        {"B274", Language::English, 0, "-3°"},           {"B233", Language::Czech, 0, "ano"},
        {"B260", Language::English, 0, "Clutch master"}, {"B750", Language::English, 0, "75 kPa"},
        {"SERVO", Language::English, 16, "2.00 V"},      {"B160", Language::English, 0, "0"},
    };
    for (const Case &c : cases) {
        const CatalogueEntry *e = Catalogue().EntryWithId(c.id);
        ASSERT_NE(e, nullptr) << c.id;
        EXPECT_EQ(ParameterCatalogue::FormatValue(*e, image, c.language, c.cell), c.shown) << c.id;
    }
    image.setByte(Adrb::ServoPercent, 1);
    EXPECT_EQ(ParameterCatalogue::FormatValue(*Catalogue().EntryWithId("SERVO"), image, 0, 16), "100 %");
    image.setByte(Adrb::LoadSensor, 1);
    EXPECT_EQ(ParameterCatalogue::FormatValue(*Catalogue().EntryWithId("B750"), image, 0), "15 %");
}

TEST(ParameterCatalogue, theReferenceWalksEveryEntryByPageInALanguage) {
    const std::vector<ReferenceRow> rows = ParameterReference(Language::German);
    ASSERT_EQ(rows.size(), Catalogue().Entries().size());
    EXPECT_EQ(rows.front().page, "Motorrad");
    EXPECT_EQ(rows.back().page, "Weitere Bytes");
    int page = Page::Bike;
    for (const ReferenceRow &row : rows) {
        if (row.entry->page >= 0) {
            EXPECT_GE(row.entry->page, page) << row.entry->id;
            page = row.entry->page;
        }
    }
    const auto row = [&rows](std::string_view id) {
        return *std::find_if(rows.begin(), rows.end(),
                             [id](const ReferenceRow &r) { return r.entry->id == id; });
    };
    EXPECT_EQ(row("B267").place, "RETARD 1/1");
    EXPECT_EQ(row("B267").range, "0 .. 60");
    EXPECT_EQ(row("B267").unit, "°");
    EXPECT_EQ(row("B267").description, "Vorzündung, die während der Spätzündung abgezogen wird.");
    EXPECT_EQ(row("B777").range, "Keine Zündung | Spätzündung");
    EXPECT_EQ(row("B233").range, "nein | ja");
    EXPECT_EQ(row("ADVANCE1").place, "ADVANCE1 1/1");
}

// What the manual's reference adds to each row: the default of a new set (by motorbike type where the
// type sets it), the range with its unit, the list items as the window shows them with a translation
// where it keeps Czech, advice or the word that none is known, and the unused bytes as runs.
TEST(ParameterCatalogue, theReferenceGivesDefaultsUnitsAndAdvice) {
    const std::vector<ReferenceRow> rows = CompactReference(Language::English);
    const auto row = [&rows](std::string_view id) {
        const auto it =
            std::find_if(rows.begin(), rows.end(), [id](const ReferenceRow &r) { return r.entry->id == id; });
        EXPECT_NE(it, rows.end()) << id;
        return it == rows.end() ? ReferenceRow{} : *it;
    };
    struct Case {
        std::string_view id, shownRange, defaultValue;
    };
    const Case cases[] = {
        {"W3", "900 .. 25000 rpm", "11000 rpm"},
        {"B258", "-60 .. 60 %", "0 %"},
        {"B269", "100 .. 25000 rpm/s", "10000 rpm/s"},
        {"B230", "", "Classic (1 lobe, 1 or 2 pick-up)"},
        {"B242", "1 .. 58", "1 (Honda NSR 250 MC18 -: 4; Honda CRM 250: 6; Special setting: kept as set)"},
        {"ADVANCE_RPM1", "100 .. 25000 rpm",
         "1500, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000, 12000, 14000 rpm"},
        {"ADVANCE1", "0 .. 60 °", "every row: 8, 8, 8, 12, 20, 23, 28, 33, 35, 35, 35, 35, 35, 35, 35 °"},
        // Every output's load thresholds read alike: % with the throttle sensor, kPa with intake pressure.
        {"B750", "0 .. 100 % (TPS) | 0 .. 1000 kPa (IAP)", "75 %"},
        {"B756", "0 .. 100 % (TPS) | 0 .. 1000 kPa (IAP)", "75 %"},
        // The servo's gear correction has no unit the unit's description names.
        {"B800", "-5000 .. 5000", "0"},
    };
    for (const Case &c : cases) {
        if (!c.shownRange.empty()) {
            EXPECT_EQ(row(c.id).shownRange, c.shownRange) << c.id;
        }
        EXPECT_EQ(row(c.id).defaultValue, c.defaultValue) << c.id;
    }
    EXPECT_NE(row("B240").shownRange.find("1 výstupek, 3 snimače (1 lobe, 3 pick-ups)"), std::string::npos);
    EXPECT_EQ(CompactReference(Language::Czech).size(), rows.size());
    for (const ReferenceRow &r : CompactReference(Language::Czech)) {
        if (r.entry->id == "B240") { // no translation of Czech into Czech
            EXPECT_EQ(r.shownRange.find("(1 lobe"), std::string::npos);
        }
    }

    EXPECT_EQ(row("W3").advice.rfind("Set it to the highest engine speed", 0), 0u);
    EXPECT_EQ(row("B238").advice.rfind("not known", 0), 0u);
    EXPECT_NE(row("B733").advice.find("no controls for power output 4"), std::string::npos);
    for (const ReferenceRow &r : rows) {
        if (r.entry->kind != EntryKind::OtherByte) {
            EXPECT_FALSE(r.advice.empty() || r.defaultValue.empty()) << r.entry->id;
        }
    }

    std::vector<std::string> unused;
    for (const ReferenceRow &r : rows) {
        if (r.entry->kind == EntryKind::OtherByte)
            unused.push_back(r.caption);
    }
    EXPECT_EQ(unused, (std::vector<std::string>{"Bytes 160 .. 229", "Byte 259", "Bytes 834 .. 899"}));
}

} // namespace
} // namespace zarvex1
