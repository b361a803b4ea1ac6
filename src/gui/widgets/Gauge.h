#pragma once

#include <QColor>
#include <QWidget>

namespace zarvex1 {

// A bar gauge (minimum, maximum, position, bar colour). A new position only schedules a repaint, and only
// when the bar's painted length or colour changes, so live values at frame rate cost little.
class TGauge : public QWidget {
public:
    explicit TGauge(QWidget *parent = nullptr);

    // An empty or upside-down range shows an empty bar; the position is kept within the range.
    void SetGauge(int minimum, int maximum, int position, const QColor &colour);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return position_; }
    QColor colour() const { return colour_; }

    QSize sizeHint() const override { return {200, 16}; }

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    int BarWidth(int inner) const;

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    QColor colour_ = Qt::green;
    int paintedBar_ = -1; // the bar's length as last painted, in pixels
};

} // namespace zarvex1
