#include "core/logs/LogRecorder.h"

#include "core/session/ParameterSession.h"
#include "core/texts/MessageTexts.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zarvex1 {

namespace {

// English, German, Czech; the reason follows on a line of its own.
constexpr std::array<std::string_view, 3> CannotCreateTexts = {
    "Recording not started: the log file cannot be created.",
    "Aufzeichnung nicht gestartet: die Protokolldatei kann nicht angelegt werden.",
    "Záznam nespuštěn: soubor záznamu nelze vytvořit.",
};
constexpr std::array<std::string_view, 3> WriteFailedTexts = {
    "Recording stopped: the log file cannot be written. What was recorded until then is kept.",
    "Aufzeichnung beendet: die Protokolldatei kann nicht geschrieben werden. Das bis dahin Aufgezeichnete "
    "bleibt erhalten.",
    "Záznam ukončen: do souboru záznamu nelze zapisovat. Dosud zaznamenaná data zůstávají zachována.",
};

} // namespace

std::string LogStopText(LogStop why, const std::string &reason, int languageIndex) {
    const auto &texts = why == LogStop::CannotCreate ? CannotCreateTexts : WriteFailedTexts;
    const int column = languageIndex == Language::German ? 1 : languageIndex == Language::Czech ? 2 : 0;
    std::string text(texts[column]);
    if (!reason.empty())
        text += "\n" + reason;
    return text;
}

void LogRows::Start(long long startMs) {
    rows_.clear();
    startMs_ = startMs;
    count_ = 0;
    gapWritten_ = false;
}

void LogRows::RecordsArrived(std::span<const LiveRecord> records) {
    // The set is named once for the tick's records: they came under the same set.
    const SetName set = session_ ? session_->unitSetName() : SetName{};
    for (const LiveRecord &record : records) {
        if (record.timeMs() < startMs_)
            continue;
        AppendLogRow(rows_, record.timeMs() - startMs_, record, set);
        ++count_;
        gapWritten_ = false;
    }
}

void LogRows::ConnectionChanged(bool connected, long long nowMs) {
    if (connected || gapWritten_ || count_ == 0)
        return;
    AppendGapRow(rows_, std::max(0LL, nowMs - startMs_));
    ++count_;
    gapWritten_ = true;
}

void LogRecorder::Start(const std::filesystem::path &path, long long nowMs) {
    Stop();
    writer_ = std::make_unique<LogWriter>();
    path_ = path;
    startMs_ = nowMs;
    lastFlushMs_ = nowMs;
    rows_.Start(nowMs);
    stopped_ = false;
    stopReason_.reset();
    stopDetail_.clear();
    writer_->Create(path, LogHeader());
}

void LogRecorder::Stop() {
    if (!writer_)
        return;
    if (!stopped_)
        writer_->Append(rows_.Take());
    writer_->Wait();
    CheckWriter();
    writer_.reset();
    rows_.Take();
    stopped_ = true;
}

void LogRecorder::RecordsArrived(std::span<const LiveRecord> records) {
    if (recording())
        rows_.RecordsArrived(records);
}

void LogRecorder::ConnectionChanged(bool connected, long long nowMs) {
    if (recording())
        rows_.ConnectionChanged(connected, nowMs);
}

void LogRecorder::Tick(long long nowMs) {
    if (!recording())
        return;
    CheckWriter();
    if (recording() && nowMs - lastFlushMs_ >= FlushMs)
        Flush(nowMs);
}

void LogRecorder::Flush(long long nowMs) {
    lastFlushMs_ = nowMs;
    writer_->Append(rows_.Take());
}

void LogRecorder::CheckWriter() {
    if (stopped_ || !writer_)
        return;
    if (const std::optional<LogWriteFailure> failure = writer_->failure()) {
        stopped_ = true;
        rows_.Take();
        stopReason_ = failure->created ? LogStop::WriteFailed : LogStop::CannotCreate;
        stopDetail_ = failure->error.message();
    }
}

void LogRecorder::WaitForWriter() {
    if (writer_)
        writer_->Wait();
}

} // namespace zarvex1
