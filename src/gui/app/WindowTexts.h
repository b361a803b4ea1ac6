#pragma once

#include <QString>

namespace zarvex1 {

// A window text in English, German and Czech; language index 0, 1 or 3 picks one.
struct WindowText {
    const char* english;
    const char* german;
    const char* czech;
    QString in(int languageIndex) const
    {
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
inline constexpr const char* PageNames[] = {
    "TabSheet_Bike", "TabSheet_Inputs", "TabSheet_Advance", "TabSheet_Servo", "TabSheet_PowerOut",
    "TabSheet_Gear", "TabSheet_Race",   "TabSheet_Test",     "TabSheet_Monitor",
};

inline constexpr WindowText NoConnectionText = {"No connection with PC", "Keine Verbindung zum PC",
                                                "Není spojení s PC"};

} // namespace zarvex1
