#pragma once

#include "core/mapeditor/model/EditorTypes.h"
#include "core/mapeditor/model/Scene.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStaticText>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QPainter;
class QRegion;

namespace zarvex1 {

// Carries out the editor's drawing steps on its 32-bit off-screen image, and measures texts in the
// editor's fonts for the core. Fonts are the control's font family at the steps' point sizes.
// The editor draws at 96 pixels per inch on its image; the window's scaling enlarges it on screen.
class ScenePainter {
public:
    using BitmapSource = std::function<const QImage &(BitmapId)>;

    explicit ScenePainter(const QFont &baseFont);

    void SetBitmaps(BitmapSource bitmaps) { bitmaps_ = std::move(bitmaps); }
    // The text measurement handed to the core.
    TextMetrics Metrics();
    QFont Font(const EditorFont &font);

    // Runs the steps on image through painter, which is active on image; with a clip, only the
    // pixels inside it change.
    void Run(const Scene &scene, QPainter &painter, QImage &image, const QRegion *clip = nullptr);

private:
    // A font with the texts it measured and laid out: a table repeats the same few texts every paint.
    struct CachedFont {
        EditorFont key;
        QFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, int> widths;
        std::unordered_map<std::string, QStaticText> texts;
    };
    CachedFont &Cached(const EditorFont &font);
    int Width(CachedFont &font, std::string_view text);
    const QStaticText &Laid(CachedFont &font, const std::string &text);
    const QBrush &Pattern(std::uint32_t colour1, std::uint32_t colour2);

    QFont base_;
    // Texts are measured on an image like the one they are drawn on, so sizes agree at any screen DPI.
    QImage device_{1, 1, QImage::Format_RGB32};
    std::vector<std::unique_ptr<CachedFont>> fonts_;
    std::uint64_t patternKey_ = ~0ull;
    QBrush pattern_;
    BitmapSource bitmaps_;
};

// A colour of the core (0x00BBGGRR) for Qt.
inline QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}
// The other way.
inline std::uint32_t FromQColor(const QColor &colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace zarvex1
