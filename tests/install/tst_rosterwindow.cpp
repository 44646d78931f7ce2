#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "roster/Roster.h"
#include "store/Database.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The window on a roster here or elsewhere: its title, About Tallyhold, and the folders the
// export and import dialogs start in.
class tst_RosterWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Messages::setScripted(true);
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8"));
    }

    void followsTheRoster_data()
    {
        QTest::addColumn<bool>("here");
        QTest::newRow("roster in the working directory") << true;
        QTest::newRow("roster elsewhere") << false;
    }

    void followsTheRoster()
    {
        QFETCH(bool, here);
        QTemporaryDir rosterDir;
        QTemporaryDir workDir;
        QVERIFY(QDir::setCurrent(here ? rosterDir.path() : workDir.path()));
        const QString path = QDir(rosterDir.path()).filePath(QStringLiteral("ClanRoster.mdb"));
        Database db = Database::open(path);
        Roster roster(db, Preferences {});
        frmTallyhold window(roster);
        Messages::clear();

        QCOMPARE(window.windowTitle(),
                 here ? QStringLiteral("Tallyhold") : QStringLiteral("Tallyhold - ") + path);

        window.mnuAbout->trigger();
        QCOMPARE(Messages::shown().size(), 1);
        const Messages::Shown about = Messages::shown().first();
        QCOMPARE(about.title, QStringLiteral("About Tallyhold"));
        for (const QString& part : {QStringLiteral("Tallyhold 9.8"), QStringLiteral("Licence: "), path})
            QVERIFY2(about.text.contains(part), qPrintable(about.text));

        // The dialogs are cancelled; the folders they started in are made beside the roster.
        window.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        QCOMPARE(Messages::dialogTitles(), QStringList {QStringLiteral("Import File Name")});
        QVERIFY(QFileInfo(QDir(rosterDir.path()).filePath(QStringLiteral("Import"))).isDir());
        QVERIFY(!QFileInfo::exists(workDir.filePath(QStringLiteral("Import"))));
        db.close();
    }
};

QTEST_MAIN(tst_RosterWindow)
#include "tst_rosterwindow.moc"
