#pragma once

#include "core/params/ParameterImage.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarvex1 {

// One text in English, German and Czech.
struct CatalogueText {
    std::array<std::string, 3> text;

    // The text of language index 0 (English), 1 (German) or 3 (Czech); any other index gives English.
    const std::string &in(int languageIndex) const;
    friend bool operator==(const CatalogueText &, const CatalogueText &) = default;
};

enum class EntryKind {
    Value,     // one parameter: a word, a byte or one bit of a byte
    Map,       // a table of cells: an advance or servo map, or an axis of them
    OtherByte, // a byte that no parameter names; it travels with its block
};

enum class ValueWidth { Word, Byte, Bit };

// One entry of the parameter catalogue: where a value lives in the image and in the parameter file,
// where the window shows it, what it is called and how it reads.
struct CatalogueEntry {
    EntryKind kind = EntryKind::Value;
    std::string id;      // stable and language free: "W21", "B267", "B758.2", "ADVANCE1"
    std::string keyWord; // the parameter file's key word; empty when the file has none for it
    int line = -1;       // the line of the key word's block (0 follows the key word) and
    int column = -1;     // the value on it; a map gives its first cell
    bool written = true; // the writer writes it (the fourth power output is only read)
    int page = -1;       // the page that belongs to it (Page::...); -1 none
    std::string control; // the control bound to it; empty when no control edits it on its own

    ValueWidth width = ValueWidth::Byte;
    int address = 0; // word index for words, byte address otherwise
    int bit = 0;     // Bit only

    // Displayed = scale x (raw + offset), as the pages and the file show it.
    int scale = 1;
    int offset = 0;
    bool loadScaled = false; // a power-out load threshold: scale 5 (kPa) with the IAP sensor, else % (1)
    int minimum = 0;         // the displayed range the window allows
    int maximum = 0;
    bool flag = false;                                  // 0 or 1: shown as no or yes
    std::vector<std::pair<int, CatalogueText>> choices; // the items of a radio group or combo box by code
    CatalogueText unit;
    CatalogueText caption;
    CatalogueText description;
    CatalogueText advice; // when to change it, or that this is not known

    // Maps: rows x columns cells from `address` on (words or bytes as `width`), cell (r, c) at
    // address + columns * r + c. A cell reads raw x cellFactor with `decimals` places.
    int rows = 0;
    int columns = 0;
    double cellFactor = 1.0;
    int decimals = 0;

    int cellCount() const { return kind == EntryKind::Map ? rows * columns : 1; }
    // Every byte of the image the entry holds.
    std::vector<int> Bytes() const;
};

// Every value of the 900-byte image exactly once, in file order, then the bytes that no value names.
class ParameterCatalogue {
public:
    static const ParameterCatalogue &Instance();

    const std::vector<CatalogueEntry> &Entries() const { return entries_; }
    // The entries grouped by page in page order (those of no page last), in catalogue order within a
    // page: the order of a compare and of the manual's parameter reference.
    const std::vector<const CatalogueEntry *> &EntriesByPage() const { return byPage_; }
    // The entry that holds a byte of the image (every byte has one; a bit row gives its first bit).
    const CatalogueEntry &EntryOfByte(int address) const;
    // The entry bound to a control, or nothing.
    const CatalogueEntry *EntryOfControl(std::string_view control) const;
    // The entry with that id, or nothing.
    const CatalogueEntry *EntryWithId(std::string_view id) const;

    // The raw value of a value entry, or of one cell of a map.
    static int RawValue(const CatalogueEntry &entry, const ParameterImage &image, int cell = 0);
    // The value as the window shows it, with its unit: "5800 rpm", "-2 °", "1.84 V", "on".
    static std::string FormatValue(const CatalogueEntry &entry, const ParameterImage &image, int language,
                                   int cell = 0);
    // The number alone, as FormatValue shows it.
    static std::string FormatNumber(const CatalogueEntry &entry, const ParameterImage &image, int cell = 0);

    explicit ParameterCatalogue(std::vector<CatalogueEntry> entries);

private:
    std::vector<CatalogueEntry> entries_;
    std::vector<const CatalogueEntry *> byPage_;
    std::array<int, ParameterImage::Size> byteOwner_{};
};

// One entry's texts in one language, as the manual's parameter reference lists them.
struct ReferenceRow {
    const CatalogueEntry *entry = nullptr;
    std::string page;         // the page's caption
    std::string caption;      // the entry's caption
    std::string place;        // in the parameter file: "RETARD 1/1" (key word, line and value from 1)
    std::string unit;         // empty when it has none
    std::string range;        // "0 .. 60", the items "Off | Fuel pump | ...", "no | yes"; empty for maps
    std::string description;  // what it does
    std::string advice;       // when to change it, or that this is not known
    std::string shownRange;   // the range with its unit, or the items as the window shows them
    std::string defaultValue; // the first-start value, by motorbike type where it depends on it
};

// Every entry of the catalogue in page order, in the language.
std::vector<ReferenceRow> ParameterReference(int language);
// The reference's rows with each run of neighbouring bytes that no value names as one row ("Bytes
// 834 .. 899").
std::vector<ReferenceRow> CompactReference(int language);

// The caption of a page in the language, as its tab shows it.
std::string PageCaption(int page, int language);

} // namespace zarvex1
