#pragma once

#include "core/pages/Place.h"

#include <QRect>

#include <vector>

class QWidget;

namespace zarvex1 {

// The unit's pixel layout (96 dpi, 8-point type) grown with the type the page shows, so that what was
// placed by pixels keeps its proportions and its texts room at any font and screen.
class TPixelScale {
public:
    explicit TPixelScale(const QWidget *widget);
    TPixelScale(double x, double y) : x_(x), y_(y) {}

    int X(int pixels) const;
    int Y(int pixels) const;
    QRect Map(const Place &place) const;

private:
    double x_;
    double y_;
};

// Puts the named children of `parent` where the places say. A width or height of 0 takes the widget's
// natural size; an edit is never made smaller than the value it shows needs.
void ApplyPlaces(QWidget *parent, const std::vector<Place> &places, const TPixelScale &scale);
// The size that holds the visible and hidden children of `parent` with `margin` to the right and below.
QSize ChildrenExtent(const QWidget *parent, int margin);

} // namespace zarvex1
