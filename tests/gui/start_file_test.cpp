#include "named_controls.h"

#include "core/files/ParameterFile.h"
#include "gui/app/MainForm.h"
#include "gui/widgets/Dialogs.h"
#include "link/fake_discovery.h"
#include "link/mock_port.h"

#include <QAction>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

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
        QTest::newRow("language word in another case: a file") << QStringList{"Deutsch"} << "Deutsch" << 0;
        QTest::newRow("language word later: a file") << QStringList{"CESKY", "DEUTSCH"} << "DEUTSCH" << 3;
        QTest::newRow("second file") << QStringList{"@/tune.ign", "DEUTSCH"} << "tune.ign" << 0;
        QTest::newRow("after --") << QStringList{"--", "-x.ign"} << "-x.ign" << 0;
        QTest::newRow("-- after the language") << QStringList{"ENGLISH", "--", "--port"} << "--port" << 0;
        QTest::newRow("-- as a file after --") << QStringList{"--", "--"} << "--" << 0;
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
        QCOMPARE(QString::fromStdString(options.parameterFile.string()),
                 file.isEmpty() ? QString() : dir_->filePath(file));
        QCOMPARE(options.language.value_or(0), language);
    }

    // Options the program does not know are named, a file beginning with "-" among them (it follows --);
    // a second file is named as not opened.
    void unknownOptionsAndFurtherFilesAreNamed() {
        const StartOptions options = StartOptions::Parse(
            std::vector<std::string>{"-x.ign", "--bogus", "a.ign", "b.ign", "--new-instance"}, {});
        QVERIFY(options.newInstance);
        QCOMPARE(options.unknownOptions, (std::vector<std::string>{"-x.ign", "--bogus"}));
        QCOMPARE(options.ignoredFiles, std::vector<std::string>{"b.ign"});
        const std::vector<std::string> warnings = options.Warnings();
        QCOMPARE(warnings.size(), std::size_t{3});
        QVERIFY(QString::fromStdString(warnings[0]).contains(QStringLiteral("unknown option -x.ign")));
        QVERIFY(QString::fromStdString(warnings[2]).contains(QStringLiteral("b.ign is not opened")));
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
        QCOMPARE(test::Named<QTabWidget>(*form, "PageControl1")->tabText(0), QStringLiteral("Motorrad"));
        QVERIFY(messages_.isEmpty());
    }

    // A file that is no parameter set says so whichever way it is opened, and the set and the title stay;
    // the same set saved as Unicode by a Windows editor opens.
    void fileWithoutTheKeyWordSaysSoEveryWay() {
        ParameterImage saved = FirstStartSet();
        saved.setWord(Adrw::SoftLimiter, 9350);
        LimitParameters(saved);
        const QString good = dir_->filePath(QStringLiteral("good.ign"));
        const QString other = dir_->filePath(QStringLiteral("other.ign"));
        QVERIFY(WriteParameterFile(saved, good.toStdString()));
        QVERIFY(WriteParameterFile(FirstStartSet(), other.toStdString()));
        const QString notes = dir_->filePath(QStringLiteral("notes.ign"));
        {
            QFile f(notes);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("BIKE 2\n");
        }
        const QStringList expected{QStringLiteral("Kein Parametersatz (MORVANEL_KEY) in der Datei")};

        auto form = NewWindow({QStringLiteral("DEUTSCH"), notes});
        form->show();
        QTRY_COMPARE(messages_, expected); // the command line
        QCOMPARE(form->session().currentFile(), std::string());

        // Two good files make a recent-file entry; then every other way to open the notes.
        form->OpenNamedFile(other.toStdString());
        form->OpenNamedFile(good.toStdString());
        QVERIFY(messages_.size() == 1);
        const ParameterImage before = form->session().image();
        const QString title = form->windowTitle();
        QVERIFY(title.endsWith(good));
        QVERIFY(QFile::remove(other) && QFile::copy(notes, other));
        const std::vector<std::pair<const char *, std::function<void()>>> ways = {
            {"Open",
             [&] {
                 Dialogs::openHook = [&](const QString &) { return notes; };
                 form->findChild<QAction *>(QStringLiteral("MenuOpen"))->trigger();
                 Dialogs::openHook = nullptr;
             }},
            {"recent file", [&] { form->findChild<QAction *>(QStringLiteral("MenuHistory1"))->trigger(); }},
            {"drop", [&] { form->DropFiles({notes}); }},
            {"handed over", [&] { form->TakeHandOver(-1, notes.toStdString()); }},
        };
        for (const auto &[way, open] : ways) {
            messages_.clear();
            open();
            QVERIFY2(messages_ == expected, way);
            QVERIFY2(form->session().image() == before, way);
            QVERIFY2(form->windowTitle() == title, way);
        }

        // Saved as UTF-16 with its byte-order mark: it opens.
        const std::string text = WriteParameterFile(saved);
        QByteArray utf16("\xFF\xFE", 2);
        for (const char c : text)
            utf16.append(c).append('\0');
        const QString unicode = dir_->filePath(QStringLiteral("utf16.ign"));
        {
            QFile f(unicode);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(utf16);
        }
        const QString plain = dir_->filePath(QStringLiteral("plain.ign"));
        QVERIFY(WriteParameterFile(FirstStartSet(), plain.toStdString()));
        messages_.clear();
        form->OpenNamedFile(plain.toStdString());
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), FirstStartSet().word(Adrw::SoftLimiter));
        form->TakeHandOver(-1, unicode.toStdString());
        QCOMPARE(messages_, QStringList{});
        QCOMPARE(form->session().image().word(Adrw::SoftLimiter), 9350);
        QVERIFY(form->windowTitle().endsWith(unicode));
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

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(StartFileTest)
#include "start_file_test.moc"
