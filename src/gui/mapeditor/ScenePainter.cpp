#include "gui/mapeditor/ScenePainter.h"

#include "core/mapeditor/views/PixelTint.h"
#include "core/mapeditor/views/TriangleFill.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <cstdlib>

namespace zarvex1 {

namespace {

// One step short of the end point: a line covers its start but not its end.
QPoint BeforeEnd(int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1, dy = y2 - y1;
    if (std::abs(dx) >= std::abs(dy))
        return QPoint(x2 - (dx > 0 ? 1 : dx < 0 ? -1 : 0), y2 - (dx == 0 && dy != 0 ? (dy > 0 ? 1 : -1) : 0));
    return QPoint(x2, y2 - (dy > 0 ? 1 : -1));
}

// The pattern of the scroll-bar tracks: colour 1 with every pixel whose row + column is odd in colour 2.
QImage PatternImage(std::uint32_t colour1, std::uint32_t colour2) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    const QRgb one = ToQColor(colour1).rgb(), two = ToQColor(colour2).rgb();
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            pattern.setPixel(j, i, ((i + j) & 1) != 0 ? two : one);
    return pattern;
}

} // namespace

ScenePainter::ScenePainter(const QFont &baseFont) : base_(baseFont) {}

// Enough for every text of a table in every language; beyond it the cache starts again.
constexpr std::size_t MaxCachedTexts = 4096;

ScenePainter::CachedFont &ScenePainter::Cached(const EditorFont &key) {
    for (const auto &cached : fonts_)
        if (cached->key == key)
            return *cached;
    QFont font(base_, &device_);
    font.setPointSize(std::max(1, key.size));
    font.setBold(key.bold);
    font.setItalic(key.italic);
    fonts_.push_back(
        std::make_unique<CachedFont>(CachedFont{key, font, QFontMetrics(font, &device_), {}, {}}));
    return *fonts_.back();
}

int ScenePainter::Width(CachedFont &font, std::string_view text) {
    const std::string key(text);
    if (const auto found = font.widths.find(key); found != font.widths.end())
        return found->second;
    if (font.widths.size() >= MaxCachedTexts)
        font.widths.clear();
    const int width =
        font.metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    font.widths.emplace(key, width);
    return width;
}

const QStaticText &ScenePainter::Laid(CachedFont &font, const std::string &text) {
    if (const auto found = font.texts.find(text); found != font.texts.end())
        return found->second;
    if (font.texts.size() >= MaxCachedTexts)
        font.texts.clear();
    QStaticText laid(QString::fromStdString(text));
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font.font);
    return font.texts.emplace(text, std::move(laid)).first->second;
}

const QBrush &ScenePainter::Pattern(std::uint32_t colour1, std::uint32_t colour2) {
    const std::uint64_t key = (static_cast<std::uint64_t>(colour1) << 32) | colour2;
    if (key != patternKey_) {
        patternKey_ = key;
        pattern_ = QBrush(PatternImage(colour1, colour2));
    }
    return pattern_;
}

QFont ScenePainter::Font(const EditorFont &font) {
    return Cached(font).font;
}

TextMetrics ScenePainter::Metrics() {
    TextMetrics metrics;
    metrics.width = [this](std::string_view text, const EditorFont &font) {
        return Width(Cached(font), text);
    };
    metrics.xHeight = [this](const EditorFont &font) { return Cached(font).metrics.height(); };
    metrics.baseSize = base_.pointSize() > 0 ? base_.pointSize() : 8;
    return metrics;
}

