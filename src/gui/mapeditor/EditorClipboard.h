#pragma once

#include "core/mapeditor/ClipboardCommands.h"

#include <QString>

#include <functional>

class QImage;

namespace zarvex1 {

// The MIME type of the private sheet text on the clipboard.
inline const QString SheetMimeType = QStringLiteral("application/x-zarvex1-cf-morvanel-sheet");

// The editor's clipboard on the platform's one: plain text (also what a spreadsheet copies, tab
// separated) and the private sheet text under its own MIME type, in UTF-8.
class EditorClipboard : public ClipboardAccess {
public:
    // graph renders the picture of the graph area for Copy graph.
    explicit EditorClipboard(std::function<QImage()> graph = {}) : graph_(std::move(graph)) {}

    int Probe() const override;
    std::string Text() const override;
    std::string SheetText() const override;
    void PutText(const std::string &plain) override;
    void PutTable(const std::string &plain, const std::string &sheet) override;
    void PutGraph() override;

private:
    std::function<QImage()> graph_;
};

} // namespace zarvex1
