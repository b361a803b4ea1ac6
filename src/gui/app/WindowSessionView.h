#pragma once

#include "core/params/Defaults.h"
#include "core/session/SessionFrontEnd.h"

#include <array>
#include <functional>
#include <utility>

class QLabel;
class QProgressBar;
class QTabWidget;
class QWidget;

namespace zarvex1 {

class PageMachine;
class ParameterSession;
class TBoundPage;
class TMonitorPage;

// What the parameter session asks of the main window: its active page's controls into the set and back,
// a page to the front, questions and messages, the message line gone after a file command, and the
// window following a changed session.
class WindowSessionView : public SessionFrontEnd {
public:
    // The window's parts it works on, there once the window is built.
    struct Parts {
        QWidget *window = nullptr; // the parent of questions and messages
        ParameterSession *session = nullptr;
        PageMachine *machine = nullptr;
        std::array<TBoundPage *, Page::Count> boundPages{};
        TMonitorPage *monitor = nullptr;
        QTabWidget *pageControl = nullptr;
        QLabel *message = nullptr;
        QProgressBar *gauge = nullptr;
        std::function<bool()> printing;
        // What every page refresh brings to the window around the pages.
        std::function<void()> commonRefresh;
        // Caption, undo buttons and recent files.
        std::function<void()> sessionChanged;
    };

    void Attach(Parts parts) { parts_ = std::move(parts); }

    void StorePage(int page) override;
    void LoadPage(int page) override;
    void ShowPage(int page) override;
    Answer Ask(const std::string &question) override;
    void ShowMessage(const std::string &text) override;
    void HideMessageLine() override;
    void SessionChanged() override;

private:
    Parts parts_;
};

} // namespace zarvex1
