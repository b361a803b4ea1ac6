#pragma once

#include <string>

namespace zarvex1 {

// The system clipboard as the editor sees it; the widget implements it with the platform's one.
// Probe gives ClipboardContent flags; the private sheet text lives under the format
// "CF_MORVANEL_SHEET". An unreachable clipboard reads as empty and takes nothing.
class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    virtual int Probe() const = 0;
    virtual std::string Text() const = 0;
    virtual std::string SheetText() const = 0;
    virtual void PutText(const std::string &plain) = 0;
    // Both texts of Copy table in one operation, replacing the clipboard's contents.
    virtual void PutTable(const std::string &plain, const std::string &sheet) = 0;
    // The picture of the graph area; the widget renders it.
    virtual void PutGraph() {}
};

} // namespace zarvex1
