#pragma once

#include "core/mapeditor/MapEditor.h"
#include "core/mapeditor/model/Scene.h"
#include "gui/mapeditor/EditorClipboard.h"
#include "gui/mapeditor/ScenePainter.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QMenu;

namespace zarvex1 {

// The map editor control: a focusable widget that paints the editor's 32-bit off-screen image and
// hands keys, mouse, wheel and focus to the editor in the core. It keeps no rule of its own: the
// core decides, this draws what the core's view holds and shows the popup menu it builds.
class TTab : public QWidget {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(const QString &text, const QString &caption)>;

    TTab(int width, int height, int options, QWidget *parent = nullptr);
    ~TTab() override;

    MapEditor &Editor() { return editor_; }
    const MapEditor &Editor() const { return editor_; }

    // The window's 55 ms tick, after the live values were handed over: the editor's periodic work,
    // then a render when something changed and the control is shown (a hidden one renders when shown).
    void Tick();
    // Draws everything into the off-screen image and schedules a paint.
    void Render();
    // The same, changing only the pixels inside the boxes (right and bottom exclusive).
    void Render(const std::vector<Rect> &boxes);
    const QImage &Bitmap() const { return bitmap_; }
    void SetLanguage(int languageIndex);
    // The window's print look: the map without its toolbar and spinner, drawn at once when shown.
    void SetPrintLook(bool on);

    // The Tools menu of the window acts on the editor of the active page through these.
    void Increment(int step);
    void Interpolate();

    // Where the error boxes of the editor go; by default a modal box with an error icon.
    void SetErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
    // The popup menu as last built (for tests and accessibility), null before the first.
    QMenu *PopupMenu() const { return popup_; }
    // The current cell of the table and its value, as a screen reader reads it.
    QString CurrentCellText() const;
    QString Hint() const { return hint_; }

signals:
    // The user changed the map; what: the axes changed (AxisX, AxisY, AxisData).
    void mapChanged(int what);
    // Another sheet became current; the page synchronises with it.
    void sheetSelected();
    void hintChanged(const QString &hint);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // After an event: render when the editor asks for it, follow its cursor shape and hint.
    void Finish();
    bool HandleKey(QKeyEvent *event);
    void ShowPopup(const PopupRequest &request);
    QImage GraphPicture();
    // The 2D graph keeps the dragged point under the pointer while it rescales.
    void WarpPointer();
    void NotifyAccessibility();

    MapEditor editor_;
    ScenePainter painter_;
    EditorClipboard clipboard_;
    QImage bitmap_;
    Scene body_;
    Scene graphs_;
    Scene chrome_;
    ErrorHandler errorHandler_;
    QMenu *popup_ = nullptr;
    QString shownHint_; // as the editor gave it
    QString hint_;      // its status-line part
    QString accessibleCell_;
};

} // namespace zarvex1
