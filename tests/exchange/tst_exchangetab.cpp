#include "TestRoster.h"
#include "WidgetTexts.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The "Export / Import" tab driven as a user would, with the dialogs answered by script.
class tst_ExchangeTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void exportThenImportIntoAnotherRoster();
    void exportNeedsASelection();
    void exportCancelledOrNotOverwritten_data();
    void exportCancelledOrNotOverwritten();
    void faultyImportIsAborted();
    void cancelledImportShowsNothing();

private:
    template<class T> static T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Opens the tab, which fills its list, and clicks the entries with these texts.
    static void selectForExport(frmTallyhold& window, const QStringList& names)
    {
        window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
        auto* list = control<QListWidget>(window, "lstExportDiv");
        for (const QString& name : names) {
            const auto items = list->findItems(name, Qt::MatchExactly);
            QCOMPARE(items.size(), 1);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
        }
    }
    static QStringList shownTexts()
    {
        QStringList result;
        for (const Messages::Shown& shown : Messages::shown())
            result << shown.text;
        return result;
    }
};

void tst_ExchangeTab::exportThenImportIntoAnotherRoster()
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("tallyhold-tab-%1.tlx").arg(QCoreApplication::applicationPid()));
    {
        TestRoster source;
        const int zone = source.addZone(QStringLiteral("Moon"), QStringLiteral("Lunar base"), 45, 0);
        const RecordKey alpha = source.addDivision(QStringLiteral("Alpha"));
        const RecordKey bravo = source.addDivision(QStringLiteral("Bravo"));
        source.addDivision(QStringLiteral("Charlie"));
        const RecordKey rook = source.addMember(alpha, zone, QStringLiteral("Rook"));
        source.addMember(bravo, 2, QStringLiteral("Knight"));
        source.addSchedule(rook,
                           {source.addTimes(DateTime::fromTime(19, 0), DateTime::fromTime(21, 0)),
                            std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt});

        frmTallyhold window(source.db(), Preferences());
        selectForExport(window, {QStringLiteral("Alpha"), QStringLiteral("Bravo")});
        Messages::scriptFileNames({path});
        QTest::mouseClick(control<QPushButton>(window, "cmdExport"), Qt::LeftButton);
        QCOMPARE(Messages::dialogTitles(), QStringList({QStringLiteral("Export File Name")}));
        QCOMPARE(shownTexts(), QStringList({QStringLiteral("Export Completed!")}));
        QCOMPARE(Messages::shown().first().title, QStringLiteral("Tallyhold"));
        QVERIFY(control<QProgressBar>(window, "pbar1")->isHidden());
    }

    TestRoster target;
    frmTallyhold window(target.db(), Preferences());
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    Messages::clear();
    Messages::scriptFileNames({path});
    QTest::mouseClick(control<QPushButton>(window, "cmdImport"), Qt::LeftButton);
    QFile::remove(path);
    QCOMPARE(Messages::dialogTitles(), QStringList({QStringLiteral("Import File Name")}));
    QCOMPARE(shownTexts(), QStringList({QStringLiteral("Import Completed!")}));
    const Messages::Shown completed = Messages::shown().first();
    QCOMPARE(completed.icon, Messages::Icon::None);
    QVERIFY2(completed.detail.contains(QStringLiteral("Divisions added: 2, already present: 0")),
             qPrintable(completed.detail));
    QVERIFY(completed.detail.contains(QStringLiteral("Members added: 2, already present: 0")));

    QCOMPARE(target.count(QStringLiteral("Divisions")), 2);
    QCOMPARE(target.count(QStringLiteral("Members")), 2);
    QCOMPARE(target.count(QStringLiteral("Schedules")), 1);
    QCOMPARE(target.count(QStringLiteral("Times")), 1);
    // Every list is refilled, the zone boxes too, so the new zone can be chosen at once.
    QCOMPARE(entryTexts(control<QListWidget>(window, "lstMembers")),
             QStringList({QStringLiteral("Alpha - Rook"), QStringLiteral("Bravo - Knight")}));
    QCOMPARE(entryTexts(control<QListWidget>(window, "lstExportDiv")),
             QStringList({QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    QCOMPARE(entryTexts(control<QListWidget>(window, "lstDivision")),
             QStringList({QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    auto* zones = window.TabClan->widget(frmTallyhold::AddEditMembers)
                      ->findChild<QComboBox*>(QStringLiteral("cmbTZ"));
    QVERIFY(zones);
    QVERIFY(!entryTexts(zones).filter(QStringLiteral("Moon")).isEmpty());
}

void tst_ExchangeTab::exportNeedsASelection()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    frmTallyhold window(roster.db(), Preferences());
    selectForExport(window, {});
    Messages::scriptFileNames({roster.filePath(QStringLiteral("x.tlx"))});
    QTest::mouseClick(control<QPushButton>(window, "cmdExport"), Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, QStringLiteral("Selection Error"));
    QCOMPARE(Messages::shown().first().text,
             QStringLiteral("You must make selection(s) from the list first!"));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
    QVERIFY(Messages::dialogTitles().isEmpty());
    QVERIFY(!QFile::exists(roster.filePath(QStringLiteral("x.tlx"))));
}

void tst_ExchangeTab::exportCancelledOrNotOverwritten_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("overwrite answered No") << false;
}

void tst_ExchangeTab::exportCancelledOrNotOverwritten()
{
    QFETCH(bool, cancel);
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    const QString path = roster.filePath(QStringLiteral("old.tlx"));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();

    frmTallyhold window(roster.db(), Preferences());
    selectForExport(window, {QStringLiteral("Alpha")});
    if (!cancel) {
        Messages::scriptFileNames({path});
        Messages::scriptAnswers({Messages::Answer::No});
    }
    QTest::mouseClick(control<QPushButton>(window, "cmdExport"), Qt::LeftButton);
    QCOMPARE(shownTexts(),
             cancel ? QStringList()
                    : QStringList({QStringLiteral("This Export File Already Exists... Overwrite?")}));
    if (!cancel) {
        QCOMPARE(Messages::shown().first().title, QStringLiteral("Export Function"));
        QCOMPARE(Messages::shown().first().buttons, Messages::Buttons::YesNo);
    }
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
}

void tst_ExchangeTab::faultyImportIsAborted()
{
    TestRoster roster;
    const QString path = roster.filePath(QStringLiteral("bad.tlx"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#Tallyhold exchange 2\r\n1|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|Alpha||0\r\n"
               "2|0x00112233445566778899AABBCCDDEEFF|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|1|Rook|1|||||\r\n");
    file.close();

    frmTallyhold window(roster.db(), Preferences());
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    Messages::scriptFileNames({path});
    QTest::mouseClick(control<QPushButton>(window, "cmdImport"), Qt::LeftButton);
    QCOMPARE(Messages::shown().size(), 1);
    const Messages::Shown aborted = Messages::shown().first();
    QCOMPARE(aborted.title, QStringLiteral("Import Aborted"));
    QCOMPARE(aborted.text, QStringLiteral("There is a problem with the format of the Import File!"));
    QCOMPARE(aborted.icon, Messages::Icon::Critical);
    QVERIFY2(aborted.detail.startsWith(QStringLiteral("Line 3: ")), qPrintable(aborted.detail));
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
    QCOMPARE(control<QListWidget>(window, "lstExportDiv")->count(), 0);
}

void tst_ExchangeTab::cancelledImportShowsNothing()
{
    TestRoster roster;
    frmTallyhold window(roster.db(), Preferences());
    QTest::mouseClick(control<QPushButton>(window, "cmdImport"), Qt::LeftButton);
    QCOMPARE(Messages::dialogTitles(), QStringList({QStringLiteral("Import File Name")}));
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(tst_ExchangeTab)
#include "tst_exchangetab.moc"
