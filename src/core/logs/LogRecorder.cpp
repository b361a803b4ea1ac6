#include "core/logs/LogRecorder.h"

#include "core/texts/MessageTexts.h"

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

void LogRecorder::Start(const std::filesystem::path &path, long long nowMs) {
    Stop();
    writer_ = std::make_unique<LogWriter>();
    path_ = path;
    startMs_ = nowMs;
    lastFlushMs_ = nowMs;
    rows_ = 0;
    gapWritten_ = false;
    stopped_ = false;
    stopReason_.reset();
    stopDetail_.clear();
    writer_->Create(path, LogHeader());
}

void LogRecorder::Stop() {
    if (!writer_)
        return;
    if (!stopped_)
        writer_->Append(std::exchange(pending_, {}));
    writer_->Wait();
    CheckWriter();
    writer_.reset();
    pending_.clear();
    stopped_ = true;
}

void LogRecorder::Record(const Frame &frame, long long nowMs, const LogSetName &set) {
    if (!recording())
        return;
    AppendLogRow(pending_, nowMs - startMs_, frame, set);
    ++rows_;
    gapWritten_ = false;
}

void LogRecorder::ConnectionLost(long long nowMs) {
    if (!recording() || gapWritten_ || rows_ == 0)
        return;
    AppendGapRow(pending_, nowMs - startMs_);
    ++rows_;
    gapWritten_ = true;
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
    writer_->Append(std::exchange(pending_, {}));
}

void LogRecorder::CheckWriter() {
    if (stopped_ || !writer_)
        return;
    if (const std::optional<LogWriteFailure> failure = writer_->failure()) {
        stopped_ = true;
        pending_.clear();
        stopReason_ = failure->created ? LogStop::WriteFailed : LogStop::CannotCreate;
        stopDetail_ = failure->error.message();
    }
}

void LogRecorder::WaitForWriter() {
    if (writer_)
        writer_->Wait();
}

} // namespace zarvex1
