#include "core/session/ParameterSession.h"

#include "core/files/DefaultIni.h"
#include "core/files/ParameterFile.h"
#include "core/files/SettingsFolder.h"

namespace zarvex1 {

namespace {

constexpr int NewQuestionSlot = 33; // "Do you want default setting?"
// The recent-file list keeps a path converted for it to at most this many characters.
constexpr std::size_t MaxRecentPath = 8190;

// Gear detection takes a multifunction input: input 2 for the gear sensor, input 3 for the speed sensor.
void ForceGearInputs(ParameterImage &image) {
    const int gearMode = image.byte(Adrb::GearMode);
    if (gearMode == 1)
        image.setByte(Adrb::InputFunction + 1, 7);
    if (gearMode == 2 || gearMode == 3)
        image.setByte(Adrb::InputFunction + 2, 7);
}

} // namespace

std::string PathText(const std::filesystem::path &path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path TextPath(const std::string &text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

ParameterSession::ParameterSession(SessionFrontEnd &front, int bike)
    : front_(front), image_(FirstStartSet(bike)) {
    texts_.FillMessageTexts(settings_.languageIndex);
    undo_.InitUndoHistory(image_, activePage_);
}

std::string ParameterSession::Caption(bool handedOver) const {
    std::string caption = texts_[0] + "       " + texts_[CurrentFileSlot];
    if (handedOver)
        caption += "   " + texts_[HandoverCaptionSlot];
    return caption;
}

void ParameterSession::Start() {
    LimitParameters(image_, settings_);
    texts_.FillMessageTexts(settings_.languageIndex);
    ImageToPages();
    undo_.InitUndoHistory(image_, activePage_);
    kept_ = image_;
    front_.SessionChanged();
}

void ParameterSession::PutSettings(ApplicationSettings &stored) const {
    stored.link = settings_;
    stored.file = currentFile();
    stored.iniDir = lastPath_;
    stored.activePageIndex = activePage_;
    stored.recentFiles = recent_;
}

void ParameterSession::LoadSettings(const std::filesystem::path &folder, ApplicationSettings &stored) {
    PutSettings(stored);
    ReadApplicationSettings(ApplicationIniPath(folder), stored);
    settings_ = stored.link;
    texts_[CurrentFileSlot] = stored.file;
    lastPath_ = stored.iniDir;
    recent_ = stored.recentFiles;
    if (stored.activePageIndex >= 0 && stored.activePageIndex < Page::Count &&
        stored.activePageIndex != activePage_) {
        activePage_ = stored.activePageIndex;
        front_.ShowPage(activePage_);
    }
    // The image saved at the last close goes over the defaults as far as the file reaches.
    ReadDefaultIni(DefaultIniPath(folder), image_);
    front_.SessionChanged();
}

void ParameterSession::Close(const std::filesystem::path &folder, const ApplicationSettings &window) {
    PagesToImage();
    LimitParameters(image_, settings_);
    ApplicationSettings stored = window;
    PutSettings(stored);
    WriteApplicationSettings(ApplicationIniPath(folder), stored);
    WriteDefaultIni(DefaultIniPath(folder), image_);
}

void ParameterSession::PageChanged(int page) {
    if (page < 0 || page >= Page::Count)
        return;
    activePage_ = page;
    ImageToPages();
}

void ParameterSession::SetLanguage(int languageIndex) {
    settings_.languageIndex = static_cast<std::uint8_t>(languageIndex);
    texts_.FillMessageTexts(settings_.languageIndex);
}

void ParameterSession::PagesToImage() {
    front_.StorePage(activePage_);
}

void ParameterSession::ImageToPages() {
    ForceGearInputs(image_);
    front_.LoadPage(activePage_);
}

void ParameterSession::Commit() {
    PagesToImage();
    CommitImage();
}

void ParameterSession::CommitImage() {
    LimitParameters(image_, settings_);
    // A page takes its states before its values, so one load settles it.
    ImageToPages();
    AfterEdit();
}

void ParameterSession::AfterEdit() {
    const bool changed = undo_.RecordUndo(image_, activePage_);
    front_.SessionChanged();
    if (!programAfterChange_) {
        autoProgramArmed_ = false;
        return;
    }
    // The first commit after the box is ticked programs only a change; every later one programs.
    if (changed || autoProgramArmed_)
        StartAutoProgram();
    autoProgramArmed_ = true;
}

void ParameterSession::RecordUndo() {
    undo_.RecordUndo(image_, activePage_);
    front_.SessionChanged();
}

void ParameterSession::Restore(const UndoHistory::Entry &entry) {
    // Snapshots were taken after the limits: they go back into the image as they are.
    image_ = entry.image;
    ImageToPages();
    if (entry.page != activePage_ && entry.page < Page::Count) {
        activePage_ = entry.page;
        front_.ShowPage(activePage_);
    }
    ImageToPages();
    front_.SessionChanged();
    if (programAfterChange_)
        StartAutoProgram();
}

void ParameterSession::Undo() {
    if (const auto entry = undo_.Undo())
        Restore(*entry);
}

void ParameterSession::Redo() {
    if (const auto entry = undo_.Redo())
        Restore(*entry);
}

bool ParameterSession::New(bool currentPageOnly) {
    if (front_.Ask(texts_[NewQuestionSlot]) != Answer::Yes)
        return false;
    const ParameterImage previous = image_;
    const bool changesKept = !HasUnkeptChanges();
    SetDefaults(image_, defaults_, currentPageOnly ? activePage_ : Page::All);
    // The defaults are the set: the page's controls are not stored over them.
    CommitImage();
    watcher_->Replaced(previous, changesKept);
    front_.HideMessageLine();
    // The parameters no longer come from a file.
    texts_[CurrentFileSlot].clear();
    front_.SessionChanged();
    return true;
}

void ParameterSession::ShowFileMessage(int slot, const std::string &reason) {
    if (slot < 0)
        return;
    // The message of the language, and on a line of its own what the system says of the file.
    const std::string text =
        slot == FileMessage::NoParameterSet ? NoParameterSetText(settings_.languageIndex) : texts_[slot];
    front_.ShowMessage(reason.empty() ? text : text + '\n' + reason);
}

void ParameterSession::RecordCurrentFile(const std::filesystem::path &path) {
    texts_[CurrentFileSlot] = PathText(path);
    lastPath_ = PathText(path);
}

ParameterSession::OpenResult ParameterSession::Open(const std::filesystem::path &path, bool currentPageOnly) {
    return Load(path, currentPageOnly ? activePage_ : Page::All, FileRole::Own);
}

ParameterSession::OpenResult ParameterSession::OpenRestorePoint(const std::filesystem::path &path) {
    return Load(path, Page::All, FileRole::Lent);
}

ParameterSession::OpenResult ParameterSession::Load(const std::filesystem::path &path, int pages,
                                                    FileRole role) {
    const ParameterImage previous = image_;
    const bool changesKept = !HasUnkeptChanges();
    const LoadResult result = LoadParameterFile(pages, path, image_, defaults_);
    ShowFileMessage(result.message, result.reason);
    if (result.loaded) {
        // The file's values are the set: the page's controls are not stored over them.
        CommitImage();
        watcher_->Replaced(previous, changesKept);
        if (role == FileRole::Own) {
            RecordCurrentFile(path);
            kept_ = image_;
            recent_.AddRecentFile(PathText(path).substr(0, MaxRecentPath));
        } else {
            texts_[CurrentFileSlot].clear();
            kept_.reset();
        }
        front_.SessionChanged();
    }
    front_.HideMessageLine();
    return {result.loaded, result.message};
}

ParameterSession::OpenResult ParameterSession::OpenRecent(int item) {
    if (item < 1 || item >= recent_.count())
        return {};
    return Open(TextPath(recent_.entry(item)), false);
}

bool ParameterSession::Save(const std::filesystem::path &path) {
    PagesToImage();
    LimitParameters(image_, settings_);
    ImageToPages();
    if (const FileResult written = WriteParameterFile(image_, path); !written) {
        ShowFileMessage(FileMessage::OpenFileError, written.reason());
        return false;
    }
    // Saving makes the file current but does not add it to the recent files.
    RecordCurrentFile(path);
    kept_ = image_;
    front_.SessionChanged();
    return true;
}

} // namespace zarvex1
