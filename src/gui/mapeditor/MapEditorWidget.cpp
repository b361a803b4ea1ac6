#include "gui/mapeditor/MapEditorWidget.h"

#include "core/mapeditor/EditorKeys.h"
#include "core/mapeditor/PopupMenu.h"
#include "core/mapeditor/input/GraphInput.h"
#include "core/mapeditor/model/EditorTexts.h"
#include "core/mapeditor/views/ChromeRenderer.h"
#include "core/mapeditor/views/NumberFormat.h"
#include "gui/mapeditor/EditorAccessible.h"
#include "gui/mapeditor/EditorBitmaps.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QStatusTipEvent>

namespace zarvex1 {

namespace {

// The keys the editor takes, as it numbers them; 0 for the others.
int EditorKeyOf(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        return KeyPageUp;
    case Qt::Key_PageDown:
        return KeyPageDown;
    case Qt::Key_End:
        return KeyEnd;
    case Qt::Key_Home:
        return KeyHome;
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    case Qt::Key_Insert:
        return KeyInsert;
    case Qt::Key_Delete:
        return KeyDelete;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Escape:
        return KeyEscape;
    case Qt::Key_Backspace:
        return KeyBackspace;
    case Qt::Key_Space:
        return KeySpace;
    case Qt::Key_C:
    case Qt::Key_V:
        if ((event->modifiers() & Qt::ControlModifier) != 0)
            return event->key() == Qt::Key_C ? 'c' : 'v';
        break;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F)
        return text[0].unicode();
    return 0;
}

Qt::CursorShape ShapeOf(MouseCursor cursor) {
    switch (cursor) {
    case MouseCursor::SizeAll:
        return Qt::SizeAllCursor;
    case MouseCursor::Cross:
        return Qt::CrossCursor;
    case MouseCursor::IBeam:
        return Qt::IBeamCursor;
    case MouseCursor::Default:
        break;
    }
    return Qt::ArrowCursor;
}

// The editor draws at the size of the classic dialog font, in a narrow sans-serif face so that
// "10 000" fits a column of a 15-column map; the first family the machine has is taken.
QFont EditorBaseFont(const QFont &font) {
    QFont base = font;
    base.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans Condensed"), font.family()});
    base.setPointSize(8);
    return base;
}

} // namespace

