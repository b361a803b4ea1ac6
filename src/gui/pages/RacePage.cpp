#include "gui/pages/RacePage.h"

#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

using namespace Race;

const RacePageModel &Model() {
    static const RacePageModel model;
    return model;
}

QString Name(const std::string &name) {
    return QString::fromStdString(name);
}

// A column head: the unit on a line of its own, the last line just above the first row.
QLabel *Head(QLabel *label) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

// A head breaks before its unit only: "Omezovač [ot/min]" stands as "Omezovač" over "[ot/min]".
void BreakBeforeUnit(QLabel *head) {
    static const QRegularExpression beforeUnit(QStringLiteral("\\s+\\["));
    QString text = head->text();
    text.replace(beforeUnit, QStringLiteral("\n["));
    if (text != head->text())
        head->setText(text);
}

constexpr const char *Heads[] = {"LabelClutchTime",   "LabelGearKorAdv",   "LabelGearKorLimiter",
                                 "LabelGearKorServo", "LabelGearKorPOut1", "LabelGearKorPOut2",
                                 "LabelGearKorPOut3"};

constexpr int Margin = 10;

} // namespace

TRacePage::TRacePage(PageMachine &machine, QWidget *parent)
    : TBoundPage(Model(), machine, parent), scale_(this), marks_(this) {
    const RaceNames &n = RacePageModel::Names();
    auto *page = new QVBoxLayout(this);

    QGroupBox *clutch = NewGroupBox("GroupBoxClutch");
    auto *clutchRow = new QHBoxLayout(clutch);
    clutchRow->addWidget(Radio("RadioGroupClutchMode"), 0, Qt::AlignTop);
    auto *clutchGrid = new QGridLayout;
    int row = 0;
    for (const char *name :
         {"UpDownClutchPause1", "UpDownClutchPause2", "UpDownClutchMinRpm", "UpDownClutchAdv"}) {
        AddEditRow(clutchGrid, row++, name);
        // One column of edits, all as wide as the widest.
        clutchGrid->setAlignment(UpDown(name), {});
    }
    clutchRow->addLayout(clutchGrid);
    clutchRow->addStretch(1);
    page->addWidget(clutch, 0, Qt::AlignLeft);

    // Per gear, by pixels: the clutch times, then the corrections row by row.
    auto *gears = new QHBoxLayout;
    clutchTimes_ = NewGroupBox("GroupBoxClutchTime");
    Head(NewLabel("LabelClutchTime", nullptr, clutchTimes_));
    for (int r = 0; r < Rows; ++r)
        NewLabel(n.clutchLabel[r].c_str(), nullptr, clutchTimes_)->setAlignment(Qt::AlignCenter);
    for (int r = 0; r < Rows; ++r)
        In(UpDown(n.clutchTime[r]), clutchTimes_);
    gears->addWidget(clutchTimes_, 0, Qt::AlignTop);

    corrections_ = NewGroupBox("GroupBoxGearKor");
    for (const char *head : {"LabelGearKorAdv", "LabelGearKorLimiter", "LabelGearKorServo",
                             "LabelGearKorPOut1", "LabelGearKorPOut2", "LabelGearKorPOut3"})
        Head(NewLabel(head, nullptr, corrections_));
    for (int r = 0; r < Rows; ++r) {
        NewLabel(n.rowLabel[r].c_str(), nullptr, corrections_)->setAlignment(Qt::AlignCenter);
        for (std::size_t c = 1; c < n.upDowns[r].size(); ++c)
            In(UpDown(n.upDowns[r][c]), corrections_);
    }
    gears->addWidget(corrections_, 0, Qt::AlignTop);
    gears->addStretch(1);
    page->addLayout(gears);
    page->addStretch(1);

    Finish();
    ArrangeColumns();
}

void TRacePage::ArrangeColumns() {
    ApplyPlaces(clutchTimes_, RacePageModel::ClutchTimePlaces(), scale_);
    ApplyPlaces(corrections_, RacePageModel::CorrectionPlaces(), scale_);
    for (QGroupBox *group : {clutchTimes_, corrections_}) {
        QSize size = ChildrenExtent(group, scale_.X(Margin));
        size.setWidth(std::max(size.width(), group->minimumSizeHint().width()));
        group->setFixedSize(size);
    }
}

void TRacePage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    for (const char *head : Heads)
        BreakBeforeUnit(findChild<QLabel *>(QString::fromLatin1(head)));
    ArrangeColumns();
    NameCells();
}

void TRacePage::NameCells() {
    // A cell of the columns is named by its column head and its row's gears.
    const RaceNames &n = RacePageModel::Names();
    const auto text = [this](const QString &name) { return findChild<QLabel *>(name)->text().simplified(); };
    const QString heads[] = {
        text(QStringLiteral("LabelClutchTime")),     text(QStringLiteral("LabelGearKorAdv")),
        text(QStringLiteral("LabelGearKorLimiter")), text(QStringLiteral("LabelGearKorServo")),
        text(QStringLiteral("LabelGearKorPOut1")),   text(QStringLiteral("LabelGearKorPOut2")),
        text(QStringLiteral("LabelGearKorPOut3"))};
    for (int r = 0; r < Rows; ++r) {
        const QString gears = text(Name(n.rowLabel[r]));
        for (std::size_t c = 0; c < n.upDowns[r].size(); ++c)
            UpDown(n.upDowns[r][c])->setAccessibleName(heads[c] + QLatin1Char(' ') + gears);
    }
}

void TRacePage::RefreshLiveColours(const LiveRecord *latest, const ParameterImage &image) {
    marks_.Apply(RacePageModel::LiveColoursOf(image, latest ? latest->raw(LiveField::Gear) : 0));
}

} // namespace zarvex1
