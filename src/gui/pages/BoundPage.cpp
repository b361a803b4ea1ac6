#include "gui/pages/BoundPage.h"

#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/CaptionHelper.h"
#include "gui/widgets/LabelColour.h"
#include "gui/widgets/RadioGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace zarvex1 {

namespace {

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void SetFontColour(QWidget *widget, std::uint32_t colour) {
    const QColor wanted = LabelColour(colour);
    if (widget->palette().color(QPalette::WindowText) == wanted)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}

// A caption that follows the image; a label's also names the control it stands for.
void SetStateCaption(QWidget *widget, const QString &text) {
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text() != text) {
            label->setText(text);
            NameBuddy(label);
        }
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(text);
    } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        box->setTitle(text);
    }
}

} // namespace

void ApplyStates(QWidget *root, const PageStates &states) {
    for (const ControlState &s : states.all()) {
        if (s.name.starts_with("UpDown")) {
            auto *edit = root->findChild<TUpDownEdit *>(QString::fromStdString(EditNameOf(s.name)));
            if (edit && s.visible)
                edit->SetUpDownVisible(*s.visible);
            continue;
        }
        QWidget *widget =
            root->objectName() == Name(s.name) ? root : root->findChild<QWidget *>(Name(s.name));
        if (!widget)
            continue;
        // Only what changes: a page is loaded twice a commit, and every change costs a relayout.
        if (s.visible && widget->isHidden() == *s.visible)
            widget->setVisible(*s.visible);
        if (s.enabled && widget->testAttribute(Qt::WA_ForceDisabled) == *s.enabled)
            widget->setEnabled(*s.enabled);
        if (s.fontColour)
            SetFontColour(widget, *s.fontColour);
        if (s.caption)
            SetStateCaption(widget, Name(*s.caption));
    }
}

TBoundPage::TBoundPage(const PageModel &model, PageMachine &machine, QWidget *parent)
    : QWidget(parent), model_(model), machine_(machine) {}

QWidget *TBoundPage::Bound(std::string_view name) {
    if (const auto found = controls_.find(name); found != controls_.end())
        return found->second;
    const std::optional<Binding> row = model_.Row(name, ParameterImage{});
    if (!row)
        return nullptr;
    QWidget *control = Create(*row);
    controls_.emplace(std::string(name), control);
    return control;
}

QWidget *TBoundPage::Create(const Binding &row) {
    const std::string name(row.name);
    const auto request = [this, name](CommitMode mode) { machine_.RequestCommit(name, mode); };
    switch (row.kind) {
    case ControlKind::WordUpDown:
    case ControlKind::ByteUpDown: {
        auto *edit = new TUpDownEdit(EditNameOf(row.name), name, this);
        edit->setRange(row.minimum, row.maximum);
        edit->setSingleStep(row.step);
        connect(edit, &TUpDownEdit::commitRequested, this,
                [this](const std::string &source, CommitMode mode) { machine_.RequestCommit(source, mode); });
        return edit;
    }
    case ControlKind::Check:
    case ControlKind::BitCheck: {
        auto *check = new QCheckBox(this);
        check->setObjectName(Name(row.name));
        if (!row.ownHandler)
            connect(check, &QCheckBox::clicked, this, [request] { request(CommitMode::Immediate); });
        return check;
    }
    case ControlKind::Radio: {
        const auto columns = columns_.find(row.name);
        auto *radio = new TRadioGroup(Name(row.name), row.maximum + 1,
                                      columns == columns_.end() ? 1 : columns->second, this);
        if (!row.ownHandler)
            connect(radio, &TRadioGroup::itemClicked, this, [request] { request(CommitMode::Immediate); });
        return radio;
    }
    case ControlKind::Combo: {
        auto *combo = new QComboBox(this);
        combo->setObjectName(Name(row.name));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (int i = 0; i <= row.maximum; ++i)
            combo->addItem(QString());
        if (!row.ownHandler)
            connect(combo, &QComboBox::activated, this, [request] { request(CommitMode::Immediate); });
        return combo;
    }
    }
    return nullptr;
}

TUpDownEdit *TBoundPage::UpDown(std::string_view name) {
    return qobject_cast<TUpDownEdit *>(Bound(name));
}

QCheckBox *TBoundPage::Check(std::string_view name) {
    return qobject_cast<QCheckBox *>(Bound(name));
}

QComboBox *TBoundPage::Combo(std::string_view name) {
    return qobject_cast<QComboBox *>(Bound(name));
}

