// The main window's side of printing: its print look and the pages shown one at a time.
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

QWidget *TMainForm::PrintArea() {
    return centralWidget();
}

void TMainForm::EnterPrintLook(const QString &heading) {
    // Every printout carries the date and time on the message line, on white.
    link->ShowMessageLine(heading.toStdString(), Colour::White);
    LabelSpojeni->hide();
    CGaugeProgram->hide();
    link->SetPrinting(true);
    // An edit being typed into is finished before the picture is taken.
    BitBtnVerify->setFocus();
    UpdatePageStates();
}

void TMainForm::LeavePrintLook() {
    link->SetPrinting(false);
    UpdatePageStates();
    link->ShowMessageLine(link->messageLine().text, Colour::ButtonFace);
    // The banner and the gauge were hidden by hand: they come back as the link has them.
    LabelSpojeni->setVisible(link->connectionBannerVisible());
    CGaugeProgram->setVisible(link->progressGauge().visible);
}

void TMainForm::ShowPageAlone(int page) {
    // The page becomes the active one, so it is filled from the parameter set and takes its print
    // states; its tab alone is left.
    PageControl1->setTabVisible(page, true);
    PageControl1->setCurrentIndex(page);
    for (int other = 0; other < Page::Count; ++other)
        if (other != page)
            PageControl1->setTabVisible(other, false);
    UpdatePageStates();
}

void TMainForm::ShowAllPages(int activePage) {
    for (int page = 0; page < Page::Count; ++page)
        PageControl1->setTabVisible(page, true);
    PageControl1->setCurrentIndex(activePage);
}

std::string TMainForm::ParameterFile() const {
    return session_.currentFile();
}

const MessageTexts &TMainForm::Texts() const {
    return session_.texts();
}

int TMainForm::LanguageIndex() const {
    return session_.settings().languageIndex;
}

void TMainForm::UpdatePageStates() {
    const bool printing = link->state().Printing;
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
