// The session's side of the unit's transfers: it starts them, takes what a Read brings and keeps the set
// the unit is known to hold.
#include "core/session/ParameterSession.h"

#include <utility>

namespace zarvex1 {

void ParameterSession::AttachLink(UnitLink &link) {
    link_ = &link;
    link_->SetTransferListener(this);
}

void ParameterSession::Read() {
    if (!link_)
        return;
    StartTransfer(Transfer::Read);
    link_->StartRead();
    // The parameters no longer come from a file, even before the first block arrives.
    texts_[CurrentFileSlot].clear();
    front_.SessionChanged();
}

void ParameterSession::ReadUnitSet(UnitSetReport report) {
    if (!link_) {
        report(std::nullopt);
        return;
    }
    StartTransfer(Transfer::Snapshot);
    unitSetReport_ = std::move(report);
    link_->StartRead();
}

void ParameterSession::Verify() {
    PagesToImage();
    LimitParameters(image_, settings_);
    ImageToPages();
    if (!link_)
        return;
    StartTransfer(Transfer::Verify);
    link_->StartVerify(image_);
}

void ParameterSession::Program() {
    PagesToImage();
    LimitParameters(image_, settings_);
    ImageToPages();
    if (!link_)
        return;
    StartTransfer(Transfer::Program);
    link_->StartProgram(image_);
}

void ParameterSession::StartAutoProgram() {
    if (!link_)
        return;
    StartTransfer(Transfer::AutoProgram);
    link_->StartAutoProgram(image_);
}

void ParameterSession::StartTransfer(Transfer transfer) {
    // A command replaces the transfer that runs: a snapshot read asked for before gets nothing.
    if (UnitSetReport report = std::exchange(unitSetReport_, {}))
        report(std::nullopt);
    transfer_ = transfer;
}

void ParameterSession::DeviceAnswered(LinkRequest request, bool otherVersion) {
    if (transfer_ == Transfer::Snapshot)
        return; // the screen's set stays as it is
    // The pages show the set as the limits keep it whenever the unit has answered a Program, or answered
    // in another protocol.
    if (request == LinkRequest::Program || otherVersion) {
        LimitParameters(image_, settings_);
        ImageToPages();
    }
}

ParameterImage ParameterSession::ImageRead(const ParameterImage &read) {
    if (transfer_ == Transfer::Snapshot)
        return read; // the verify checks the unit against the bytes as they came
    const ParameterImage previous = image_;
    const bool changesKept = !HasUnkeptChanges();
    image_ = read;
    LimitParameters(image_, settings_);
    ImageToPages();
    RecordUndo();
    // The set is what the unit holds: nothing of it is lost when the window closes.
    MarkKept();
    watcher_->Replaced(previous, changesKept);
    return image_;
}

void ParameterSession::TransferDone(LinkRequest /*started*/, const ParameterImage &unitSet) {
    const Transfer transfer = std::exchange(transfer_, Transfer::None);
    SetUnitSet(unitSet);
    switch (transfer) {
    case Transfer::Read:
        watcher_->ReadVerified(unitSet);
        break;
    case Transfer::Snapshot:
        watcher_->ComparedWithUnit(unitSet);
        if (UnitSetReport report = std::exchange(unitSetReport_, {}))
            report(unitSet);
        break;
    case Transfer::Program:
    case Transfer::AutoProgram:
        // The unit holds what was programmed: those changes are kept.
        kept_ = unitSet;
        watcher_->ProgramFinished(unitSet, transfer == Transfer::AutoProgram);
        break;
    case Transfer::Verify:
        watcher_->VerifyPassed(unitSet);
        break;
    case Transfer::None:
        break;
    }
}

void ParameterSession::TransferFailed(LinkRequest started, LinkRequest stage, TransferFailure why) {
    const Transfer transfer = std::exchange(transfer_, Transfer::None);
    if (why == TransferFailure::OtherProtocol) {
        UnitChanged(); // another kind of unit: nothing is known of what it holds
    } else if (!(started == LinkRequest::Read && stage == LinkRequest::Read)) {
        // A program or a verify went wrong: whatever the unit holds, it is not the set sent or read. A
        // Read that failed in its own stage changed nothing.
        SetUnitSet(std::nullopt);
        watcher_->VerifyFailed();
    }
    if (transfer == Transfer::Snapshot)
        if (UnitSetReport report = std::exchange(unitSetReport_, {}))
            report(std::nullopt);
}

void ParameterSession::SetUnitSet(const std::optional<ParameterImage> &unitSet) {
    unitSet_ = unitSet;
    unitSetHash_ = unitSet ? ImageHash(*unitSet) : std::string();
}

SetName ParameterSession::unitSetName() const {
    if (!unitSet_)
        return {};
    // The file names the unit's set only while the screen shows that very set.
    return {unitSetHash_,
            *unitSet_ == image_ ? std::filesystem::path(currentFile()).filename().string() : std::string()};
}

void ParameterSession::UnitChanged() {
    SetUnitSet(std::nullopt);
    watcher_->UnitChanged();
}

} // namespace zarvex1
