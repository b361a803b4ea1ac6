#include "gui/pages/BikePage.h"

#include "core/session/ParameterSession.h"
#include "gui/pages/UpDownEdit.h"
#include "gui/widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zarvex1 {

namespace {

// Channel n's rows: the label, the lobe edit and the two flags.
struct ChannelRow {
    const char *label;
    const char *lobe;
    const char *edge;
    const char *pickup;
};

const BikePageModel &Model() {
    static const BikePageModel model;
    return model;
}

} // namespace

TBikePage::TBikePage(ParameterSession &session, PageMachine &machine, QWidget *parent)
    : TBoundPage(Model(), machine, parent), session_(session) {
    SetColumns("RadioGroupPickup1Polarita", 3);
    SetColumns("RadioGroupPickup2Polarita", 3);
    auto *page = new QVBoxLayout(this);

    auto *typeRow = new QHBoxLayout;
    QComboBox *bike = Combo("ComboBoxBike");
    typeRow->addWidget(NewLabel("LabelBike", bike));
    typeRow->addWidget(bike);
    typeRow->addStretch(1);
    page->addLayout(typeRow);

    auto *upper = new QHBoxLayout;
    auto *general = new QVBoxLayout;
    auto *polarity = new QHBoxLayout;
    polarity->addWidget(Radio("RadioGroupPickup1Polarita"));
    polarity->addWidget(Radio("RadioGroupPickup2Polarita"));
    polarity->addStretch(1);
    general->addLayout(polarity);
    for (const char *name : {"CheckBoxZamenaPickup", "CheckBoxNehlidaPalec", "CheckBoxPredPalec",
                             "CheckBoxSpecStart", "CheckBoxCrossBlock", "CheckBox4TaktIgn"})
        general->addWidget(Check(name));
    general->addStretch(1);
    upper->addLayout(general, 1);

    auto *right = new QVBoxLayout;
    QGroupBox *rpm = NewGroupBox("GroupBoxRpm");
    auto *rpmGrid = new QGridLayout(rpm);
    AddEditRow(rpmGrid, 0, "UpDownRpmPulsu");
    AddEditRow(rpmGrid, 1, "UpDownRpmKorekce");
    right->addWidget(rpm);
    QGroupBox *unit = NewGroupBox("GroupBoxVerze");
    auto *unitColumn = new QVBoxLayout(unit);
    for (int i = 0; i < 3; ++i) {
        labelVerze_[i] = NewLabel(QStringLiteral("LabelVerze%1").arg(i + 1).toLatin1().constData());
        labelVerze_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        unitColumn->addWidget(labelVerze_[i]);
    }
    LabelPocetProgramovani = NewLabel("LabelPocetProgramovani");
    unitColumn->addWidget(LabelPocetProgramovani);
    right->addWidget(unit);
    right->addStretch(1);
    upper->addLayout(right);
    page->addLayout(upper);

    // The synchronisation: for the special setting only.
    QGroupBox *special = NewGroupBox("GroupBoxSpecial");
    auto *specialRow = new QHBoxLayout(special);
    auto *method = new QGridLayout;
    QComboBox *synchro = Combo("ComboBoxSynchro");
    method->addWidget(NewLabel("LabelSynchro", synchro), 0, 0);
    method->addWidget(synchro, 0, 1, 1, 2);
    method->addWidget(Combo("ComboBoxNasobekPalcu"), 1, 1, 1, 2);
    AddEditRow(method, 2, "UpDownPocPalcu");
    AddEditRow(method, 3, "UpDownPocKanalu");
    AddEditRow(method, 4, "UpDownPocSynchro");
    TUpDownEdit *compensation1 = UpDown("UpDownKompenz1");
    method->addWidget(NewLabel("LabelKompenz", compensation1), 5, 0);
    // Pick-up 1 and pick-up 2 side by side, each as wide as its values.
    auto *compensation = new QHBoxLayout;
    compensation->addWidget(compensation1);
    compensation->addWidget(UpDown("UpDownKompenz2"));
    compensation->addStretch(1);
    method->addLayout(compensation, 5, 1, 1, 2);
    method->setColumnStretch(3, 1);
    method->setRowStretch(6, 1);
    specialRow->addLayout(method, 1);

    auto *channels = new QVBoxLayout;
    const ChannelRow rows[2][2] = {
        {{"LabelPalec1Zac", "UpDownPalec1Zac", "CheckBoxPalec1ZacH2", "CheckBoxPalec1ZacP2"},
         {"LabelPalec1End", "UpDownPalec1End", "CheckBoxPalec1EndH2", "CheckBoxPalec1EndP2"}},
        {{"LabelPalec2Zac", "UpDownPalec2Zac", "CheckBoxPalec2ZacH2", "CheckBoxPalec2ZacP2"},
         {"LabelPalec2End", "UpDownPalec2End", "CheckBoxPalec2EndH2", "CheckBoxPalec2EndP2"}},
    };
    for (int channel = 0; channel < 2; ++channel) {
        QGroupBox *box = NewGroupBox(channel == 0 ? "GroupBoxPalec1" : "GroupBoxPalec2");
        auto *grid = new QGridLayout(box);
        grid->setHorizontalSpacing(12);
        int top = 0;
        if (channel == 0) {
            // The column heads stand once, over channel 1; channel 2 keeps the same columns.
            grid->addWidget(NewLabel("LabelLobe"), 0, 1, Qt::AlignHCenter);
            grid->addWidget(NewLabel("LabelHrana2"), 0, 2, Qt::AlignHCenter);
            grid->addWidget(NewLabel("LabelSnimac2"), 0, 3, Qt::AlignHCenter);
            top = 1;
        }
        for (int r = 0; r < 2; ++r) {
            const ChannelRow &row = rows[channel][r];
            TUpDownEdit *lobe = UpDown(row.lobe);
            grid->addWidget(NewLabel(row.label, lobe), top + r, 0);
            grid->addWidget(lobe, top + r, 1);
            grid->addWidget(Check(row.edge), top + r, 2, Qt::AlignHCenter);
            grid->addWidget(Check(row.pickup), top + r, 3, Qt::AlignHCenter);
        }
        (channel == 0 ? channel1_ : channel2_) = grid;
        channels->addWidget(box);
    }
    channels->addStretch(1);
    specialRow->addLayout(channels);
    page->addWidget(special);
    page->addStretch(1);

    connect(bike, &QComboBox::activated, this, &TBikePage::ComboBoxBikeChange);
    connect(synchro, &QComboBox::activated, this, &TBikePage::ComboBoxBikeChange);
    Finish();
}

