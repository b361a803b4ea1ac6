#include "gui/pages/MapPage.h"

#include "core/mapbinding/MapSheets.h"
#include "core/session/ParameterSession.h"
#include "gui/mapeditor/MapEditors.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zarvex1 {

TMapPage::TMapPage(const PageModel &model, ParameterSession &session, PageMachine &machine,
                   MapEditors &editors, const char *editorName, void (*define)(MapEditor &), QWidget *parent)
    : TBoundPage(model, machine, parent), session_(session), editors_(editors) {
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 3);
    page->setSpacing(3);
    // The editor's size follows the page; this is only where it starts.
    editor_ = editors_.CreateMapEditor(960, 560, MapEditorOptions, this);
    editor_->setObjectName(QString::fromLatin1(editorName));
    define(editor_->Editor());
    page->addWidget(editor_, 1);
    row_ = new QHBoxLayout;
    row_->setContentsMargins(10, 0, 10, 0);
    row_->setSpacing(10);
    page->addLayout(row_);
    connect(editor_, &TTab::mapChanged, this, [this] { MapChanged(true); });
    // A sheet selected: the page takes the new current sheet, without the markers.
    connect(editor_, &TTab::sheetSelected, this, [this] { MapChanged(false); });
}

void TMapPage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    editor_->SetLanguage(languageIndex);
}

void TMapPage::MapChanged(bool markers) {
    if (machine().LoadGuard())
        return;
    ParameterImage &image = session_.image();
    if (markers)
        editors_.List().TakeMarkers(editor_->Editor(), image);
    MapToImage(image);
    Load(image, printing_);
    session_.Commit();
}

} // namespace zarvex1
