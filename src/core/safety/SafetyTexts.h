#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zarvex1 {

// The texts of the safety net's menus and windows.
enum class SafetyText {
    MenuCompareFile,    // File > Compare with file...
    MenuCompareUnit,    // File > Compare with unit
    MenuCompareRestore, // File > Compare with restore point...
    MenuHistory,        // File > History...
    CompareTitle,       // the compare window's title, "%1" the other set's name
    OtherFile,          // the other set: a file, "%1" its name
    OtherUnit,          // the other set: the unit
    OtherRestorePoint,  // the other set: a restore point, "%1" its time
    ColumnValue,        // the compare's columns
    ColumnScreen,
    ColumnOther,
    Same,            // no value differs
    DifferingValues, // "%1" values differ
    TakeSelected,    // copies the ticked values into the screen's set
    SelectAll,
    SelectNone,
    Close,
    ReadingUnit, // while the unit is read for the compare
    UnitNotRead, // the unit's set could not be read
    FileNotRead, // the file could not be read; "%1" its name
    HistoryTitle,
    ColumnTime, // the history's columns
    ColumnEvent,
    ColumnUnit,
    ColumnCount,
    ColumnFile,
    ColumnChanged,
    CompareWithScreen,
    Open,
    NoRestorePoints,
    CellOtherValue, // the tooltip of a marked cell: "%1" the other set's value
    DifferingCells, // a map: "%1" cells differ
    // A verify that failed at block "%1", bytes "%2".."%3": the unit answered with other bytes than the
    // file's, or than the set a read took (its values kept in range); or it did not answer.
    VerifyBlockDiffers,
    ReadBlockDiffers,
    VerifyBlockUnanswered,
};

// The text in the language (0 English, 1 German, 3 Czech; any other index English).
std::string_view SafetyTextOf(SafetyText text, int language);
// The text with "%1" replaced by `argument`.
std::string SafetyTextWith(SafetyText text, int language, std::string_view argument);
// The text with "%1", "%2", ... replaced by the arguments in turn.
std::string SafetyTextWithAll(SafetyText text, int language,
                              std::initializer_list<std::string_view> arguments);

} // namespace zarvex1