TTab::TTab(int width, int height, int options, QWidget *parent)
    : QWidget(parent), editor_(width, height, options, 96), painter_(EditorBaseFont(font())),
      clipboard_([this] { return GraphPicture(); }), bitmap_(width, height, QImage::Format_RGB32) {
    InstallEditorAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Never so small that the table has no room for its cells (a page's layout may squeeze it).
    setMinimumSize(std::min(width, 250), std::min(height, 130));
    resize(width, height);
    painter_.SetBitmaps([](BitmapId id) -> const QImage & { return EditorBitmaps::Shared().Image(id); });
    editor_.SetMetrics(painter_.Metrics());
    editor_.SetClipboard(&clipboard_);
    editor_.SetControlColour(FromQColor(palette().color(QPalette::Button)));
    EditorHooks hooks;
    hooks.OnMapChanged = [this](int what) { emit mapChanged(what); };
    hooks.OnSheetSelected = [this] { emit sheetSelected(); };
    hooks.ShowError = [this](const std::string &text, const std::string &caption) {
        const QString t = QString::fromStdString(text), c = QString::fromStdString(caption);
        if (errorHandler_) {
            errorHandler_(t, c);
            return;
        }
        auto *box = new QMessageBox(QMessageBox::Critical, c, t, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    editor_.SetHooks(std::move(hooks));
    editor_.Request(DirtyRedraw);
}

TTab::~TTab() = default;

void TTab::SetLanguage(int languageIndex) {
    editor_.SetLanguage(languageIndex);
}

void TTab::SetPrintLook(bool on) {
    if (on == editor_.PrintLook())
        return;
    editor_.SetPrintLook(on);
    if (isVisible())
        Render();
}

void TTab::Tick() {
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    if (editor_.Tick((keys & Qt::ShiftModifier) != 0, (keys & Qt::ControlModifier) != 0) && isVisible())
        Render(editor_.Damage()); // most ticks of a running engine move only the live ring
}

void TTab::Render() {
    Render(std::vector<Rect>{});
}

void TTab::Render(const std::vector<Rect> &boxes) {
    QRegion clip;
    for (const Rect &box : boxes)
        clip += QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
    const bool graphs = editor_.Graphs().Layout();
    const EditorView view = editor_.View();
    body_.Clear();
    graphs_.Clear();
    chrome_.Clear();
    RenderBody(view, body_);
    if (graphs)
        editor_.Graphs().Paint(view, graphs_);
    RenderChrome(view, chrome_);
    QPainter painter(&bitmap_);
    const QRegion *only = boxes.empty() ? nullptr : &clip;
    painter_.Run(body_, painter, bitmap_, only);
    painter_.Run(graphs_, painter, bitmap_, only);
    painter_.Run(chrome_, painter, bitmap_, only);
    painter.end();
    editor_.ClearDirty();
    if (only != nullptr)
        update(clip);
    else
        update();
    NotifyAccessibility();
}

void TTab::Increment(int step) {
    editor_.Operations().Increment(step);
    Finish();
}

void TTab::Interpolate() {
    editor_.Operations().Interpolate();
    Finish();
}

QImage TTab::GraphPicture() {
    const TableGeometry &g = editor_.Geometry();
    if ((g.shownViews & (ViewGraph2D | ViewGraph3D)) == 0)
        return {};
    // The picture is taken on white, then the control gets its colour back.
    const std::uint32_t colour = editor_.ControlColour();
    editor_.SetControlColour(White);
    Render();
    // The 3D graph's picture leaves its legend strip out.
    const int left = (g.shownViews & ViewGraph2D) != 0 ? g.graph.graphLeft : LegendStripWidth;
    const QRect area(QPoint(left, g.graph.graphTop),
                     QPoint(g.width - g.graph.graphRight, g.height - g.graph.graphBottom));
    QImage picture = bitmap_.copy(area);
    editor_.SetControlColour(colour);
    Render();
    return picture;
}

void TTab::WarpPointer() {
    const std::optional<ScenePoint> target = editor_.GraphMouse().TakePointerWarp();
    if (!target)
        return;
    QScreen *on = screen();
    const QPoint global = mapToGlobal(QPoint(target->x, target->y));
    if (on == nullptr || QCursor::pos(on) == global) {
        editor_.GraphMouse().PointerWarpRefused(); // no move will follow
        return;
    }
    QCursor::setPos(on, global);
    // Some platforms (Wayland) do not let a program move the pointer: the drag goes on without it.
    if (QCursor::pos(on) != global)
        editor_.GraphMouse().PointerWarpRefused();
}

void TTab::Finish() {
    WarpPointer();
    if (editor_.Dirty() != 0) {
        // The buttons follow the user's action at once; the tick refreshes them with the clipboard.
        editor_.UpdateToolbarStates(false);
        Render();
    }
    setCursor(ShapeOf(editor_.Mouse().Cursor()));
    const QString hint = QString::fromStdString(editor_.Mouse().Hint());
    if (hint != shownHint_) {
        shownHint_ = hint;
        // "short|long": the tooltip and the status line; a hint without "|" is both.
        const qsizetype bar = hint.indexOf(QLatin1Char('|'));
        hint_ = bar < 0 ? hint : hint.mid(bar + 1);
        setToolTip(bar < 0 ? hint : hint.left(bar));
        QStatusTipEvent tip(hint_);
        if (QWidget *target = window(); target != nullptr && target != this)
            QApplication::sendEvent(target, &tip);
        emit hintChanged(hint_);
    }
}

QString TTab::CurrentCellText() const {
    if (!editor_.HasCurrent())
        return {};
    const CSheet &s = editor_.Current();
    const int language = editor_.Language();
    const QString title = QString::fromStdString(EditorText(s.title, language));
    const TValueEdit &edit = editor_.Edit();
    if (edit.active != 0)
        return title + QStringLiteral(": ") + QString::fromStdString(edit.editText);
    int column = 0, row = 0;
    if (!editor_.Cursor().At(column, row))
        return title;
    auto value = [](const CAxe &axis, int raw, bool unit) {
        return QString::fromStdString(FormatValue(raw, axis.scale, axis.unit, unit));
    };
    auto label = [language](const CAxe &axis) {
        return QString::fromStdString(EditorText(axis.label, language));
    };
    QStringList parts;
    if (column >= 0 && !s.axisX.collapsed())
        parts << label(s.axisX) + QLatin1Char(' ') +
                     value(s.axisX, s.axisX.values[static_cast<std::size_t>(column)], true);
    if (row >= 0 && !s.axisY.collapsed())
        parts << label(s.axisY) + QLatin1Char(' ') +
                     value(s.axisY, s.axisY.values[static_cast<std::size_t>(row)], true);
    QString text = title + QStringLiteral(", ") + parts.join(QStringLiteral(", "));
    if (column >= 0 && row >= 0)
        text += QStringLiteral(": ") + label(s.axisData) + QLatin1Char(' ') +
                value(s.axisData, s.Cell(column, row), true);
    return text;
}

void TTab::NotifyAccessibility() {
    if (!QAccessible::isActive())
        return;
    const QString cell = CurrentCellText();
    if (cell == accessibleCell_)
        return;
    accessibleCell_ = cell;
    QAccessibleValueChangeEvent change(this, cell);
    QAccessible::updateAccessibility(&change);
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

bool TTab::event(QEvent *event) {
    // Tab moves between the sheets when there are several; with one the focus moves on.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && HandleKey(key))
            return true;
    }
    return QWidget::event(event);
}

void TTab::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), bitmap_);
    const TValueEdit &edit = editor_.Edit();
    if (hasFocus() && edit.active != 0 && edit.blink < 8) {
        const Rect &caret = edit.caretRect;
        painter.fillRect(QRect(caret.left, caret.top, caret.right - caret.left, caret.bottom - caret.top),
                         Qt::black);
    }
}

