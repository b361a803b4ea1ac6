#pragma once

#include "core/params/ParameterImage.h"
#include "core/safety/SetComparison.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarvex1 {

class ParameterSession;

// The compare of the screen's set with another set (a file, the unit, a restore point): every value that
// differs by its caption, with both values in display units, grouped by page; a map with its differing
// cells. Ticked values and cells go into the screen's set with "Take selected", as one undo entry. The
// window never changes the other set.
class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // What the other set is, for the title.
    enum class Source { File, Unit, RestorePoint };

    CompareWindow(ParameterSession &session, QWidget *parent = nullptr);

    // Shows the compare with `other`; `name` is the file's name or the restore point's time.
    void ShowCompare(const ParameterImage &other, Source source, const std::string &name = {});
    // While the unit is being read for the compare: the window says so and compares nothing.
    void ShowReading();
    // The other set while a compare is shown, else nothing.
    const ParameterImage *Other() const;
    const SetComparison &Comparison() const { return comparison_; }

    void SetLanguage(int languageIndex);
    // The screen's set may have changed: the compare follows it (ticks stay as they were where they can).
    void Follow();

signals:
    // The compare began, changed or ended: the map editors' marks follow.
    void marksChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Rebuild();
    void ApplyTexts();
    void TakeSelectedClicked();
    void SetAllChecked(bool on);
    std::vector<EntryDifference> Chosen() const;

    ParameterSession &session_;
    std::optional<ParameterImage> other_;
    ParameterImage compared_; // the screen's set the compare was made with
    Source source_ = Source::File;
    std::string name_;
    bool reading_ = false;
    int language_ = 0;
    SetComparison comparison_;
    QLabel *summary_ = nullptr;
    QTreeWidget *tree_ = nullptr;
    QPushButton *selectAll_ = nullptr;
    QPushButton *selectNone_ = nullptr;
    QPushButton *take_ = nullptr;
    QPushButton *close_ = nullptr;
};

} // namespace zarvex1
