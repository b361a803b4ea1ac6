#include "window_fixture.h"

#include "core/mapeditor/EditorCommands.h"
#include "core/mapeditor/views/ChromeRenderer.h"
#include "core/pages/BikePageModel.h"
#include "core/pages/GearPageModel.h"
#include "core/pages/InputsPageModel.h"
#include "core/pages/MapPageModels.h"
#include "core/pages/MonitorPageStates.h"
#include "core/pages/PowerOutPageModel.h"
#include "core/pages/RacePageModel.h"
#include "core/pages/TestPageModel.h"
#include "core/texts/MessageTexts.h"
#include "core/texts/TextTableRows.h"
#include "core/texts/TextTables.h"
#include "core/texts/WindowCaptions.h"
#include "gui/mapeditor/MapEditorWidget.h"
#include "gui/pages/AdvancePage.h"
#include "gui/widgets/RadioGroup.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <variant>

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

// Control captions and list items whose three languages are fixed, letter for letter; -1 is the caption,
// -2 the whole item list.
struct ControlRow {
    const char *target;
    int item;
    const char *english;
    const char *german;
    const char *czech;
};

constexpr ControlRow ControlRows[] = {
    {"LabelSpojeni", -1, "No connection with PC", "Keine Verbindung zum PC", "Není spojení s PC"},
    {"CheckBoxProgHned", -1, "Programming after change", "Programmierung nach Änderung",
     "Programování po změně"},
    {"GroupBoxSpecial", -1, "Specification of synchronization - Caution - For experienced user only!",
     "Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!",
     "Popis synchronizace - Pozor - pouze pro zkušené uživatele!"},
    {"RadioGroupInput2", -1, "Multifunction input 2", "Multifunktionseingang 2", "Multifunkční vstup 2"},
    {"RadioGroupGearSystem", -1, "Determining of gear", "Gangbestimmung", "Určení rychlostního stupně"},
    {"ButtonTestIgn1", -1, "Cylinder 1", "Zylinder 1", "Válec 1"},
    {"GroupBoxMonInput", -1, "Input to ground", "Eingang zu Erde", "Vstup uzeměn"},
    {"ComboBoxBike", 0, "Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitstück, 1 oder 2 Geber)",
     "Klasika (1 výstupek, 1 nebo 2 snimače)"},
    {"ComboBoxBike", 6, "Special setting", "Sonderstellung", "Speciální nastavení"},
    {"RadioGroupInput2", -2,
     "Off\nKill switch\nBlocking\nClutch master\nRetard\nStart Limiter\n2 nd advance chart\nGear",
     "Aus\nNot Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer\n2.Vorzündung mappe\nGang",
     "Vypnut\nKill switch\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač\n2. mapa "
     "předstihu\nRychlostní stupeň"},
    {"RadioGroupGearSystem", 1, "Voltage", "Spannung", "Napětí"},
    {"RadioGroupGearSystem", 2, "Ration Rpm Speed", "Proportion Rpm Geschwindigkeit", "Poměr Rpm rychlost"},
    {"RadioGroupGearSystem", 3, "Automatic (Ratio Rpm Speed)", "Automatisch aus Rpm/Geschwindigkeit",
     "Automaticky z poměru RPM - rychlost"},
    {"RadioGroupGearSystem", 0, "No", "Keine ", "Není"},
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

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Stripped(QString text) {
    return text.remove(QLatin1Char('&')).trimmed();
}

// A caption table and the part of the window it is applied to.
struct ScopedTable {
    CaptionTable rows;
    QWidget *scope;
};

QList<ScopedTable> AllTables(TMainForm *form) {
    static const BikePageModel bike;
    static const InputsPageModel inputs;
    static const AdvancePageModel advance;
    static const ServoPageModel servo;
    static const PowerOutPageModel powerOut;
    static const GearPageModel gear;
    static const RacePageModel race;
    static const TestPageModel test;
    return {
        {MenuCaptions(), form},
        {MenuHints(), form},
        {WindowCaptions(), form},
        {bike.Captions(), test::Named<QWidget>(*form, PageNames[Page::Bike])},
        {inputs.Captions(), test::Named<QWidget>(*form, PageNames[Page::Inputs])},
        {SensorButtonCaptions(), test::Named<QWidget>(*form, PageNames[Page::Inputs])},
        {advance.Captions(), test::Named<QWidget>(*form, PageNames[Page::Advance])},
        {servo.Captions(), test::Named<QWidget>(*form, PageNames[Page::Servo])},
        {powerOut.Captions(), test::Named<QWidget>(*form, PageNames[Page::PowerOut])},
        {gear.Captions(), test::Named<QWidget>(*form, PageNames[Page::Gear])},
        {race.Captions(), test::Named<QWidget>(*form, PageNames[Page::Race])},
        {test.Captions(), test::Named<QWidget>(*form, PageNames[Page::Test])},
        {MonitorPageCaptions(), test::Named<QWidget>(*form, PageNames[Page::Monitor])},
    };
}

QList<QObject *> TargetsIn(QWidget *scope, std::string_view target) {
    const QString name = Utf8(target);
    QList<QObject *> found = scope->findChildren<QObject *>(name);
    if (scope->objectName() == name)
        found.prepend(scope);
    return found;
}

// What one control shows: its caption, hint and list items.
struct Shown {
    std::optional<QString> caption, tip, status;
    QMap<int, QString> items;
};

QTabWidget *TabOf(QWidget *page) {
    auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
}

Shown ShownBy(QObject *target) {
    Shown shown;
    if (auto *menu = qobject_cast<QMenu *>(target)) {
        shown.caption = menu->title();
        shown.tip = menu->menuAction()->toolTip();
        shown.status = menu->menuAction()->statusTip();
    } else if (auto *action = qobject_cast<QAction *>(target)) {
        shown.caption = action->text();
        shown.tip = action->toolTip();
        shown.status = action->statusTip();
    } else if (auto *widget = qobject_cast<QWidget *>(target)) {
        shown.tip = widget->toolTip();
        shown.status = widget->statusTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            shown.caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown.caption = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            shown.caption = box->title();
        else if (QTabWidget *tabs = TabOf(widget))
            shown.caption = tabs->tabText(tabs->indexOf(widget));
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                shown.items[i] = combo->itemText(i);
        if (auto *radio = qobject_cast<TRadioGroup *>(widget))
            for (int i = 0; i < radio->count(); ++i)
                shown.items[i] = radio->item(i)->text();
    }
    return shown;
}

// What the rows of every table make the controls show in a language, the later row over the earlier.
// Empty where a row names no control.
QHash<QObject *, Shown> Expected(TMainForm *form, int language, QStringList &missing) {
    QHash<QObject *, Shown> expected;
    for (const ScopedTable &table : AllTables(form)) {
        for (const CaptionRow &row : table.rows) {
            const QList<QObject *> targets = TargetsIn(table.scope, row.target);
            if (targets.isEmpty())
                missing << Utf8(row.target);
            const QString text = Utf8(row.in(language));
            for (QObject *target : targets) {
                Shown &e = expected[target];
                const qsizetype bar = text.indexOf(QLatin1Char('|'));
                switch (row.kind) {
                case CaptionKind::Caption:
                    e.caption = text;
                    break;
                case CaptionKind::Hint:
                    e.tip = bar < 0 ? text : text.left(bar);
                    e.status = bar < 0 ? text : text.mid(bar + 1);
                    break;
                case CaptionKind::Item:
                    e.items[row.item] = text;
                    break;
                case CaptionKind::Items: {
                    const QStringList items = text.split(QLatin1Char('\n'));
                    for (int i = 0; i < items.size(); ++i)
                        e.items[i] = items[i];
                    break;
                }
                }
            }
        }
    }
    return expected;
}

// Every text the window shows anywhere (captions, items, hints, accessible names, tab texts), by the
// control's place in the window; the hint line of the status bar is left out, it follows the pointer.
QMap<QString, QString> Snapshot(TMainForm *form) {
    QMap<QString, QString> texts;
    const QObject *hintLine = test::Named<QLabel>(*form, "StatusPanel0");
    std::function<void(QObject *, const QString &)> walk = [&](QObject *object, const QString &path) {
        if (object == hintLine)
            return;
        int unnamed = 0;
        for (QObject *child : object->children()) {
            const QString name =
                child->objectName().isEmpty()
                    ? QStringLiteral("#%1").arg(unnamed++) + QLatin1String(child->metaObject()->className())
                    : child->objectName();
            const QString here = path + QLatin1Char('/') + name;
            const Shown shown = ShownBy(child);
            if (shown.caption && !shown.caption->isEmpty())
                texts[here + QStringLiteral(":caption")] = *shown.caption;
            if (shown.tip && !shown.tip->isEmpty())
                texts[here + QStringLiteral(":tip")] = *shown.tip;
            if (shown.status && !shown.status->isEmpty())
                texts[here + QStringLiteral(":status")] = *shown.status;
            for (auto item = shown.items.begin(); item != shown.items.end(); ++item)
                texts[here + QStringLiteral(":item%1").arg(item.key())] = item.value();
            if (auto *widget = qobject_cast<QWidget *>(child)) {
                if (!widget->accessibleName().isEmpty())
                    texts[here + QStringLiteral(":name")] = widget->accessibleName();
                if (auto *tabs = qobject_cast<QTabWidget *>(widget))
                    for (int i = 0; i < tabs->count(); ++i)
                        texts[here + QStringLiteral(":tab%1").arg(i)] = tabs->tabText(i);
            }
            walk(child, here);
        }
    };
    walk(form, QString());
    texts[QStringLiteral("window title")] = form->windowTitle();
    return texts;
}

// The texts of a language and the English texts that have another text in it: shown in that language,
// such an English text is a leftover.
struct LanguageTexts {
    QSet<QString> own, englishOnly;
    void add(const QString &english, const QString &translated) {
        own << translated.trimmed();
        if (english.trimmed() != translated.trimmed())
            englishOnly << english.trimmed();
    }
};

LanguageTexts TextsOf(TMainForm *form, int language) {
    LanguageTexts texts;
    for (const ScopedTable &table : AllTables(form))
        for (const CaptionRow &row : table.rows) {
            const QStringList english = Utf8(row.in(Language::English)).split(QLatin1Char('\n'));
            const QStringList translated = Utf8(row.in(language)).split(QLatin1Char('\n'));
            for (int i = 0; i < english.size() && i < translated.size(); ++i)
                texts.add(english[i], translated[i]);
        }
    MessageTexts english, translated;
    english.FillMessageTexts(Language::English);
    translated.FillMessageTexts(language);
    for (int slot = 0; slot < MessageTexts::Count; ++slot)
        texts.add(QString::fromStdString(english[slot]), QString::fromStdString(translated[slot]));
    for (int table : {TextTableGeneral, TextTableEditor, TextTableMaps})
        for (const TextRow &row : TextTableRows(table))
            texts.add(Utf8(row.English()),
                      Utf8(row.texts[std::size_t(language)].empty() ? row.English()
                                                                    : row.texts[std::size_t(language)]));
    texts.englishOnly.remove(QString());
    // Texts that stand in English in every language: the About window's "OK", and the unit's state
    // on the message line, which the unit's protocol names so.
    for (const char *fixed : {"OK", "Not connected", "Programmed data error"})
        texts.englishOnly.remove(QString::fromLatin1(fixed));
    return texts;
}

// The texts a map editor draws: its sheet tabs or title, the axis names and values of its table.
QStringList EditorTexts(TTab *tab) {
    Scene scene;
    const EditorView view = tab->Editor().View();
    RenderBody(view, scene);
    RenderChrome(view, scene);
    QStringList texts;
    for (const DrawOp &op : scene.Ops())
        if (const auto *text = std::get_if<TextOp>(&op))
            texts << QString::fromStdString(text->text);
    return texts;
}

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT
private slots:
    void menuCaptionsAreTheTableLetterForLetter() {
        test::Window form{test::Scripted{}};
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
        test::Window form{test::Scripted{}};
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
        test::Window form(test::Scripted{StartOptions::Parse({QStringLiteral("CESKY")}, {})});
        QVERIFY(test::Named<QMenu>(*form, "MenuFile")->toolTipsVisible());
        // A menu tells its window of the item under the pointer as Qt's menus do.
        QVERIFY(test::Named<QAction>(*form, "MenuVerify")->showStatusText(form->menuBar()));
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel0")->text(),
                 QString::fromUtf8(
                     "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"));
        QVERIFY(test::Named<QAction>(*form, "MenuAbout")
                    ->showStatusText(form->menuBar())); // no hint: the panel empties
        QCOMPARE(test::Named<QLabel>(*form, "StatusPanel0")->text(), QString());
    }

    void controlCaptionsWithFixedTranslationsAreLetterForLetter() {
        test::Window form{test::Scripted{}};
        for (int language : {Language::Czech, Language::German, Language::English}) {
            form->SetLanguage(language);
            for (const ControlRow &row : ControlRows) {
                const QString expected = QString::fromUtf8(language == Language::German  ? row.german
                                                           : language == Language::Czech ? row.czech
                                                                                         : row.english);
                QObject *target = form->findChild<QObject *>(QString::fromLatin1(row.target));
                QVERIFY2(target, row.target);
                const Shown shown = ShownBy(target);
                if (row.item == -1)
                    QCOMPARE(shown.caption.value_or(QString()), expected);
                else if (row.item == -2)
                    QCOMPARE(QStringList(shown.items.values()).join(QLatin1Char('\n')), expected);
                else
                    QCOMPARE(shown.items.value(row.item), expected);
            }
        }
    }

    void everyTextOfTheWindowFollowsTheLanguageThereAndBack() {
        StartOptions options;
        options.steppedTicks = true;
        test::Window form(test::Scripted{options});
        TMainForm *window = form.form.get();
        window->resize(1000, 720);
        window->show();
        // Chosen list items stay through every switch; the Bike page is not loaded again meanwhile, so
        // its combo box keeps its position by the caption helper alone.
        ParameterImage &image = window->session().image();
        TakeValue(*BikePageModel().Row("ComboBoxBike", image), 3, image);
        window->session().ImageToPages();
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Inputs);
        TakeValue(*InputsPageModel().Row("RadioGroupInput2", image), 7, image);
        window->session().ImageToPages();
        auto *bikeList = window->findChild<QComboBox *>(QStringLiteral("ComboBoxBike"));
        auto *input2 = window->findChild<TRadioGroup *>(QStringLiteral("RadioGroupInput2"));
        QCOMPARE(bikeList->currentIndex(), 3);
        QCOMPARE(input2->itemIndex(), 7);
        const QMap<QString, QString> before = Snapshot(window);

        for (int language : {Language::German, Language::Czech, Language::English}) {
            window->SetLanguage(language);
            window->Timer1Timer(); // the map editors take the language with the tick
            QStringList wrong;
            const QHash<QObject *, Shown> expected = Expected(window, language, wrong);
            for (QString &name : wrong)
                name = QStringLiteral("no control ") + name;
            auto check = [&](QObject *target, const char *what, const std::optional<QString> &want,
                             const std::optional<QString> &have) {
                if (want && have != want)
                    wrong << QStringLiteral("%1 %2: \"%3\" instead of \"%4\"")
                                 .arg(target->objectName(), QLatin1String(what), have.value_or("-"), *want);
            };
            for (auto it = expected.begin(); it != expected.end(); ++it) {
                QObject *target = it.key();
                const Shown shown = ShownBy(target);
                // A column head may stand on two lines: the words are the caption's, the breaks the page's.
                const auto words = [](const std::optional<QString> &text) {
                    return text ? std::optional(text->simplified()) : std::nullopt;
                };
                check(target, "caption", words(it->caption), words(shown.caption));
                check(target, "tooltip", it->tip, shown.tip);
                check(target, "status tip", it->status, shown.status);
                for (auto item = it->items.begin(); item != it->items.end(); ++item)
                    check(target, "item", item.value(),
                          shown.items.contains(item.key()) ? std::optional(shown.items[item.key()])
                                                           : std::nullopt);
                // Screen readers and GUI automation find a control by the caption it shows.
                if (!it->caption)
                    continue;
                auto *label = qobject_cast<QLabel *>(target);
                if (label && label->buddy() && !qobject_cast<QComboBox *>(label->buddy()))
                    check(label->buddy(), "accessible name", Stripped(*it->caption),
                          label->buddy()->accessibleName());
                if (qobject_cast<QAbstractButton *>(target) || qobject_cast<QGroupBox *>(target))
                    check(target, "accessible name", Stripped(*it->caption),
                          QAccessible::queryAccessibleInterface(target)->text(QAccessible::Name));
            }
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
            // The language menu ticks the language; the message line's errors speak it.
            QCOMPARE(test::Named<QAction>(*window, "MenuEnglish")->isChecked(),
                     language == Language::English);
            QCOMPARE(test::Named<QAction>(*window, "MenuGerman")->isChecked(), language == Language::German);
            QCOMPARE(test::Named<QAction>(*window, "MenuCzech")->isChecked(), language == Language::Czech);
            QCOMPARE(QString::fromStdString(window->session().texts()[4]),
                     QString::fromUtf8(language == Language::German  ? "Programmier Fehler"
                                       : language == Language::Czech ? "Chyba programování"
                                                                     : "Program error!"));
            QCOMPARE(bikeList->currentIndex(), 3);
            QCOMPARE(input2->itemIndex(), 7);

            if (language == Language::English)
                continue;
            // Not one English text where the language has its own.
            const LanguageTexts texts = TextsOf(window, language);
            QStringList leftovers;
            auto look = [&](const QString &where, const QString &text) {
                for (const QString &line : text.split(QLatin1Char('\n')))
                    if (texts.englishOnly.contains(line.trimmed()) && !texts.own.contains(line.trimmed()))
                        leftovers << where + QStringLiteral(" = ") + line;
            };
            const QMap<QString, QString> shown = Snapshot(window);
            for (auto it = shown.begin(); it != shown.end(); ++it)
                look(it.key(), it.value());
            for (TTab *tab : window->findChildren<TTab *>())
                for (const QString &text : EditorTexts(tab))
                    look(tab->objectName(), text);
            QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char('\n'))));
            // Qt's own texts too: the buttons of a question, the key names in the menus.
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     language == Language::German ? QStringLiteral("Abbrechen")
                                                  : QString::fromUtf8("Zrušit"));
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

        // Back in English, the window is word for word as it was.
        const QMap<QString, QString> after = Snapshot(window);
        QStringList changed;
        for (auto it = before.begin(); it != before.end(); ++it)
            if (after.value(it.key()) != it.value())
                changed << QStringLiteral("%1: \"%2\" now \"%3\"")
                               .arg(it.key(), it.value(), after.value(it.key()));
        for (auto it = after.begin(); it != after.end(); ++it)
            if (!before.contains(it.key()))
                changed << QStringLiteral("%1: new \"%2\"").arg(it.key(), it.value());
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
    }

    void everyHintShowsOnTheHintLineWhileThePointerIsOverItsControl() {
        test::Window form(test::Scripted{StartOptions::Parse({QStringLiteral("DEUTSCH")}, {})});
        TMainForm *window = form.form.get();
        window->show();
        int hints = 0;
        for (const ScopedTable &table : AllTables(window))
            for (const CaptionRow &row : table.rows) {
                if (row.kind != CaptionKind::Hint)
                    continue;
                const QString hint = Utf8(row.in(Language::German));
                const QString status = hint.mid(hint.indexOf(QLatin1Char('|')) + 1);
                for (QObject *target : TargetsIn(table.scope, row.target)) {
                    auto *widget = qobject_cast<QWidget *>(target);
                    if (!widget || qobject_cast<QMenu *>(widget))
                        continue; // menus and their items: aMenuItemUnderThePointerShowsItsHintInTheStatusBar
                    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
                    QApplication::sendEvent(widget, &enter);
                    QCOMPARE(test::Named<QLabel>(*window, "StatusPanel0")->text(), status);
                    QEvent leave(QEvent::Leave);
                    QApplication::sendEvent(widget, &leave);
                    QCOMPARE(test::Named<QLabel>(*window, "StatusPanel0")->text(), QString());
                    ++hints;
                }
            }
        QCOMPARE(hints, 12); // the hint rows that are not menus: tool bar, its buttons and check box, pages
    }

    void mapEditorsTakeTheirKeyedTextsInTheLanguage() {
        StartOptions options = StartOptions::Parse({QStringLiteral("CESKY")}, {});
        options.steppedTicks = true;
        test::Window form(test::Scripted{options});
        TMainForm *window = form.form.get();
        window->resize(1000, 720);
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        test::Named<QTabWidget>(*window, "PageControl1")->setCurrentIndex(Page::Advance);
        window->Timer1Timer();
        TTab *tab =
            qobject_cast<TAdvancePage *>(test::Named<QWidget>(*window, PageNames[Page::Advance]))->TabAdvance;
        auto centre = [](const Rect &r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); };

        // The "+" of the toolbar tells what it does on the hint line.
        QTest::mouseMove(tab, centre(tab->Editor().Toolbar().Button(CommandPlus).rect));
        const QString increment = QString::fromUtf8("Zvětšit hodnotu vybraných buňek nebo aktuální hodnotu");
        QCOMPARE(tab->Hint(), increment);
        QCOMPARE(test::Named<QLabel>(*window, "StatusPanel0")->text(), increment);
        // A block offers its interpolation in the popup menu.
        QTest::mouseClick(tab, Qt::LeftButton, Qt::NoModifier, centre(tab->Editor().Layout().ItemRect(1, 1)));
        QTest::mouseClick(tab, Qt::LeftButton, Qt::ShiftModifier,
                          centre(tab->Editor().Layout().ItemRect(4, 3)));
        QTest::mouseClick(tab, Qt::RightButton, Qt::NoModifier,
                          centre(tab->Editor().Layout().ItemRect(2, 2)));
        QVERIFY(tab->PopupMenu());
        QStringList items;
        for (QAction *action : tab->PopupMenu()->actions())
            items << action->text();
        tab->PopupMenu()->close();
        QVERIFY2(items.contains(QStringLiteral("Interpolovat")),
                 qPrintable(items.join(QStringLiteral(", "))));
        QVERIFY(EditorTexts(tab).contains(QString::fromUtf8("Předstih 1")));
        QCOMPARE(QAccessible::queryAccessibleInterface(tab)->text(QAccessible::Name),
                 QString::fromUtf8("Předstih 1"));

        // German has no text of its own for "+": the English one stands; the sheets have theirs.
        window->SetLanguage(Language::German);
        // The German captions widen the window: the editor takes its new width before its buttons are found.
        QApplication::processEvents();
        window->Timer1Timer();
        QTest::mouseMove(tab, centre(tab->Editor().Toolbar().Button(CommandMinus).rect));
        QTest::mouseMove(tab, centre(tab->Editor().Toolbar().Button(CommandPlus).rect));
        QCOMPARE(tab->Hint(), QStringLiteral("Increment selection or actual value"));
        QVERIFY(EditorTexts(tab).contains(QString::fromUtf8("Vorzündung 2")));
        QCOMPARE(QAccessible::queryAccessibleInterface(tab)->text(QAccessible::Name),
                 QString::fromUtf8("Vorzündung 1"));
    }

    void iconButtonsAreNamedByTheirCommand_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("statusHint"); // tooltip and hint line
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
        test::Window form{test::Scripted{}};
        form->SetLanguage(language);
        auto *toolButton = form->findChild<QToolButton *>(button);
        QVERIFY(toolButton);
        QCOMPARE(toolButton->accessibleName(), name);
        QCOMPARE(toolButton->toolTip(), statusHint);
        QCOMPARE(toolButton->statusTip(), statusHint);
    }
};

#include "support/qt_test_main.h"
ZARVEX1_TEST_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
