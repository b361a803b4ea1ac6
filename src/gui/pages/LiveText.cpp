#include "gui/pages/LiveText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

#include <cmath>

namespace zarvex1 {

namespace {

constexpr int WidthStep = 20;
constexpr int Margin = 4;

} // namespace

void MakeLiveLabel(QLabel *label) {
    label->setContentsMargins(Margin, 1, Margin, 1);
    label->setFixedSize(WidthStep * 5, label->fontMetrics().height() + 2);
}

bool ShowLiveText(QLabel *label, const std::string &text) {
    const QString shown = QString::fromStdString(text);
    if (label->text() == shown)
        return false;
    label->setText(shown);
    const int needed = LiveTextWidth(label->font(), shown) + 2 * Margin + 2;
    if (needed <= label->width())
        return false;
    label->setFixedWidth((needed + WidthStep - 1) / WidthStep * WidthStep);
    return true;
}

int LiveTextWidth(const QFont &font, const QString &text) {
    // In fractions of a pixel, as the text is laid out: whole pixels per character would add up.
    const QFontMetricsF metrics(font);
    qreal width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    return static_cast<int>(std::ceil(width));
}

} // namespace zarvex1
