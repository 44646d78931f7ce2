#include "GuiTest.h"
#include "gui/MembersInfoTab.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"
#include "languages/Languages.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>

namespace {

// Names and numbers, the same in every language.
const QStringList SameEverywhere {"Tallyhold", "0", "1"};

// Every text the window and its dialogs show on their named controls, by control and kind.
QMap<QString, QString> shownTexts(const QList<QWidget*>& roots)
{
    QMap<QString, QString> texts;
    for (QWidget* root : roots) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : std::as_const(widgets)) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue;
            const auto add = [&](const QString& kind, QString text) {
                text.remove('&');
                if (!text.trimmed().isEmpty())
                    texts.insert(name + '.' + kind, text);
            };
            add("name", w->accessibleName());
            add("tip", w->toolTip());
            if (w->isWindow())
                add("title", w->windowTitle());
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                add("text", button->text());
            if (auto* label = qobject_cast<QLabel*>(w))
                add("text", label->text());
            if (auto* group = qobject_cast<QGroupBox*>(w))
                add("text", group->title());
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                add("placeholder", edit->placeholderText());
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    add("tab" + QString::number(i), tabs->tabText(i));
            if (auto* table = qobject_cast<QTableWidget*>(w))
                for (int i = 0; i < table->columnCount(); ++i)
                    if (table->horizontalHeaderItem(i))
                        add("column" + QString::number(i), table->horizontalHeaderItem(i)->text());
            if (auto* tree = qobject_cast<QTreeWidget*>(w))
                for (int i = 0; i < tree->columnCount(); ++i)
                    add("column" + QString::number(i), tree->headerItem()->text(i));
        }
        for (QAction* action : root->findChildren<QAction*>())
            if (!action->objectName().isEmpty() && !action->objectName().startsWith("qt_"))
                texts.insert(action->objectName() + ".text", action->text().remove('&'));
    }
    return texts;
}

// The window's texts after every tab has been opened, with its two dialogs'.
QMap<QString, QString> windowTexts(MainWindow& w)
{
    for (int tab = w.window.TabClan->count() - 1; tab >= 0; --tab)
        w.window.TabClan->setCurrentIndex(tab);
    QMap<QString, QString> texts = shownTexts({&w.window, w.window.options(), w.window.tzEdit()});
    for (QMenu* menu : w.window.menuBar()->findChildren<QMenu*>())
        if (!menu->objectName().isEmpty())
            texts.insert(menu->objectName() + ".title", menu->title().remove('&'));
    return texts;
}

// Who Show Available lists on Monday 12/07/2026 at the time typed (Ann plays 8 to 10 PM GMT, Bob
// 9 to 10 PM), after the week heatmap's label of 8 PM.
QStringList availableAt(const QString& time)
{
    MainWindow w({.userTimeZone = "GMT", .userDST = false, .timeGranularity = 60});
    const RecordKey alpha = w.roster.addDivision("Alpha");
    for (const auto& [name, start] : {std::pair {"Ann", 20}, std::pair {"Bob", 21}})
        w.roster.addSchedule(w.roster.addMember(alpha, 7, name),
                             {w.roster.addTimes(DateTime::fromTime(start, 0), DateTime::fromTime(22, 0))});
    w.session().refresh();
    w.showTab(frmTallyhold::Scheduling);
    SchedulingTab* tab = w.window.schedulingTab();
    tab->lstSchedules->selectAll();
    tab->txtMatchDate->setText("12/07/2026");
    tab->txtMatchTime->setText(time);
    Messages::clear();
    QTest::mouseClick(tab->cmdShowAvailable, Qt::LeftButton);
    auto* week = w.window.findChild<QTableWidget*>("grdWeek");
    const QTableWidgetItem* eight = week->rowCount() == 24 ? week->item(20, 0) : nullptr;
    return QStringList {eight ? eight->text() : QString()}
    + (Messages::shown().isEmpty() ? entryTexts(tab->lstAvailable) : boxes());
}

} // namespace

