#include "TestRoster.h"
#include "WidgetTexts.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"

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
    void exportThenImportIntoAnotherRoster();

private:
    template<class T> static T* control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Clicks a button with the file dialog answered, and gives the texts of the boxes shown.
    static QStringList click(QWidget& window, const char* button, const QString& fileName,
                             const QList<Messages::Answer>& answers = {})
    {
        Messages::clear();
        Messages::scriptFileNames({fileName});
        Messages::scriptAnswers(answers);
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
        QStringList texts;
        for (const Messages::Shown& shown : Messages::shown())
            texts << shown.text;
        return texts;
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
        window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
        QCOMPARE(click(window, "cmdExport", path),
                 QStringList({QStringLiteral("You must make selection(s) from the list first!")}));
        QVERIFY(Messages::dialogTitles().isEmpty());
        // A click toggles an entry, as on screen.
        auto* list = control<QListWidget>(window, "lstExportDiv");
        for (const char* name : {"Alpha", "Bravo"}) {
            const QListWidgetItem* item = list->findItems(QLatin1String(name), Qt::MatchExactly).value(0);
            QVERIFY(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        }
        QCOMPARE(click(window, "cmdExport", path), QStringList({QStringLiteral("Export Completed!")}));
        QCOMPARE(Messages::dialogTitles(), QStringList({QStringLiteral("Export File Name")}));
        QVERIFY(control<QProgressBar>(window, "pbar1")->isHidden());
        // Answering No to the overwrite question keeps the file as it was.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray exported = file.readAll();
        file.close();
        source.addDivision(QStringLiteral("Delta"));
        QCOMPARE(click(window, "cmdExport", path, {Messages::Answer::No}),
                 QStringList({QStringLiteral("This Export File Already Exists... Overwrite?")}));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), exported);
    }

    TestRoster target;
    frmTallyhold window(target.db(), Preferences());
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    QCOMPARE(click(window, "cmdImport", path), QStringList({QStringLiteral("Import Completed!")}));
    QFile::remove(path);
    QCOMPARE(Messages::dialogTitles(), QStringList({QStringLiteral("Import File Name")}));
    const QString detail = Messages::shown().first().detail;
    QVERIFY2(detail.contains(QStringLiteral("Divisions added: 2, already present: 0")), qPrintable(detail));
    QVERIFY(detail.contains(QStringLiteral("Members added: 2, already present: 0")));
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
    QVERIFY(zones && !entryTexts(zones).filter(QStringLiteral("Moon")).isEmpty());
}

QTEST_MAIN(tst_ExchangeTab)
#include "tst_exchangetab.moc"
