#include "gui/safety/CompareWindow.h"

#include "core/catalogue/CatalogueNotes.h"
#include "core/safety/SafetyTexts.h"
#include "core/safety/TakeSelected.h"
#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>
#include <utility>

namespace zarvex1 {

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr int CellRole = Qt::UserRole + 1; // -1: a value, or a whole map or page

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Word(const Texts3 &t, int language) {
    return std::string(t[language == Language::German ? 1 : language == Language::Czech ? 2 : 0]);
}

const CatalogueEntry *EntryOf(const QTreeWidgetItem *item) {
    return reinterpret_cast<const CatalogueEntry *>(item->data(0, EntryRole).value<quintptr>());
}

int CellOf(const QTreeWidgetItem *item) {
    return item->data(0, CellRole).toInt();
}

QPushButton *Button(QWidget *parent, const char *name) {
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

CompareWindow::CompareWindow(ParameterSession &session, QWidget *parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("CompareWindow"));
    setModal(false);
    resize(720, 520);
    auto *column = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("LabelCompareSummary"));
    summary_->setWordWrap(true);
    column->addWidget(summary_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeCompare"));
    tree_->setColumnCount(3);
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    summary_->setBuddy(tree_);
    column->addWidget(tree_, 1);
    auto *buttons = new QHBoxLayout;
    selectAll_ = Button(this, "ButtonSelectAll");
    selectNone_ = Button(this, "ButtonSelectNone");
    take_ = Button(this, "ButtonTakeSelected");
    close_ = Button(this, "ButtonCloseCompare");
    buttons->addWidget(selectAll_);
    buttons->addWidget(selectNone_);
    buttons->addStretch(1);
    buttons->addWidget(take_);
    buttons->addWidget(close_);
    column->addLayout(buttons);
    connect(selectAll_, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
    connect(selectNone_, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
    connect(take_, &QPushButton::clicked, this, &CompareWindow::TakeSelectedClicked);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(tree_, &QTreeWidget::itemChanged, this, [this] { take_->setEnabled(!Chosen().empty()); });
    ApplyTexts();
}

void CompareWindow::ShowCompare(const ParameterImage &other, Source source, const std::string &name) {
    other_ = other;
    source_ = source;
    name_ = name;
    reading_ = false;
    tree_->clear();
    Rebuild();
    show();
    raise();
    activateWindow();
    emit marksChanged();
}

void CompareWindow::ShowReading() {
    const bool hadMarks = other_.has_value();
    other_.reset();
    source_ = Source::Unit;
    reading_ = true;
    comparison_ = {};
    tree_->clear();
    ApplyTexts();
    show();
    raise();
    if (hadMarks)
        emit marksChanged();
}

const ParameterImage *CompareWindow::Other() const {
    return other_ && isVisible() ? &*other_ : nullptr;
}

void CompareWindow::SetLanguage(int languageIndex) {
    if (languageIndex == language_)
        return;
    language_ = languageIndex;
    if (other_)
        Rebuild();
    else
        ApplyTexts();
}

void CompareWindow::Follow() {
    if (other_ && isVisible() && session_.image() != compared_) {
        Rebuild();
        emit marksChanged();
    }
}

void CompareWindow::closeEvent(QCloseEvent *event) {
    QDialog::closeEvent(event);
    emit marksChanged();
}

void CompareWindow::Rebuild() {
    // The ticks survive a rebuild where the value or cell still differs.
    std::set<std::pair<const CatalogueEntry *, int>> ticked;
    for (QTreeWidgetItemIterator it(tree_, QTreeWidgetItemIterator::Checked); *it; ++it)
        if (EntryOf(*it) != nullptr)
            ticked.emplace(EntryOf(*it), CellOf(*it));
    const QSignalBlocker quiet(tree_);
    tree_->clear();
    compared_ = session_.image();
    comparison_ = CompareSets(compared_, *other_);
    const ParameterImage &screen = compared_;
    const ParameterImage &other = *other_;
    QTreeWidgetItem *pageItem = nullptr;
    int page = -2;
    auto checkable = [&](QTreeWidgetItem *item, const CatalogueEntry *e, int cell) {
        item->setData(0, EntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(e)));
        item->setData(0, CellRole, cell);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, ticked.count({e, cell}) != 0 ? Qt::Checked : Qt::Unchecked);
    };
    for (const EntryDifference &d : comparison_.differences) {
        const CatalogueEntry &e = *d.entry;
        if (e.page != page || pageItem == nullptr) {
            page = e.page;
            pageItem = new QTreeWidgetItem(tree_, {QString::fromStdString(PageCaption(page, language_))});
            pageItem->setFlags(pageItem->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            pageItem->setCheckState(0, Qt::Unchecked);
            pageItem->setExpanded(true);
        }
        auto *item = new QTreeWidgetItem(pageItem, {QString::fromStdString(e.caption.in(language_))});
        if (e.kind != EntryKind::Map) {
            item->setText(1, QString::fromStdString(ParameterCatalogue::FormatValue(e, screen, language_)));
            item->setText(2, QString::fromStdString(ParameterCatalogue::FormatValue(e, other, language_)));
            checkable(item, &e, -1);
            continue;
        }
        item->setText(
            1, Q(SafetyTextWith(SafetyText::DifferingCells, language_, std::to_string(d.cells.size()))));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (int cell : d.cells) {
            std::string name;
            if (e.rows > 1)
                name =
                    Word(CatalogueWords::Row, language_) + " " + std::to_string(cell / e.columns + 1) + ", ";
            name += Word(CatalogueWords::Column, language_) + " " + std::to_string(cell % e.columns + 1);
            auto *cellItem = new QTreeWidgetItem(item, {QString::fromStdString(name)});
            cellItem->setText(
                1, QString::fromStdString(ParameterCatalogue::FormatValue(e, screen, language_, cell)));
            cellItem->setText(
                2, QString::fromStdString(ParameterCatalogue::FormatValue(e, other, language_, cell)));
            checkable(cellItem, &e, cell);
        }
        item->setExpanded(d.cells.size() <= 20);
    }
    ApplyTexts();
}

void CompareWindow::ApplyTexts() {
    const int l = language_;
    std::string otherName;
    switch (source_) {
    case Source::File:
        otherName = SafetyTextWith(SafetyText::OtherFile, l, name_);
        break;
    case Source::Unit:
        otherName = std::string(SafetyTextOf(SafetyText::OtherUnit, l));
        break;
    case Source::RestorePoint:
        otherName = SafetyTextWith(SafetyText::OtherRestorePoint, l, name_);
        break;
    }
    setWindowTitle(Q(SafetyTextWith(SafetyText::CompareTitle, l, otherName)));
    tree_->setHeaderLabels({Q(SafetyTextOf(SafetyText::ColumnValue, l)),
                            Q(SafetyTextOf(SafetyText::ColumnScreen, l)),
                            Q(SafetyTextOf(SafetyText::ColumnOther, l))});
    QString summary;
    if (reading_)
        summary = Q(SafetyTextOf(SafetyText::ReadingUnit, l));
    else if (other_ && comparison_.same())
        summary = Q(SafetyTextOf(SafetyText::Same, l));
    else if (other_)
        summary =
            Q(SafetyTextWith(SafetyText::DifferingValues, l, std::to_string(comparison_.changedValues())));
    summary_->setText(summary);
    tree_->setAccessibleName(summary);
    const std::pair<QPushButton *, SafetyText> buttons[] = {{selectAll_, SafetyText::SelectAll},
                                                            {selectNone_, SafetyText::SelectNone},
                                                            {take_, SafetyText::TakeSelected},
                                                            {close_, SafetyText::Close}};
    for (const auto &[button, text] : buttons) {
        button->setText(Q(SafetyTextOf(text, l)));
        button->setAccessibleName(button->text());
    }
    selectAll_->setEnabled(!comparison_.same());
    selectNone_->setEnabled(!comparison_.same());
    take_->setEnabled(!Chosen().empty());
}

void CompareWindow::SetAllChecked(bool on) {
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        tree_->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

std::vector<EntryDifference> CompareWindow::Chosen() const {
    std::vector<EntryDifference> chosen;
    for (QTreeWidgetItemIterator it(tree_, QTreeWidgetItemIterator::Checked); *it; ++it) {
        const CatalogueEntry *e = EntryOf(*it);
        if (e == nullptr)
            continue;
        if (chosen.empty() || chosen.back().entry != e)
            chosen.push_back({e, {}});
        if (CellOf(*it) >= 0)
            chosen.back().cells.push_back(CellOf(*it));
    }
    return chosen;
}

void CompareWindow::TakeSelectedClicked() {
    if (!other_)
        return;
    const std::vector<EntryDifference> chosen = Chosen();
    if (chosen.empty())
        return;
    TakeSelected(session_, *other_, chosen);
    Rebuild();
    emit marksChanged();
}

} // namespace zarvex1
