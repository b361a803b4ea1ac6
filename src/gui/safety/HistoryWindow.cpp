#include "gui/safety/HistoryWindow.h"

#include "core/files/TextFiles.h"
#include "core/safety/SafetyTexts.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString RestorePointTimeText(const RestorePoint &point) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(point.details.time.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count())
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void RestorePointModel::SetPoints(std::vector<RestorePoint> points) {
    beginResetModel();
    points_ = std::move(points);
    endResetModel();
}

void RestorePointModel::SetLanguage(int languageIndex) {
    language_ = languageIndex;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!points_.empty())
        emit dataChanged(index(0, Event), index(rowCount() - 1, Event));
}

const RestorePoint *RestorePointModel::Point(int row) const {
    return row >= 0 && row < rowCount() ? &points_[static_cast<std::size_t>(row)] : nullptr;
}

int RestorePointModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int RestorePointModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RestorePointModel::data(const QModelIndex &index, int role) const {
    const RestorePoint *p = Point(index.row());
    if (p == nullptr)
        return {};
    if (role == Qt::TextAlignmentRole && (index.column() == Count || index.column() == Changed))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time:
        return RestorePointTimeText(*p);
    case Event:
        return Q(RestoreEventText(p->details.event, language_));
    case Unit:
        return QString::fromStdString(p->details.unitName);
    case Count:
        return p->details.programmingCount ? QString::number(*p->details.programmingCount) : QString();
    case File:
        return QString::fromStdString(Utf8FromPath(p->path.filename()));
    case Changed:
        return p->changedValues >= 0 ? QString::number(p->changedValues) : QString();
    default:
        return {};
    }
}

QVariant RestorePointModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr SafetyText Headers[ColumnCount] = {SafetyText::ColumnTime, SafetyText::ColumnEvent,
                                                        SafetyText::ColumnUnit, SafetyText::ColumnCount,
                                                        SafetyText::ColumnFile, SafetyText::ColumnChanged};
    return section >= 0 && section < ColumnCount ? Q(SafetyTextOf(Headers[section], language_)) : QVariant();
}

HistoryWindow::HistoryWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setModal(false);
    resize(1000, 480);
    auto *column = new QVBoxLayout(this);
    empty_ = new QLabel(this);
    empty_->setObjectName(QStringLiteral("LabelNoRestorePoints"));
    column->addWidget(empty_);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TableRestorePoints"));
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->verticalHeader()->hide();
    // Fixed row heights and column widths: 1000 rows are laid out without measuring each.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView *header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    const int digit = table_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[RestorePointModel::ColumnCount] = {20 * digit, 18 * digit, 10 * digit,
                                                        17 * digit, 44 * digit, 10 * digit};
    for (int c = 0; c < RestorePointModel::ColumnCount; ++c)
        header->resizeSection(c, widths[c]);
    header->setSectionResizeMode(RestorePointModel::File, QHeaderView::Stretch);
    column->addWidget(table_, 1);
    auto *buttons = new QHBoxLayout;
    compare_ = new QPushButton(this);
    compare_->setObjectName(QStringLiteral("ButtonCompareWithScreen"));
    open_ = new QPushButton(this);
    open_->setObjectName(QStringLiteral("ButtonOpenRestorePoint"));
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("ButtonCloseHistory"));
    buttons->addWidget(compare_);
    buttons->addWidget(open_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    column->addLayout(buttons);
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint *p = Chosen())
            emit compareRequested(*p);
    });
    connect(open_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint *p = Chosen())
            emit openRequested(*p);
    });
    connect(table_, &QTableView::doubleClicked, compare_, &QPushButton::click);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::UpdateButtons);
    ApplyTexts();
}

void HistoryWindow::ShowPoints(std::vector<RestorePoint> points) {
    model_.SetPoints(std::move(points));
    if (model_.rowCount() > 0)
        table_->selectRow(0);
    empty_->setVisible(model_.rowCount() == 0);
    UpdateButtons();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::SetLanguage(int languageIndex) {
    language_ = languageIndex;
    model_.SetLanguage(languageIndex);
    ApplyTexts();
}

const RestorePoint *HistoryWindow::Chosen() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_.Point(rows.first().row());
}

void HistoryWindow::ApplyTexts() {
    setWindowTitle(Q(SafetyTextOf(SafetyText::HistoryTitle, language_)));
    table_->setAccessibleName(windowTitle());
    empty_->setText(Q(SafetyTextOf(SafetyText::NoRestorePoints, language_)));
    const std::pair<QPushButton *, SafetyText> buttons[] = {
        {compare_, SafetyText::CompareWithScreen}, {open_, SafetyText::Open}, {close_, SafetyText::Close}};
    for (const auto &[button, text] : buttons) {
        button->setText(Q(SafetyTextOf(text, language_)));
        button->setAccessibleName(button->text());
    }
    FitColumnsToHeaders();
}

void HistoryWindow::FitColumnsToHeaders() {
    // A header is never cut: "Počet programování" is wider than the count below it. Widening only, so a
    // column the user made wider stays as it is.
    QHeaderView *header = table_->horizontalHeader();
    for (int c = 0; c < RestorePointModel::ColumnCount; ++c)
        if (c != RestorePointModel::File && header->sectionSize(c) < header->sectionSizeHint(c))
            header->resizeSection(c, header->sectionSizeHint(c));
}

void HistoryWindow::UpdateButtons() {
    const bool chosen = Chosen() != nullptr;
    compare_->setEnabled(chosen);
    open_->setEnabled(chosen);
}

} // namespace zarvex1
