#include "gui/app/WindowLinkView.h"

#include "gui/app/ComMenu.h"
#include "gui/pages/BikePage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/LabelColour.h"

#include <QLabel>
#include <QPalette>
#include <QProgressBar>

#include <algorithm>

namespace zarvex1 {

void WindowLinkView::MessageLineChanged(const MessageLine &line) {
    QLabel *label = parts_.message;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, LabelColour(line.colour));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setText(QString::fromStdString(line.text));
    label->setVisible(line.visible);
}

void WindowLinkView::ProgressGaugeChanged(const ProgressGauge &gauge) {
    parts_.gauge->setMaximum(gauge.maximum);
    parts_.gauge->setValue(std::clamp(gauge.position, 0, gauge.maximum));
    parts_.gauge->setVisible(gauge.visible);
}

void WindowLinkView::ConnectionBannerChanged(bool visible) {
    parts_.banner->setVisible(visible);
}

void WindowLinkView::ConnectionTextChanged(const std::string &text) {
    parts_.connection->setText(QString::fromStdString(text));
}

void WindowLinkView::VersionLabelChanged(const VersionLabel &label) {
    QLabel *version = parts_.version;
    QPalette palette = version->palette();
    palette.setColor(QPalette::Window, LabelColour(Colour::Red));
    version->setPalette(palette);
    version->setText(QString::fromStdString(label.text));
    version->setVisible(label.visible);
}

void WindowLinkView::DeviceTextsChanged(const DeviceTexts &texts) {
    parts_.bike->ShowDeviceTexts(texts);
}

void WindowLinkView::ComPortChanged(const std::string &labelCom, int tickedItem) {
    parts_.com->setText(QString::fromStdString(labelCom));
    parts_.comMenu->ShowChoice(tickedItem);
}

void WindowLinkView::PortHandoverChanged(bool handedOver) {
    parts_.handover(handedOver);
}

void WindowLinkView::ShowVersionMessage(const std::string &text) {
    Dialogs::Notify(parts_.window, QString::fromStdString(text));
}

void WindowLinkView::ShowComOpeningError(const std::string &text) {
    Dialogs::Notify(parts_.window, QString::fromStdString(text));
}

} // namespace zarvex1
