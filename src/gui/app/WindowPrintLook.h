#pragma once

#include "gui/print/PrintableWindow.h"

#include <functional>
#include <utility>

class QLabel;
class QProgressBar;
class QTabWidget;

namespace zarvex1 {

class LinkEngine;
class ParameterSession;

// The main window as a printout sees it: its client area, its print look (white, the heading on the
// message line, no banner or gauge) and its pages shown one at a time.
class WindowPrintLook : public PrintableWindow {
public:
    // The window's parts it works on, there once the window is built.
    struct Parts {
        QWidget *area = nullptr; // the client area without the menu
        QTabWidget *pageControl = nullptr;
        QLabel *banner = nullptr;
        QProgressBar *gauge = nullptr;
        QWidget *focusBeforePicture = nullptr; // takes the focus, so that an edit being typed into ends
        LinkEngine *link = nullptr;
        const ParameterSession *session = nullptr;
        // The states of the active page and of the window, which follow the link's Printing flag.
        std::function<void()> updatePageStates;
    };

    void Attach(Parts parts) { parts_ = std::move(parts); }

    QWidget *PrintArea() override { return parts_.area; }
    int ActivePageIndex() const override;
    void EnterPrintLook(const QString &heading) override;
    void LeavePrintLook() override;
    void ShowPageAlone(int page) override;
    void ShowAllPages(int activePage) override;
    std::string ParameterFile() const override;
    const MessageTexts &Texts() const override;
    int LanguageIndex() const override;
    void ShowMessageLine(const QString &text, std::uint32_t colour) override;

private:
    Parts parts_;
};

} // namespace zarvex1
