#pragma once

#include <string>

class QFont;
class QLabel;
class QString;

namespace zarvex1 {

// A label that shows a live value, several times a second: it keeps a fixed size, so a new text repaints
// the label alone and never lays out its page again. It widens, in steps, only when a text needs more
// room than ever before.
void MakeLiveLabel(QLabel *label);
// True when the label had to widen for the text.
bool ShowLiveText(QLabel *label, const std::string &text);
// The room a live text needs, from the advances of its characters: without the shaping of the whole text,
// which is what a label's own paint pays again. Kerning can only make the text narrower.
int LiveTextWidth(const QFont &font, const QString &text);

} // namespace zarvex1