void TTab::resizeEvent(QResizeEvent *) {
    if (bitmap_.size() == size())
        return;
    bitmap_ = QImage(size(), QImage::Format_RGB32);
    editor_.Resize(width(), height());
    Render();
}

void TTab::showEvent(QShowEvent *) {
    if (editor_.Dirty() != 0)
        Render();
}

void TTab::mouseMoveEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    editor_.Mouse().Move(p.x(), p.y(), (event->buttons() & Qt::LeftButton) != 0);
    Finish();
}

void TTab::leaveEvent(QEvent *) {
    editor_.Mouse().Move(-32000, -32000, false);
    Finish();
}

void TTab::mousePressEvent(QMouseEvent *event) {
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    editor_.SetModifiers(shift, control);
    if (event->button() == Qt::LeftButton) {
        editor_.Mouse().Move(p.x(), p.y(), false);
        editor_.Mouse().LeftDown(p.x(), p.y(), shift, control);
    } else if (event->button() == Qt::RightButton) {
        const PopupRequest request = editor_.Mouse().RightDown(p.x(), p.y());
        Finish();
        ShowPopup(request);
        return;
    }
    Finish();
}

void TTab::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    editor_.Mouse().LeftUp(p.x(), p.y());
    Finish();
}

void TTab::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    editor_.Mouse().DoubleClick(p.x(), p.y());
    Finish();
}

void TTab::wheelEvent(QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    const bool held = (event->buttons() & (Qt::LeftButton | Qt::RightButton)) != 0;
    editor_.SetModifiers((event->modifiers() & Qt::ShiftModifier) != 0,
                         (event->modifiers() & Qt::ControlModifier) != 0);
    if (editor_.Mouse().Wheel(delta, held))
        event->accept();
    else
        event->ignore();
    Finish();
}

bool TTab::HandleKey(QKeyEvent *event) {
    const int key = EditorKeyOf(event);
    if (key == 0)
        return false;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0 || event->key() == Qt::Key_Backtab;
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    bool used = editor_.Keys().HandleKey(key, shift, control);
    if (!used && editor_.Graph() != nullptr && editor_.Geometry().viewMode == ViewGraph3D)
        used = editor_.Graph()->Key(key, shift, control);
    Finish();
    return used;
}

void TTab::keyPressEvent(QKeyEvent *event) {
    if (HandleKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TTab::focusInEvent(QFocusEvent *event) {
    editor_.Mouse().FocusGained();
    setFocusPolicy(Qt::StrongFocus);
    Finish();
    QWidget::focusInEvent(event);
}

void TTab::focusOutEvent(QFocusEvent *event) {
    // The control stays a tab stop only while it has a selection in the table.
    const bool tabStop = editor_.Mouse().FocusLost();
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    Finish();
    QWidget::focusOutEvent(event);
}

void TTab::ShowPopup(const PopupRequest &request) {
    if (!request.show)
        return;
    const std::vector<PopupItem> items = BuildPopupMenu(editor_, request.x, request.y, request.onTab);
    if (popup_ == nullptr) {
        popup_ = new QMenu(this);
        popup_->setObjectName(QStringLiteral("PopupMenu"));
    }
    popup_->clear();
    for (const PopupItem &item : items) {
        if (item.action == PopupAction::Separator) {
            popup_->addSeparator();
            continue;
        }
        QAction *action = popup_->addAction(QString::fromStdString(item.text));
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        connect(action, &QAction::triggered, this, [this, item] {
            RunPopupItem(editor_, item);
            Finish();
        });
    }
    if (!popup_->isEmpty())
        popup_->popup(mapToGlobal(QPoint(request.x, request.y)));
}

} // namespace zarvex1
