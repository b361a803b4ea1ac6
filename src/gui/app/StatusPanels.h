#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace zarvex1 {

// The five panels of the status bar: the hint, "EXE", the version text, "HEX" and the connection
// text. Together they are wider than the window, so the hint has a line of its own above the other
// four: a whole hint shows at the window's size, and every other panel keeps room for its text.
class StatusPanels : public QWidget {
    Q_OBJECT
public:
    static constexpr int Count = 5;
    // The panels' widths as designed; a panel is at least this wide, and wider where its text needs.
    static constexpr std::array<int, Count> DesignWidths = {400, 30, 300, 30, 300};

    explicit StatusPanels(QWidget *parent = nullptr);

    QLabel *panel(int index) const { return panels_[index]; }

private:
    std::array<QLabel *, Count> panels_{};
};

} // namespace zarvex1
