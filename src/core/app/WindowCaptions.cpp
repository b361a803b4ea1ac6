#include "app/WindowCaptions.h"

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

CaptionTable WindowCaptions() {
    return Window;
}

} // namespace zarvex1
