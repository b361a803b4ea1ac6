#include "core/safety/SafetyTexts.h"

#include "core/texts/MessageTexts.h"

#include <array>
#include <iterator>

namespace zarvex1 {

namespace {

struct Row {
    SafetyText id;
    std::array<std::string_view, 3> text; // English, German, Czech
};

// In the order of SafetyText.
constexpr Row Rows[] = {
    {SafetyText::MenuCompareFile,
     {"Compare with file...", "Mit Datei vergleichen...", "Porovnat se souborem..."}},
    {SafetyText::MenuCompareUnit,
     {"Compare with unit", "Mit Zündung vergleichen", "Porovnat se zapalováním"}},
    {SafetyText::MenuCompareRestore,
     {"Compare with restore point...", "Mit Sicherungspunkt vergleichen...", "Porovnat s bodem obnovení..."}},
    {SafetyText::MenuHistory, {"History...", "Verlauf...", "Historie..."}},
    {SafetyText::CompareTitle, {"Compare with %1", "Vergleich mit %1", "Porovnání %1"}},
    {SafetyText::OtherFile, {"file %1", "Datei %1", "se souborem %1"}},
    {SafetyText::OtherUnit, {"the unit", "der Zündung", "se zapalováním"}},
    {SafetyText::OtherRestorePoint,
     {"restore point of %1", "Sicherungspunkt vom %1", "s bodem obnovení z %1"}},
    {SafetyText::ColumnValue, {"Value", "Wert", "Hodnota"}},
    {SafetyText::ColumnScreen, {"Screen", "Bildschirm", "Obrazovka"}},
    {SafetyText::ColumnOther, {"Other", "Andere", "Druhá sada"}},
    {SafetyText::Same, {"No value differs.", "Kein Wert weicht ab.", "Žádná hodnota se neliší."}},
    {SafetyText::DifferingValues,
     {"Values and cells that differ: %1", "Abweichende Werte und Zellen: %1", "Odlišné hodnoty a buňky: %1"}},
    {SafetyText::TakeSelected, {"Take selected", "Auswahl übernehmen", "Převzít vybrané"}},
    {SafetyText::SelectAll, {"Select all", "Alle auswählen", "Vybrat vše"}},
    {SafetyText::SelectNone, {"Select none", "Keine auswählen", "Zrušit výběr"}},
    {SafetyText::Close, {"Close", "Schließen", "Zavřít"}},
    {SafetyText::ReadingUnit, {"Reading the unit...", "Zündung wird gelesen...", "Čtení zapalování..."}},
    {SafetyText::UnitNotRead,
     {"The unit's set could not be read.", "Der Datensatz der Zündung konnte nicht gelesen werden.",
      "Sadu parametrů zapalování se nepodařilo načíst."}},
    {SafetyText::FileNotRead,
     {"The file could not be read:\n%1", "Die Datei konnte nicht gelesen werden:\n%1",
      "Soubor se nepodařilo načíst:\n%1"}},
    {SafetyText::HistoryTitle, {"History", "Verlauf", "Historie"}},
    {SafetyText::ColumnTime, {"Time", "Zeit", "Čas"}},
    {SafetyText::ColumnEvent, {"Event", "Ereignis", "Událost"}},
    {SafetyText::ColumnUnit, {"Unit", "Zündung", "Zapalování"}},
    {SafetyText::ColumnCount, {"Times programmed", "Programmierungen", "Počet programování"}},
    {SafetyText::ColumnFile, {"File", "Datei", "Soubor"}},
    {SafetyText::ColumnChanged, {"Changed", "Geändert", "Změněno"}},
    {SafetyText::CompareWithScreen,
     {"Compare with the screen", "Mit Bildschirm vergleichen", "Porovnat s obrazovkou"}},
    {SafetyText::Open, {"Open", "Öffnen", "Otevřít"}},
    {SafetyText::NoRestorePoints,
     {"No restore points yet.", "Noch keine Sicherungspunkte.", "Zatím žádné body obnovení."}},
    {SafetyText::CellOtherValue, {"Other set: %1", "Andere Daten: %1", "Druhá sada: %1"}},
    {SafetyText::DifferingCells, {"Differing cells: %1", "Abweichende Zellen: %1", "Odlišné buňky: %1"}},
    {SafetyText::VerifyBlockDiffers,
     {"Block %1 (bytes %2..%3): the unit holds other values than the file (file → unit):",
      "Block %1 (Bytes %2..%3): Die Zündung enthält andere Werte als die Datei (Datei → Zündung):",
      "Blok %1 (bajty %2..%3): zapalování obsahuje jiné hodnoty než soubor (soubor → zapalování):"}},
    {SafetyText::ReadBlockDiffers,
     {"Block %1 (bytes %2..%3): the unit holds other values than the set read, kept in range "
      "(set read → unit):",
      "Block %1 (Bytes %2..%3): Die Zündung enthält andere Werte als die gelesenen, in den Bereich "
      "gebrachten Daten (gelesen → Zündung):",
      "Blok %1 (bajty %2..%3): zapalování obsahuje jiné hodnoty než načtená sada upravená do rozsahu "
      "(načteno → zapalování):"}},
    {SafetyText::VerifyBlockUnanswered,
     {"The unit did not answer block %1 (bytes %2..%3).",
      "Die Zündung hat auf Block %1 (Bytes %2..%3) nicht geantwortet.",
      "Zapalování neodpovědělo na blok %1 (bajty %2..%3)."}},
};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < std::size(Rows); ++i)
        if (static_cast<std::size_t>(Rows[i].id) != i)
            return false;
    return std::size(Rows) == static_cast<std::size_t>(SafetyText::VerifyBlockUnanswered) + 1;
}
static_assert(InOrder(), "one row per text, in the order of SafetyText");

} // namespace

std::string_view SafetyTextOf(SafetyText text, int language) {
    const int column = language == Language::German ? 1 : language == Language::Czech ? 2 : 0;
    return Rows[static_cast<int>(text)].text[static_cast<std::size_t>(column)];
}

std::string SafetyTextWith(SafetyText text, int language, std::string_view argument) {
    return SafetyTextWithAll(text, language, {argument});
}

std::string SafetyTextWithAll(SafetyText text, int language,
                              std::initializer_list<std::string_view> arguments) {
    std::string s(SafetyTextOf(text, language));
    char mark[] = "%1";
    for (std::string_view argument : arguments) {
        if (const auto at = s.find(mark); at != std::string::npos)
            s.replace(at, 2, argument);
        ++mark[1];
    }
    return s;
}

} // namespace zarvex1
