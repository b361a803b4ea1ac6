#include "gui/safety/WindowSafetyNet.h"

#include "core/files/ParameterFile.h"
#include "core/files/TextFiles.h"
#include "core/link/LinkEngine.h"
#include "core/params/Defaults.h"
#include "core/safety/SafetyNet.h"
#include "core/safety/SafetyTexts.h"
#include "core/session/ParameterSession.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/safety/CompareOverlay.h"
#include "gui/safety/CompareWindow.h"
#include "gui/safety/HistoryWindow.h"
#include "gui/safety/UnitStateLabel.h"
#include "gui/widgets/Dialogs.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace zarvex1 {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The filter of File > Open.
const QString OpenFilter = QStringLiteral("Ignition Parametrs(*.ign);;All Files (*.*)");

} // namespace

WindowSafetyNet::WindowSafetyNet(QWidget *window, ParameterSession &session,
                                 const std::filesystem::path &settingsFolder, bool ownsSettings)
    : window_(window), session_(session) {
    setObjectName(QStringLiteral("WindowSafetyNet"));
    // Every window writes restore points; only the one that owns the settings removes old ones. Without
    // a settings folder there is nowhere to keep them.
    std::optional<RestorePointStore> store;
    if (!settingsFolder.empty())
        store.emplace(RestorePointStore::FolderBeside(settingsFolder), ownsSettings);
    net_ = std::make_unique<SafetyNet>(std::move(store));
    session_.SetWatcher(net_.get());
    // The state line follows what the session hears of the unit, and its edits (SessionChanged).
    net_->SetStateListener([this] { RefreshState(); });
    label_ = new UnitStateLabel(window);
    compare_ = new CompareWindow(session, window);
    history_ = new HistoryWindow(window);
    connect(label_, &UnitStateLabel::clicked, this, &WindowSafetyNet::CompareWithKnownUnitSet);
    connect(compare_, &CompareWindow::marksChanged, this, &WindowSafetyNet::MarksChanged);
    connect(history_, &HistoryWindow::compareRequested, this, &WindowSafetyNet::ComparePoint);
    connect(history_, &HistoryWindow::openRequested, this, &WindowSafetyNet::OpenPoint);
    auto action = [this](const char *name, void (WindowSafetyNet::*command)()) {
        auto *a = new QAction(window_);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, command);
        return a;
    };
    compareFile_ = action("MenuCompareFile", &WindowSafetyNet::CompareWithFile);
    compareUnit_ = action("MenuCompareUnit", &WindowSafetyNet::CompareWithUnit);
    compareRestore_ = action("MenuCompareRestore", &WindowSafetyNet::CompareWithRestorePoint);
    showHistory_ = action("MenuShowHistory", &WindowSafetyNet::ShowHistory);
    showHistory_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    ApplyTexts();
    RefreshState();
}

WindowSafetyNet::~WindowSafetyNet() {
    session_.SetWatcher(nullptr);
    // The widgets belong to the window and its editors; what refers to the marks or the session goes now.
    for (const QPointer<CompareOverlay> &overlay : overlays_)
        delete overlay.data();
    delete compare_.data();
    delete history_.data();
    delete label_.data();
}

QWidget *WindowSafetyNet::StateLabel() const {
    return label_;
}

CompareWindow *WindowSafetyNet::Compare() const {
    return compare_;
}

HistoryWindow *WindowSafetyNet::History() const {
    return history_;
}

void WindowSafetyNet::AddMenuItems(QMenu *file, QAction *before) {
    file->insertActions(before, {compareFile_, compareUnit_, compareRestore_, showHistory_});
    file->insertSeparator(before);
}

void WindowSafetyNet::WatchEditor(TTab *editor) {
    if (SheetMap(editor->objectName().toStdString(), 0) == nullptr)
        return;
    overlays_.push_back(new CompareOverlay(
        editor, marks_, [this]() -> const ParameterImage & { return session_.image(); },
        [this] { return language_; }));
}

void WindowSafetyNet::SetLanguage(int languageIndex) {
    language_ = languageIndex;
    ApplyTexts();
    compare_->SetLanguage(languageIndex);
    history_->SetLanguage(languageIndex);
    label_->Show(net_->StateView(session_.image(), session_.unitSet()), language_);
}

