#pragma once

#include "app/LabelColour.h"
#include "link/MonitorDisplay.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QProgressBar;

namespace zarvex1 {

// The Monitor page: labels and gauges of the live values. It only copies what the monitor display holds.
class TMonitorPage : public QWidget {
    Q_OBJECT
public:
    explicit TMonitorPage(QWidget *parent = nullptr);

    void Show(const MonitorDisplay &display);
    void ApplyCaptions(int languageIndex);
    // The eight raw test values are shown only in test mode.
    void SetTestMode(bool on);

    QProgressBar *CGaugeRpm = nullptr;
    QProgressBar *CGaugeTps = nullptr;
    QProgressBar *CGaugeAkcel = nullptr;

private:
    using Source = std::function<const LabelView &(const MonitorDisplay &)>;
    QLabel *AddLabel(QWidget *box, const QString &name, Source source);
    std::vector<std::pair<QLabel *, std::function<const LabelView &(const MonitorDisplay &)>>> bindings_;
    std::vector<QLabel *> testLabels_;
};

void ShowLabel(QLabel *label, const LabelView &view);
void ShowGauge(QProgressBar *gauge, const GaugeView &view);

} // namespace zarvex1
