#include "gui/mapeditor/EditorOverlay.h"

#include "gui/mapeditor/MapEditorWidget.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>

namespace zarvex1 {

TEditorOverlay::TEditorOverlay(TTab *editor, const QString &name) : QWidget(editor), editor_(editor) {
    setObjectName(editor->objectName() + name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(editor->rect());
    editor->installEventFilter(this);
}

bool TEditorOverlay::eventFilter(QObject *watched, QEvent *event) {
    if (watched == editor_) {
        if (event->type() == QEvent::Resize) {
            setGeometry(editor_->rect());
        } else if (event->type() == QEvent::ToolTip && isVisible()) {
            auto *help = static_cast<QHelpEvent *>(event);
            if (const std::optional<Tip> tip = ToolTipAt(help->pos())) {
                QToolTip::showText(help->globalPos(), tip->text, editor_, tip->box);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zarvex1
