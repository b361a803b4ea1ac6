#pragma once

#include <QString>

namespace zarvex1 {

// A window text in English, German and Czech; language index 0, 1 or 3 picks one.
struct WindowText {
    const char *english;
    const char *german;
    const char *czech;
    QString in(int languageIndex) const {
        return QString::fromUtf8(languageIndex == 1 ? german : languageIndex == 3 ? czech : english);
    }
};

// Tab captions in page order: Bike, Inputs, Advance, Servo, Power out, Gear, Race, Test, Monitor.
inline constexpr WindowText PageCaptions[] = {
    {"Bike", "Motorrad", "Motocykl"},
    {"Inputs", "Eingänge", "Vstupy"},
    {"Advance", "Vorzündung", "Předstih"},
    {"Servo", "Servo", "Servo"},
    {"Power out", "Leistungsausgänge", "Výkonové výstupy"},
    {"Gear", "Gang", "Převody"},
    {"Race", "Rennen", "Závod"},
    {"Tests", "Tests", "Testy"},
    {"Monitor", "Monitor", "Monitor"},
};

// Object names of the pages, in page order.
inline constexpr const char *PageNames[] = {
    "TabSheet_Bike", "TabSheet_Inputs", "TabSheet_Advance", "TabSheet_Servo",   "TabSheet_PowerOut",
    "TabSheet_Gear", "TabSheet_Race",   "TabSheet_Test",    "TabSheet_Monitor",
};

inline constexpr WindowText LoaderSocketErrorText = {"Loader socket cannot be opened",
                                                     "Socket für das Ladeprogramm kann nicht geöffnet werden",
                                                     "Soket pro zavaděč nelze otevřít"};

inline constexpr WindowText NoConnectionText = {"No connection with PC", "Keine Verbindung zum PC",
                                                "Není spojení s PC"};

} // namespace zarvex1

namespace zarvex1 {

// Menu captions; a button named beside a menu item gets the same caption.
struct MenuCaption {
    const char *target;
    WindowText text;
};

inline constexpr MenuCaption MenuCaptions[] = {
    {"MenuFile", {"&File", "&Datei", "&Soubor"}},
    {"MenuNew", {"&New", "&Neu", "&Nový"}},
    {"MenuNewActPage", {"New for actual page", "Neu für aktual Seite", "&Nový pro aktuální záložku"}},
    {"MenuOpen", {"&Open", "&Öffnen", "&Otevřít"}},
    {"MenuOpenExeDir", {"Open from exe dir", "&Öffnen aue exe dir", "&Otevřít z exe dir"}},
    {"MenuOpenActPage", {"Open for actual page", "Öffnen für aktual Seite", "&Otevřít pro aktuální záložku"}},
    {"MenuSave", {"&Save", "&Speichern", "&Uložit"}},
    {"MenuSaveExeDir", {"Save to exe dir", "Speichern in exe dir", "Uložit do exe dir"}},
    {"MenuPrint", {"&Print", "&Drucken", "&Tisk"}},
    {"MenuPrintAll", {"Print All", "Alles drucken", "Tisknout vše"}},
    {"MenuExit", {"E&xit", "&Beenden", "&Konec"}},
    {"MenuCom", {"&Com", "&COM-Anschluß", "&Port"}},
    {"MenuDevice", {"&Ignition", "&Zündung", "&Zapalování"}},
    {"MenuRead", {"&Read", "&Lesen", "Čí&st"}},
    {"ButtonRead", {"&Read", "&Lesen", "Čí&st"}},
    {"MenuVerify", {"&Verify", "&Vergleichen", "&Verifikace"}},
    {"BitBtnVerify", {"&Verify", "&Vergleichen", "&Verifikace"}},
    {"MenuProgram", {"&Program", "&Programmieren", "&Programovat"}},
    {"BitBtnProgram", {"&Program", "&Programmieren", "&Programovat"}},
    {"MenuTools", {"Tools", "Werkzeuge", "Pomůcky"}},
    {"MenuToolsMinus", {"Minus ", "Minus ", "Mínus "}},
    {"MenuToolsPlus", {"Plus", "Plus", "Plus"}},
    {"MenuZpet", {"Undo", "Zurück", "Zpět"}},
    {"MenuZnovu", {"Redo", "Wieder", "Znovu"}},
    {"MenuInterpol", {"Interpolation", "Interpolation", "Interpolace"}},
    {"MenuLanguage", {"&Language", "&Sprache", "&Jazyk"}},
    {"MenuEnglish", {"&English", "&Englisch - English", "&Anglicky - English"}},
    {"MenuGerman", {"&German - Deutsch", "&Deutsch", "&Německy - Deutsch"}},
    {"MenuCzech", {"&Czech - Česky", "&Tschechisch - Česky", "Če&sky"}},
    {"MenuHelp", {"&Help", "&Hilfe", "Nápoveda"}},
    {"MenuContens", {"&Contents...", "&Inhalt...", "Obsah"}},
    {"MenuAbout", {"&About...", "&Über Programm...", "&O programu..."}},
    {"CheckBoxProgHned",
     {"Programming after change", "Programmierung nach Änderung", "Programování po změně"}},
};

// The icon-only tool buttons. Each is named by its command's menu caption, which is also its short hint;
// the long hint shows in the status bar.
struct ToolButtonText {
    const char *button;
    const char *command; // the menu item whose caption names the button
    WindowText hint;     // empty where the button has no hint of its own
};

inline constexpr ToolButtonText ToolButtonTexts[] = {
    {"SpeedButtonOpen",
     "MenuOpen",
     {"Open file with parametrs", "Kenndatendatei öffnen", "Otevření souboru s parametry"}},
    {"SpeedButtonNew",
     "MenuNew",
     {"Set default parametrs", "Neue Kenndatendaten erstellen", "Nastavení výchozích parametrů"}},
    {"SpeedButtonSave",
     "MenuSave",
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Uložení parametrů do souboru"}},
    {"SpeedButtonPrint", "MenuPrint", {"Print parametrs", "Druck der Kenndaten", "Tisk parametrů"}},
    {"SpeedButtonZpet", "MenuZpet", {"", "", ""}},
    {"SpeedButtonZnovu", "MenuZnovu", {"", "", ""}},
};

} // namespace zarvex1
