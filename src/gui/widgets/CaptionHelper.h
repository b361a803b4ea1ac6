#pragma once

#include "core/texts/Captions.h"

class QLabel;
class QObject;
class QWidget;

namespace zarvex1 {

// Puts the texts of a caption table in one language onto the controls of a widget tree, found by
// their object names: menus and menu items, page tabs, labels, buttons, check boxes, group boxes and
// radio groups (caption), single list items and whole item lists of combo boxes and radio groups,
// hints (tooltip and status text). A label's text also names the control it is the buddy of, so that
// screen readers and GUI automation find edits and combo boxes by their visible captions.
void ApplyCaptions(QObject *root, CaptionTable rows, int languageIndex);

// A label's caption as an accessible name: without the mnemonic and the blanks around it.
void NameBuddy(QLabel *label);

} // namespace zarvex1
