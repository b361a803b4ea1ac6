#include "gui/mapeditor/EditorAccessible.h"

#include "core/mapeditor/EditorCommands.h"
#include "core/mapeditor/model/EditorTexts.h"
#include "gui/mapeditor/MapEditorWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>

namespace zarvex1 {

namespace {

constexpr int TabKeyBase = 100; // child keys: toolbar button i, or sheet tab TabKeyBase + i

// A part the control paints: a toolbar button or a sheet tab.
class EditorPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EditorPartAccessible(TTab *tab, int key) : tab_(tab), key_(key) {}

    bool isValid() const override { return tab_ != nullptr && Exists(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return tab_ != nullptr ? tab_->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(tab_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name && t != QAccessible::Description)
            return {};
        const MapEditor &editor = tab_->Editor();
        const int language = editor.Language();
        if (key_ >= TabKeyBase)
            return QString::fromStdString(
                EditorText(editor.Sheets().Sheet(key_ - TabKeyBase).title, language));
        const ToolbarButton &button = editor.Toolbar().Button(key_);
        if (t == QAccessible::Name && !button.caption.empty() && button.caption != "+" &&
            button.caption != "-")
            return QString::fromStdString(button.caption);
        return QString::fromStdString(EditorText(button.hint, language));
    }
    QAccessible::Role role() const override {
        return key_ >= TabKeyBase ? QAccessible::PageTab : QAccessible::PushButton;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const MapEditor &editor = tab_->Editor();
        if (key_ >= TabKeyBase) {
            state.selectable = true;
            state.selected = editor.CurrentIndex() == key_ - TabKeyBase;
            return state;
        }
        const ToolbarButton &button = editor.Toolbar().Button(key_);
        state.disabled = button.active == 0;
        state.checkable = (button.flags & ButtonToggle) != 0;
        state.checked = state.checkable && button.pressed != 0;
        state.pressed = !state.checkable && button.pressed != 0;
        return state;
    }
    QRect rect() const override {
        const MapEditor &editor = tab_->Editor();
        const Rect r = key_ >= TabKeyBase ? editor.Layout().SheetTabRect(key_ - TabKeyBase, editor.Sheets())
                                          : editor.Toolbar().Button(key_).rect;
        return QRect(tab_->mapToGlobal(QPoint(r.left, r.top)), QSize(r.right - r.left, r.bottom - r.top));
    }
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override {
        if (name != pressAction() || !isValid())
            return;
        MapEditor &editor = tab_->Editor();
        if (key_ >= TabKeyBase)
            editor.SelectSheet(key_ - TabKeyBase);
        else if (editor.Toolbar().Button(key_).active != 0)
            RunCommand(editor, key_);
        tab_->Render();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool Exists() const {
        const MapEditor &editor = tab_->Editor();
        if (key_ >= TabKeyBase)
            return editor.Sheets().Count() > 1 && editor.Sheets().Valid(key_ - TabKeyBase);
        return key_ < editor.Toolbar().Count() && editor.Toolbar().Button(key_).Shown();
    }

    TTab *tab_;
    int key_;
};

// The control: its sheet's title as name, the current cell and value, the painted parts as children.
class EditorAccessible : public QAccessibleWidget {
public:
    explicit EditorAccessible(TTab *tab) : QAccessibleWidget(tab, QAccessible::Table), tab_(tab) {}
    ~EditorAccessible() override {
        for (const auto &[key, id] : parts_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        const MapEditor &editor = tab_->Editor();
        switch (t) {
        case QAccessible::Name:
            if (!tab_->accessibleName().isEmpty())
                return tab_->accessibleName();
            return editor.HasCurrent()
                       ? QString::fromStdString(EditorText(editor.Current().title, editor.Language()))
                       : QString();
        case QAccessible::Value:
        case QAccessible::Description:
            return tab_->CurrentCellText();
        case QAccessible::Help:
            return tab_->Hint();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return static_cast<int>(Keys().size()); }
    QAccessibleInterface *child(int index) const override {
        const std::vector<int> keys = Keys();
        if (index < 0 || index >= static_cast<int>(keys.size()))
            return nullptr;
        return Part(keys[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        const std::vector<int> keys = Keys();
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (Part(keys[i]) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *part = child(i); part->rect().contains(x, y))
                return part;
        return nullptr;
    }

private:
    std::vector<int> Keys() const {
        std::vector<int> keys;
        const MapEditor &editor = tab_->Editor();
        if (editor.Sheets().Count() > 1)
            for (int i = 0; i < editor.Sheets().Count(); ++i)
                keys.push_back(TabKeyBase + i);
        const TabToolbar &toolbar = editor.Toolbar();
        if (editor.HasCurrent() && editor.Current().enabled())
            for (int i = 0; i < toolbar.Count(); ++i)
                if (toolbar.Button(i).Shown())
                    keys.push_back(i);
        return keys;
    }
    QAccessibleInterface *Part(int key) const {
        if (const auto found = parts_.find(key); found != parts_.end())
            return QAccessible::accessibleInterface(found->second);
        auto *part = new EditorPartAccessible(tab_, key);
        parts_[key] = QAccessible::registerAccessibleInterface(part);
        return part;
    }

    TTab *tab_;
    mutable std::map<int, QAccessible::Id> parts_;
};

QAccessibleInterface *EditorFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("zarvex1::TTab") && object != nullptr && object->isWidgetType())
        return new EditorAccessible(static_cast<TTab *>(object));
    return nullptr;
}

} // namespace

void InstallEditorAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(EditorFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zarvex1
