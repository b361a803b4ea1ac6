#pragma once

#include "core/logs/LogRecorder.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

class QAction;
class QToolButton;
class QWidget;

namespace zarvex1 {

class ParameterSession;

// The window's recording of live values: File > Record log (Ctrl+R) and the Record button on the tool
// bar, which shows the time recorded. Its recorder watches the link's records (a row each, at the record's
// own time, naming the set the session knows the unit holds); the owner steps the tick; the clock and the
// folder come from the owner, so tests step them. The rows go to the file on the recorder's writer thread,
// never on the window's.
class LogRecording : public QObject {
    Q_OBJECT
public:
    struct Owner {
        std::function<long long()> nowMs;         // the clock that stamps the link's records
        std::function<std::string()> fileName;    // the parameter file on the screen: the log's name
        std::function<void(const QString &)> say; // a message that must not block the tick
    };

    LogRecording(QWidget *toolBar, Owner owner, const ParameterSession *session, QObject *parent = nullptr);
    ~LogRecording() override;

    QAction *action() const { return action_; }
    QToolButton *button() const { return button_; }

    // Where logs go: the documents folder unless a test says otherwise.
    void SetFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    const std::filesystem::path &folder() const { return folder_; }
    // The log's name: the start time and the parameter file's name without its folder and suffix.
    static QString LogFileName(const QDateTime &start, const QString &parameterFile);

    void Start();
    void Stop();
    bool recording() const { return recorder_.recording(); }
    const LogRecorder &recorder() const { return recorder_; }
    // What the link tells of its records goes to the recorder.
    LiveWatcher &watcher() { return recorder_; }
    // Waits until the writer thread has written what it was given: for tests, which must not race it.
    void WaitForWriter() { recorder_.WaitForWriter(); }

    // The owner's tick: the flush, a failed write, the button's time.
    void Tick();
    void ApplyLanguage(int languageIndex);

private:
    void Toggled(bool on);
    void UpdateButton();
    void Finish();

    Owner owner_;
    LogRecorder recorder_;
    std::filesystem::path folder_;
    QAction *action_ = nullptr;
    QToolButton *button_ = nullptr;
    int language_ = 0;
    long long shownSeconds_ = -1;
};

} // namespace zarvex1
