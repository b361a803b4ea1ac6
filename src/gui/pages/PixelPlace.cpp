#include "gui/pages/PixelPlace.h"

#include <QFontMetrics>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zarvex1 {

namespace {

// The type of the unit's layout: 8-point type at 96 dpi, 5 pixels a character, 13 a line.
constexpr double LayoutCharWidth = 5.0;
constexpr double LayoutLineHeight = 13.0;

// The width a spin box needs for a text: its natural width less the room of its longest value.
int WidthFor(const QSpinBox *edit, const QString &text) {
    const QFontMetrics metrics = edit->fontMetrics();
    const QLocale numbers = edit->locale();
    const int longest = std::max(metrics.horizontalAdvance(numbers.toString(edit->minimum())),
                                 metrics.horizontalAdvance(numbers.toString(edit->maximum())));
    return edit->sizeHint().width() - longest + metrics.horizontalAdvance(text);
}

} // namespace

TPixelScale::TPixelScale(const QWidget *widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    x_ = std::max(1.0, metrics.averageCharWidth() / LayoutCharWidth);
    y_ = std::max(1.0, metrics.height() / LayoutLineHeight);
}

int TPixelScale::X(int pixels) const {
    return static_cast<int>(std::lround(pixels * x_));
}

int TPixelScale::Y(int pixels) const {
    return static_cast<int>(std::lround(pixels * y_));
}

QRect TPixelScale::Map(const Place &place) const {
    return QRect(X(place.left), Y(place.top), X(place.width), Y(place.height));
}

void ApplyPlaces(QWidget *parent, const std::vector<Place> &places, const TPixelScale &scale) {
    for (const Place &place : places) {
        auto *widget =
            parent->findChild<QWidget *>(QString::fromStdString(place.name), Qt::FindDirectChildrenOnly);
        if (!widget)
            continue;
        QRect rect = scale.Map(place);
        const QSize natural = widget->sizeHint();
        if (place.width == 0)
            rect.setWidth(natural.width());
        if (place.height == 0)
            rect.setHeight(natural.height());
        // An edit keeps room for the value it shows, whatever the type.
        if (auto *edit = qobject_cast<QSpinBox *>(widget)) {
            rect.setHeight(std::max(rect.height(), natural.height()));
            rect.setWidth(std::max(rect.width(), WidthFor(edit, edit->text())));
        }
        widget->setGeometry(rect);
    }
}

QSize ChildrenExtent(const QWidget *parent, int margin) {
    QSize extent;
    for (const QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        extent = extent.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    }
    return extent + QSize(margin, margin);
}

} // namespace zarvex1
