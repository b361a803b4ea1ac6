#pragma once

#include "core/mapeditor/ClipboardCommands.h"

#include <QMetaObject>
#include <QString>

#include <functional>

class QImage;

namespace zarvex1 {

// The MIME type of the private sheet text on the clipboard.
inline const QString SheetMimeType = QStringLiteral("application/x-zarvex1-cf-morvanel-sheet");

// The editor's clipboard on the platform's one: plain text (also what a spreadsheet copies, tab
// separated) and the private sheet text under its own MIME type, in UTF-8.
// What the clipboard offers is asked only after it changed: on X11 every question is a round trip to
// the display server, and the editors ask on their ticks to enable Paste.
class EditorClipboard : public ClipboardAccess {
public:
    // graph renders the picture of the graph area for Copy graph.
    explicit EditorClipboard(std::function<QImage()> graph = {});
    ~EditorClipboard() override;
    EditorClipboard(const EditorClipboard &) = delete;
    EditorClipboard &operator=(const EditorClipboard &) = delete;

    int Probe() const override;
    std::string Text() const override;
    std::string SheetText() const override;
    void PutText(const std::string &plain) override;
    void PutTable(const std::string &plain, const std::string &sheet) override;
    void PutGraph() override;

private:
    std::function<QImage()> graph_;
    QMetaObject::Connection changed_;
    mutable int probe_ = 0;
    mutable bool probed_ = false; // probe_ holds what the clipboard offers since its last change
};

} // namespace zarvex1
