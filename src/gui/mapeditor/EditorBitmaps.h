#pragma once

#include "core/mapeditor/model/Scene.h"

#include <QImage>

#include <array>

namespace zarvex1 {

// The editor's bitmaps, loaded once by name from the program's resources.
class EditorBitmaps {
public:
    static const EditorBitmaps &Shared();
    const QImage &Image(BitmapId id) const;

private:
    EditorBitmaps();
    std::array<QImage, 12> images_;
};

} // namespace zarvex1
