// The main window's side of printing: the print commands, and the states of its print look.
#include "gui/app/MainForm.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/BoundPage.h"
#include "gui/print/WindowPrinter.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace zarvex1 {

void TMainForm::SpeedButtonPrintClick() {
    printer_->Print();
}

void TMainForm::MenuPrintAllClick() {
    printer_->PrintAll();
}

void TMainForm::UpdatePageStates() {
    const bool printing = link_->state().Printing;
    // The window is white on paper, without its tool bar and status bar; a default palette brings the
    // desktop's colours back.
    if (printing) {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    } else {
        setPalette(QPalette());
    }
    if (TBoundPage *page = boundPages_[session_.activePage()])
        page->UpdateStates(session_.image(), printing);
    for (TTab *editor : mapEditors_.Controls())
        editor->SetPrintLook(printing);
    CommonRefresh();
}

} // namespace zarvex1
