#include "gui/widgets/LabelColour.h"

#include <QApplication>
#include <QPalette>

namespace zarvex1 {

QColor LabelColour(std::uint32_t colour) {
    if (colour == Colour::ButtonFace)
        return QApplication::palette().color(QPalette::Button);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace zarvex1
