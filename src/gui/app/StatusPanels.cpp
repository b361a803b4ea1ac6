#include "gui/app/StatusPanels.h"

#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace zarvex1 {

namespace {

// The hint line: one line high whatever the hint. The lines of a hint stand side by side, cut with "…"
// where the window is too narrow; the whole hint is the line's text and its tooltip.
class HintLine : public QLabel {
public:
    explicit HintLine(QWidget *parent) : QLabel(parent) {}

    QSize sizeHint() const override { return {QLabel::sizeHint().width(), OneLine()}; }
    QSize minimumSizeHint() const override { return {0, OneLine()}; }

protected:
    void paintEvent(QPaintEvent *event) override {
        QFrame::paintEvent(event); // the frame; the text is drawn here on one line
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString line = fontMetrics().elidedText(Joined(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              palette(), isEnabled(), line, foregroundRole());
    }

    bool event(QEvent *event) override {
        if (event->type() == QEvent::ToolTip) {
            if (text().isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
            return true;
        }
        return QLabel::event(event);
    }

private:
    int OneLine() const {
        // The frame and the margins around the text, whatever the widget's size.
        return fontMetrics().height() + rect().height() - contentsRect().height();
    }
    QString Joined() const {
        QStringList lines = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString &line : lines)
            line = line.trimmed();
        lines.removeAll(QString());
        return lines.join(QStringLiteral("  \u00B7  "));
    }
};

} // namespace

StatusPanels::StatusPanels(QWidget *parent) : QWidget(parent) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < Count; ++i) {
        panels_[i] = i == 0 ? new HintLine(this) : new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panels_[i]->setMinimumWidth(DesignWidths[i]);
        panels_[i]->setContentsMargins(2, 0, 2, 0);
    }
    // A hint longer than the window is cut rather than widening the window.
    panels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels_[0]->setMinimumWidth(0);
    panels_[1]->setText(QStringLiteral("EXE"));
    panels_[3]->setText(QStringLiteral("HEX"));
    for (int i : {1, 3})
        panels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    grid->addWidget(panels_[0], 0, 0, 1, 4);
    for (int i = 1; i < Count; ++i)
        grid->addWidget(panels_[i], 1, i - 1);
    grid->setColumnStretch(3, 1);
}

} // namespace zarvex1
