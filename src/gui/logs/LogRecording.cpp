#include "gui/logs/LogRecording.h"

#include "core/texts/MessageTexts.h"

#include <QAction>
#include <QBoxLayout>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QToolButton>
#include <QWidget>

#include <array>

namespace zarvex1 {

namespace {

struct RecordTexts {
    const char *menu;      // File > Record log, and the button while nothing is recorded
    const char *recording; // the button while recording, %1 the time recorded
};

// English, German, Czech.
constexpr std::array<RecordTexts, 3> Texts = {{
    {"&Record log", "Recording %1"},
    {"Protokoll &aufzeichnen", "Aufzeichnung %1"},
    {"Nahrávat &záznam", "Nahrávání %1"},
}};

const RecordTexts &TextsOf(int language) {
    return Texts[language == Language::German ? 1 : language == Language::Czech ? 2 : 0];
}

QString Duration(long long ms) {
    const long long seconds = ms / 1000;
    const QString minSec =
        QStringLiteral("%1:%2").arg((seconds / 60) % 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return seconds >= 3600 ? QStringLiteral("%1:%2").arg(seconds / 3600).arg(minSec, 5, QLatin1Char('0'))
                           : minSec;
}

// A red disc, as recorders mark their button.
QIcon RecordIcon() {
    QPixmap disc(44, 44);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 0, 0), 2));
    painter.setBrush(QColor(215, 25, 25));
    painter.drawEllipse(QRectF(7, 7, 30, 30));
    painter.end();
    disc.setDevicePixelRatio(2.0);
    return QIcon(disc);
}

} // namespace

LogRecording::LogRecording(QWidget *toolBar, Owner owner, const ParameterSession *session, QObject *parent)
    : QObject(parent), owner_(std::move(owner)), recorder_(session) {
    folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    action_ = new QAction(this);
    action_->setObjectName(QStringLiteral("MenuRecordLog"));
    action_->setCheckable(true);
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(action_, &QAction::triggered, this, &LogRecording::Toggled);
    const QToolButton *other = toolBar ? toolBar->findChild<QToolButton *>() : nullptr;
    button_ = new QToolButton(toolBar);
    button_->setObjectName(QStringLiteral("SpeedButtonRecord"));
    button_->setCheckable(true);
    button_->setAutoRaise(true);
    button_->setIconSize(QSize(12, 12));
    button_->setIcon(RecordIcon());
    // The time recorded stands small under the icon; the button keeps the width of the longest time, so
    // the tool bar neither jumps nor widens the window while it counts.
    QFont small = button_->font();
    small.setPointSizeF(small.pointSizeF() * 0.72);
    button_->setFont(small);
    button_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button_->setFixedWidth(QFontMetrics(small).horizontalAdvance(QStringLiteral("0:00:00")) + 4);
    // As high as the tool bar's other buttons, so the bar keeps its height.
    if (other)
        button_->setFixedHeight(other->sizeHint().height());
    connect(button_, &QToolButton::clicked, this, &LogRecording::Toggled);
    // Before the tool bar's closing stretch.
    if (auto *row = toolBar ? qobject_cast<QBoxLayout *>(toolBar->layout()) : nullptr)
        row->insertWidget(row->count() - 1, button_);
    UpdateButton();
}

LogRecording::~LogRecording() = default;

QString LogRecording::LogFileName(const QDateTime &start, const QString &parameterFile) {
    QString name = QStringLiteral("zarvex1-log-") + start.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    const QString set = QFileInfo(parameterFile).completeBaseName();
    if (!set.isEmpty())
        name += QLatin1Char('-') + set;
    return name + QStringLiteral(".csv");
}

void LogRecording::Toggled(bool on) {
    if (on)
        Start();
    else
        Stop();
}

void LogRecording::Start() {
    if (recording())
        return;
    const QString name = LogFileName(QDateTime::currentDateTime(),
                                     owner_.fileName ? QString::fromStdString(owner_.fileName()) : QString());
    recorder_.Start(folder_ / name.toStdString(), owner_.nowMs());
    recorder_.Tick(owner_.nowMs());
    Finish();
    UpdateButton();
}

void LogRecording::Stop() {
    if (!recording())
        return;
    recorder_.Stop();
    Finish();
    UpdateButton();
}

void LogRecording::Tick() {
    if (!recording())
        return;
    recorder_.Tick(owner_.nowMs());
    Finish();
    UpdateButton();
}

// A recording that ended on its own says why; the rows written stay in the file.
void LogRecording::Finish() {
    if (recording() || !recorder_.stopReason())
        return;
    const std::string text = LogStopText(*recorder_.stopReason(), recorder_.stopDetail(), language_);
    recorder_.Stop();
    if (owner_.say)
        owner_.say(QString::fromStdString(text));
}

void LogRecording::ApplyLanguage(int languageIndex) {
    language_ = languageIndex;
    action_->setText(QString::fromUtf8(TextsOf(language_).menu));
    shownSeconds_ = -1;
    UpdateButton();
}

void LogRecording::UpdateButton() {
    const bool on = recording();
    const long long ms = recorder_.recordedMs(on ? owner_.nowMs() : 0);
    const long long seconds = on ? ms / 1000 : -2;
    if (seconds == shownSeconds_ && button_->isChecked() == on)
        return;
    shownSeconds_ = seconds;
    const RecordTexts &texts = TextsOf(language_);
    // Idle the button is named by its command, as the other icon buttons; recording, by the time.
    const QString caption = on ? QString::fromUtf8(texts.recording).arg(Duration(ms))
                               : QString(action_->text()).remove(QLatin1Char('&'));
    button_->setText(on ? Duration(ms) : QString());
    button_->setAccessibleName(caption);
    button_->setToolTip(caption);
    button_->setChecked(on);
    action_->setChecked(on);
}

} // namespace zarvex1
