#include "core/texts/MessageTexts.h"
#include "gui/safety/UnitStateLabel.h"

#include <QSignalSpy>
#include <QtTest>

using namespace zarvex1;

class UnitStateLabelTest : public QObject {
    Q_OBJECT
private slots:
    void textsInThreeLanguagesAreItsAccessibleName() {
        struct Case {
            UnitStateView view;
            int language;
            const char *text;
        };
        const Case cases[] = {
            {{UnitStateKind::NotRead, 0}, Language::English, "Unit: not read yet"},
            {{UnitStateKind::Same, 0}, Language::German, "Zündung: wie auf dem Bildschirm"},
            {{UnitStateKind::ChangesNotProgrammed, 3},
             Language::Czech,
             "Zapalování: 3 změny nenaprogramovány"},
            {{UnitStateKind::Differs, 0}, Language::English, "Unit: differs from the screen"},
        };
        UnitStateLabel label;
        for (const Case &c : cases) {
            label.Show(c.view, c.language);
            QCOMPARE(label.text(), QString::fromUtf8(c.text));
            QCOMPARE(label.accessibleName(), label.text());
        }
    }

    void aClickAsksForTheCompare() {
        UnitStateLabel label;
        label.Show({UnitStateKind::Same, 0}, Language::English);
        label.resize(200, 20);
        QSignalSpy clicks(&label, &UnitStateLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(UnitStateLabelTest)
#include "unit_state_label_test.moc"
