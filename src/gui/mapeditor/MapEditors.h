#pragma once

#include "core/mapbinding/MapEditorList.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <vector>

namespace zarvex1 {

// The window's map editor controls, created through CreateMapEditor and driven by its tick.
class MapEditors {
public:
    MapEditors() = default;
    MapEditors(const MapEditors &) = delete;
    MapEditors &operator=(const MapEditors &) = delete;
    // The controls may outlive the list (the window's children go after its members).
    ~MapEditors();

    // A new editor control of the given size and options in parent; null when the window has its 20.
    TTab *CreateMapEditor(int width, int height, int options, QWidget *parent);
    // The window's tick: live values (the list follows the link's records) and markers for every
    // editor, then each editor's own tick.
    void Tick(const ParameterImage &image);
    void SetLanguage(int languageIndex);

    MapEditorList &List() { return list_; }
    const std::vector<TTab *> &Controls() const { return controls_; }

private:
    MapEditorList list_;
    std::vector<TTab *> controls_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace zarvex1
