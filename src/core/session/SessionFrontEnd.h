#pragma once

#include <string>

namespace zarvex1 {

enum class Answer { Yes, No, Cancel };

// What the parameter session asks of the program around it: the window with its pages, or the
// command-line tool, which has no pages and answers every question with Yes. All calls come from the
// session's own calls, on the owner's thread. All functions do nothing by default.
class SessionFrontEnd {
public:
    virtual ~SessionFrontEnd() = default;

    // The controls of a page into the image, and the image back into them.
    virtual void StorePage(int /*page*/) {}
    virtual void LoadPage(int /*page*/) {}
    // Brings a page to the front: an undo step goes back to the page it was made on.
    virtual void ShowPage(int /*page*/) {}

    // A question with Yes, No and Cancel, and a message with OK.
    virtual Answer Ask(const std::string & /*question*/) { return Answer::Yes; }
    virtual void ShowMessage(const std::string & /*text*/) {}
    // A file command is over: the message line and its gauge go.
    virtual void HideMessageLine() {}

    // The current file, the undo steps or the recent files changed: caption, buttons and menu follow.
    virtual void SessionChanged() {}
};

} // namespace zarvex1
