#pragma once

#include "gui/pages/BoundPage.h"

class QHBoxLayout;

namespace zarvex1 {

class MapEditor;
class MapEditors;
class ParameterSession;
class TTab;

// A page that is one map editor over the whole page with a row of bound controls below it (the
// Advance and Servo pages). A change of the map goes into the image with the editor's markers, the
// page is loaded from the image again and the change committed.
class TMapPage : public TBoundPage {
    Q_OBJECT
public:
    void ApplyLanguage(int languageIndex) override;
    // The page's editor: the window's Tools menu steps and interpolates through it.
    TTab *EditorControl() const { return editor_; }

protected:
    // The editor is defined by `define` (its sheets) and takes the page above the control row.
    TMapPage(const PageModel &model, ParameterSession &session, PageMachine &machine, MapEditors &editors,
             const char *editorName, void (*define)(MapEditor &), QWidget *parent);

    // The row under the editor where the page puts its controls.
    QHBoxLayout *ControlRow() const { return row_; }
    // The current map into the image, as a change of the map stores it.
    virtual void MapToImage(ParameterImage &image) = 0;
    // Pages are loaded before their maps: the load remembers the print look for the reload of a change.
    void RememberPrinting(bool printing) { printing_ = printing; }

    ParameterSession &session_;
    MapEditors &editors_;
    TTab *editor_ = nullptr;

private:
    void MapChanged(bool markers);

    QHBoxLayout *row_ = nullptr;
    bool printing_ = false;
};

} // namespace zarvex1