void TBikePage::ComboBoxBikeChange() {
    if (machine().LoadGuard())
        return;
    zarvex1::ComboBoxBikeChange(session_, machine(), Combo("ComboBoxBike")->currentIndex(),
                                Combo("ComboBoxSynchro")->currentIndex());
}

void TBikePage::ApplyLanguage(int languageIndex) {
    TBoundPage::ApplyLanguage(languageIndex);
    NameGridChecks();
    AlignChannelColumns();
}

void TBikePage::Load(const ParameterImage &image, bool printing) {
    TBoundPage::Load(image, printing);
    // The states show and hide cells and the ranges change the edits' widths.
    AlignChannelColumns();
}

void TBikePage::NameGridChecks() {
    // The flags of a channel have no caption of their own: row and column name them.
    const auto name = [this](const char *check, const char *row, const char *column) {
        const QString rowText = findChild<QLabel *>(QString::fromLatin1(row))->text().trimmed();
        const QString columnText = findChild<QLabel *>(QString::fromLatin1(column))->text().trimmed();
        Check(check)->setAccessibleName(rowText + QStringLiteral(" - ") + columnText);
    };
    for (const char *c : {"1", "2"}) {
        const QString n = QString::fromLatin1(c);
        for (const char *edge : {"Zac", "End"}) {
            const QByteArray label = ("LabelPalec" + n + edge).toLatin1();
            name(("CheckBoxPalec" + n + edge + "H2").toLatin1().constData(), label.constData(),
                 "LabelHrana2");
            name(("CheckBoxPalec" + n + edge + "P2").toLatin1().constData(), label.constData(),
                 "LabelSnimac2");
        }
    }
    UpDown("UpDownKompenz2")->setAccessibleName(UpDown("UpDownKompenz1")->accessibleName());
}

void TBikePage::AlignChannelColumns() {
    // Both channels take the widest cell of each column, so that channel 2 lines up under the heads.
    for (int column = 0; column < 4; ++column) {
        int width = 0;
        for (QGridLayout *grid : {channel1_, channel2_})
            for (int row = 0; row < grid->rowCount(); ++row)
                if (QLayoutItem *item = grid->itemAtPosition(row, column))
                    width = std::max(width, item->sizeHint().width());
        channel1_->setColumnMinimumWidth(column, width);
        channel2_->setColumnMinimumWidth(column, width);
    }
}

void TBikePage::ShowDeviceTexts(const DeviceTexts &texts) {
    labelVerze_[0]->setText(QString::fromStdString(texts.programName));
    labelVerze_[1]->setText(QString::fromStdString(texts.buildDate));
    labelVerze_[2]->setText(QString::fromStdString(texts.buildTime));
}

void TBikePage::ShowMonitor(const MonitorDisplay &display) {
    const QString text = QString::fromStdString(display.LabelPocetProgramovani.text);
    if (LabelPocetProgramovani->text() != text)
        LabelPocetProgramovani->setText(text);
}

} // namespace zarvex1
