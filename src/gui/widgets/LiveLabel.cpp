#include "gui/widgets/LiveLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace zarvex1 {

void TLiveLabel::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        glyphs_ = QRawFont();
    QLabel::changeEvent(event);
}

void TLiveLabel::paintEvent(QPaintEvent *event) {
    const QString shown = text();
    if (!glyphs_.isValid())
        glyphs_ = QRawFont::fromFont(font());
    const QList<quint32> indexes =
        glyphs_.isValid() ? glyphs_.glyphIndexesForString(shown) : QList<quint32>();
    const bool plainLine =
        textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(shown));
    if (!plainLine || indexes.size() != shown.size() || shown.contains(QLatin1Char('\n')) || margin() != 0 ||
        indent() > 0 || std::find(indexes.begin(), indexes.end(), 0u) != indexes.end()) {
        QLabel::paintEvent(event);
        return;
    }
    const QList<QPointF> advances = glyphs_.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    qreal width = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    QPainter painter(this);
    drawFrame(&painter);
    // Where a QLabel puts one line: aligned within the contents, centred on the font's height.
    const QRect contents = contentsRect();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = contents.left();
    if (align & Qt::AlignRight)
        x = contents.right() + 1 - width;
    else if (align & Qt::AlignHCenter)
        x = contents.left() + (contents.width() - width) / 2;
    const QFontMetrics metrics(font());
    qreal top = contents.top() + (contents.height() - metrics.height()) / 2.0;
    if (align & Qt::AlignTop)
        top = contents.top();
    else if (align & Qt::AlignBottom)
        top = contents.bottom() + 1 - metrics.height();
    QGlyphRun run;
    run.setRawFont(glyphs_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawGlyphRun(QPointF(x, std::round(top) + metrics.ascent()), run);
}

} // namespace zarvex1
