#include "gui/app/WindowSessionView.h"

#include "core/pages/MonitorPageStates.h"
#include "core/pages/PageMachine.h"
#include "core/session/ParameterSession.h"
#include "gui/pages/BoundPage.h"
#include "gui/pages/MonitorPage.h"
#include "gui/widgets/Dialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

namespace zarvex1 {

void WindowSessionView::StorePage(int page) {
    if (page >= 0 && page < Page::Count && parts_.boundPages[page])
        parts_.boundPages[page]->Store(parts_.session->image());
}

void WindowSessionView::LoadPage(int page) {
    const ParameterImage &image = parts_.session->image();
    if (page >= 0 && page < Page::Count && parts_.boundPages[page])
        parts_.boundPages[page]->Load(image, parts_.printing());
    if (page == Page::Monitor) {
        const PageMachine::LoadScope guard = parts_.machine->Load();
        ApplyStates(parts_.monitor, MonitorPageStates(image));
    }
    parts_.commonRefresh();
}

void WindowSessionView::ShowPage(int page) {
    parts_.pageControl->setCurrentIndex(page);
}

Answer WindowSessionView::Ask(const std::string &question) {
    switch (Dialogs::AskYesNoCancel(parts_.window, QString::fromStdString(question))) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void WindowSessionView::ShowMessage(const std::string &text) {
    Dialogs::Message(parts_.window, QString::fromStdString(text));
}

void WindowSessionView::HideMessageLine() {
    parts_.message->hide();
    parts_.gauge->hide();
}

void WindowSessionView::SessionChanged() {
    parts_.sessionChanged();
}

} // namespace zarvex1
