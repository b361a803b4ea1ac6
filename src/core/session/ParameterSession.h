#pragma once

#include "core/files/ApplicationSettings.h"
#include "core/files/RecentFiles.h"
#include "core/link/Transfers.h"
#include "core/params/Defaults.h"
#include "core/params/Limits.h"
#include "core/params/ParameterImage.h"
#include "core/params/UndoHistory.h"
#include "core/session/SessionFrontEnd.h"
#include "core/session/SessionWatcher.h"
#include "core/texts/MessageTexts.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zarvex1 {

// The parameter set being edited and everything that goes with it: the image, the limited settings
// (port, scanned port, language), the defaults state, the undo history, the current file and the recent
// files. Every change of the image by a command goes through here: the window and the command-line tool
// run the same Commit, New, Open and Save. What only a front end can do it asks of its SessionFrontEnd.
// It starts the transfers of the unit's link, takes a finished Read and keeps the set the unit is known to
// hold.
class ParameterSession : private TransferListener {
public:
    // A first start: the defaults for motorbike type `bike` over an all-zero image, in the first language.
    explicit ParameterSession(SessionFrontEnd &front, int bike = 0);

    ParameterSession(const ParameterSession &) = delete;
    ParameterSession &operator=(const ParameterSession &) = delete;

    // The pages read and write the image in place; everything else changes it through the commands.
    ParameterImage &image() { return image_; }
    const ParameterImage &image() const { return image_; }
    LimitedSettings &settings() { return settings_; }
    const LimitedSettings &settings() const { return settings_; }
    MessageTexts &texts() { return texts_; }
    const MessageTexts &texts() const { return texts_; }
    const UndoHistory &undo() const { return undo_; }
    const RecentFiles &recentFiles() const { return recent_; }
    // The current parameter file (empty after New and after a read from the unit).
    const std::string &currentFile() const { return texts_[CurrentFileSlot]; }
    // The file last opened or saved: the file dialogs start there.
    const std::string &lastPath() const { return lastPath_; }
    void SetLastPath(std::string path) { lastPath_ = std::move(path); }
    // The window caption: the product name, seven blanks and the current file; while a loader program
    // has the port, three blanks and the text that says so.
    std::string Caption(bool handedOver = false) const;

    // The link whose transfers the session starts and whose results it takes. None: transfers do nothing.
    void AttachLink(UnitLink &link);
    // Read: the current file name goes at once; the set read replaces the image when all six blocks came,
    // with the limits, the page filled and an undo entry.
    void Read();
    // Verify and Program: the active page into the image and the limits first; the image as it then is
    // goes to the link.
    void Verify();
    void Program();
    // Reads the unit's set into a snapshot and reports it once its verify passed; the screen's set, the
    // pages, the caption and the undo history stay as they are. Nothing is reported (std::nullopt) when
    // the read fails, no link is attached, or another transfer replaces it.
    using UnitSetReport = std::function<void(const std::optional<ParameterImage> &unitSet)>;
    void ReadUnitSet(UnitSetReport report);
    // The set the unit is known to hold: after a Read, a Verify that passed, a Program that finished or a
    // snapshot read. Nothing while it is unknown: at start, after a Program or Verify that failed, another
    // port or unit, a port handed over or a unit that fell silent.
    const std::optional<ParameterImage> &unitSet() const { return unitSet_; }
    // The set the unit is known to hold as a log names it: the hash of its image, and the current file
    // while the screen shows that very set. Empty while the unit's set is unknown.
    SetName unitSetName() const;

    // Start-up, after the stored settings and image are read: limits, the texts of the language, the
    // active page filled, and the first undo entry.
    void Start();
    // Reads application.ini and default.ini from the folder. `stored` comes with the window's place as
    // it is and returns with the stored one; the session takes the rest.
    void LoadSettings(const std::filesystem::path &folder, ApplicationSettings &stored);
    // Closing: the active page into the image, the limits, then application.ini (with the window's place
    // from `window`) and default.ini.
    void Close(const std::filesystem::path &folder, const ApplicationSettings &window);

    int activePage() const { return activePage_; }
    // A page became the active one: it is filled from the image.
    void PageChanged(int page);
    // Language index 0, 1 or 3; the message texts follow.
    void SetLanguage(int languageIndex);
    // Whether every committed edit is programmed into the unit ("Programming after change").
    void SetProgramAfterChange(bool on) { programAfterChange_ = on; }
    bool programAfterChange() const { return programAfterChange_; }

    // The active page's controls into the image, and the image into them. Filling first forces the
    // multifunction input that gear detection takes.
    void PagesToImage();
    void ImageToPages();
    // Stores an edit: the active page into the image, the limits, the page filled again, then the
    // after-edit step.
    void Commit();
    // The after-edit step alone: an undo entry when the image changed, and programming after change.
    void AfterEdit();
    // An undo entry without programming (a read from the unit has finished).
    void RecordUndo();
    void Undo();
    void Redo();

