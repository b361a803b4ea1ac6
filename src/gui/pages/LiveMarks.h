#pragma once

#include "core/pages/LiveColours.h"

#include <map>
#include <string>

class QWidget;

namespace zarvex1 {

// Puts the live marks of a page onto its controls: an edit or a label green, a button in bold type.
// It runs on every tick, so it touches only the controls whose mark changed since the last call, and
// finds each control by name once.
class TLiveMarks {
public:
    explicit TLiveMarks(QWidget *root) : root_(root) {}

    void Apply(const LiveColours &marks);
    // Whether a control is marked now.
    bool Marked(std::string_view name) const;

private:
    struct Shown {
        QWidget *widget;
        bool highlighted;
    };
    Shown &Of(std::string_view name);

    QWidget *root_;
    std::map<std::string, Shown, std::less<>> shown_;
};

} // namespace zarvex1
