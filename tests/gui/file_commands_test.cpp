#include "named_controls.h"

#include "core/safety/RestorePoints.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/mock_port.h"

#include <QAction>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

namespace {

std::unique_ptr<TMainForm> NewWindow(const StartOptions &options = {}) {
    return std::make_unique<TMainForm>(options, std::make_unique<test::MockPort>());
}

void WriteText(const QString &path, const QByteArray &text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", dir_->filePath(QStringLiteral("settings")).toUtf8());
        messages_.clear();
        Dialogs::messageHook = [this](const QString &text) { messages_ << text; };
        Dialogs::askHook = [this](const QString &) { return answer_; };
        Dialogs::openHook = [this](const QString &start) {
            openStart_ = start;
            return chosen_;
        };
        Dialogs::saveHook = [this](const QString &start) {
            saveStart_ = start;
            return chosen_;
        };
        answer_ = QMessageBox::Yes;
    }

    // The rules of the file commands are the session's (tests/session); here the menus, dialogs and
    // caption around them.
    void saveAndOpenGoThroughTheirDialogs() {
        auto form = NewWindow();
        ParameterSession &session = form->session();
        session.image().setWord(Adrw::SoftLimiter, 9650);
        session.Commit();
        const ParameterImage saved = session.image();
        chosen_ = dir_->filePath(QStringLiteral("race.ign"));
        test::Named<QAction>(*form, "MenuSave")->trigger();
        QVERIFY(QFile::exists(chosen_));
        QVERIFY(form->windowTitle().endsWith(chosen_));

        session.image().setWord(Adrw::SoftLimiter, 7000);
        test::Named<QAction>(*form, "MenuOpen")->trigger();
        QCOMPARE(session.image(), saved);
        QCOMPARE(openStart_, chosen_); // F3 starts at the last used file
        QVERIFY(test::Named<QAction>(*form, "MenuZpet")->isEnabled());
        QVERIFY(messages_.isEmpty());
        // The edit Open replaced was neither saved nor programmed: a restore point keeps it.
        const RestorePointStore history(
            RestorePointStore::FolderBeside(dir_->filePath(QStringLiteral("settings")).toStdString()), false);
        const auto points = history.List();
        QCOMPARE(points.size(), std::size_t{1});
        QCOMPARE(RestorePointStore::ReadBack(points[0].path)->word(Adrw::SoftLimiter), std::uint16_t{7000});
    }

    void exeDirCommandsStartAtTheDefaultFile() {
        auto form = NewWindow();
        chosen_.clear();
        test::Named<QAction>(*form, "MenuOpenExeDir")->trigger();
        QCOMPARE(openStart_, form->defaultParameterPath());
        QVERIFY(form->defaultParameterPath().endsWith(QStringLiteral("data.ign")));
        test::Named<QAction>(*form, "MenuSaveExeDir")->trigger();
        QCOMPARE(saveStart_, form->defaultParameterPath());
    }

    void rejectedFileSaysSoInABox() {
        auto form = NewWindow();
        const ParameterImage before = form->session().image();
        chosen_ = dir_->filePath(QStringLiteral("other.ign"));
        WriteText(chosen_, "MORVANEL_KEY 98\r\nLIMITER 1000 2000 0 3000 4000\r\n");
        test::Named<QAction>(*form, "MenuOpen")->trigger();
        QCOMPARE(form->session().image(), before);
        QCOMPARE(messages_, QStringList{QStringLiteral("Unmatched version of *.ign file!")});
        QVERIFY(!test::Named<QAction>(*form, "MenuZpet")->isEnabled());
    }

    void newAsksInABoxAndForgetsTheFile() {
        auto form = NewWindow();
        chosen_ = dir_->filePath(QStringLiteral("a.ign"));
        test::Named<QAction>(*form, "MenuSave")->trigger();
        form->session().image().setWord(Adrw::SoftLimiter, 9000);
        form->session().Commit();

        answer_ = QMessageBox::Cancel;
        test::Named<QAction>(*form, "MenuNew")->trigger();
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 9000);

        answer_ = QMessageBox::Yes;
        test::Named<QAction>(*form, "MenuNewActPage")->trigger();
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 10800);
        QCOMPARE(form->windowTitle(), QStringLiteral("  ZARVEX1       "));
    }

    void dropLoadsTheFirstParameterFile() {
        auto form = NewWindow();
        auto other = NewWindow();
        other->session().image().setWord(Adrw::HardLimiter, 12345);
        const QString upper = dir_->filePath(QStringLiteral("UPPER.IGN"));
        chosen_ = upper;
        test::Named<QAction>(*other, "MenuSave")->trigger();
        QCOMPARE(form->DropFiles({QStringLiteral("a.txt"), QStringLiteral("ign"), upper}), true);
        QCOMPARE(form->session().image().word(Adrw::HardLimiter), 12345);
        QCOMPARE(form->DropFiles({QStringLiteral("notes.txt")}), false);
    }

    void recentFilesAreMenuItems() {
        auto form = NewWindow();
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << dir_->filePath(QStringLiteral("set %1.ign").arg(i));
            form->session().image().setWord(Adrw::SoftLimiter, 9000 + 100 * i);
            chosen_ = files.last();
            test::Named<QAction>(*form, "MenuSave")->trigger();
            test::Named<QAction>(*form, "MenuOpen")->trigger();
        }
        QVERIFY(test::Named<QAction>(*form, "MenuHistory1")->isVisible());
        QCOMPARE(test::Named<QAction>(*form, "MenuHistory2")->text(), QStringLiteral("2 set 0"));
        QVERIFY(!test::Named<QAction>(*form, "MenuHistory3")->isVisible());
        QVERIFY(test::Named<QAction>(*form, "MenuHistoryEnd")->isVisible());
        test::Named<QAction>(*form, "MenuHistory2")->trigger();
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 9000);
        QCOMPARE(QString::fromStdString(form->session().recentFiles().entry(0)), files[0]);
        QCOMPARE(test::Named<QAction>(*form, "MenuHistory1")->text(), QStringLiteral("1 set 2"));
    }

    void settingsSurviveARestart() {
        {
            auto form = NewWindow();
            form->session().settings().portIndex = 2;
            test::Named<QTabWidget>(*form, "PageControl1")->setCurrentIndex(Page::Gear);
            form->session().image().setWord(Adrw::SoftLimiter, 9100);
            form->close();
        }
        QFile ini(qEnvironmentVariable("ZARVEX1_SETTINGS_DIR") + QStringLiteral("/application.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("ComPort=3"));
        auto form = NewWindow();
        QCOMPARE(form->session().settings().portIndex, 2);
        QCOMPARE(form->ActivePageIndex(), int(Page::Gear));
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 9100);
    }

    void firstStartWithoutComPortUsesTheFirstPort() {
        auto form = NewWindow();
        QCOMPARE(form->session().settings().portIndex, 0);
        QCOMPARE(form->session().recentFiles().count(), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList messages_;
    QMessageBox::StandardButton answer_ = QMessageBox::Yes;
    QString chosen_, openStart_, saveStart_;
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
