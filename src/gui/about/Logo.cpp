#include "gui/about/Logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace zarvex1 {

namespace {

// The logo is drawn on a 159 x 81 grid, the size of its place in the About window.
constexpr qreal GridWidth = 159;
constexpr qreal GridHeight = 81;

const QColor Ink(0x1d, 0x25, 0x30);
const QColor Red(0xd2, 0x1f, 0x1f);
const QColor Spark(0xff, 0xc4, 0x00);
const QColor Grid(0xd8, 0xdc, 0xe2);

QFont NameFont(qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    return font;
}

void PaintName(QPainter &painter, const QRectF &box) {
    const QString name = QStringLiteral("ZARVEX");
    const QString one = QStringLiteral("1");
    // Fit the ink of the whole name, slant included, into the box and centre it there.
    const QRectF trial = QFontMetricsF(NameFont(100)).tightBoundingRect(name + one);
    const QFont font = NameFont(qMin(100 * box.width() / trial.width(), 100 * box.height() / trial.height()));
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(name + one);
    const qreal left = box.left() + (box.width() - ink.width()) / 2 - ink.left();
    const qreal baseline = box.top() + (box.height() - ink.height()) / 2 - ink.top();
    painter.setFont(font);
    painter.setPen(Ink);
    painter.drawText(QPointF(left, baseline), name);
    painter.setPen(Red);
    painter.drawText(QPointF(left + metrics.horizontalAdvance(name), baseline), one);
}

// A small advance map: the curve climbs with engine speed, levels off and ends in a spark.
void PaintCurve(QPainter &painter, const QRectF &box) {
    painter.setPen(QPen(Grid, 0.8));
    for (int i = 1; i < 4; ++i) {
        const qreal x = box.left() + box.width() * i / 4;
        painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
    }
    painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    painter.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(box.bottomLeft(), box.bottomRight());

    const QPolygonF curve = {
        {0.00, 0.92}, {0.14, 0.86}, {0.30, 0.55}, {0.48, 0.28}, {0.66, 0.16}, {0.86, 0.14},
    };
    QPainterPath path;
    for (int i = 0; i < curve.size(); ++i) {
        const QPointF p(box.left() + curve[i].x() * box.width(), box.top() + curve[i].y() * box.height());
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    painter.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    // The spark: a four-pointed star where the curve ends.
    const QPointF centre(box.left() + 0.93 * box.width(), box.top() + 0.14 * box.height());
    const qreal r = box.height() * 0.42;
    const qreal w = r * 0.28;
    const QPolygonF star = {
        centre + QPointF(0, -r), centre + QPointF(w, -w), centre + QPointF(r, 0),  centre + QPointF(w, w),
        centre + QPointF(0, r),  centre + QPointF(-w, w), centre + QPointF(-r, 0), centre + QPointF(-w, -w),
    };
    painter.setPen(QPen(Ink, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Spark);
    painter.drawPolygon(star);
}

} // namespace

void PaintLogo(QPainter &painter, const QRectF &area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / GridWidth, area.height() / GridHeight);
    PaintName(painter, QRectF(3, 4, 153, 34));
    PaintCurve(painter, QRectF(8, 48, 138, 28));
    painter.restore();
}

QPixmap LogoPixmap(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    PaintLogo(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace zarvex1
