#include "core/texts/MessageTexts.h"

#include <iterator>
#include <string_view>

namespace zarvex1 {

namespace {

struct MessageRow {
    int slot;
    std::array<std::string_view, 3> texts; // English, German, Czech
};

// Slot 1 (the current file) and slots 27, 28, 35, 45 and 67 have no texts here: they keep what the
// rest of the program put into them.
constexpr MessageRow messageRows[] = {
    {0, {"  ZARVEX1", "  ZARVEX1", "  ZARVEX1"}},
    {2,
     {"  (Disconnected by bootloader)", "  (Disconnected by bootloader)",
      "  (Dočasně odpojeno bootloaderem)"}},
    {3, {"manual_ZARVEX1_en.pdf", "manual_ZARVEX1_de.pdf", "manual_ZARVEX1_cz.pdf"}},
    {4, {"Program error!", "Programmier Fehler", "Chyba programování"}},
    {5, {"Verify error!", "Vergleichsfehler", "Chyba verifikace!"}},
    {6, {"Read error!", "Lesefehler", "Chyba čtení!"}},
    {7, {"Program device:", "Programmieren:", "Programování:"}},
    {8, {"Verify:", "Vergleichen:", "Verifikace:"}},
    {9, {"Read:", "Lesen:", "Čtení:"}},
    {10, {"Saving:", "Speichern:", "Ukládání:"}},
    {11,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {12,
     {"Older version of *.ign file!\n\nSome parameters won't be changed or will be set to default "
      "value.\nThey are parameters which are not in older version or have another structure.",
      "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert oder werden implizit "
      "Wert gestellt.\nSie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur haben",
      "Starší verze souboru *.ign!\n\nNěkteré parametry budou nezměněny nebo nataveny na základní "
      "hodnotu.\nJsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu."}},
    {13, {"Number of Programing=", "Programmierungsanzahl=", "Počet programování="}},
    {14, {"Motor off", "Motor off", "Blokování"}},
    {15, {"Start limiter aktivated", "Startbegrenzer ist tätig", "Startovací omezovač aktivován"}},
    {16, {"Start soft limiter", "Startmildebegrenzer", "Startovací měkký omezovač"}},
    {17, {"Start limiter", "Startbegrenzer", "Startovací omezovač"}},
    {18, {"Soft limiter", "Mildebegrenzer", "Měkký omezovač"}},
    {19, {"Limiter", "Begrenzer", "Omezovač"}},
    {20, {"YES", "JA", "ANO"}},
    {21, {"NO", "NEIN", "NE"}},
    {22, {"Advance", "Vorzündung", "Předstih"}},
    {23, {"Advance 1", "Vorzündung 1", "Předstih 1"}},
    {24, {"Advance 2", "Vorzündung 2", "Předstih 2"}},
    {25, {"Max. advance 1", "Max. Vorzündung 1", "Max. předstih 1"}},
    {26, {"Max. advance 2", "Max. Vorzündung 2", "Max. předstih 2"}},
    {29, {", positive", ", positiv", ", Kladná"}},
    {30, {", negative", ", negativ", ", záporná"}},
    {31, {"Com opening error!", "Falscher COM-Anschlußes!", "Chyba při otevírání portu Com!"}},
    {32, {"Open file error!", "Fehler beim öffnen der Datei!", "Chyba při otevírání souboru!"}},
    {33,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Chcete nastavit základní hodnoty?"}},
    {34,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Neshodná verze souboru *.ign!"}},
    {36, {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ", "Datum a čas tisku:  "}},
    {37,
     {"Error by opening file manual_ZARVEX1_en.pdf !", "Fehler beim öffnen der Datei manual_ZARVEX1_de.pdf !",
      "Chyba při otevírání souboru manual_ZARVEX1_cz.pdf !"}},
    {38,
     {"Pick up system error                    ", "Gebersystemehler                        ",
      "Chyba v snímacím systému                "}},
    {39, {"Pick-up 1", "Geber 1", "Snímač 1"}},
    {40, {"Pick-up 2", "Geber 2", "Snímač 2"}},
    {41, {"is running", "läuft", "pracuje"}},
    {42, {"No signal", "Kein Signal", "Bez signálu"}},
    {43, {"Servo measured=", "Servo Gemessene=", "Servo měřené="}},
    {44, {"Servo desired=", "Servo Sollspanung=", "Servo požadované="}},
    {46, {"Clutch master", "Schaltautomat", "Clutch master"}},
    {47, {"Input", "Eingang", "Vstup"}},
    {48, {"Input 1", "Eingang 1", "Vstup 1"}},
    {49, {"Input 2", "Eingang 2", "Vstup 2"}},
    {50, {"Input 3", "Eingang 3", "Vstup 3"}},
    {51, {"Retard", "Spätzündung", "Snížení předstihu"}},
    {52, {"Kill switch", "Not Aus", "Kill switch"}},
    {53, {"2nd advance chart ", "2.Vorzündung mappe", "2. mapa předstihu"}},
    {54, {"Open", "offen", "Otevřený"}},
    {55, {"grounded", "zugrund", "uzeměn"}},
    {56, {"Fuel pump", "Kraftstoffpumpe", "Palivová pumpa"}},
    {57, {"Gear shift light", "Schaltblitz", "Kontrolka řazení"}},
    {58, {"Power jet", "Power jet", "Power jet"}},
    {59, {"Special out", "Sonderausgang", "Specielní výstup"}},
    {60, {"Acceleration", "Beschleunigung", "Zrychlení"}},
    {61, {"Servo enable", "Servo zulassen", "Servo povoleno"}},
    {62, {"Base advance", "Basis Vorzündung", "Základní předstih"}},
    {63, {"Pick-up 1 = Base advance", "Geber 1 = Basis Vorzündung", "Snímač 1 = Základní předstih"}},
    {64, {"Pick-up 2 = Base advance", "Geber 2 = Basis Vorzündung", "Snímač 2 = Základní předstih"}},
    {65, {"Hysteresis [mV]", "Hysteresis [mV]", "Hystereze [mV]"}},
    {66, {"Potentiometer", "Potentiometer", "Potenciometr"}},
    {68, {"Acceleration threshold", "Beschleunigungsschwelle", "Akcelerační práh"}},
    {69, {"Gear", "Gang", "Rychlost. stupeň"}},
    {70, {"Speed", "Geschwindigkeit", "Rychlost"}},
    {71, {"Gear voltage", "GPS Spannung", "GPS napětí"}},
    {72, {", polarity error", ", Fehler Polarität", ", chyba polarity"}},
};

static_assert(std::size(messageRows) == 67);

constexpr bool SlotsAscendAndFit() {
    int previous = -1;
    for (const MessageRow &row : messageRows) {
        if (row.slot <= previous || row.slot >= MessageTexts::Count)
            return false;
        previous = row.slot;
    }
    return true;
}
static_assert(SlotsAscendAndFit());

// Column of the message table for a language index; the program offers no French texts.
constexpr int ColumnOf(int languageIndex) {
    switch (languageIndex) {
    case 1:
        return 1;
    case 3:
        return 2;
    default:
        return 0;
    }
}

} // namespace

void MessageTexts::FillMessageTexts(int languageIndex) {
    const int column = ColumnOf(languageIndex);
    for (const MessageRow &row : messageRows)
        slots_[static_cast<std::size_t>(row.slot)] = row.texts[static_cast<std::size_t>(column)];
}

} // namespace zarvex1
