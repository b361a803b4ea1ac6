#include "gui/mapeditor/MapEditors.h"

namespace zarvex1 {

TTab *MapEditors::CreateMapEditor(int width, int height, int options, QWidget *parent) {
    if (list_.Count() >= MapEditorList::MaxEditors)
        return nullptr;
    auto *tab = new TTab(width, height, options, parent);
    list_.Add(tab->Editor());
    controls_.push_back(tab);
    // The core editor is gone with the control: only its address is compared.
    const MapEditor *core = &tab->Editor();
    connections_.push_back(QObject::connect(tab, &QObject::destroyed, [this, tab, core] {
        list_.Remove(core);
        std::erase(controls_, tab);
    }));
    return tab;
}

MapEditors::~MapEditors() {
    for (const QMetaObject::Connection &connection : connections_)
        QObject::disconnect(connection);
}

void MapEditors::Tick(const ParameterImage &image) {
    list_.Feed(image);
    for (TTab *tab : controls_)
        tab->Tick();
}

void MapEditors::SetLanguage(int languageIndex) {
    for (TTab *tab : controls_)
        tab->SetLanguage(languageIndex);
}

} // namespace zarvex1
