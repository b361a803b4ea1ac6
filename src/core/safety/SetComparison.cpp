#include "core/safety/SetComparison.h"

#include "core/catalogue/CatalogueNotes.h"
#include "core/params/Defaults.h"
#include "core/texts/MessageTexts.h"

namespace zarvex1 {

namespace {

constexpr Texts3 DifferingCells = {"cells differing:", "abweichende Zellen:", "odlišné buňky:"};

std::string Word(const Texts3 &t, int language) {
    return std::string(t[language == Language::German ? 1 : language == Language::Czech ? 2 : 0]);
}

} // namespace

int SetComparison::changedValues() const {
    int n = 0;
    for (const EntryDifference &d : differences)
        n += d.count();
    return n;
}

SetComparison CompareSets(const ParameterImage &mine, const ParameterImage &other) {
    SetComparison result;
    if (mine == other)
        return result;
    for (const CatalogueEntry *e : ParameterCatalogue::Instance().EntriesByPage()) {
        EntryDifference d{e, {}};
        const int cells = e->cellCount();
        for (int cell = 0; cell < cells; ++cell)
            if (ParameterCatalogue::RawValue(*e, mine, cell) != ParameterCatalogue::RawValue(*e, other, cell))
                d.cells.push_back(cell);
        if (d.cells.empty())
            continue;
        if (e->kind != EntryKind::Map)
            d.cells.clear();
        result.differences.push_back(std::move(d));
    }
    return result;
}

std::string ComparisonText(const SetComparison &comparison, const ParameterImage &mine,
                           const ParameterImage &other, int language) {
    std::string text;
    int page = -2;
    for (const EntryDifference &d : comparison.differences) {
        const CatalogueEntry &e = *d.entry;
        if (e.page != page) {
            page = e.page;
            text += PageCaption(page, language) + "\n";
        }
        text += "  " + e.caption.in(language) + ": ";
        if (e.kind != EntryKind::Map) {
            text += ParameterCatalogue::FormatValue(e, mine, language) + " → " +
                    ParameterCatalogue::FormatValue(e, other, language) + "\n";
            continue;
        }
        text += Word(DifferingCells, language) + " " + std::to_string(d.cells.size()) + "\n";
        for (int cell : d.cells) {
            text += "    ";
            if (e.rows > 1)
                text +=
                    Word(CatalogueWords::Row, language) + " " + std::to_string(cell / e.columns + 1) + ", ";
            text += Word(CatalogueWords::Column, language) + " " + std::to_string(cell % e.columns + 1) +
                    ": " + ParameterCatalogue::FormatValue(e, mine, language, cell) + " → " +
                    ParameterCatalogue::FormatValue(e, other, language, cell) + "\n";
        }
    }
    return text;
}

} // namespace zarvex1
