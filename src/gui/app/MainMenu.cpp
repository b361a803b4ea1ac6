#include "core/texts/WindowCaptions.h"
#include "gui/about/FormAbout.h"
#include "gui/app/HelpManual.h"
#include "gui/app/MainForm.h"
#include "gui/app/WindowTexts.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/MapPage.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LabelColour.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace zarvex1 {

namespace {

// The manual's file name and the message when it cannot be opened.
constexpr int ManualSlot = 3;
constexpr int ManualErrorSlot = 37;

QAction *AddItem(QMenu *menu, const char *name, const QKeySequence &shortcut = {}) {
    auto *action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QToolButton *AddToolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setIconSize(QSize(22, 22));
    parent->layout()->addWidget(button);
    return button;
}

// A push button of the tool bar whose text keeps clear of its edges in every language.
class ToolBarButton : public QPushButton {
public:
    explicit ToolBarButton(QWidget *parent) : QPushButton(parent) {}
    QSize sizeHint() const override {
        QSize size = QPushButton::sizeHint();
        const int text = fontMetrics().horizontalAdvance(QString(this->text()).remove(QLatin1Char('&')));
        size.setWidth(std::max(size.width(), text + 2 * fontMetrics().height()));
        return size;
    }
};

} // namespace

void TMainForm::BuildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    MenuFile = bar->addMenu(QString());
    MenuFile->setObjectName(QStringLiteral("MenuFile"));
    MenuNew = AddItem(MenuFile, "MenuNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    MenuNewActPage = AddItem(MenuFile, "MenuNewActPage");
    MenuFile->addSeparator();
    MenuOpen = AddItem(MenuFile, "MenuOpen", QKeySequence(Qt::Key_F3));
    MenuOpenExeDir = AddItem(MenuFile, "MenuOpenExeDir", QKeySequence(Qt::CTRL | Qt::Key_F3));
    MenuOpenActPage = AddItem(MenuFile, "MenuOpenActPage");
    MenuFile->addSeparator();
    MenuSave = AddItem(MenuFile, "MenuSave", QKeySequence(Qt::Key_F2));
    MenuSaveExeDir = AddItem(MenuFile, "MenuSaveExeDir", QKeySequence(Qt::CTRL | Qt::Key_F2));
    MenuFile->addSeparator();
    for (int i = 0; i < 9; ++i) {
        MenuHistory[i] = AddItem(MenuFile, "MenuHistory");
        MenuHistory[i]->setObjectName(QStringLiteral("MenuHistory%1").arg(i + 1));
        MenuHistory[i]->setVisible(false);
    }
    MenuHistoryEnd = MenuFile->addSeparator();
    MenuHistoryEnd->setObjectName(QStringLiteral("MenuHistoryEnd"));
    MenuHistoryEnd->setVisible(false);
    MenuPrint = AddItem(MenuFile, "MenuPrint", QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuPrintAll = AddItem(MenuFile, "MenuPrintAll");
    connect(MenuPrint, &QAction::triggered, this, &TMainForm::SpeedButtonPrintClick);
    connect(MenuPrintAll, &QAction::triggered, this, &TMainForm::MenuPrintAllClick);
    MenuFile->addSeparator();
    MenuExit = AddItem(MenuFile, "MenuExit");
    connect(MenuExit, &QAction::triggered, this, &QWidget::close);

    MenuCom = bar->addMenu(QString());
    MenuCom->setObjectName(QStringLiteral("MenuCom"));

    MenuDevice = bar->addMenu(QString());
    MenuDevice->setObjectName(QStringLiteral("MenuDevice"));
    MenuRead = AddItem(MenuDevice, "MenuRead", QKeySequence(Qt::Key_F7));
    MenuVerify = AddItem(MenuDevice, "MenuVerify", QKeySequence(Qt::Key_F8));
    MenuProgram = AddItem(MenuDevice, "MenuProgram", QKeySequence(Qt::Key_F9));

    MenuTools = bar->addMenu(QString());
    MenuTools->setObjectName(QStringLiteral("MenuTools"));
    MenuToolsMinus = AddItem(MenuTools, "MenuToolsMinus", QKeySequence(Qt::Key_F4));
    MenuToolsPlus = AddItem(MenuTools, "MenuToolsPlus", QKeySequence(Qt::Key_F5));
    MenuZpet = AddItem(MenuTools, "MenuZpet", QKeySequence(Qt::CTRL | Qt::Key_Z));
    MenuZnovu = AddItem(MenuTools, "MenuZnovu", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    MenuInterpol = AddItem(MenuTools, "MenuInterpol", QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(MenuToolsMinus, &QAction::triggered, this, &TMainForm::MenuToolsMinusClick);
    connect(MenuToolsPlus, &QAction::triggered, this, &TMainForm::MenuToolsPlusClick);
    connect(MenuInterpol, &QAction::triggered, this, &TMainForm::MenuToolsInterpolOnClick);
    connect(MenuZpet, &QAction::triggered, this, [this] {
        CommitTyping();
        session_.Undo();
    });
    connect(MenuZnovu, &QAction::triggered, this, [this] {
        CommitTyping();
        session_.Redo();
    });

    MenuLanguage = bar->addMenu(QString());
    MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
    auto *languages = new QActionGroup(this);
    MenuEnglish = AddItem(MenuLanguage, "MenuEnglish");
    MenuGerman = AddItem(MenuLanguage, "MenuGerman");
    MenuCzech = AddItem(MenuLanguage, "MenuCzech");
    for (QAction *item : {MenuEnglish, MenuGerman, MenuCzech}) {
        item->setCheckable(true);
        languages->addAction(item);
    }
    connect(MenuEnglish, &QAction::triggered, this, [this] { SetLanguage(Language::English); });
    connect(MenuGerman, &QAction::triggered, this, [this] { SetLanguage(Language::German); });
    connect(MenuCzech, &QAction::triggered, this, [this] { SetLanguage(Language::Czech); });

    MenuHelp = bar->addMenu(QString());
    MenuHelp->setObjectName(QStringLiteral("MenuHelp"));
    MenuContens = AddItem(MenuHelp, "MenuContens", QKeySequence(Qt::Key_F1));
    MenuAbout = AddItem(MenuHelp, "MenuAbout");
    connect(MenuContens, &QAction::triggered, this, &TMainForm::MenuContensClick);
    connect(MenuAbout, &QAction::triggered, this, &TMainForm::MenuAboutClick);

    // Menu items show their hints as tooltips too, not only in the status bar.
    for (QMenu *menu : {MenuFile, MenuCom, MenuDevice, MenuTools, MenuLanguage, MenuHelp})
        menu->setToolTipsVisible(true);
}

void TMainForm::BuildToolBar() {
    GroupBoxToolBar = new QWidget(this);
    GroupBoxToolBar->setObjectName(QStringLiteral("GroupBoxToolBar"));
    auto *row = new QHBoxLayout(GroupBoxToolBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    SpeedButtonOpen = AddToolButton(GroupBoxToolBar, "SpeedButtonOpen", QStyle::SP_DialogOpenButton);
    SpeedButtonNew = AddToolButton(GroupBoxToolBar, "SpeedButtonNew", QStyle::SP_FileIcon);
    SpeedButtonSave = AddToolButton(GroupBoxToolBar, "SpeedButtonSave", QStyle::SP_DialogSaveButton);
    SpeedButtonPrint = AddToolButton(GroupBoxToolBar, "SpeedButtonPrint", QStyle::SP_FileDialogDetailedView);
    connect(SpeedButtonPrint, &QToolButton::clicked, this, &TMainForm::SpeedButtonPrintClick);
    row->addSpacing(8);
    SpeedButtonZpet = AddToolButton(GroupBoxToolBar, "SpeedButtonZpet", QStyle::SP_ArrowBack);
    SpeedButtonZnovu = AddToolButton(GroupBoxToolBar, "SpeedButtonZnovu", QStyle::SP_ArrowForward);
    connect(SpeedButtonZpet, &QToolButton::clicked, MenuZpet, &QAction::trigger);
    connect(SpeedButtonZnovu, &QToolButton::clicked, MenuZnovu, &QAction::trigger);
    row->addSpacing(8);
    BitBtnProgram = new ToolBarButton(GroupBoxToolBar);
    BitBtnProgram->setObjectName(QStringLiteral("BitBtnProgram"));
    BitBtnVerify = new ToolBarButton(GroupBoxToolBar);
    BitBtnVerify->setObjectName(QStringLiteral("BitBtnVerify"));
    ButtonRead = new ToolBarButton(GroupBoxToolBar);
    ButtonRead->setObjectName(QStringLiteral("ButtonRead"));
    for (QPushButton *button : {BitBtnProgram, BitBtnVerify, ButtonRead})
        row->addWidget(button);
    row->addSpacing(8);
    CheckBoxProgHned = new QCheckBox(GroupBoxToolBar);
    CheckBoxProgHned->setObjectName(QStringLiteral("CheckBoxProgHned"));
    CheckBoxProgHned->setAutoFillBackground(true);
    // Red while ticked: every committed edit goes straight into the unit.
    connect(CheckBoxProgHned, &QCheckBox::toggled, this, [this](bool on) {
        session_.SetProgramAfterChange(on);
        const QColor red = LabelColour(Colour::Red);
        // The whole control, whatever the desktop's style draws of a palette; the style sheet first, as
        // it brings back the palette it found when it goes.
        CheckBoxProgHned->setStyleSheet(
            on ? QStringLiteral("QCheckBox { background-color: %1; color: white; }").arg(red.name())
               : QString());
        QPalette palette = CheckBoxProgHned->palette();
        palette.setColor(QPalette::Window, on ? red : LabelColour(Colour::ButtonFace));
        CheckBoxProgHned->setPalette(palette);
    });
    row->addWidget(CheckBoxProgHned);
    row->addStretch(1);
}

void TMainForm::ApplyToolButtonTexts(int language) {
    const auto text = [](std::string_view t) { return QString::fromUtf8(t.data(), qsizetype(t.size())); };
    for (const ToolButtonCommand &row : ToolButtonCommands) {
        auto *button = GroupBoxToolBar->findChild<QToolButton *>(QString::fromLatin1(row.button));
        if (!button)
            continue;
        const QString name = text(CaptionText(MenuCaptions(), row.command, CaptionKind::Caption, language))
                                 .remove(QLatin1Char('&'));
        const QString hint = text(CaptionText(MenuHints(), row.button, CaptionKind::Hint, language));
        // The command's hint where it has one, else its caption, as tooltip and on the hint line.
        button->setAccessibleName(name);
        button->setAccessibleDescription(hint);
        button->setToolTip(hint.isEmpty() ? name : hint);
        button->setStatusTip(hint.isEmpty() ? name : hint);
    }
}

void TMainForm::CommitTyping() {
    // Text typed into an edit and a run of up-down clicks are changes too: they are committed, and so
    // recorded, before an undo or redo moves through the history.
    if (auto *edit = qobject_cast<TUpDownEdit *>(QApplication::focusWidget()))
        edit->CommitTyped();
    machine_.CommitPending();
}

void TMainForm::UpdateUndoButtons() {
    const UndoHistory &undo = session_.undo();
    SpeedButtonZpet->setEnabled(undo.CanUndo());
    MenuZpet->setEnabled(undo.CanUndo());
    SpeedButtonZnovu->setEnabled(undo.CanRedo());
    MenuZnovu->setEnabled(undo.CanRedo());
}

void TMainForm::SetLanguage(int languageIndex) {
    session_.SetLanguage(languageIndex);
    ApplyLanguage();
    session_.ImageToPages();
}

TTab *TMainForm::FocusedMapEditor() {
    // On the Advance and Servo pages the keys reach the map without a click into it first.
    const int page = ActivePageIndex();
    if (page == Page::Advance || page == Page::Servo)
        if (auto *mapPage = qobject_cast<TMapPage *>(pages[page]))
            mapPage->EditorControl()->setFocus(Qt::ShortcutFocusReason);
    QWidget *focus = focusWidget();
    for (TTab *editor : mapEditors_.Controls())
        if (editor == focus && editor->isVisible())
            return editor;
    return nullptr;
}

void TMainForm::MenuToolsMinusClick() {
    if (TTab *editor = FocusedMapEditor())
        editor->Increment(-1);
}

void TMainForm::MenuToolsPlusClick() {
    if (TTab *editor = FocusedMapEditor())
        editor->Increment(+1);
}

void TMainForm::MenuToolsInterpolOnClick() {
    if (TTab *editor = FocusedMapEditor())
        editor->Interpolate();
}

void TMainForm::MenuContensClick() {
    const QString error = QString::fromStdString(session_.texts()[ManualErrorSlot]);
    HelpManual::Open(
        QString::fromStdString(session_.texts()[ManualSlot]), session_.settings().languageIndex, this,
        [this, error](const QString &why) { Dialogs::Notify(this, error + QLatin1Char('\n') + why); });
}

void TMainForm::MenuAboutClick() {
    FormAbout->ShowAbout(session_.settings().languageIndex);
}

} // namespace zarvex1
