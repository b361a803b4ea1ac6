#include "core/texts/TextTables.h"
#include "core/texts/TextTableRows.h"

#include <algorithm>
#include <cstddef>

namespace zarvex1 {

namespace {

constexpr TextRow notFoundRow{0, {NotFoundText, "", "", ""}};

// General words of dialogs.
constexpr TextRow generalRows[] = {
    notFoundRow,
    {0, {"", "", "", ""}},
    {0, {"YES", "JA", "", "ANO"}},
    {0, {"NO", "NEIN", "", "NE"}},
    {0, {"Cancel", "", "", "Zpět"}},
    {0, {"OK", "", "", "Nastav"}},
    {0, {"Error", "", "", "Chyba"}},
    {0, {"Warning", "", "", "Varování"}},
    {0, {"Choose continuouse rectangle arrea of cells...", "", "", "Vyberte obdelníkovou oblast buněk..."}},
};

// Texts of the map editor and its views; the comment gives the row number. Some English texts come
// twice: the first row is the one found by its key.
constexpr TextRow editorRows[] = {
    notFoundRow,                                                      // 0
    {0, {"", "", "", ""}},                                            // 1
    {0, {"only", "nur", "", "jen"}},                                  // 2
    {0, {"and", "und", "", "a"}},                                     // 3
    {0, {"TOP", "", "", "Seshora"}},                                  // 4
    {0, {"ISO1", "", "", ""}},                                        // 5
    {0, {"ISO2", "", "", ""}},                                        // 6
    {0, {"Selection", "Auswahl", "", "Výběr"}},                       // 7
    {0, {"Actual value", "Aktueller Wert", "", "Aktuální hodnota"}},  // 8
    {0, {"Interpolation", "", "", "Interpolace"}},                    // 9
    {0, {"Copy", "Kopieren", "", "Kopírovat"}},                       // 10
    {0, {"Copy table", "Tabelle kopieren", "", "Kopírovat tabulku"}}, // 11
    {0, {"Paste", "Einfügen", "", "Vložit"}},                         // 12
    {0,
     {"Increment selection or actual value", "", "",
      "Zvětšit hodnotu vybraných buňek nebo aktuální hodnotu"}}, // 13
    {0,
     {"Decrement selection or actual value", "Auswahl oder aktuellen Wert verringern", "",
      "Zmenšit hodnotu vybraných buněk nebo aktuální hodnotu"}},                      // 14
    {0, {"View as table", "Als Tabelle anzeigen", "", "Zobrazit jako tabulku"}},      // 15
    {0, {"View as graph 2D", "Als 2D-Grafik anzeigen", "", "Zobrazit jako 2D graf"}}, // 16
    {0, {"View as graph 3D", "Als 3D-Grafik anzeigen", "", "Zobrazit jako 3D graf"}}, // 17
    {0,
     {"Use only this parameter for table definition", "Nur diesen Parameter für die Tabelle verwenden", "",
      "Použít pro definici tabulky jen tento parametr"}}, // 18
    {0,
     {"Use both parameters for table definition", "Beide Parameter für die Tabelle verwenden", "",
      "Použít pro definici tabulky oba parametry"}},                                        // 19
    {0, {"View graph form top", "Grafik von oben anzeigen", "", "Zobrazit graf shora"}},    // 20
    {0, {"View graph as ISO1", "Grafik als ISO1 anzeigen", "", "Zobrazit graf jako ISO1"}}, // 21
    {0, {"View graph as ISO2", "Grafik als ISO2 anzeigen", "", "Zobrazit graf jako ISO2"}}, // 22
    {0,
     {"Set actual value - mouse wheel", "Aktuellen Wert einstellen - Mausrad", "",
      "Nastavení aktuální hodnoty - kolečko myši"}}, // 23
    {0,
     {"Rotate: drag mouse (X, XY) and wheel (XYZ)   \nGraph quality: CTRL+mouse wheel   \nView values: SHIFT "
      "+ mouse wheel",
      "", "",
      "Otáčení - tažení myší (X a XY) a kolečkem (XYZ)  \nJemnost vykreslení grafu: CTRL+kolečko myši   "
      "\nZobrazení hodnot: SHIFT+kolečko myši"}}, // 24
    {0,
     {"high graph drawing quality takes lot of CPU time",
      "hohe Zeichenqualität der Grafik kostet viel Rechenzeit", "",
      "vysoká kvalita vykreslení grafu zabírá hodně času procesoru"}},             // 25
    {0, {"Position of Beginning", "Position am Beginn", "", "Poloha na počátku"}}, // 26
    {0, {"Position of Centre", "Position in der Mitte", "", "Poloha uprostřed"}},  // 27
    {0, {"Position of End", "Position am Ende", "", "Poloha na konci"}},           // 28
    {0, {"", "", "", ""}},                                                         // 29
    {0,
     {"Table dimensions are not eqal and there is unable to change it !\nInsertion canceled...", "", "",
      "Neshodují se rozměry tabulky a nelze je změnit !\nVkládání zrušeno..."}}, // 30
    {0,
     {"Row count is on maximum !\nDelete some first...", "", "",
      "Dosaženo maximálního počtu řádků !\nNejprve nějaký vymažte..."}}, // 31
    {0,
     {"Column count is on maximum !\nDelete some first...",
      "Maximale Spaltenanzahl erreicht !\nZuerst einige löschen...", "",
      "Dosaženo maximálního počtu sloupců !\nNejprve nějaký vymažte..."}},                             // 32
    {0, {"", "", "", ""}},                                                                             // 33
    {0, {"Copy", "Kopieren", "", "Kopírovat"}},                                                        // 34
    {0, {"Copy all table", "Ganze Tabelle kopieren", "", "Kopírovat celou tabulku"}},                  // 35
    {0, {"Copy graph", "Grafik kopieren", "", "Kopírovat graf"}},                                      // 36
    {0, {"Paste", "Einfügen", "", "Vložit"}},                                                          // 37
    {0, {"Paste table", "Tabelle einfügen", "", "Vložit tabulku"}},                                    // 38
    {0, {"Interpolate", "", "", "Interpolovat"}},                                                      // 39
    {0, {"Insert row here", "Zeile hier einfügen", "", "Vložit řádek sem"}},                           // 40
    {0, {"Insert column here", "Spalte hier einfügen", "", "Vložit sloupec sem"}},                     // 41
    {0, {"Delete row", "Zeile löschen", "", "Smazat řádek"}},                                          // 42
    {0, {"Delete rows", "Zeilen löschen", "", "Smazat řádky"}},                                        // 43
    {0, {"Delete column", "Spalte löschen", "", "Smazat sloupec"}},                                    // 44
    {0, {"Delete columns", "Spalten löschen", "", "Smazat sloupce"}},                                  // 45
    {0, {"View as table", "", "", "Zbrazit jako tabulku"}},                                            // 46
    {0, {"View as graph 2D", "Als 2D-Grafik anzeigen", "", "Zobrazit jako 2D graf"}},                  // 47
    {0, {"View as graph 3D", "Als 3D-Grafik anzeigen", "", "Zobrazit jako 3D graf"}},                  // 48
    {0, {"Top view", "Ansicht von oben", "", "Pohled shora"}},                                         // 49
    {0, {"ISO1 view", "ISO1-Ansicht", "", "Pohled ISO1"}},                                             // 50
    {0, {"ISO2 view", "ISO2-Ansicht", "", "Pohled ISO2"}},                                             // 51
    {0, {"Wire model", "Drahtmodell", "", "Drátový model"}},                                           // 52
    {0, {"One color graph", "Einfarbige Grafik", "", "Jednobarevný graf"}},                            // 53
    {0, {"Height colors (grain 0)", "Höhenfarben (Körnung 0)", "", "Barvy podle výšky (zrnitost 0)"}}, // 54
    {0, {"Height colors (grain 1)", "Höhenfarben (Körnung 1)", "", "Barvy podle výšky (zrnitost 1)"}}, // 55
    {0, {"Height colors (grain 2)", "Höhenfarben (Körnung 2)", "", "Barvy podle výšky (zrnitost 2)"}}, // 56
    {0, {"Height colors (grain 3)", "Höhenfarben (Körnung 3)", "", "Barvy podle výšky (zrnitost 3)"}}, // 57
    {0, {"Height colors (grain 4)", "Höhenfarben (Körnung 4)", "", "Barvy podle výšky (zrnitost 4)"}}, // 58
    {0, {"No values", "Keine Werte", "", "Bez hodnot"}},                                               // 59
    {0, {"Only active value", "Nur aktiver Wert", "", "Jen aktivní hodnota"}},                         // 60
    {0, {"Only interresting values", "Nur wichtige Werte", "", "Jen zajímavé hodnoty"}},               // 61
    {0, {"All values", "Alle Werte", "", "Všechny hodnoty"}},                                          // 62
    {0, {"Autoscroll actual position", "", "", "Automaticky posunovat na aktuální polohu"}},           // 63
    {0, {"Disable autoscroll", "Automatisches Verschieben aus", "", "Neposunovat automaticky"}},       // 64
    {0, {"Disable ", "Ausschalten ", "", "Vypnout "}},                                                 // 65
    {0, {"Enable ", "Einschalten ", "", "Zapnout "}},                                                  // 66
    {0, {"Use only", "Nur", "", "Použít jen"}},                                                        // 67
    {0, {"Use", "Verwende", "", "Použít"}},                                                            // 68
    {0, {"and", "und", "", "a"}},                                                                      // 69
    {0, {"Injection TPS united", "Einspritzung TPS gemeinsam", "", "Vstřik TPS společný"}},            // 70
    {0, {"Injection TPS", "Einspritzung TPS", "", "Vstřik TPS"}},                                      // 71
    {0, {"Inj. 1", "Einspr. 1", "", "Vstř. 1"}},                                                       // 72
    {0, {"Inj. 2", "Einspr. 2", "", "Vstř. 2"}},                                                       // 73
    {0, {"Inj. 3", "Einspr. 3", "", "Vstř. 3"}},                                                       // 74
    {0, {"Inj. 4", "Einspr. 4", "", "Vstř. 4"}},                                                       // 75
    {0, {"Inj. B", "Einspr. B", "", "Vstř. B"}},                                                       // 76
    {0, {"Inj. IAP", "Einspr. IAP", "", "Vstř. IAP"}},                                                 // 77
    {0, {"Advance 1", "Vorzündung 1", "", "Předstih 1"}},                                              // 78
    {0, {"Advance 2", "Vorzündung 2", "", "Předstih 2"}},                                              // 79
    {0, {"T", "", "", ""}},                                                                            // 80
    {0, {"Position of Injection A", "Position der Einspritzung A", "", "Poloha vstřiku A"}},           // 81
    {0, {"Position of Injection B", "Position der Einspritzung B", "", "Poloha vstřiku B"}},           // 82
    {0, {"Servo", "", "", ""}},                                                                        // 83
    {0, {"Intake servo", "Ansaugservo", "", "Sací servo"}},                                            // 84
    {0, {"Exhaust servo", "Auspuffservo", "", "Výfukové servo"}},                                      // 85
    {0,
     {"Temperature corrections of injection", "Temperaturkorrekturen der Einspritzung", "",
      "Teplotní korekce vstřiku"}}, // 86
    {0,
     {"Temperature corrections of advance", "Temperaturkorrekturen der Vorzündung", "",
      "Teplotní korekce předstihu"}},                                            // 87
    {0, {"Starting corrections", "Startkorrekturen", "", "Korekce při startu"}}, // 88
    {0,
     {"Characteristic of temperature sensors", "Kennlinie der Temperatursensoren", "",
      "Charakteristika teplotních čidel"}},                                                           // 89
    {0, {"Lambda sensor", "Lambdasonde", "", "Lambda sonda"}},                                        // 90
    {0, {"Pressure sensor - AP", "Drucksensor - AP", "", "Čidlo tlaku - AP"}},                        // 91
    {0, {"Intake pressure sensor - IAP", "Ansaugdrucksensor - IAP", "", "Čidlo tlaku v sání - IAP"}}, // 92
    {0, {"TPS sensor", "TPS-Sensor", "", "Čidlo TPS"}},                                               // 93
    {0, {"Lambda [AFR]", "", "", ""}},                                                                // 94
    {0,
     {"Idle advance RPM desired", "Soll-Leerlaufdrehzahl (Vorzündung)", "",
      "Požadované volnoběžné otáčky (předstih)"}}, // 95
    {0,
     {"Start position of intake servo", "Startposition des Ansaugservos", "",
      "Startovací poloha sacího serva"}},                          // 96
    {0, {"Min. position", "Min. Position", "", "Min. poloha"}},    // 97
    {0, {"Desired RPM", "Solldrehzahl", "", "Požadované otáčky"}}, // 98
    {0,
     {"TPS min [in steps of servo]", "TPS min [in Servoschritten]", "", "TPS min [v krocích serva]"}}, // 99
    {0,
     {"Acceleration injection [ms]", "Beschleunigungseinspritzung [ms]", "",
      "Akcelerační vstřik [ms]"}},                               // 100
    {0, {"RPM", "", "", ""}},                                    // 101
    {0, {"TPS", "", "", ""}},                                    // 102
    {0, {"IAP", "", "", ""}},                                    // 103
    {0, {"INJ", "", "", ""}},                                    // 104
    {0, {"ACC", "", "", ""}},                                    // 105
    {0, {"ACCTR", "", "", ""}},                                  // 106
    {0, {"START", "", "", ""}},                                  // 107
    {0, {"Injection", "Einspritzung", "", "Vstřik"}},            // 108
    {0, {"Advance", "", "", "Předstih"}},                        // 109
    {0, {"Position", "", "", "Poloha"}},                         // 110
    {0, {"no", "Nr.", "", "č."}},                                // 111
    {0, {"Voltage", "Spannung", "", "Napětí"}},                  // 112
    {0, {"Resistance", "Widerstand", "", "Odpor"}},              // 113
    {0, {"Percentage", "Prozent", "", "Procenta"}},              // 114
    {0, {"for -10°C", "für -10°C", "", "pro -10°C"}},            // 115
    {0, {"Max cor.", "Max. Korr.", "", "Max. kor."}},            // 116
    {0, {"Time", "Zeit", "", "Čas"}},                            // 117
    {0, {"AFR", "", "", ""}},                                    // 118
    {0, {"Pressure", "Druck", "", "Tlak"}},                      // 119
    {0, {"Steps", "Schritte", "", "Kroky"}},                     // 120
    {0, {"Temperature", "Temperatur", "", "Teplota"}},           // 121
    {0, {"Temp.", "", "", "Tepl."}},                             // 122
    {0, {"Acceleration", "Beschleunigung", "", "Zrychlení"}},    // 123
    {0, {"Accel.", "Beschl.", "", "Zrychl."}},                   // 124
    {0, {"Treshold", "Schwelle", "", "Práh"}},                   // 125
    {0, {"[%/s]", "", "", ""}},                                  // 126
    {0, {"Base advance", "", "", "Základní předstih"}},          // 127
    {0, {"Limiter", "", "", "Omezovač"}},                        // 128
    {0, {"Dragging: ", "", "", "Tažení: "}},                     // 129
    {0, {"Beginning", "Beginn", "", "Počátek"}},                 // 130
    {0, {"Centre", "Mitte", "", "Střed"}},                       // 131
    {0, {"End", "Ende", "", "Konec"}},                           // 132
    {10010, {"Coolant", "Kühlflüssigkeit", "", "Voda"}},         // 133
    {10011, {"Cool.", "Kühlfl.", "", "Voda"}},                   // 134
    {10020, {"Inlet Air", "Ansaugluft", "", "Nasávaný vzduch"}}, // 135
    {10021, {"Air", "Luft", "", "Vzduch"}},                      // 136
    {10030, {"Jet", "Einspr.", "", "Vstřik"}},                   // 137
    {10031, {"Jet/Air", "Einspr./Luft", "", "Vstřik/Vzduch"}},   // 138
    {10032, {"Adv", "VZ", "", "Předst."}},                       // 139
    {10033, {"Adv/Air", "VZ/Luft", "", "Předst./Vzduch"}},       // 140
    {10034, {"Acc inj", "Beschl. Einspr.", "", "Akc. vstřik"}},  // 141
    {10036, {"Acc cor+", "Beschl. Korr.+", "", "Akc. kor.+"}},   // 142
    {10038, {"Start jet", "", "", "Sytič"}},                     // 143
    {10050, {"   ", "", "", ""}},                                // 144
    {0, {"", "", "", ""}},                                       // 145
};

// Texts of the Advance and Servo pages.
constexpr TextRow mapRows[] = {
    notFoundRow,
    {0, {"Servo enable", "Servo zulassen", "", "Servo povoleno"}},
    {0, {"Percent", "Perzent", "", "Procent"}},
    {0, {"Hysteresis [mV]", "", "", "Hystereze [mV]"}},
    {0, {"Step motor", "", "", "Krokový motor"}},
    {0, {"Period [ms]", "Periode [ms]", "", "Perioda [ms]"}},
    {0, {"Excitation [us]", "Anfachung [us]", "", "Buzení [us]"}},
    {0, {"D off", "", "", "D vyp."}},
    {0, {"I off", "", "", "I vyp."}},
    {0, {"Base advance (°)", "", "", "Základní předstih (°)"}},
    {0, {"Correction for cylinder", "Korrektion für Zylinder", "", "Korekce pro válec"}},
    {0, {"Advance PickUp correction", "", "", "PickUp korekce předstihu"}},
    {0, {"Inverze direction of regulation", "Umgekehrt Richtung", "", "Opačný směr regulace"}},
    {0, {"Min-Max (Minimum check)", "Min-Max (Minimum abhacken)", "", "Min-Max (Minimum zaškrtnout)"}},
};

constexpr TextRow unknownTableRows[] = {notFoundRow};

static_assert(std::size(generalRows) == 9);
static_assert(std::size(editorRows) == 146);
static_assert(std::size(mapRows) == 14);
static_assert(editorRows[133].id == 10010 && editorRows[143].id == 10038 && editorRows[144].id == 10050);

const TextRow &FindRow(std::span<const TextRow> rows, auto matches) {
    const auto found = std::find_if(rows.begin() + 1, rows.end(), matches);
    return found == rows.end() ? rows.front() : *found;
}

const TextRow &RowOfKey(int table, std::string_view english) {
    return FindRow(TextTableRows(table), [english](const TextRow &row) { return row.English() == english; });
}

std::string TextOf(const TextRow &row, int languageIndex) {
    if (languageIndex < 0 || languageIndex >= static_cast<int>(row.texts.size()))
        return std::string(row.English());
    const std::string_view text = row.texts[static_cast<std::size_t>(languageIndex)];
    return std::string(text.empty() ? row.English() : text);
}

// Characters of a UTF-8 text: every byte that does not continue a sequence starts one.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::span<const TextRow> TextTableRows(int table) {
    switch (table) {
    case TextTableGeneral:
        return generalRows;
    case TextTableEditor:
        return editorRows;
    case TextTableMaps:
        return mapRows;
    default:
        return unknownTableRows;
    }
}

std::string TranslateText(int table, std::string_view english, int languageIndex) {
    return TextOf(RowOfKey(table, english), languageIndex);
}

std::string TranslateById(int table, int id, int languageIndex) {
    // Id 0 marks rows that have no id, so it names no row.
    const TextRow &row = FindRow(TextTableRows(table),
                                 [id](const TextRow &candidate) { return id != 0 && candidate.id == id; });
    return TextOf(row, languageIndex);
}

std::string LongestTranslation(int table, std::string_view english) {
    const TextRow &row = RowOfKey(table, english);
    std::string_view longest = row.texts[0];
    for (std::string_view text : row.texts)
        if (CharacterCount(text) > CharacterCount(longest))
            longest = text;
    return std::string(longest);
}

} // namespace zarvex1