void WindowSafetyNet::ApplyTexts() {
    const std::pair<QAction *, SafetyText> items[] = {{compareFile_, SafetyText::MenuCompareFile},
                                                      {compareUnit_, SafetyText::MenuCompareUnit},
                                                      {compareRestore_, SafetyText::MenuCompareRestore},
                                                      {showHistory_, SafetyText::MenuHistory}};
    for (const auto &[a, text] : items)
        a->setText(Q(SafetyTextOf(text, language_)));
}

void WindowSafetyNet::Tick(const LinkEngine &link) {
    link_ = &link;
    const int count = link.latest() ? link.latest()->raw(LiveField::ProgrammingCount) : -1;
    net_->SetUnitDetails(link.deviceTexts().programName,
                         count >= 0 ? std::optional<int>(count) : std::nullopt);
    compare_->Follow();
}

void WindowSafetyNet::SessionChanged() {
    RefreshState();
}

void WindowSafetyNet::RefreshState() {
    // While "Programming after change" programs an edit, the line waits for the program's outcome rather
    // than showing the change as not programmed for a moment.
    if (session_.programAfterChange() && link_ && link_->state().LinkRequest != LinkRequest::None)
        return;
    if (shownRevision_ == net_->revision() && shownFor_ == session_.image())
        return;
    shownRevision_ = net_->revision();
    shownFor_ = session_.image();
    label_->Show(net_->StateView(shownFor_, session_.unitSet()), language_);
}

void WindowSafetyNet::MarksChanged() {
    marks_.SetOther(compare_->Other());
    for (CompareOverlay *overlay : overlays_)
        overlay->MarksChanged();
}

void WindowSafetyNet::CompareWithFile() {
    const QString path =
        Dialogs::OpenFileName(window_, QString::fromStdString(session_.lastPath()), OpenFilter);
    if (path.isEmpty())
        return;
    // The set as Open would take it: the file over the screen's set.
    ParameterImage other = session_.image();
    DefaultsState state;
    const std::filesystem::path file = PathFromUtf8(path.toStdString());
    const LoadResult result = LoadParameterFile(Page::All, file, other, state);
    if (!result.loaded) {
        Dialogs::Message(window_, Q(SafetyTextWith(SafetyText::FileNotRead, language_, path.toStdString())));
        return;
    }
    compare_->ShowCompare(other, CompareWindow::Source::File, Utf8FromPath(file.filename()));
}

void WindowSafetyNet::CompareWithUnit() {
    compare_->ShowReading();
    const int ticket = ++readingTicket_;
    QPointer<WindowSafetyNet> self(this);
    session_.ReadUnitSet([self, ticket](const std::optional<ParameterImage> &unit) {
        if (!self || ticket != self->readingTicket_)
            return;
        if (!unit) {
            self->compare_->close();
            Dialogs::Notify(self->window_, Q(SafetyTextOf(SafetyText::UnitNotRead, self->language_)));
            return;
        }
        self->compare_->ShowCompare(*unit, CompareWindow::Source::Unit);
    });
}

void WindowSafetyNet::CompareWithRestorePoint() {
    ShowHistory();
}

void WindowSafetyNet::ShowHistory() {
    const RestorePointStore *store = net_->store();
    history_->ShowPoints(store ? store->List() : std::vector<RestorePoint>{});
}

void WindowSafetyNet::CompareWithKnownUnitSet() {
    if (const auto &unit = session_.unitSet())
        compare_->ShowCompare(*unit, CompareWindow::Source::Unit);
    else
        CompareWithUnit();
}

void WindowSafetyNet::ComparePoint(const RestorePoint &point) {
    const auto other = RestorePointStore::ReadBack(point.path);
    if (!other) {
        Dialogs::Message(window_,
                         Q(SafetyTextWith(SafetyText::FileNotRead, language_, Utf8FromPath(point.path))));
        return;
    }
    compare_->ShowCompare(*other, CompareWindow::Source::RestorePoint,
                          RestorePointTimeText(point).toStdString());
}

void WindowSafetyNet::OpenPoint(const RestorePoint &point) {
    // As Open opens a file: the set it replaces may become a point itself, and Undo takes it back. The
    // point's file does not become the set's own: Save asks for a name.
    session_.OpenRestorePoint(point.path);
}

} // namespace zarvex1
