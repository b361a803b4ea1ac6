#include "core/pages/BikePageModel.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

// The whole lists first; the rows after them replace the items that have texts of their own language.
constexpr CaptionRow Rows[] = {
    {"LabelBike", C::Caption, {"Motorbike type", "Motorradtyp", "Typ motocyklu"}},
    {"ComboBoxBike",
     C::Items,
     {"Classic (1 lobe, 1 or 2 pick-up) \nStandard  (2 lobe  per revol., 1 or 2 pick-up) \nStandard  (3 lobe "
      " per "
      "revol., 1 pick-up) \nStandard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) \nHonda NSR 250 MC18 -\nHonda "
      "CRM "
      "250\nSpecial setting",
      "Classic (1 lobe, 1 or 2 pick-up) \nStandard  (2 lobe  per revol., 1 or 2 pick-up) \nStandard  (3 lobe "
      " per "
      "revol., 1 pick-up) \nStandard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) \nHonda NSR 250 MC18 -\nHonda "
      "CRM "
      "250\nSpecial setting",
      "Classic (1 lobe, 1 or 2 pick-up) \nStandard  (2 lobe  per revol., 1 or 2 pick-up) \nStandard  (3 lobe "
      " per "
      "revol., 1 pick-up) \nStandard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) \nHonda NSR 250 MC18 -\nHonda "
      "CRM "
      "250\nSpecial setting"}},
    {"ComboBoxBike",
     C::Item,
     {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitstück, 1 oder 2 Geber)",
      "Klasika (1 výstupek, 1 nebo 2 snimače)"},
     0},
    {"ComboBoxBike", C::Item, {"Special setting", "Sonderstellung", "Speciální nastavení"}, 6},
    {"RadioGroupPickup1Polarita",
     C::Caption,
     {"Polarity of pick-up 1", "Polarität Geber 1", "Polarita snímače 1"}},
    {"RadioGroupPickup1Polarita", C::Items, {"Plus\nMinus\nAuto", "Plus\nMinus\nAuto", "Plus\nMínus\nAuto"}},
    {"RadioGroupPickup2Polarita",
     C::Caption,
     {"Polarity of pick-up 2", "Polarität Geber 2", "Polarita snímače 2"}},
    {"RadioGroupPickup2Polarita", C::Items, {"Plus\nMinus\nAuto", "Plus\nMinus\nAuto", "Plus\nMínus\nAuto"}},
    {"CheckBoxZamenaPickup",
     C::Caption,
     {"Pickups interchange (pin 13 a 26)", "Geber vertauscht (Pin 13 und 26)",
      "Záměna snímačů (pin 13 a 26)"}},
    {"CheckBoxNehlidaPalec",
     C::Caption,
     {"No lobe lenght check", "Keine Prüfung der Leitstücklänge", "Nehlídat délku výstupku"}},
    {"CheckBoxCrossBlock",
     C::Caption,
     {"Interlock input", "Gegenseitige Sperre der Eingänge", "Vzájemné blokování vstupů"}},
    {"CheckBoxPredPalec",
     C::Caption,
     {"Spark posible before lobe", "Zündfunke vor dem Leitstück möglich", "Jiskra možná před výstupkem"}},
    {"CheckBoxSpecStart",
     C::Caption,
     {"Lower advance by start", "Kleinere Vorzündung beim Start", "Nižší předstih při startu"}},
    {"LabelPocSynchro",
     C::Caption,
     {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Otáčky bez zapalování"}},
    {"LabelKompenz", C::Caption, {"Compensation ", "Kompensation ", "Kompenzace "}},
    {"GroupBoxSpecial",
     C::Caption,
     {"Specification of synchronization - Caution - For experienced user only!",
      "Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!",
      "Popis synchronizace - Pozor - pouze pro zkušené uživatele!"}},
    {"LabelSynchro", C::Caption, {"Synchronization method", "Synchronisierungsart", "Způsob synchronizace"}},
    {"ComboBoxSynchro",
     C::Items,
     {"1 lobe, 1 or 2 pick-up\nShort gap between lobes (inserted lobe)\nWide lobe\nLong gap between lobes "
      "(missing lobe)\n2 pick-ups, missing lobe\n2 Short gaps between lobes (inserted lobe)\nNSR 250\nCam "
      "(CMPS)\nHarley\nLong gap between lobes - more lobes (48-2)\n1 výstupek, 3 snimače \nVsunutý výstupek "
      "- "
      "start našlápnutím\nVačka Honda (CMPS)\n(24-1)\nCRM 250\nKeihin 18 lobes",
      "1 lobe, 1 or 2 pick-up\nShort gap between lobes (inserted lobe)\nWide lobe\nLong gap between lobes "
      "(missing lobe)\n2 pick-ups, missing lobe\n2 Short gaps between lobes (inserted lobe)\nNSR 250\nCam "
      "(CMPS)\nHarley\nLong gap between lobes - more lobes (48-2)\n1 výstupek, 3 snimače \nVsunutý výstupek "
      "- "
      "start našlápnutím\nVačka Honda (CMPS)\n(24-1)\nCRM 250\nKeihin 18 lobes",
      "1 lobe, 1 or 2 pick-up\nShort gap between lobes (inserted lobe)\nWide lobe\nLong gap between lobes "
      "(missing lobe)\n2 pick-ups, missing lobe\n2 Short gaps between lobes (inserted lobe)\nNSR 250\nCam "
      "(CMPS)\nHarley\nLong gap between lobes - more lobes (48-2)\n1 výstupek, 3 snimače \nVsunutý výstupek "
      "- "
      "start našlápnutím\nVačka Honda (CMPS)\n(24-1)\nCRM 250\nKeihin 18 lobes"}},
    {"ComboBoxSynchro",
     C::Item,
     {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 výstupek, 1 nebo 2 snímače"},
     0},
    {"ComboBoxSynchro",
     C::Item,
     {"Short gap between lobes (inserted lobe)", "Kurze Lücke zwischen Leitstücken (eingefügtes Leitstück)",
      "Krátká mezera mezi výstupky (vsunutý výstupek)"},
     1},
    {"ComboBoxSynchro", C::Item, {"Wide lobe", "Breites Leitstück", "Široký výstupek"}, 2},
    {"ComboBoxSynchro",
     C::Item,
     {"Long gap between lobes (missing lobe)", "Lange Lücke zwischen Leitstücken (fehlendes Leitstück)",
      "Dlouhá mezera mezi výstupky (chybějící výstupek)"},
     3},
    {"ComboBoxSynchro",
     C::Item,
     {"2 pick-ups, missing lobe", "2 Geber, fehlendes Leitstück", "2 snímače, chybějící výstupek"},
     4},
    {"ComboBoxSynchro",
     C::Item,
     {"2 Short gaps between lobes (inserted lobe)",
      "2 kurze Lücken zwischen Leitstücken (eingefügtes Leitstück)",
      "2 krátké mezery mezi výstupky (vsunutý výstupek)"},
     5},
    {"ComboBoxSynchro", C::Item, {"Cam (CMPS)", "Nockenwelle (CMPS)", "Vačka (CMPS)"}, 7},
    {"ComboBoxSynchro", C::Item, {"Keihin 18 lobes", "Keihin 18 Leitstücke", "Keihin 18 výstupků"}, 15},
    {"LabelPocPalcu",
     C::Caption,
     {"Number of lobe at rotor", "Anzahl der Leitstücke am Rotor", "Počet výstupků na rotoru"}},
    {"LabelPocKanalu",
     C::Caption,
     {"Number of outputs (coils)", "Anzahl der Ausgänge (Spulen)", "Počet výstupů (cívek)"}},
    {"LabelLobe", C::Caption, {"Lobe", "Leitstück", "Výstupek"}},
    {"LabelHrana2", C::Caption, {"2nd Edge", "2. Flanke", "2. hrana"}},
    {"LabelSnimac2", C::Caption, {"2nd Pick-up", "2. Geber", "2. snímač"}},
    {"GroupBoxPalec1", C::Caption, {"Channel 1", "Kanal 1", "Kanál 1"}},
    {"GroupBoxPalec2", C::Caption, {"Channel 2", "Kanal 2", "Kanál 2"}},
    {"LabelPalec1Zac", C::Caption, {"Maximum advance", "Maximale Vorzündung", "Maximální předstih"}},
    {"LabelPalec2Zac", C::Caption, {"Maximum advance", "Maximale Vorzündung", "Maximální předstih"}},
    {"LabelPalec1End", C::Caption, {"Start advance", "Startvorzündung", "Startovací předstih"}},
    {"LabelPalec2End", C::Caption, {"Start advance", "Startvorzündung", "Startovací předstih"}},
    {"ComboBoxNasobekPalcu",
     C::Items,
     {"1 ignition per 2 revolutions (camshaft)\n1 ignition per revolution\n2 ignitions per revolution\n3 "
      "ignitions "
      "per revolution",
      "1 Zündung pro 2 Umdrehungen (Nockenwelle)\n1 Zündung pro Umdrehung\n2 Zündungen pro Umdrehung\n3 "
      "Zündungen "
      "pro Umdrehung",
      "1 zážeh na 2 otáčky (vačka)\n1 zážeh na otáčku\n2 zážehy na otáčku\n3 zážehy na otáčku"}},
    {"GroupBoxRpm", C::Caption, {"Tachometer output", "Drehzahlmesserausgang", "Výstup otáčkoměru"}},
    {"LabelRpmPulsu", C::Caption, {"Pulses per revolution", "Impulse pro Umdrehung", "Pulzů na otáčku"}},
    {"LabelRpmKorekce", C::Caption, {"Correction [%]", "Korrektur [%]", "Korekce [%]"}},
    {"CheckBox4TaktIgn",
     C::Caption,
     {"Ignition every other revolutions (4 cycle)", "Zündung jede zweite Umdrehung (4-Takt)",
      "Zapalování každou druhou otáčku (4takt)"}},
    {"GroupBoxVerze", C::Caption, {"Ignition", "Zündung", "Zapalování"}},
    {"LabelVerze1",
     C::Hint,
     {"Version of program in ignition", "Version des Programms der Zündung", "Verze programu v zapalování"}},
    {"LabelVerze2",
     C::Hint,
     {"Date of program in ignition", "Datum des Programms der Zündung",
      "Datum zhotovení programu v zapalování"}},
    {"LabelVerze3",
     C::Hint,
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Čas zhotovení programu v zapalování"}},
};

} // namespace

CaptionTable BikePageModel::Captions() const {
    return Rows;
}

} // namespace zarvex1
