#include "gui/app/ComMenu.h"
#include "gui/app/Dialogs.h"
#include "gui/app/MainForm.h"
#include "link/fake_discovery.h"
#include "link/mock_port.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

namespace {

// A window on an in-process port whose machine has the ports a test gives it.
struct Window {
    explicit Window(std::vector<DiscoveredPort> ports = {}, const StartOptions &options = {}) {
        auto mock = std::make_unique<test::MockPort>();
        auto fake = std::make_unique<test::FakeDiscovery>();
        port = mock.get();
        discovery = fake.get();
        discovery->ports = std::move(ports);
        form = std::make_unique<TMainForm>(options, std::move(mock), std::move(fake));
    }
    TMainForm *operator->() { return form.get(); }
    QStringList adapterCaptions() const {
        QStringList captions;
        for (QAction *item : form->ComMenu->adapterItems())
            captions << item->text();
        return captions;
    }
    test::MockPort *port;
    test::FakeDiscovery *discovery;
    std::unique_ptr<TMainForm> form;
};

} // namespace

class ComMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", settingsDir_->path().toUtf8());
        messages_.clear();
        Dialogs::messageHook = [this](const QString &text) { messages_ << text; };
    }

    void machineWithoutAdaptersSaysSoBelowTheNumbers() {
        Window form;
        const QList<QAction *> items = form->MenuCom->actions();
        QCOMPARE(items.size(), 31 + 2); // the numbers, Com Auto, a separator, the line below
        QCOMPARE(items[30]->text(), QStringLiteral("Com Auto"));
        QVERIFY(items[31]->isSeparator());
        QCOMPARE(items[32]->text(), QStringLiteral("No serial adapters found"));
        QVERIFY(!items[32]->isEnabled());
        form->SetLanguage(1);
        QCOMPARE(form.adapterCaptions(), QStringList{QStringLiteral("Keine seriellen Adapter gefunden")});
    }

    void adaptersAreListedWithWhatIsKnownOfThem() {
        Window form({test::Ftdi(), test::Uart()});
        QCOMPARE(form.adapterCaptions(),
                 (QStringList{QString::fromUtf8("FT232R USB UART, FTDI, A50285BI \u2014 ") +
                                  QString::fromStdString(test::FtdiById),
                              QStringLiteral("/dev/ttyS0")}));
        QAction *ftdi = form->ComMenu->adapterItems()[0];
        QCOMPARE(ftdi->statusTip(), QStringLiteral("/dev/ttyUSB3 = Com 4"));
        QCOMPARE(form->ComMenu->adapterItems()[1]->statusTip(), QStringLiteral("/dev/ttyS0 = Com 21"));
    }

    void choosingAnAdapterOpensItByItsStableNameAndTicksIt() {
        Window form({test::Ftdi()});
        form->ComMenu->adapterItems()[0]->trigger();
        QCOMPARE(form.port->opened.back(), test::FtdiById);
        QCOMPARE(form->LabelCom->text(), QStringLiteral("COM= ttyUSB3"));
        QCOMPARE(form->session().settings().portIndex, 3);
        for (QAction *item : form->ComMenuItems)
            QVERIFY(!item->isChecked());
        QVERIFY(form->ComMenu->adapterItems()[0]->isChecked());

        form->ComMenuItems[1]->trigger();
        QVERIFY(form->ComMenuItems[1]->isChecked());
        QVERIFY(!form->ComMenu->adapterItems()[0]->isChecked());
    }

    void listFollowsPluggingWhenTheMenuOpens() {
        Window form;
        form.discovery->ports = {test::Ftdi()};
        emit form->MenuCom->aboutToShow();
        QCOMPARE(form.adapterCaptions().size(), 1);
        QVERIFY(form.adapterCaptions()[0].startsWith(QStringLiteral("FT232R USB UART")));
        form->ComMenu->adapterItems()[0]->trigger();

        // Unplugged, the chosen adapter stays listed: the program waits for it.
        form.discovery->ports.clear();
        emit form->MenuCom->aboutToShow();
        QCOMPARE(form.adapterCaptions(),
                 QStringList{QString::fromStdString(test::FtdiById) + QStringLiteral(" (not plugged in)")});
        QVERIFY(form->ComMenu->adapterItems()[0]->isChecked());
    }

    void chosenAdapterIsKeptInTheSettings() {
        {
            Window form({test::Ftdi("/dev/ttyUSB1")});
            form->ComMenu->adapterItems()[0]->trigger();
            form->close();
        }
        QFile ini(settingsDir_->filePath(QStringLiteral("application.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("ComPort=2\r\n"));
        QVERIFY(text.contains("ComPortDevice=" + QByteArray::fromStdString(test::FtdiById) + "\r\n"));

        Window again({test::Ftdi("/dev/ttyUSB1")});
        QCOMPARE(again.port->opened, std::vector<std::string>{test::FtdiById});
        QVERIFY(again->ComMenu->adapterItems()[0]->isChecked());
    }

    void failedOpenTellsWhyInTheUsersLanguage() {
        Window form({}, StartOptions::Parse({QStringLiteral("DEUTSCH")}, {}));
        PortOpenFailure failure;
        failure.device = "/dev/ttyACM0";
        failure.errorNumber = EBUSY;
        form.port->failure = failure;
        form.port->failAll = true;
        form->ComMenuItems[10]->trigger();
        QCOMPARE(messages_.size(), 1);
        const QStringList lines = messages_[0].split(QLatin1Char('\n'));
        QCOMPARE(lines[0], QString::fromUtf8("Falscher COM-Anschlußes!"));
        QVERIFY(lines[1].startsWith(QStringLiteral("/dev/ttyACM0 wird von einem anderen Programm benutzt")));
        QVERIFY(messages_[0].contains(QStringLiteral("ModemManager")));
    }

private:
    std::unique_ptr<QTemporaryDir> settingsDir_;
    QStringList messages_;
};

QTEST_MAIN(ComMenuTest)
#include "com_menu_test.moc"
