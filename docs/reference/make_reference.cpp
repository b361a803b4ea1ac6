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
    const char *byDefault;
    const char *file;
    const char *does;
    const char *when;
};

// The reference follows the guide's chapters: its number is the one after the guide's last.
constexpr ReferenceWords Languages[] = {
    {"en", 0, "13. Parameter reference",
     "Every value of the unit's parameter set, page by page, as the program shows it: its caption; its "
     "range with its unit, or the items of its list as the window shows them (where the window keeps an "
     "item in Czech, the translation follows in brackets); its default, the value of a new set (File > New), "
     "for each motorbike type where the type sets it; where the parameter file keeps it (key word, line and "
     "value, counted from 1); what it does on the engine and when to change it. Where the unit's "
     "description does not say when to change a value, the row says so: keep the default then.",
     "Parameter", "Range, unit", "Default", "In the file", "What it does", "When to change it:"},
    {"de", 1, "13. Parameterverzeichnis",
     "Jeder Wert des Parametersatzes der Zündung, Seite für Seite, wie das Programm ihn zeigt: seine "
     "Beschriftung; sein Bereich mit Einheit oder die Einträge seiner Liste, wie das Fenster sie zeigt "
     "(wo das Fenster einen Eintrag tschechisch lässt, folgt die Übersetzung in Klammern); sein "
     "Vorgabewert, der Wert eines neuen Satzes (Datei > Neu), je Motorradtyp, wo der Typ ihn setzt; wo die "
     "Parameterdatei ihn ablegt (Schlüsselwort, Zeile und Wert, ab 1 gezählt); was er am Motor bewirkt und "
     "wann er zu ändern ist. Wo die Beschreibung der Zündung nicht sagt, wann ein Wert zu ändern ist, steht "
     "das in der Zeile: behalten Sie dann den Vorgabewert.",
     "Parameter", "Bereich, Einheit", "Vorgabe", "In der Datei", "Wirkung", "Wann ändern:"},
    {"cz", 3, "13. Přehled parametrů",
     "Každá hodnota sady parametrů zapalování, stránku po stránce, tak jak ji program ukazuje: její popis; "
     "rozsah s jednotkou nebo položky seznamu tak, jak je ukazuje okno; výchozí hodnota, tedy hodnota nové "
     "sady (Soubor > Nový), pro každý typ motocyklu tam, kde ji typ nastavuje; kde ji ukládá soubor "
     "parametrů (klíčové slovo, řádek a hodnota, počítáno od 1); co dělá na motoru a kdy ji měnit. Kde "
     "popis zapalování neříká, kdy hodnotu měnit, řádek to uvádí: ponechte pak výchozí hodnotu.",
     "Parametr", "Rozsah, jednotka", "Výchozí", "V souboru", "Co dělá", "Kdy měnit:"},
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
    for (const zarvex1::ReferenceRow &row : zarvex1::CompactReference(words->languageIndex)) {
        if (row.page != page) {
            page = row.page;
            out << "\n### " << page << "\n\n| " << words->parameter << " | " << words->range << " | "
                << words->byDefault << " | " << words->file << " | " << words->does
                << " |\n|---|---|---|---|---|\n";
        }
        std::string does = row.description;
        if (!row.advice.empty())
            does += std::string(" **") + words->when + "** " + row.advice;
        out << "| " << Cell(row.caption) << " | " << Cell(row.shownRange) << " | " << Cell(row.defaultValue)
            << " | " << Cell(row.place) << " | " << Cell(does) << " |\n";
    }
    out.flush();
    if (!out) {
        std::fprintf(stderr, "zarvex1-reference: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
