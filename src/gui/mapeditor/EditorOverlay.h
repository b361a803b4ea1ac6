#pragma once

#include <QString>
#include <QWidget>

#include <optional>

namespace zarvex1 {

class TTab;

// A layer drawn over a map editor: it covers the editor, follows its size, takes neither mouse nor keys
// and answers the editor's tooltips where it has something to say. Each layer paints its own marks.
class TEditorOverlay : public QWidget {
    Q_OBJECT
public:
    // `name` follows the editor's object name.
    TEditorOverlay(TTab *editor, const QString &name);

protected:
    // The tooltip at a point of the editor, with the box it holds for; none leaves the editor's own.
    struct Tip {
        QString text;
        QRect box;
    };
    virtual std::optional<Tip> ToolTipAt(QPoint position) const = 0;

    TTab *tab() const { return editor_; }

private:
    bool eventFilter(QObject *watched, QEvent *event) override;

    TTab *editor_;
};

} // namespace zarvex1
