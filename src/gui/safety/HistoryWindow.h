#pragma once

#include "core/safety/RestorePoints.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace zarvex1 {

// The restore points as a table, newest first: time, event, unit name, programming count, file name and
// the values changed against the point before.
class RestorePointModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Event, Unit, Count, File, Changed, ColumnCount };

    explicit RestorePointModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    void SetPoints(std::vector<RestorePoint> points);
    void SetLanguage(int languageIndex);
    const RestorePoint *Point(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<RestorePoint> points_;
    int language_ = 0;
};

// File > History: the restore points newest first; the chosen one is compared with the screen's set or
// opened as Open opens a file, without making its file the set's own.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(QWidget *parent = nullptr);

    // Lists the points again (the store may have written new ones) and shows the window.
    void ShowPoints(std::vector<RestorePoint> points);
    void SetLanguage(int languageIndex);
    const RestorePoint *Chosen() const;
    QTableView *Table() const { return table_; }

signals:
    void compareRequested(const RestorePoint &point);
    void openRequested(const RestorePoint &point);

private:
    void ApplyTexts();
    // Widens the columns whose header in the current language would be cut.
    void FitColumnsToHeaders();
    void UpdateButtons();

    int language_ = 0;
    RestorePointModel model_;
    QLabel *empty_ = nullptr;
    QTableView *table_ = nullptr;
    QPushButton *compare_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *close_ = nullptr;
};

// A point's time as the list shows it, in local time: "2026-12-10 21:43:11".
QString RestorePointTimeText(const RestorePoint &point);

} // namespace zarvex1
