#include "gui/pages/LiveMarks.h"

#include "gui/widgets/LabelColour.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>

namespace zarvex1 {

namespace {

constexpr std::uint32_t Green = 0x00FF00;

void Mark(QWidget *widget, bool on) {
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QFont font = button->font();
        font.setBold(on);
        button->setFont(font);
        return;
    }
    // An up-down edit shows the mark in its text field only: repainting the field alone keeps a gear
    // change cheap on the Race page, where two rows of seven edits change at once.
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        if (auto *field = spin->findChild<QLineEdit *>())
            widget = field;
    // Only the one colour is the control's own; everything else it takes from its parent (a greyed font).
    const QPalette::ColorRole role = qobject_cast<QLineEdit *>(widget) ? QPalette::Base : QPalette::Window;
    if (on) {
        QPalette palette;
        palette.setColor(role, LabelColour(Green));
        widget->setPalette(palette);
    } else {
        widget->setPalette(QPalette());
    }
    if (qobject_cast<QLabel *>(widget))
        widget->setAutoFillBackground(on);
}

} // namespace

TLiveMarks::Shown &TLiveMarks::Of(std::string_view name) {
    auto found = shown_.find(name);
    if (found == shown_.end()) {
        QWidget *widget =
            root_->findChild<QWidget *>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        found = shown_.emplace(std::string(name), Shown{widget, false}).first;
    }
    return found->second;
}

void TLiveMarks::Apply(const LiveColours &marks) {
    for (const LiveColour &mark : marks) {
        Shown &shown = Of(mark.name);
        if (!shown.widget || shown.highlighted == mark.highlighted)
            continue;
        shown.highlighted = mark.highlighted;
        Mark(shown.widget, mark.highlighted);
    }
}

bool TLiveMarks::Marked(std::string_view name) const {
    const auto found = shown_.find(name);
    return found != shown_.end() && found->second.highlighted;
}

} // namespace zarvex1
