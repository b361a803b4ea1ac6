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

// A window beside the one that owns the settings folder (--new-instance): said once in the status line,
// and asked when it closes with changes that are neither saved nor programmed.
inline constexpr WindowText GuestWindowText = {
    "Another window keeps the settings; this one saves none",
    "Ein anderes Fenster hält die Einstellungen; dieses speichert keine",
    "Nastavení drží jiné okno; toto žádné neukládá"};
inline constexpr WindowText GuestCloseQuestion = {
    "The parameter set has changes that are neither saved nor programmed, and this window keeps no "
    "settings. Close anyway?",
    "Der Parametersatz hat Änderungen, die weder gespeichert noch programmiert sind, und dieses Fenster "
    "speichert keine Einstellungen. Trotzdem schließen?",
    "Sada parametrů má změny, které nejsou uloženy ani naprogramovány, a toto okno neukládá nastavení. "
    "Přesto zavřít?"};

// The icon-only tool buttons and the menu items of their commands. A button is named by its command's
// caption; its tooltip and hint line show the command's hint, or the caption where there is none.
struct ToolButtonCommand {
    const char *button;
    const char *command;
};

inline constexpr ToolButtonCommand ToolButtonCommands[] = {
    {"SpeedButtonOpen", "MenuOpen"},   {"SpeedButtonNew", "MenuNew"},   {"SpeedButtonSave", "MenuSave"},
    {"SpeedButtonPrint", "MenuPrint"}, {"SpeedButtonZpet", "MenuZpet"}, {"SpeedButtonZnovu", "MenuZnovu"},
};

} // namespace zarvex1
