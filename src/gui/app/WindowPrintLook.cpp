#include "gui/app/WindowPrintLook.h"

#include "core/link/LinkEngine.h"
#include "core/params/Defaults.h"
#include "core/session/ParameterSession.h"

#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

namespace zarvex1 {

int WindowPrintLook::ActivePageIndex() const {
    return parts_.pageControl->currentIndex();
}

void WindowPrintLook::EnterPrintLook(const QString &heading) {
    // Every printout carries the date and time on the message line, on white.
    parts_.link->ShowMessageLine(heading.toStdString(), Colour::White);
    parts_.banner->hide();
    parts_.gauge->hide();
    parts_.link->SetPrinting(true);
    // An edit being typed into is finished before the picture is taken.
    parts_.focusBeforePicture->setFocus();
    parts_.updatePageStates();
}

void WindowPrintLook::LeavePrintLook() {
    parts_.link->SetPrinting(false);
    parts_.updatePageStates();
    parts_.link->ShowMessageLine(parts_.link->messageLine().text, Colour::ButtonFace);
    // The banner and the gauge were hidden by hand: they come back as the link has them.
    parts_.banner->setVisible(parts_.link->connectionBannerVisible());
    parts_.gauge->setVisible(parts_.link->progressGauge().visible);
}

void WindowPrintLook::ShowPageAlone(int page) {
    // The page becomes the active one, so it is filled from the parameter set and takes its print
    // states; its tab alone is left.
    parts_.pageControl->setTabVisible(page, true);
    parts_.pageControl->setCurrentIndex(page);
    for (int other = 0; other < Page::Count; ++other)
        if (other != page)
            parts_.pageControl->setTabVisible(other, false);
    parts_.updatePageStates();
}

void WindowPrintLook::ShowAllPages(int activePage) {
    for (int page = 0; page < Page::Count; ++page)
        parts_.pageControl->setTabVisible(page, true);
    parts_.pageControl->setCurrentIndex(activePage);
}

std::string WindowPrintLook::ParameterFile() const {
    return parts_.session->currentFile();
}

const MessageTexts &WindowPrintLook::Texts() const {
    return parts_.session->texts();
}

int WindowPrintLook::LanguageIndex() const {
    return parts_.session->settings().languageIndex;
}

void WindowPrintLook::ShowMessageLine(const QString &text, std::uint32_t colour) {
    parts_.link->ShowMessageLine(text.toStdString(), colour);
}

} // namespace zarvex1
