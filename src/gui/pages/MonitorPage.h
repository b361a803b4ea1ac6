#pragma once

#include "core/pages/MonitorDisplay.h"
#include "gui/widgets/LabelColour.h"

#include <QWidget>

#include <functional>
#include <vector>

class QGroupBox;
class QLabel;

namespace zarvex1 {

class TGauge;

// The Monitor page: labels and gauges of the live values. It only copies what the monitor display holds.
// A frame costs little: every label keeps a fixed size (a box's labels widen together, and only when a
// text needs more room than ever before), so new texts repaint their own labels and lay nothing out
// again; gauges schedule their repaint; a hidden page is brought up to date when it is shown.
class TMonitorPage : public QWidget {
    Q_OBJECT
public:
    explicit TMonitorPage(QWidget *parent = nullptr);

    // Where the page finds the display when it is shown after frames came while it was hidden.
    void SetSource(std::function<const MonitorDisplay &()> source) { source_ = std::move(source); }
    void Show(const MonitorDisplay &display);
    void ApplyCaptions(int languageIndex);
    // The eight raw test values are shown only in test mode.
    void SetTestMode(bool on);

    TGauge *CGaugeRpm = nullptr;
    TGauge *CGaugeTps = nullptr;
    TGauge *CGaugeAkcel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    using Source = std::function<const LabelView &(const MonitorDisplay &)>;
    struct Binding {
        QLabel *label;
        Source source;
        int box;         // index into boxes_
        LabelView shown; // what the label shows now
    };
    struct Box {
        QGroupBox *box;
        int labelWidth; // the width all its labels have
    };

    int AddBox(const char *name, int row, int column);
    QLabel *AddLabel(int box, const QString &name, Source source);
    TGauge *AddGauge(int box, const char *name);
    void ShowText(Binding &binding, const LabelView &view);
    void WidenBox(int box, int textWidth);

    std::vector<Box> boxes_;
    std::vector<Binding> bindings_;
    std::vector<QLabel *> testLabels_;
    std::function<const MonitorDisplay &()> source_;
    bool stale_ = false; // frames came while the page was hidden
};

void ShowLabel(QLabel *label, const LabelView &view);

} // namespace zarvex1