    // New: asks "Do you want default setting?"; on Yes the defaults for the active page or all pages.
    // True when the defaults were set.
    bool New(bool currentPageOnly);
    // Who keeps watch over the sets Open, New and Read replace and over the transfers' outcomes; none by
    // default.
    void SetWatcher(SessionWatcher *watcher) { watcher_ = watcher ? watcher : &noWatcher_; }
    // The motorbike type changed: the New that follows keeps a special type's settings.
    void SetBikeChangePending() { defaults_.bikeChangePending = true; }

    struct OpenResult {
        bool loaded = false;
        int message = -1; // the FileMessage slot that was shown, or -1
    };
    // Opens a parameter file for the active page or all pages. A file that is taken is committed,
    // becomes the current file and goes to the front of the recent files; a rejected one changes nothing.
    OpenResult Open(const std::filesystem::path &path, bool currentPageOnly);
    // Opens recent entry `item` (1..9) for all pages.
    OpenResult OpenRecent(int item);
    // Opens a restore point for all pages as Open opens a file (the same checks and messages, one undo
    // step), but the set gets no file of its own: the point's file is not made current, nor put among the
    // recent files or the last path, so that Save asks for a name and never writes over a point that the
    // pruning may later remove. Nothing else keeps the set either: replacing it keeps it as a point again.
    OpenResult OpenRestorePoint(const std::filesystem::path &path);
    // Whether the image holds changes that are neither in a file (opened or saved) nor in the unit (read or
    // programmed) since the start.
    bool HasUnkeptChanges() const { return !kept_ || image_ != *kept_; }

    // Saves the image, limited, as the current file. False (after "Open file error!") when the file
    // cannot be written.
    bool Save(const std::filesystem::path &path);

    static constexpr int CurrentFileSlot = 1;
    static constexpr int HandoverCaptionSlot = 2;

private:
    // The transfer the session started last, while it runs.
    enum class Transfer { None, Read, Snapshot, Verify, Program, AutoProgram };
    // Whether a file that is opened becomes the set's own file or only lends its values.
    enum class FileRole { Own, Lent };

    // What the link tells of its transfers.
    void DeviceAnswered(LinkRequest request, bool otherVersion) override;
    ParameterImage ImageRead(const ParameterImage &read) override;
    void TransferDone(LinkRequest started, const ParameterImage &unitSet) override;
    void TransferFailed(LinkRequest started, LinkRequest stage, TransferFailure why) override;
    void VerifyBlockFailed(const FailedBlock &failed) override { watcher_->VerifyBlockFailed(failed); }
    void UnitChanged() override;
    // Programming after change: the image as it is, without storing the pages first.
    void StartAutoProgram();
    void StartTransfer(Transfer transfer);
    // A set that replaced the page's values (a file, the defaults): the limits, the page filled once,
    // the after-edit step.
    void CommitImage();
    void SetUnitSet(const std::optional<ParameterImage> &unitSet);

    // The image is now kept elsewhere: read from the unit.
    void MarkKept() { kept_ = image_; }
    // The session's part of application.ini.
    void PutSettings(ApplicationSettings &stored) const;
    void Restore(const UndoHistory::Entry &entry);
    OpenResult Load(const std::filesystem::path &path, int pages, FileRole role);
    void RecordCurrentFile(const std::filesystem::path &path);
    // A file message in the language, with the system's reason on a line of its own where there is one.
    void ShowFileMessage(int slot, const std::string &reason = {});

    SessionFrontEnd &front_;
    ParameterImage image_;
    // The image as last opened, saved, read or programmed; none while nothing keeps the set on the
    // screen (a restore point opened).
    std::optional<ParameterImage> kept_;
    LimitedSettings settings_;
    DefaultsState defaults_;
    MessageTexts texts_;
    UndoHistory undo_;
    RecentFiles recent_;
    std::string lastPath_;
    int activePage_ = Page::Bike;
    bool programAfterChange_ = false;
    bool autoProgramArmed_ = false;
    SessionWatcher noWatcher_;
    SessionWatcher *watcher_ = &noWatcher_;
    UnitLink *link_ = nullptr;
    Transfer transfer_ = Transfer::None;
    UnitSetReport unitSetReport_; // the snapshot read's report, while it runs
    std::optional<ParameterImage> unitSet_;
    std::string unitSetHash_; // of unitSet_, taken when it is set
};

// A path as the settings and the caption keep it: UTF-8 text.
std::string PathText(const std::filesystem::path &path);
std::filesystem::path TextPath(const std::string &text);

} // namespace zarvex1
