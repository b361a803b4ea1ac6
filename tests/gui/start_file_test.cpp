#include "app/Dialogs.h"
#include "app/MainForm.h"
#include "files/ParameterFile.h"
#include "link/fake_discovery.h"
#include "link/mock_port.h"

#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zarvex1;

namespace {

std::unique_ptr<TMainForm> NewWindow(const QStringList &arguments) {
    return std::make_unique<TMainForm>(StartOptions::Parse(arguments, {}), std::make_unique<test::MockPort>(),
                                       std::make_unique<test::FakeDiscovery>());
}

} // namespace

// The file manager starts the program with the parameter file a user double-clicked.
class StartFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("ZARVEX1_SETTINGS_DIR", dir_->filePath(QStringLiteral("settings")).toUtf8());
        messages_.clear();
        Dialogs::messageHook = [this](const QString &text) { messages_ << text; };
    }

    void argumentsNameTheFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file"); // relative to the test folder; empty: none
        QTest::addColumn<int>("language");
        QTest::newRow("file") << QStringList{"@/tune.ign"} << "tune.ign" << 0;
        QTest::newRow("after the language") << QStringList{"CESKY", "@/tune.ign"} << "tune.ign" << 3;
        QTest::newRow("with a port") << QStringList{"--port", "/dev/pts/9", "@/a b.ign"} << "a b.ign" << 0;
        QTest::newRow("relative") << QStringList{"tune.ign"} << "tune.ign" << 0;
        QTest::newRow("language word in another case") << QStringList{"deutsch"} << "" << 0;
        QTest::newRow("language word later") << QStringList{"@/tune.ign", "DEUTSCH"} << "tune.ign" << 0;
    }
    void argumentsNameTheFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, language);
        arguments.replaceInStrings(QStringLiteral("@"), dir_->path());
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(dir_->path());
        const StartOptions options = StartOptions::Parse(arguments, {});
        QDir::setCurrent(cwd);
        QCOMPARE(options.parameterFile, file.isEmpty() ? QString() : dir_->filePath(file));
        QCOMPARE(options.language.value_or(0), language);
    }

    void fileOpensAsOpenDoes() {
        ParameterImage saved = FirstStartSet();
        saved.setWord(Adrw::SoftLimiter, 9350);
        LimitParameters(saved);
        const QString path = dir_->filePath(QStringLiteral("tune.ign"));
        QVERIFY(WriteParameterFile(saved, std::filesystem::path(path.toStdU16String())));

        auto form = NewWindow({QStringLiteral("DEUTSCH"), path});
        form->show();
        QTRY_COMPARE(QString::fromStdString(form->session().currentFile()), path);
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 9350);
        QVERIFY(form->windowTitle().endsWith(path));
        QCOMPARE(form->session().recentFiles().entry(0), path.toStdString());
        QVERIFY(form->session().undo().CanUndo()); // a commit, as after Open
        QCOMPARE(form->PageControl1->tabText(0), QStringLiteral("Motorrad"));
        QVERIFY(messages_.isEmpty());
    }

    void missingFileSaysSoAndKeepsTheParameters() {
        auto form = NewWindow({dir_->filePath(QStringLiteral("gone.ign"))});
        const ParameterImage before = form->session().image();
        form->show();
        QTRY_COMPARE(messages_, QStringList{QStringLiteral("Open file error!\nNo such file or directory")});
        QCOMPARE(form->session().image(), before);
        QCOMPARE(form->session().currentFile(), std::string());
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList messages_;
};

QTEST_MAIN(StartFileTest)
#include "start_file_test.moc"