TRadioGroup *TBoundPage::Radio(std::string_view name) {
    return qobject_cast<TRadioGroup *>(Bound(name));
}

QLabel *TBoundPage::NewLabel(const char *name, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(parent ? parent : this);
    label->setObjectName(QString::fromLatin1(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QGroupBox *TBoundPage::NewGroupBox(const char *name, QWidget *parent) {
    auto *box = new QGroupBox(parent ? parent : this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void TBoundPage::Adopt(QWidget *control, QWidget *parent) {
    // A control not yet shown takes its place in the focus order where the page lays it out.
    if (control->parentWidget() != parent)
        control->setParent(parent);
}

void TBoundPage::AddEditRow(QGridLayout *grid, int row, std::string_view upDownName, int column) {
    TUpDownEdit *edit = UpDown(upDownName);
    grid->addWidget(NewLabel(LabelNameOf(upDownName).c_str(), edit), row, column);
    // An edit is as wide as its longest value, not as its column.
    grid->addWidget(edit, row, column + 1, Qt::AlignLeft);
}

void TBoundPage::Finish() {
    for (const Binding &row : model_.Bindings(ParameterImage{})) {
        if (controls_.count(row.name) == 0) {
            // A row the page has no place for is still bound, but not shown.
            Bound(row.name)->hide();
        }
    }
    PageStates hidden;
    for (std::string_view name : model_.HiddenAtStart())
        hidden.Visible(name, false);
    ApplyStates(this, hidden);
}

void TBoundPage::Show(const ShownRow &row) {
    QWidget *control = Bound(row.binding.name);
    if (auto *edit = qobject_cast<TUpDownEdit *>(control)) {
        // A new range lays the page out again: only when it changes.
        if (edit->minimum() != row.binding.minimum || edit->maximum() != row.binding.maximum)
            edit->setRange(row.binding.minimum, row.binding.maximum);
        edit->setSingleStep(row.binding.step);
        if (row.value)
            edit->ShowPosition(*row.value);
    } else if (!row.value) {
        return;
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        check->setChecked(*row.value != 0);
    } else if (auto *radio = qobject_cast<TRadioGroup *>(control)) {
        radio->setItemIndex(*row.value);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentIndex(*row.value < combo->count() ? *row.value : -1);
    }
}

int TBoundPage::ValueOf(const Binding &row, QWidget *control) const {
    if (auto *edit = qobject_cast<TUpDownEdit *>(control)) {
        // Text typed but not yet taken counts, as it does when the up-down is clicked.
        edit->interpretText();
        return edit->value();
    }
    if (auto *check = qobject_cast<QCheckBox *>(control))
        return check->isChecked() ? 1 : 0;
    if (auto *radio = qobject_cast<TRadioGroup *>(control))
        return radio->itemIndex();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentIndex();
    (void)row;
    return 0;
}

void TBoundPage::Load(const ParameterImage &image, bool printing) {
    const PageMachine::LoadScope guard = machine_.Load();
    // The states first: a value that follows another (a range, a hidden item) is shown in the states
    // the image gives, not clamped by the page's last ones.
    ApplyStates(this, PageStatesFor(model_, image, printing));
    for (const ShownRow &row : LoadPageValues(model_, image))
        Show(row);
    UpdateStates(image, printing);
}

void TBoundPage::Store(ParameterImage &image) {
    if (machine_.LoadGuard())
        return;
    ControlValues values;
    for (const Binding &row : model_.Bindings(image))
        if (QWidget *control = Bound(row.name))
            values[std::string(row.name)] = ValueOf(row, control);
    StorePageValues(model_, values, image);
}

void TBoundPage::UpdateStates(const ParameterImage &image, bool printing) {
    const PageMachine::LoadScope guard = machine_.Load();
    ApplyStates(this, PageStatesFor(model_, image, printing));
    // A value whose item is not offered shows no item; a store then leaves the byte as it is.
    for (TRadioGroup *radio : findChildren<TRadioGroup *>()) {
        const int index = radio->itemIndex();
        if (index >= 0 && radio->item(index)->isHidden())
            radio->setItemIndex(-1);
    }
}

void TBoundPage::ApplyLanguage(int languageIndex) {
    const PageMachine::LoadScope guard = machine_.Load();
    ApplyCaptions(this, model_.Captions(), languageIndex);
}

void TBoundPage::ShowRow(std::string_view name, const ParameterImage &image) {
    const PageMachine::LoadScope guard = machine_.Load();
    if (const std::optional<Binding> row = model_.Row(name, image))
        Show({*row, ShowValue(*row, image)});
}

} // namespace zarvex1