// The window in each complete language: the one the user chose, every named control's text translated,
// boxes and Qt's own buttons in German, and typed times meaning what they mean in English.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }

    // The system's language decides until the user chooses one; a region without a catalogue of
    // its own falls back to its language.
    void languageFollowsTheSystem_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German system") << ""
                                       << "de_AT"
                                       << "de";
        QTest::newRow("French system") << ""
                                       << "fr_CA"
                                       << "fr";
        QTest::newRow("Russian system") << ""
                                        << "ru_UA"
                                        << "ru";
        // Portugal's Portuguese falls back to the Brazilian catalogue.
        QTest::newRow("Portuguese system") << ""
                                           << "pt_PT"
                                           << "pt_BR";
        QTest::newRow("Japanese system") << ""
                                         << "ja_JP"
                                         << "";
        QTest::newRow("English chosen") << "en"
                                        << "de_DE"
                                        << "";
        QTest::newRow("French chosen") << "fr"
                                       << "en_US"
                                       << "fr";
        QTest::newRow("unknown saved") << "xx"
                                       << "fr_FR"
                                       << "fr";
    }
    void languageFollowsTheSystem()
    {
        QFETCH(QString, saved);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        Languages::save(saved);
        QLocale::setDefault(QLocale(system));
        QCOMPARE(Languages::chosen(), chosen);
        QLocale::setDefault(QLocale::c());
    }

    // Per complete catalogue: the words its speakers write as the English do, and what Options,
    // a refusal's box and Qt's own Cancel button say.
    void windowSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("sameWords");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("de") << "Deutsch"
                            << QStringList {"Status", "Name",   "Match",           "Matches",        "Links",
                                            "E-Mail", "System", "Clan / Division", "Export / Import"}
                            << QStringList {"Optionen", "Auswahlfehler",
                                            "Bitte zuerst ein Mitglied markieren!", "Abbrechen"};
        QTest::newRow("fr") << "Français" << QStringList {"Options",
                                                          "Match",
                                                          "Date",
                                                          "Description",
                                                          "Contact",
                                                          "Confirmation",
                                                          "Notes",
                                                          "Note",
                                                          "Dates",
                                                          "E-mail",
                                                          "Clan / Division",
                                                          "Clans / Divisions",
                                                          "Export / Import"}
                            << QStringList {"Options", "Erreur de sélection",
                                            "Sélectionnez d'abord un membre !", "Annuler"};
        QTest::newRow("es") << "Español" << QStringList {}
                            << QStringList {"Opciones", "Error de selección",
                                            "¡Primero selecciona un miembro!", "Cancelar"};
        QTest::newRow("ru") << "Русский" << QStringList {}
                            << QStringList {"Настройки", "Ошибка выбора", "Сначала выделите участника!",
                                            "Отмена"};
        QTest::newRow("pt_BR") << "Português (Brasil)" << QStringList {"Status"}
                               << QStringList {"Opções", "Erro de seleção", "Selecione um membro primeiro!",
                                               "Cancelar"};
        QTest::newRow("pl") << "Polski" << QStringList {"Status"}
                            << QStringList {"Opcje", "Błąd wyboru", "Najpierw zaznacz członka!", "Anuluj"};
    }
    void windowSpeaksTheChosenLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, sameWords);
        QFETCH(QStringList, expected);
        // Each row starts from the English program.
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        DateTime::setShown24Hour(false);
        Languages::save(QString());
        const QStringList english = availableAt("8:00 PM");
        QCOMPARE(english, QStringList({"08:00 PM", "Ann"}));
        QMap<QString, QString> before;
        {
            MainWindow w;
            before = windowTexts(w);
            // Options saves the choice with the other settings.
            frmOptions* options = w.window.options();
            // System, then every language built in.
            QCOMPARE(options->cmbLanguage->count(), Languages::builtIn().size() + 1);
            options->cmbLanguage->setCurrentIndex(options->cmbLanguage->findText(language));
            options->txtMaxResults->setText("10");
            options->cmbTZ->setEditText("GMT");
            Messages::clear();
            options->cmdSave->click();
            QCOMPARE(boxes(), QStringList());
            QVERIFY(!Languages::saved().isEmpty());
        }
        QVERIFY(before.size() > 250);

        Languages::install(*qApp);
        MainWindow w;
        const QMap<QString, QString> after = windowTexts(w);
        QStringList untranslated;
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (after.value(it.key()) == it.value() && !sameWords.contains(it.value())
                && !SameEverywhere.contains(it.value()))
                untranslated << it.key() + ": " + it.value();
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
        QCOMPARE(after.value("mnuOptions.text"), expected[0]);
        QCOMPARE(w.window.options()->cmbLanguage->currentText(), language);

        // Boxes in that language, Qt's own buttons too.
        w.showTab(frmTallyhold::MembersInfo);
        Messages::clear();
        QTest::mouseClick(w.window.findChild<MembersInfoTab*>()->cmdDeleteMember, Qt::LeftButton);
        QCOMPARE(onlyBox().title, expected[1]);
        QCOMPARE(onlyBox().text, expected[2]);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), expected[3]);

        // A 24-hour clock; either form typed means what the English 12-hour one does.
        QVERIFY(Languages::uses24HourClock());
        DateTime::setShown24Hour(true);
        const QStringList shown {"20:00", "Ann"};
        QCOMPARE(availableAt("20:00"), shown);
        QCOMPARE(availableAt("8:00 PM"), shown);
        // Unless the user chose the 12-hour one.
        Languages::saveClock(Languages::Clock::Hours12);
        QVERIFY(!Languages::uses24HourClock());
        Languages::saveClock(Languages::Clock::ByLanguage);
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_windowlanguages.moc"
