#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace zarvex1 {

// The ZARVEX1 logo: the product name over an advance curve that ends in a spark. Painted, so it is
// sharp at any size and on any screen.
void PaintLogo(QPainter &painter, const QRectF &area);
// The logo on white, `size` in device-independent pixels, for a screen of the given pixel ratio.
QPixmap LogoPixmap(QSize size, qreal devicePixelRatio);

} // namespace zarvex1
