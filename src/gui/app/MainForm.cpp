#include "app/MainForm.h"

#include "app/BuildInfo.h"
#include "app/WindowTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#ifndef ZARVEX1_BUILD_DATE
#define ZARVEX1_BUILD_DATE __DATE__
#endif

namespace zarvex1 {

QColor FromBgr(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Button); }

namespace {

void SetBackground(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

TMainForm::TMainForm(const StartOptions& options, QWidget* parent) : QMainWindow(parent), options_(options)
{
    setObjectName(QStringLiteral("MainForm"));
    resize(1000, 720);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(4);

    // The message line with its progress gauge, and the banner that tells the link is down.
    auto* messageRow = new QHBoxLayout;
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

int TMainForm::ActivePageIndex() const { return PageControl1->currentIndex(); }

void TMainForm::BuildPages()
{
    for (int page = 0; page < Page::Count; ++page) {
        pages[page] = new QWidget(PageControl1);
        pages[page]->setObjectName(QString::fromLatin1(PageNames[page]));
        PageControl1->addTab(pages[page], QString());
    }
    PageControl1->setCurrentIndex(Page::Bike);
}

void TMainForm::FormCreate()
{
    BuildPages();

    settings.portIndex = 1;
    image.setByte(Adrb::BikeType, 0);
    SetDefaults(image, defaults, Page::All);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
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
    undoHistory.InitUndoHistory(image, ActivePageIndex());

    LabelMessage->hide();
    CGaugeProgram->hide();
    CGaugeProgram->setMaximum(6);

    statusPanels[2]->setText(versionText);
    Timer1->start();
}

void TMainForm::ApplyLanguage()
{
    messageTexts.FillMessageTexts(settings.languageIndex);
    for (int page = 0; page < Page::Count; ++page)
        PageControl1->setTabText(page, PageCaptions[page].in(settings.languageIndex));
    LabelSpojeni->setText(NoConnectionText.in(settings.languageIndex));
    UpdateCaption();
}

void TMainForm::UpdateCaption()
{
    setWindowTitle(QString::fromStdString(messageTexts[0] + "       " + messageTexts[1]));
}

void TMainForm::OnHint(const QString& hint) { statusPanels[0]->setText(hint); }

void TMainForm::ShowMessageLine(const QString& text, const QColor& colour)
{
    SetBackground(LabelMessage, colour);
    LabelMessage->setText(text);
    LabelMessage->setVisible(!Printing);
    MessageTicks = MessageLineTicks;
}

void TMainForm::Timer1Timer()
{
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

void TMainForm::FormClose()
{
    LimitParameters(image, settings);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    FormClose();
    event->accept();
}

} // namespace zarvex1
