#include "gui/widgets/Gauge.h"

#include <QPainter>

#include <algorithm>

namespace zarvex1 {

namespace {
constexpr int Border = 1;
}

TGauge::TGauge(QWidget *parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(sizeHint().height());
    // Painted whole, background and all: nothing under it needs repainting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TGauge::BarWidth(int inner) const {
    if (maximum_ <= minimum_ || inner <= 0)
        return 0;
    const long long span = static_cast<long long>(maximum_) - minimum_;
    const long long part = static_cast<long long>(std::clamp(position_, minimum_, maximum_)) - minimum_;
    return static_cast<int>(part * inner / span);
}

void TGauge::SetGauge(int minimum, int maximum, int position, const QColor &colour) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position, minimum, std::max(minimum, maximum));
    const bool recoloured = colour != colour_;
    colour_ = colour;
    if (recoloured || BarWidth(width() - 2 * Border) != paintedBar_)
        update();
}

void TGauge::resizeEvent(QResizeEvent *) {
    paintedBar_ = -1;
}

void TGauge::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QRect frame = rect();
    const QRect inner = frame.adjusted(Border, Border, -Border, -Border);
    paintedBar_ = BarWidth(inner.width());
    painter.fillRect(frame, palette().color(QPalette::Dark));
    painter.fillRect(inner, palette().color(QPalette::Base));
    painter.fillRect(QRect(inner.topLeft(), QSize(paintedBar_, inner.height())), colour_);
}

} // namespace zarvex1
