#include "gui/mapeditor/EditorBitmaps.h"

// The resources live in a static library: register them before the first use (outside any namespace,
// where the resource compiler defines its function).
static void RegisterBitmaps() {
    Q_INIT_RESOURCE(bitmaps);
}

namespace zarvex1 {

EditorBitmaps::EditorBitmaps() {
    RegisterBitmaps();
    for (std::size_t i = 1; i < images_.size(); ++i) {
        const auto id = static_cast<BitmapId>(i);
        images_[i] = QImage(QStringLiteral(":/mapeditor/") + QString::fromLatin1(BitmapName(id)))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

const EditorBitmaps &EditorBitmaps::Shared() {
    static const EditorBitmaps bitmaps;
    return bitmaps;
}

const QImage &EditorBitmaps::Image(BitmapId id) const {
    const auto index = static_cast<std::size_t>(id);
    return images_[index < images_.size() ? index : 0];
}

} // namespace zarvex1
