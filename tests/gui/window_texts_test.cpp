#include "main_form_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

// The hints of the menus and the tool bar; "|" parts a short hint (tooltip) from a long one (status bar).
constexpr Row HintRows[] = {
    {"MenuOpen", "Open file with parametrs", "Kenndatendatei öffnen", "Otevření souboru s parametry"},
    {"MenuNew", "Set default parametrs", "Neue Kenndatendaten erstellen", "Nastavení výchozích parametrů"},
    {"MenuSave", "Save parametrs to file", "Kenndaten in Datei speichern", "Uložení parametrů do souboru"},
    {"MenuPrint", "Print parametrs", "Druck der Kenndaten", "Tisk parametrů"},
    {"BitBtnProgram", "Programing  set parametrs to ignition", "Programmieren der Kenndaten auf die Zündbox",
     "Programování nastavených parametrů do zapalování"},
    {"MenuProgram", "Programing  set parametrs to ignition", "Programmieren der Kenndaten auf die Zündbox",
     "Programování nastavených parametrů do zapalování"},
    {"BitBtnVerify", "Compare set parametrs  with parametrs of ignition",
     "Vergleich der Kenndaten mit Zündboxkenndaten",
     "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"},
    {"MenuVerify", "Compare set parametrs  with parametrs of ignition",
     "Vergleich der Kenndaten mit Zündboxkenndaten",
     "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"},
    {"ButtonRead", "Reading parametrs from ignition", "Kenndaten aus Zündung lesen",
     "Čtení parametrů ze zapalování"},
    {"MenuRead", "Reading parametrs from ignition", "Kenndaten aus Zündung lesen",
     "Čtení parametrů ze zapalování"},
    {"MenuExit", "End of program", "Programm beenden", "Ukončení programu"},
    {"MenuLanguage", "Language|Set English or German or French", "Sprache",
     "Nastavení jazyka na angličtinu, češtinu nebo němčinu"},
    {"MenuEnglish", "Set English menu", "Set English menu", "Set English menu"},
    {"MenuGerman", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"},
    {"MenuCzech", "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"},
    {"CheckBoxProgHned", "Programing at once after change", "Programmmierung gleich nach der Änderung",
     "Programování ihned po změně"},
    {"MenuCom", "Set number of com", "Com-Anschluß festlegen", "Nastavení čísla serivého portu (Com) "},
};

// The tooltip and status text a hint gives.
std::pair<QString, QString> HintOf(TMainForm *form, const char *target) {
    const QString name = QString::fromLatin1(target);
    if (auto *menu = form->findChild<QMenu *>(name))
        return {menu->menuAction()->toolTip(), menu->menuAction()->statusTip()};
    if (auto *action = form->findChild<QAction *>(name))
        return {action->toolTip(), action->statusTip()};
    if (auto *widget = form->findChild<QWidget *>(name))
        return {widget->toolTip(), widget->statusTip()};
    return {};
}

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

    void hintsAreTheTableLetterForLetter() {
        test::MainFormFixture form;
        for (int language : {3, 1, 0}) {
            form->SetLanguage(language);
            for (const Row &row : HintRows) {
                const QString hint = QString::fromUtf8(language == 1   ? row.german
                                                       : language == 3 ? row.czech
                                                                       : row.english);
                const qsizetype bar = hint.indexOf(QLatin1Char('|'));
                const auto [tip, status] = HintOf(form.form.get(), row.target);
                QCOMPARE(tip, bar < 0 ? hint : hint.left(bar));
                QCOMPARE(status, bar < 0 ? hint : hint.mid(bar + 1));
            }
        }
    }

    void aMenuItemUnderThePointerShowsItsHintInTheStatusBar() {
        test::MainFormFixture form(StartOptions::Parse({QStringLiteral("CESKY")}, {}));
        QVERIFY(form->MenuFile->toolTipsVisible());
        // A menu tells its window of the item under the pointer as Qt's menus do.
        QVERIFY(form->MenuVerify->showStatusText(form->menuBar()));
        QCOMPARE(form->statusPanels[0]->text(),
                 QString::fromUtf8(
                     "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"));
        QVERIFY(form->MenuAbout->showStatusText(form->menuBar())); // no hint: the panel empties
        QCOMPARE(form->statusPanels[0]->text(), QString());
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
