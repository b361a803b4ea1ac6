#include "app/MainForm.h"

#include "app/BuildInfo.h"
#include "app/Dialogs.h"
#include "app/WindowTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#ifndef ZARVEX1_BUILD_DATE
#define ZARVEX1_BUILD_DATE __DATE__
#endif

namespace zarvex1 {

QColor FromBgr(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QColor ButtonFaceColour() {
    return QApplication::palette().color(QPalette::Button);
}

namespace {

void SetBackground(QLabel *label, const QColor &colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

TMainForm::TMainForm(const StartOptions &options, QWidget *parent) : QMainWindow(parent), options_(options) {
    setObjectName(QStringLiteral("MainForm"));
    resize(1000, 720);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(4);

    BuildMenus();
    BuildToolBar();
    GroupBoxToolBar->setParent(central);

    // The tool bar, the message line with its progress gauge, and the banner that tells the link is down.
    auto *messageRow = new QHBoxLayout;
    messageRow->addWidget(GroupBoxToolBar);
    LabelMessage = new QLabel(central);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setMinimumHeight(24);
    LabelMessage->setContentsMargins(6, 0, 6, 0);
    QFont bold = LabelMessage->font();
    bold.setBold(true);
    LabelMessage->setFont(bold);
    CGaugeProgram = new QProgressBar(central);
    CGaugeProgram->setObjectName(QStringLiteral("CGaugeProgram"));
    CGaugeProgram->setFixedWidth(220);
    CGaugeProgram->setTextVisible(false);
    LabelSpojeni = new QLabel(central);
    LabelSpojeni->setObjectName(QStringLiteral("LabelSpojeni"));
    LabelSpojeni->setAlignment(Qt::AlignCenter);
    LabelSpojeni->setMinimumHeight(24);
    LabelSpojeni->setContentsMargins(12, 0, 12, 0);
    LabelSpojeni->setFont(bold);
    SetBackground(LabelSpojeni, FromBgr(0x0000FF));
    {
        QPalette palette = LabelSpojeni->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        LabelSpojeni->setPalette(palette);
    }
    messageRow->addWidget(LabelMessage, 1);
    messageRow->addWidget(CGaugeProgram);
    messageRow->addWidget(LabelSpojeni);
    column->addLayout(messageRow);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);

    // Five panels: hint, "EXE", version text, "HEX", connection text.
    static constexpr int panelWidths[5] = {400, 30, 300, 30, 300};
    for (int i = 0; i < 5; ++i) {
        statusPanels[i] = new QLabel(this);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels[i]->setFixedWidth(panelWidths[i]);
        statusPanels[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        statusBar()->addWidget(statusPanels[i], i == 4 ? 1 : 0);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusPanels[1]->setText(QStringLiteral("EXE"));
    statusPanels[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusPanels[3]->setText(QStringLiteral("HEX"));
    statusPanels[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Timer1 = new QTimer(this);
    Timer1->setInterval(TickMs);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    FormCreate();
}

TMainForm::~TMainForm() = default;

int TMainForm::ActivePageIndex() const {
    return PageControl1->currentIndex();
}

void TMainForm::BuildPages() {
    for (int page = 0; page < Page::Count; ++page) {
        pages[page] = new QWidget(PageControl1);
        pages[page]->setObjectName(QString::fromLatin1(PageNames[page]));
        PageControl1->addTab(pages[page], QString());
    }
    PageControl1->setCurrentIndex(Page::Bike);
}

void TMainForm::FormCreate() {
    BuildPages();

    settings.portIndex = 1;
    image.setByte(Adrb::BikeType, 0);
    SetDefaults(image, defaults, Page::All);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    compileDateText = QString::fromStdString(CompileDateText(ZARVEX1_BUILD_DATE));
    versionText = QString::fromStdString(VersionText(compileDateText.toStdString()));
    connectionText = QStringLiteral("not connected");

    if (options_.language)
        settings.languageIndex = static_cast<std::uint8_t>(*options_.language);

    NoReplyTicks = 18;
    LimitParameters(image, settings);
    ApplyLanguage();
    ImageToPages();
    undoHistory.InitUndoHistory(image, ActivePageIndex());
    UpdateUndoButtons();

    LabelMessage->hide();
    CGaugeProgram->hide();
    CGaugeProgram->setMaximum(6);

    statusPanels[2]->setText(versionText);
    Timer1->start();
}

void TMainForm::ApplyLanguage() {
    messageTexts.FillMessageTexts(settings.languageIndex);
    const int language = settings.languageIndex;
    for (const MenuCaption &row : MenuCaptions) {
        const QString name = QString::fromLatin1(row.target);
        if (auto *action = findChild<QAction *>(name))
            action->setText(row.text.in(language));
        else if (auto *menu = findChild<QMenu *>(name))
            menu->setTitle(row.text.in(language));
        else if (auto *button = findChild<QAbstractButton *>(name))
            button->setText(row.text.in(language));
    }
    MenuEnglish->setChecked(language == 0);
    MenuGerman->setChecked(language == 1);
    MenuCzech->setChecked(language == 3);
    for (int page = 0; page < Page::Count; ++page)
        PageControl1->setTabText(page, PageCaptions[page].in(language));
    LabelSpojeni->setText(NoConnectionText.in(settings.languageIndex));
    UpdateCaption();
}

void TMainForm::UpdateCaption() {
    setWindowTitle(QString::fromStdString(messageTexts[0] + "       " + messageTexts[1]));
}

void TMainForm::ImageToPages() {
    // The pages bind their controls to the image here as they are added.
}

void TMainForm::Commit() {
    LimitParameters(image, settings);
    ImageToPages();
    if (undoHistory.RecordUndo(image, ActivePageIndex()))
        UpdateUndoButtons();
    StartAutoProgram();
}

void TMainForm::StartAutoProgram() {
    // Programming after change starts here once the link is attached.
}

void TMainForm::OnHint(const QString &hint) {
    statusPanels[0]->setText(hint);
}

void TMainForm::ShowMessageLine(const QString &text, const QColor &colour) {
    SetBackground(LabelMessage, colour);
    LabelMessage->setText(text);
    LabelMessage->setVisible(!Printing);
    MessageTicks = MessageLineTicks;
}

void TMainForm::Timer1Timer() {
    ++TickCounter;

    // The message line stays for 200 ticks after it was last shown.
    if (MessageTicks > 0) {
        --MessageTicks;
        LabelMessage->setVisible(!Printing);
    } else {
        LabelMessage->hide();
        CGaugeProgram->hide();
    }

    // The banner follows the time since the last valid frame from the unit.
    if (NoReplyTicks < 18) {
        ++NoReplyTicks;
        LabelSpojeni->hide();
    } else {
        LabelSpojeni->setVisible(!Printing);
    }

    statusPanels[4]->setText(connectionText);
}

void TMainForm::FormClose() {
    LimitParameters(image, settings);
}

void TMainForm::closeEvent(QCloseEvent *event) {
    Timer1->stop();
    FormClose();
    event->accept();
}

} // namespace zarvex1
