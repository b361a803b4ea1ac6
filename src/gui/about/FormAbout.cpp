#include "gui/about/FormAbout.h"

#include "core/texts/BuildInfo.h"
#include "gui/about/Logo.h"
#include "gui/widgets/BuildStamp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>

namespace zarvex1 {

namespace {

QLabel *PlaceLabel(QWidget *parent, const char *name, int left, int top, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TFormAbout::TFormAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormAbout"));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowModality(Qt::ApplicationModal);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    white.setColor(QPalette::ButtonText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    QFont small(QStringLiteral("Sans Serif"));
    small.setStyleHint(QFont::SansSerif);
    small.setPixelSize(11);
    setFont(small);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(38, 32, 159, 81);
    Image1->setPixmap(LogoPixmap(Image1->size(), devicePixelRatioF()));
    Image1->setAccessibleName(QString::fromLatin1(ProductName));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(10, 8, 607, 393);
    Image2->hide();

    LabelRsKey = PlaceLabel(this, "LabelRsKey", 24, 186, QString::fromStdString(AboutVersionText()));
    LabelDate = PlaceLabel(this, "LabelDate", 24, 209, QString::fromStdString(AboutDateText(BuildDate())));
    LabelTime = PlaceLabel(this, "LabelTime", 24, 233, QString::fromLatin1(BuildTime()));

    // "OK" looks like a label but is a button: a click, Enter or Space closes the window.
    LabelExit = new QPushButton(QStringLiteral("OK"), this);
    LabelExit->setObjectName(QStringLiteral("LabelExit"));
    LabelExit->setFlat(true);
    LabelExit->setDefault(true);
    LabelExit->setCursor(Qt::PointingHandCursor);
    QFont large = font();
    large.setPixelSize(23);
    LabelExit->setFont(large);
    LabelExit->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0 4px; }"
                                            "QPushButton:focus { border: 1px dotted gray; }"));
    LabelExit->adjustSize();
    LabelExit->move(174, 221);
    connect(LabelExit, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::ShowAbout(int languageIndex) {
    setWindowTitle(QString::fromStdString(AboutCaption(languageIndex)));
    Image1->show();
    Image2->hide();
    CentreOnScreen();
    show();
    raise();
    activateWindow();
    LabelExit->setFocus();
}

void TFormAbout::CentreOnScreen() {
    // The screen the main window is on; the About window opens in its middle.
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
}

} // namespace zarvex1
