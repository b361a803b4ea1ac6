#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QWidget;

namespace zarvex1 {

class MessageTexts;

// What a printout needs of the window it prints. The window decides what its print look is: white,
// without tool bar, status bar, gauges and spinners. Its pages take part through their states, which
// follow the window's Printing flag.
class PrintableWindow {
public:
    virtual ~PrintableWindow() = default;

    // The part of the window that goes on paper: its client area without the menu.
    virtual QWidget *PrintArea() = 0;
    virtual int ActivePageIndex() const = 0;
    // Enters the print look with the heading on the message line, and leaves it again. A printout
    // that fails leaves it all the same.
    virtual void EnterPrintLook(const QString &heading) = 0;
    virtual void LeavePrintLook() = 0;
    // Print All: shows page `page` alone, filled from the parameter set and in its print states; then
    // all pages again with `activePage` in front.
    virtual void ShowPageAlone(int page) = 0;
    virtual void ShowAllPages(int activePage) = 0;

    // The current parameter file (empty when none is open), the texts and language of the window.
    virtual std::string ParameterFile() const = 0;
    virtual const MessageTexts &Texts() const = 0;
    virtual int LanguageIndex() const = 0;
    virtual void ShowMessageLine(const QString &text, std::uint32_t colour) = 0;
};

} // namespace zarvex1
