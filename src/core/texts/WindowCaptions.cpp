#include "core/texts/WindowCaptions.h"

namespace zarvex1 {

namespace {

using C = CaptionKind;

constexpr CaptionRow Menus[] = {
    {"MenuFile", C::Caption, {"&File", "&Datei", "&Soubor"}},
    {"MenuNew", C::Caption, {"&New", "&Neu", "&Nový"}},
    {"MenuNewActPage",
     C::Caption,
     {"New for actual page", "Neu für aktual Seite", "&Nový pro aktuální záložku"}},
    {"MenuOpen", C::Caption, {"&Open", "&Öffnen", "&Otevřít"}},
    {"MenuOpenExeDir", C::Caption, {"Open from exe dir", "&Öffnen aue exe dir", "&Otevřít z exe dir"}},
    {"MenuOpenActPage",
     C::Caption,
     {"Open for actual page", "Öffnen für aktual Seite", "&Otevřít pro aktuální záložku"}},
    {"MenuSave", C::Caption, {"&Save", "&Speichern", "&Uložit"}},
    {"MenuSaveExeDir", C::Caption, {"Save to exe dir", "Speichern in exe dir", "Uložit do exe dir"}},
    {"MenuPrint", C::Caption, {"&Print", "&Drucken", "&Tisk"}},
    {"MenuPrintAll", C::Caption, {"Print All", "Alles drucken", "Tisknout vše"}},
    {"MenuExit", C::Caption, {"E&xit", "&Beenden", "&Konec"}},
    {"MenuCom", C::Caption, {"&Com", "&COM-Anschluß", "&Port"}},
    {"MenuDevice", C::Caption, {"&Ignition", "&Zündung", "&Zapalování"}},
    {"MenuRead", C::Caption, {"&Read", "&Lesen", "Čí&st"}},
    {"ButtonRead", C::Caption, {"&Read", "&Lesen", "Čí&st"}},
    {"MenuVerify", C::Caption, {"&Verify", "&Vergleichen", "&Verifikace"}},
    {"BitBtnVerify", C::Caption, {"&Verify", "&Vergleichen", "&Verifikace"}},
    {"MenuProgram", C::Caption, {"&Program", "&Programmieren", "&Programovat"}},
    {"BitBtnProgram", C::Caption, {"&Program", "&Programmieren", "&Programovat"}},
    {"MenuTools", C::Caption, {"Tools", "Werkzeuge", "Pomůcky"}},
    {"MenuToolsMinus", C::Caption, {"Minus ", "Minus ", "Mínus "}},
    {"MenuToolsPlus", C::Caption, {"Plus", "Plus", "Plus"}},
    {"MenuZpet", C::Caption, {"Undo", "Zurück", "Zpět"}},
    {"MenuZnovu", C::Caption, {"Redo", "Wieder", "Znovu"}},
    {"MenuInterpol", C::Caption, {"Interpolation", "Interpolation", "Interpolace"}},
    {"MenuLanguage", C::Caption, {"&Language", "&Sprache", "&Jazyk"}},
    {"MenuEnglish", C::Caption, {"&English", "&Englisch - English", "&Anglicky - English"}},
    {"MenuGerman", C::Caption, {"&German - Deutsch", "&Deutsch", "&Německy - Deutsch"}},
    {"MenuCzech", C::Caption, {"&Czech - Česky", "&Tschechisch - Česky", "Če&sky"}},
    {"MenuHelp", C::Caption, {"&Help", "&Hilfe", "Nápoveda"}},
    {"MenuContens", C::Caption, {"&Contents...", "&Inhalt...", "Obsah"}},
    {"MenuAbout", C::Caption, {"&About...", "&Über Programm...", "&O programu..."}},
};

constexpr CaptionRow Hints[] = {
    {"SpeedButtonOpen",
     C::Hint,
     {"Open file with parametrs", "Kenndatendatei öffnen", "Otevření souboru s parametry"}},
    {"MenuOpen",
     C::Hint,
     {"Open file with parametrs", "Kenndatendatei öffnen", "Otevření souboru s parametry"}},
    {"SpeedButtonNew",
     C::Hint,
     {"Set default parametrs", "Neue Kenndatendaten erstellen", "Nastavení výchozích parametrů"}},
    {"MenuNew",
     C::Hint,
     {"Set default parametrs", "Neue Kenndatendaten erstellen", "Nastavení výchozích parametrů"}},
    {"SpeedButtonSave",
     C::Hint,
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Uložení parametrů do souboru"}},
    {"MenuSave",
     C::Hint,
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Uložení parametrů do souboru"}},
    {"SpeedButtonPrint", C::Hint, {"Print parametrs", "Druck der Kenndaten", "Tisk parametrů"}},
    {"MenuPrint", C::Hint, {"Print parametrs", "Druck der Kenndaten", "Tisk parametrů"}},
    {"BitBtnProgram",
     C::Hint,
     {"Programing  set parametrs to ignition", "Programmieren der Kenndaten auf die Zündbox",
      "Programování nastavených parametrů do zapalování"}},
    {"MenuProgram",
     C::Hint,
     {"Programing  set parametrs to ignition", "Programmieren der Kenndaten auf die Zündbox",
      "Programování nastavených parametrů do zapalování"}},
    {"BitBtnVerify",
     C::Hint,
     {"Compare set parametrs  with parametrs of ignition", "Vergleich der Kenndaten mit Zündboxkenndaten",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {"MenuVerify",
     C::Hint,
     {"Compare set parametrs  with parametrs of ignition", "Vergleich der Kenndaten mit Zündboxkenndaten",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {"ButtonRead",
     C::Hint,
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Čtení parametrů ze zapalování"}},
    {"MenuRead",
     C::Hint,
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Čtení parametrů ze zapalování"}},
    {"MenuExit", C::Hint, {"End of program", "Programm beenden", "Ukončení programu"}},
    {"MenuLanguage",
     C::Hint,
     {"Language|Set English or German or French", "Sprache",
      "Nastavení jazyka na angličtinu, češtinu nebo němčinu"}},
    {"MenuEnglish", C::Hint, {"Set English menu", "Set English menu", "Set English menu"}},
    {"MenuGerman", C::Hint, {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü"}},
    {"MenuCzech", C::Hint, {"Nastavit české menu", "Nastavit české menu", "Nastavit české menu"}},
    {"CheckBoxProgHned",
     C::Hint,
     {"Programing at once after change", "Programmmierung gleich nach der Änderung",
      "Programování ihned po změně"}},
    {"MenuCom",
     C::Hint,
     {"Set number of com", "Com-Anschluß festlegen", "Nastavení čísla serivého portu (Com) "}},
};

constexpr CaptionRow Window[] = {
    {"LabelSpojeni", C::Caption, {"No connection with PC", "Keine Verbindung zum PC", "Není spojení s PC"}},
    {"CheckBoxProgHned",
     C::Caption,
     {"Programming after change", "Programmierung nach Änderung", "Programování po změně"}},
    {"TabSheet_Bike", C::Caption, {"Bike", "Motorrad", "Motocykl"}},
    {"TabSheet_Inputs", C::Caption, {"Inputs", "Eingänge", "Vstupy"}},
    {"TabSheet_Advance", C::Caption, {"Advance", "Vorzündung", "Předstih"}},
    {"TabSheet_Servo", C::Caption, {"Servo", "Servo", "Servo"}},
    {"TabSheet_PowerOut", C::Caption, {"Power out", "Leistungsausgänge", "Výkonové výstupy"}},
    {"TabSheet_Gear", C::Caption, {"Gear", "Gang", "Převody"}},
    {"TabSheet_Race", C::Caption, {"Race", "Rennen", "Závod"}},
    {"TabSheet_Test", C::Caption, {"Tests", "Tests", "Testy"}},
    {"TabSheet_Monitor", C::Caption, {"Monitor", "Monitor", "Monitor"}},
};

} // namespace

CaptionTable MenuCaptions() {
    return Menus;
}

CaptionTable MenuHints() {
    return Hints;
}

CaptionTable WindowCaptions() {
    return Window;
}

std::string_view CaptionText(CaptionTable rows, std::string_view target, CaptionKind kind,
                             int languageIndex) {
    for (const CaptionRow &row : rows)
        if (row.target == target && row.kind == kind)
            return row.in(languageIndex);
    return {};
}

} // namespace zarvex1
