#pragma once

#include "core/catalogue/ParameterCatalogue.h"

#include <array>
#include <span>
#include <string_view>

namespace zarvex1 {

using Texts3 = std::array<std::string_view, 3>;

// What the catalogue says of a run of values beyond what the pages say: a short description, the
// unit, and for values that no control captions on its own a caption. A "#" in a text stands for the
// value's number in the run: (position - first) / per + base.
struct ValueNotes {
    ValueWidth width; // Word: word indices; Byte and Bit: byte addresses
    int first;
    int last;
    int page;
    Texts3 description;
    Texts3 unit = {};
    Texts3 caption = {}; // only where no control's caption names the value
    int minimum = 0;     // the displayed range where no control gives one
    int maximum = 0;
    bool flag = false; // 0 or 1, shown as no or yes
    int per = 1;
    int base = 1;
};

// When to change the values of the run that starts at `first`; empty where the unit's description does
// not say it.
Texts3 AdviceOf(ValueWidth width, int first);

// A list item that the window keeps in another language, with its translation: the reference shows
// both.
struct ItemTranslation {
    std::string_view control;
    int code;
    Texts3 text; // English, German, Czech; empty where the window's text is that language's own
};
std::span<const ItemTranslation> ItemTranslations();

// Every run of values, in image order.
std::span<const ValueNotes> CatalogueNotes();
// The notes that hold a position, or nothing.
const ValueNotes *NotesOf(ValueWidth width, int address);

// The texts of the catalogue itself, in the three languages.
namespace CatalogueWords {
inline constexpr Texts3 Yes = {"yes", "ja", "ano"};
inline constexpr Texts3 No = {"no", "nein", "ne"};
inline constexpr Texts3 Byte = {"Byte", "Byte", "Bajt"};
inline constexpr Texts3 Row = {"row", "Zeile", "řádek"};
inline constexpr Texts3 Column = {"column", "Spalte", "sloupec"};
inline constexpr Texts3 LoadZone = {"load zone", "Lastzone", "zóna zatížení"};
inline constexpr Texts3 SpeedZone = {"speed zone", "Drehzahlzone", "zóna otáček"};
inline constexpr Texts3 Load = {"Load", "Last", "Zatížení"};
inline constexpr Texts3 OtherBytes = {"Other bytes", "Weitere Bytes", "Ostatní bajty"};
inline constexpr Texts3 PowerOut4 = {"Power out 4", "Ausgang 4", "Výstup 4"};
inline constexpr Texts3 Bytes = {"Bytes", "Bytes", "Bajty"};
inline constexpr Texts3 NotKnown = {
    "not known from the unit's description: keep the default unless the unit's maker advises otherwise.",
    "aus der Beschreibung der Zündung nicht bekannt: behalten Sie den Vorgabewert, sofern der Hersteller "
    "der Zündung nichts anderes empfiehlt.",
    "z popisu zapalování není známo: ponechte výchozí hodnotu, pokud výrobce zapalování nedoporučí jinak."};
inline constexpr Texts3 PowerOut4Kept = {
    "The window has no controls for power output 4: the value is kept as the unit or the file holds it.",
    "Für Ausgang 4 hat das Fenster keine Bedienelemente: der Wert bleibt, wie ihn die Zündung oder die "
    "Datei enthält.",
    "Okno nemá pro výstup 4 žádné ovládací prvky: hodnota zůstává tak, jak ji má zapalování nebo soubor."};
inline constexpr Texts3 OtherBytesKept = {
    "Not used by this program; they travel with their blocks and keep what the unit holds.",
    "Von diesem Programm nicht benutzt; sie werden mit ihren Blöcken übertragen und behalten, was die "
    "Zündung enthält.",
    "Tento program je nepoužívá; přenášejí se se svými bloky a zachovávají to, co má zapalování."};
inline constexpr Texts3 EveryRow = {"every row", "jede Zeile", "každý řádek"};
inline constexpr Texts3 SpecialKeeps = {"kept as set", "bleibt wie eingestellt", "zůstává, jak je nastaveno"};
inline constexpr Texts3 OtherByte = {
    "Not used by this program; it travels with its block.",
    "Von diesem Programm nicht benutzt; es wird mit seinem Block übertragen.",
    "Tento program jej nepoužívá; přenáší se se svým blokem."};
} // namespace CatalogueWords

// "#" replaced by the number.
std::string Numbered(std::string_view text, int number);

} // namespace zarvex1
