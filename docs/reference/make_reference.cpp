// Writes the manual's parameter reference from the parameter catalogue:
// zarvex1-reference LANGUAGE OUTPUT.md (LANGUAGE en, de or cz)
#include "core/catalogue/ParameterCatalogue.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

struct ReferenceWords {
    const char *code;
    int languageIndex;
    const char *heading;
    const char *introduction;
    const char *parameter;
    const char *range;
    const char *unit;
    const char *file;
    const char *does;
};

constexpr ReferenceWords Languages[] = {
    {"en", 0, "10. Parameter reference",
     "Every value of the unit's parameter set, page by page, as the program shows it: its caption, the "
     "range the program keeps it in, its unit, where the parameter file keeps it (key word, line and value, "
     "counted from 1) and what it does. Values no page shows are listed under their own heading.",
     "Parameter", "Range", "Unit", "In the file", "What it does"},
    {"de", 1, "10. Parameterverzeichnis",
     "Jeder Wert des Parametersatzes der Zündung, Seite für Seite, wie das Programm ihn zeigt: seine "
     "Beschriftung, der Bereich, in dem das Programm ihn hält, seine Einheit, wo die Parameterdatei ihn "
     "ablegt (Schlüsselwort, Zeile und Wert, ab 1 gezählt) und was er bewirkt. Werte, die keine Seite zeigt, "
     "stehen unter einer eigenen Überschrift.",
     "Parameter", "Bereich", "Einheit", "In der Datei", "Wirkung"},
    {"cz", 3, "10. Přehled parametrů",
     "Každá hodnota sady parametrů zapalování, stránku po stránce, tak jak ji program ukazuje: její popis, "
     "rozsah, ve kterém ji program drží, jednotka, kde ji ukládá soubor parametrů (klíčové slovo, řádek a "
     "hodnota, počítáno od 1) a co dělá. Hodnoty, které žádná stránka neukazuje, mají vlastní nadpis.",
     "Parametr", "Rozsah", "Jednotka", "V souboru", "Co dělá"},
};

// A table cell: its pipes escaped and its lines joined.
std::string Cell(std::string_view text) {
    std::string cell;
    for (char c : text) {
        if (c == '|')
            cell += "\\|";
        else if (c == '\n' || c == '\r')
            cell += ' ';
        else
            cell += c;
    }
    return cell.empty() ? std::string("–") : cell;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zarvex1-reference en|de|cz OUTPUT.md\n");
        return 2;
    }
    const ReferenceWords *words = nullptr;
    for (const ReferenceWords &language : Languages)
        if (std::string_view(argv[1]) == language.code)
            words = &language;
    if (!words) {
        std::fprintf(stderr, "zarvex1-reference: unknown language %s\n", argv[1]);
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << "## " << words->heading << "\n\n" << words->introduction << "\n";
    std::string page;
    for (const zarvex1::ReferenceRow &row : zarvex1::ParameterReference(words->languageIndex)) {
        if (row.page != page) {
            page = row.page;
            out << "\n### " << page << "\n\n| " << words->parameter << " | " << words->range << " | "
                << words->unit << " | " << words->file << " | " << words->does
                << " |\n|---|---|---|---|---|\n";
        }
        out << "| " << Cell(row.caption) << " | " << Cell(row.range) << " | " << Cell(row.unit) << " | "
            << Cell(row.place) << " | " << Cell(row.description) << " |\n";
    }
    out.flush();
    if (!out) {
        std::fprintf(stderr, "zarvex1-reference: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
