#include "LinkSession.h"

#include "StopSignals.h"

#include "link/Colours.h"

#include <QEventLoop>
#include <QTimer>

namespace zarvex1 {

namespace {

MessageTexts EnglishTexts() {
    MessageTexts texts;
    texts.FillMessageTexts(0);
    return texts;
}
} // namespace

LinkSession::LinkSession(const std::string &device, const ParameterImage &image, CliLinkOwner::Lines lines,
                         std::ostream &err)
    : err_(err), device_(device), tap_(port_), image_(image), texts_(EnglishTexts()),
      owner_(err, texts_, lines), engine_(tap_, image_, settings_, texts_, owner_) {
    engine_.SetDeviceOverride(device_);
}

bool LinkSession::Start() {
    engine_.Start();
    if (!owner_.comOpeningError())
        return true;
    err_ << texts_[MessageSlot::ComOpeningError] << " (" << device_ << ": " << port_.errorText().toStdString()
         << ")" << std::endl;
    return false;
}

LinkSession::RunEnd LinkSession::RunUntil(const std::function<bool()> &done, int budgetTicks) {
    RunEnd end = RunEnd::BudgetUsed;
    int ticks = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(TickMs);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        engine_.Timer1Timer();
        ++ticks;
        if (done())
            end = RunEnd::Done;
        else if (StopRequested())
            end = RunEnd::Stopped;
        else if (ticks < budgetTicks)
            return;
        timer.stop();
        loop.quit();
    });
    timer.start();
    loop.exec();
    return end;
}

bool LinkSession::RequestSucceeded() const {
    return engine_.state().LinkRequest == LinkRequest::None && engine_.messageLine().colour != Colour::Red &&
           !owner_.versionMismatch();
}

} // namespace zarvex1
