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

inline constexpr WindowText LoaderSocketErrorText = {"Loader socket cannot be opened",
                                                     "Socket für das Ladeprogramm kann nicht geöffnet werden",
                                                     "Soket pro zavaděč nelze otevřít"};

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
