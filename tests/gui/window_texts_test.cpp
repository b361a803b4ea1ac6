#include "main_form_fixture.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

using namespace zarvex1;

namespace {

struct Row {
    const char *target;
    const char *english;
    const char *german;
    const char *czech;
};

// The menu captions as users must see them, letter for letter; buttons share their menu item's caption.
constexpr Row MenuRows[] = {
    {"MenuFile", "&File", "&Datei", "&Soubor"},
    {"MenuNew", "&New", "&Neu", "&Nový"},
    {"MenuNewActPage", "New for actual page", "Neu für aktual Seite", "&Nový pro aktuální záložku"},
    {"MenuOpen", "&Open", "&Öffnen", "&Otevřít"},
    {"MenuOpenExeDir", "Open from exe dir", "&Öffnen aue exe dir", "&Otevřít z exe dir"},
    {"MenuOpenActPage", "Open for actual page", "Öffnen für aktual Seite", "&Otevřít pro aktuální záložku"},
    {"MenuSave", "&Save", "&Speichern", "&Uložit"},
    {"MenuSaveExeDir", "Save to exe dir", "Speichern in exe dir", "Uložit do exe dir"},
    {"MenuPrint", "&Print", "&Drucken", "&Tisk"},
    {"MenuExit", "E&xit", "&Beenden", "&Konec"},
    {"MenuCom", "&Com", "&COM-Anschluß", "&Port"},
    {"MenuDevice", "&Ignition", "&Zündung", "&Zapalování"},
    {"MenuRead", "&Read", "&Lesen", "Čí&st"},
    {"ButtonRead", "&Read", "&Lesen", "Čí&st"},
    {"MenuVerify", "&Verify", "&Vergleichen", "&Verifikace"},
    {"BitBtnVerify", "&Verify", "&Vergleichen", "&Verifikace"},
    {"MenuProgram", "&Program", "&Programmieren", "&Programovat"},
    {"BitBtnProgram", "&Program", "&Programmieren", "&Programovat"},
    {"MenuTools", "Tools", "Werkzeuge", "Pomůcky"},
    {"MenuZpet", "Undo", "Zurück", "Zpět"},
    {"MenuZnovu", "Redo", "Wieder", "Znovu"},
    {"MenuInterpol", "Interpolation", "Interpolation", "Interpolace"},
    {"MenuLanguage", "&Language", "&Sprache", "&Jazyk"},
    {"MenuEnglish", "&English", "&Englisch - English", "&Anglicky - English"},
    {"MenuGerman", "&German - Deutsch", "&Deutsch", "&Německy - Deutsch"},
    {"MenuCzech", "&Czech - Česky", "&Tschechisch - Česky", "Če&sky"},
    {"MenuHelp", "&Help", "&Hilfe", "Nápoveda"},
    {"MenuContens", "&Contents...", "&Inhalt...", "Obsah"},
    {"MenuAbout", "&About...", "&Über Programm...", "&O programu..."},
};

QString Caption(TMainForm *form, const char *target) {
    const QString name = QString::fromLatin1(target);
    if (auto *menu = form->findChild<QMenu *>(name))
        return menu->title();
    if (auto *action = form->findChild<QAction *>(name))
        return action->text();
    if (auto *button = form->findChild<QAbstractButton *>(name))
        return button->text();
    return QStringLiteral("<no %1>").arg(name);
}

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT
private slots:
    void menuCaptionsAreTheTableLetterForLetter() {
        test::MainFormFixture form;
        // Switching back and forth leaves no caption of another language behind.
        for (int language : {1, 3, 0, 3, 1}) {
            form->SetLanguage(language);
            for (const Row &row : MenuRows) {
                const char *expected = language == 1 ? row.german : language == 3 ? row.czech : row.english;
                QCOMPARE(Caption(form.form.get(), row.target), QString::fromUtf8(expected));
            }
        }
    }

    void iconButtonsAreNamedByTheirCommand_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("statusHint");
        QTest::newRow("open en") << 0 << "SpeedButtonOpen"
                                 << "Open"
                                 << "Open file with parametrs";
        QTest::newRow("print de") << 1 << "SpeedButtonPrint"
                                  << "Drucken"
                                  << "Druck der Kenndaten";
        QTest::newRow("save cz") << 3 << "SpeedButtonSave" << QString::fromUtf8("Uložit")
                                 << QString::fromUtf8("Uložení parametrů do souboru");
        QTest::newRow("new cz") << 3 << "SpeedButtonNew" << QString::fromUtf8("Nový")
                                << QString::fromUtf8("Nastavení výchozích parametrů");
        // Undo and redo have no hint of their own: the caption serves.
        QTest::newRow("undo de") << 1 << "SpeedButtonZpet" << QString::fromUtf8("Zurück")
                                 << QString::fromUtf8("Zurück");
        QTest::newRow("redo cz") << 3 << "SpeedButtonZnovu"
                                 << "Znovu"
                                 << "Znovu";
    }
    void iconButtonsAreNamedByTheirCommand() {
        QFETCH(int, language);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, statusHint);
        test::MainFormFixture form;
        form->SetLanguage(language);
        auto *toolButton = form->findChild<QToolButton *>(button);
        QVERIFY(toolButton);
        QCOMPARE(toolButton->accessibleName(), name);
        QCOMPARE(toolButton->toolTip(), name);
        QCOMPARE(toolButton->statusTip(), statusHint);
    }
};

QTEST_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