void ScenePainter::Run(const Scene &scene, QPainter &painter, QImage &image, const QRegion *clip) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip != nullptr)
        painter.setClipRegion(*clip);
    // The steps that write the scan lines themselves keep to the clip's boxes.
    const QRegion whole(image.rect());
    const QRegion &boxes = clip != nullptr ? *clip : whole;
    PixelBuffer pixels{image.bits(), image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
                       image.depth()};
    // Pen and font change only when a step asks for another.
    const CachedFont *currentFont = nullptr;
    std::uint32_t textColour = ~0u;
    for (const DrawOp &op : scene.Ops()) {
        if (const auto *fill = std::get_if<FillOp>(&op)) {
            painter.fillRect(QRect(fill->x, fill->y, fill->w, fill->h), ToQColor(fill->colour));
        } else if (const auto *line = std::get_if<LineOp>(&op)) {
            if (line->width <= 1) {
                // Lines along an axis are one-pixel boxes, which the raster engine fills fastest.
                if (line->y1 == line->y2 && line->x1 != line->x2) {
                    const int left = line->x2 > line->x1 ? line->x1 : line->x2 + 1;
                    painter.fillRect(QRect(left, line->y1, std::abs(line->x2 - line->x1), 1),
                                     ToQColor(line->colour));
                } else if (line->x1 == line->x2 && line->y1 != line->y2) {
                    const int top = line->y2 > line->y1 ? line->y1 : line->y2 + 1;
                    painter.fillRect(QRect(line->x1, top, 1, std::abs(line->y2 - line->y1)),
                                     ToQColor(line->colour));
                } else if (line->x1 != line->x2 || line->y1 != line->y2) {
                    painter.setPen(QPen(ToQColor(line->colour), 0));
                    painter.drawLine(QPoint(line->x1, line->y1),
                                     BeforeEnd(line->x1, line->y1, line->x2, line->y2));
                    textColour = ~0u;
                }
            } else {
                painter.setPen(QPen(ToQColor(line->colour), line->width, Qt::SolidLine, Qt::SquareCap));
                painter.drawLine(QPointF(line->x1 + 0.5, line->y1 + 0.5),
                                 QPointF(line->x2 + 0.5, line->y2 + 0.5));
                textColour = ~0u;
            }
        } else if (const auto *polygon = std::get_if<PolygonOp>(&op)) {
            QPolygon points;
            points.reserve(static_cast<int>(polygon->points.size()));
            for (const ScenePoint &p : polygon->points)
                points << QPoint(p.x, p.y);
            painter.setPen(QPen(ToQColor(polygon->outline), 0));
            painter.setBrush(ToQColor(polygon->fill));
            painter.drawPolygon(points);
            painter.setBrush(Qt::NoBrush);
            textColour = ~0u;
        } else if (const auto *ellipse = std::get_if<EllipseOp>(&op)) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(ToQColor(ellipse->colour), ellipse->width));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRectF(ellipse->left, ellipse->top, ellipse->right - ellipse->left - 1,
                                       ellipse->bottom - ellipse->top - 1));
            painter.setRenderHint(QPainter::Antialiasing, false);
            textColour = ~0u;
        } else if (const auto *triangle = std::get_if<TriangleOp>(&op)) {
            // Straight into the scan lines: the raster engine has drawn everything before this.
            for (const QRect &box : boxes) {
                const QRect part = box.intersected(image.rect());
                if (part.isEmpty())
                    continue;
                PixelBuffer inside{pixels.bits + part.top() * pixels.bytesPerLine + part.left() * 4,
                                   part.width(), part.height(), pixels.bytesPerLine, pixels.bitsPerPixel};
                auto moved = [&part](ScenePoint p) {
                    return ScenePoint{p.x - part.left(), p.y - part.top()};
                };
                FillTriangle(inside, moved(triangle->a), moved(triangle->b), moved(triangle->c),
                             triangle->colour);
            }
        } else if (const auto *round = std::get_if<RoundRectOp>(&op)) {
            painter.setPen(QPen(ToQColor(round->outline), 0));
            if (round->filled)
                painter.setBrush(ToQColor(round->fill));
            else
                painter.setBrush(Qt::NoBrush);
            // Right and bottom are exclusive, as the outline's one-pixel pen covers both edges.
            painter.drawRoundedRect(QRect(round->left, round->top, round->right - round->left - 1,
                                          round->bottom - round->top - 1),
                                    round->corner / 2.0, round->corner / 2.0);
            painter.setBrush(Qt::NoBrush);
            textColour = ~0u;
        } else if (const auto *disc = std::get_if<DiscOp>(&op)) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(ToQColor(disc->outline), 1));
            painter.setBrush(ToQColor(disc->fill));
            painter.drawEllipse(
                QRectF(disc->left, disc->top, disc->right - disc->left - 1, disc->bottom - disc->top - 1));
            painter.setBrush(Qt::NoBrush);
            painter.setRenderHint(QPainter::Antialiasing, false);
            textColour = ~0u;
        } else if (const auto *text = std::get_if<TextOp>(&op)) {
            CachedFont &font = Cached(text->font);
            if (&font != currentFont) {
                painter.setFont(font.font);
                currentFont = &font;
            }
            if (text->colour != textColour) {
                painter.setPen(ToQColor(text->colour));
                textColour = text->colour;
            }
            if (text->angle == 90) {
                painter.save();
                painter.translate(text->x, text->y);
                painter.rotate(-90);
                painter.drawText(0, font.metrics.ascent(), QString::fromStdString(text->text));
                painter.restore();
            } else {
                // A static text's position is the top-left corner of its line.
                painter.drawStaticText(text->x, text->y, Laid(font, text->text));
            }
        } else if (const auto *tint = std::get_if<TintOp>(&op)) {
            // Straight into the scan lines: the raster engine has drawn everything before this.
            for (const QRect &box : boxes) {
                const QRect part = box.intersected(QRect(tint->x, tint->y, tint->w, tint->h));
                if (!part.isEmpty())
                    TintEveryOtherPixel(pixels, part.x(), part.y(), part.width(), part.height(),
                                        tint->colour);
            }
        } else if (const auto *pattern = std::get_if<PatternOp>(&op)) {
            painter.setBrushOrigin(0, 0);
            painter.fillRect(QRect(pattern->x, pattern->y, pattern->w, pattern->h),
                             Pattern(pattern->colour1, pattern->colour2));
        } else if (const auto *bitmap = std::get_if<BitmapOp>(&op)) {
            if (bitmaps_)
                painter.drawImage(QPoint(bitmap->x, bitmap->y), bitmaps_(bitmap->bitmap));
        }
    }
}

} // namespace zarvex1
