#include "cli/LinkSession.h"

#include "cli/StopSignals.h"

#include "core/link/Colours.h"
#include "core/safety/VerifyFailureText.h"
#include "core/texts/MessageTexts.h"

namespace zarvex1 {

namespace {

MessageTexts EnglishTexts() {
    MessageTexts texts;
    texts.FillMessageTexts(0);
    return texts;
}
} // namespace

LinkSession::LinkSession(UnitConnection &connection, const std::string &device, const ParameterImage &image,
                         CliLinkOwner::Lines lines, std::ostream &err)
    : connection_(connection), err_(err), device_(device), tap_(connection.port), image_(image),
      texts_(EnglishTexts()), owner_(err, texts_, lines), engine_(tap_, image_, settings_, owner_) {
    engine_.SetDeviceOverride(device_);
    engine_.SetTransferListener(this);
}

void LinkSession::StartTransfer(LinkRequest request) {
    started_ = request;
    failedBlock_.reset();
}

void LinkSession::Read() {
    StartTransfer(LinkRequest::Read);
    engine_.StartRead();
}

void LinkSession::Verify() {
    LimitParameters(image_, settings_);
    StartTransfer(LinkRequest::Verify);
    engine_.StartVerify(image_);
}

void LinkSession::Program() {
    LimitParameters(image_, settings_);
    StartTransfer(LinkRequest::Program);
    engine_.StartProgram(image_);
}

std::string LinkSession::VerifyFailure() const {
    if (!failedBlock_)
        return {};
    // A Read's verify checks the unit against the set as it was taken, its values kept in range.
    const VerifiedSet against = started_ == LinkRequest::Read ? VerifiedSet::SetRead : VerifiedSet::File;
    return VerifyFailureText(failedBlock_->block, failedBlock_->expected, failedBlock_->unitSet, against,
                             Language::English);
}

void LinkSession::DeviceAnswered(LinkRequest request, bool otherVersion) {
    if (request == LinkRequest::Program || otherVersion)
        LimitParameters(image_, settings_);
}

ParameterImage LinkSession::ImageRead(const ParameterImage &read) {
    image_ = read;
    LimitParameters(image_, settings_);
    return image_;
}

bool LinkSession::Start() {
    engine_.Start();
    if (!owner_.comOpeningError())
        return true;
    err_ << owner_.comOpeningMessage() << std::endl;
    return false;
}

LinkSession::RunEnd LinkSession::RunUntil(const std::function<bool()> &done, int budgetTicks) {
    RunEnd end = RunEnd::BudgetUsed;
    connection_.run(
        [&] {
            engine_.Timer1Timer();
            if (done())
                end = RunEnd::Done;
            else if (StopRequested())
                end = RunEnd::Stopped;
            return end != RunEnd::BudgetUsed;
        },
        budgetTicks);
    return end;
}

bool LinkSession::RequestSucceeded() const {
    return engine_.state().LinkRequest == LinkRequest::None && engine_.messageLine().colour != Colour::Red &&
           !owner_.versionMismatch();
}

} // namespace zarvex1
