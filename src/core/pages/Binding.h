#pragma once

#include "core/params/ParameterImage.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarvex1 {

// What kind of control edits a parameter.
enum class ControlKind {
    WordUpDown, // an edit with an up-down on a word
    ByteUpDown, // an edit with an up-down on a byte
    Check,      // a check box on a byte: ticked when it is not 0
    BitCheck,   // a check box on one bit of a byte (a cell of a switching grid)
    Radio,      // a radio group on a byte: the item index
    Combo,      // a combo box on a byte: the item index, or the code of the item
};

// One control of a page bound to one parameter position. Displayed value = scale x (raw + offset);
// stored value = displayed / scale - offset, kept to the width of the position.
struct Binding {
    std::string_view name; // the control: "UpDownRetard", "CheckBoxSpecStart", "RadioGroupInput1"
    ControlKind kind;
    int position;                    // word or byte of the image
    int scale = 1;                   // up-downs
    int offset = 0;                  // up-downs: 0 or -100
    int minimum = 0;                 // up-downs: the range of the position
    int maximum = 0;                 // up-downs: the range; radio groups and combo boxes: the last item index
    int step = 1;                    // up-downs: the increment
    std::span<const int> codes = {}; // combo boxes whose items stand for codes: item i stores codes[i]
    bool ownHandler = false;         // the page handles a change of the control itself
    int bit = 0;                     // bit checks: the bit of the byte (a grid row's bit c is column c)
    bool held = false;               // the image has nothing for the control now: loads leave it as it
                                     // is and stores take nothing from it (a load threshold without a
                                     // load sensor)

    bool isUpDown() const { return kind == ControlKind::WordUpDown || kind == ControlKind::ByteUpDown; }
};

// What a load shows in the control: an up-down's position (clamped to its range), 1 or 0 for a check
// box, the item index for a radio group or combo box (-1: no item). Nothing means the control keeps
// what it shows (a combo box whose code is not among its items, a held row).
std::optional<int> ShowValue(const Binding &binding, const ParameterImage &image);
// What a store takes from the control into the image. An up-down's position is clamped to its range
// first; a radio group or combo box without a chosen item, and a held row, leave the image alone.
void TakeValue(const Binding &binding, int value, ParameterImage &image);

// An up-down's name gives the names of its edit and of its label: UpDownRetard, EditRetard, LabelRetard.
std::string EditNameOf(std::string_view upDownName);
std::string LabelNameOf(std::string_view upDownName);

} // namespace zarvex1
