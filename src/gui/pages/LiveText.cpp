#include "gui/pages/LiveText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

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
    const int needed = LiveTextWidth(label->fontMetrics(), shown) + 2 * Margin + 2;
    if (needed <= label->width())
        return false;
    label->setFixedWidth((needed + WidthStep - 1) / WidthStep * WidthStep);
    return true;
}

int LiveTextWidth(const QFontMetrics &metrics, const QString &text) {
    int width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    return width;
}

} // namespace zarvex1
