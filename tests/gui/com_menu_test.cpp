#include "gui/app/ComMenu.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/fake_discovery.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

namespace {

// The captions of the Com menu's adapter items.
QStringList AdapterCaptions(test::Window &form) {
    QStringList captions;
    for (QAction *item : test::Named<TComMenu>(*form, "ComMenu")->adapterItems())
        captions << item->text();
    return captions;
}

} // namespace

class ComMenuTest : public QObject {
    Q_OBJECT
private slots:
    void machineWithoutAdaptersSaysSoBelowTheNumbers() {
        test::Window form{test::Scripted{}};
        const QList<QAction *> items = test::Named<QMenu>(*form, "MenuCom")->actions();
        QCOMPARE(items.size(), 31 + 2); // the numbers, Com Auto, a separator, the line below
        QCOMPARE(items[30]->text(), QStringLiteral("Com Auto"));
        QVERIFY(items[31]->isSeparator());
        QCOMPARE(items[32]->text(), QStringLiteral("No serial adapters found"));
        QVERIFY(!items[32]->isEnabled());
        form->SetLanguage(1);
        QCOMPARE(AdapterCaptions(form), QStringList{QStringLiteral("Keine seriellen Adapter gefunden")});
    }

    void adaptersAreListedWithWhatIsKnownOfThem() {
        test::Window form(test::Scripted({}, {test::Ftdi(), test::Uart()}));
        QCOMPARE(AdapterCaptions(form),
                 (QStringList{QString::fromUtf8("FT232R USB UART, FTDI, A50285BI \u2014 ") +
                                  QString::fromStdString(test::FtdiById),
                              QStringLiteral("/dev/ttyS0")}));
        QAction *ftdi = test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0];
        QCOMPARE(ftdi->statusTip(), QStringLiteral("/dev/ttyUSB3 = Com 4"));
        QCOMPARE(test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[1]->statusTip(),
                 QStringLiteral("/dev/ttyS0 = Com 21"));
    }

    void choosingAnAdapterOpensItByItsStableNameAndTicksIt() {
        test::Window form(test::Scripted({}, {test::Ftdi()}));
        test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->trigger();
        QCOMPARE(form.port->opened.back(), test::FtdiById);
        QCOMPARE(test::Named<QLabel>(*form, "LabelCom")->text(), QStringLiteral("COM= ttyUSB3"));
        QCOMPARE(form->session().settings().portIndex, 3);
        for (QAction *item : test::Named<TComMenu>(*form, "ComMenu")->numberedItems())
            QVERIFY(!item->isChecked());
        QVERIFY(test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->isChecked());

        test::Named<QAction>(*form, "MenuCom2")->trigger();
        QVERIFY(test::Named<QAction>(*form, "MenuCom2")->isChecked());
        QVERIFY(!test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->isChecked());
    }

    void listFollowsPluggingWhenTheMenuOpens() {
        test::Window form{test::Scripted{}};
        form.discovery->ports = {test::Ftdi()};
        emit test::Named<QMenu>(*form, "MenuCom")->aboutToShow();
        QCOMPARE(AdapterCaptions(form).size(), 1);
        QVERIFY(AdapterCaptions(form)[0].startsWith(QStringLiteral("FT232R USB UART")));
        test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->trigger();

        // Unplugged, the chosen adapter stays listed: the program waits for it.
        form.discovery->ports.clear();
        emit test::Named<QMenu>(*form, "MenuCom")->aboutToShow();
        QCOMPARE(AdapterCaptions(form),
                 QStringList{QString::fromStdString(test::FtdiById) + QStringLiteral(" (not plugged in)")});
        QVERIFY(test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->isChecked());
    }

    void chosenAdapterIsKeptInTheSettings() {
        QTemporaryDir settings;
        {
            test::Window form(test::Scripted({}, {test::Ftdi("/dev/ttyUSB1")}), settings.path());
            test::Named<TComMenu>(*form, "ComMenu")->adapterItems()[0]->trigger();
            form->close();
        }
        QFile ini(settings.filePath(QStringLiteral("application.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("ComPort=2\r\n"));
        QVERIFY(text.contains("ComPortDevice=" + QByteArray::fromStdString(test::FtdiById) + "\r\n"));

        test::Window again(test::Scripted({}, {test::Ftdi("/dev/ttyUSB1")}), settings.path());
        QCOMPARE(again.port->opened, std::vector<std::string>{test::FtdiById});
        QVERIFY(test::Named<TComMenu>(*again, "ComMenu")->adapterItems()[0]->isChecked());
    }

    void failedOpenTellsWhyInTheUsersLanguage() {
        test::Window form(test::Scripted(StartOptions::Parse({QStringLiteral("DEUTSCH")}, {})));
        PortOpenFailure failure;
        failure.device = "/dev/ttyACM0";
        failure.errorNumber = EBUSY;
        form.port->failure = failure;
        form.port->failAll = true;
        test::Named<QAction>(*form, "MenuCom11")->trigger();
        QCOMPARE(form.messages.size(), 1);
        const QStringList lines = form.messages[0].split(QLatin1Char('\n'));
        QCOMPARE(lines[0], QString::fromUtf8("Falscher COM-Anschlußes!"));
        QVERIFY(lines[1].startsWith(QStringLiteral("/dev/ttyACM0 wird von einem anderen Programm benutzt")));
        QVERIFY(form.messages[0].contains(QStringLiteral("ModemManager")));
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(ComMenuTest)
#include "com_menu_test.moc"
