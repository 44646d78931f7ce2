#include "roster/RosterLocation.h"

#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Where the window and tallyhold-cli find the roster: menu start, --roster, terminal start.
class tst_RosterLocation : public QObject
{
    Q_OBJECT

private slots:
    // Each case starts in a new working directory with no user data directory yet.
    void init()
    {
        m_temp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temp->isValid());
        m_dir.setPath(m_temp->path());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
    }

    void chooses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        // Whether the window title leaves the roster unnamed.
        QTest::addColumn<bool>("here");
        const QString data = "data/Quillmoor/Tallyhold/ClanRoster.mdb";
        QTest::newRow("terminal start") << QStringList {} << "ClanRoster.mdb" << true;
        QTest::newRow("menu start") << QStringList {"--user-roster"} << data << false;
        QTest::newRow("relative path") << QStringList {"--roster", "a/b.mdb"} << "a/b.mdb" << false;
        QTest::newRow("path wins over the menu")
            << QStringList {"--user-roster", "--roster=c.mdb"} << "c.mdb" << true;
        QTest::newRow("path without a name") << QStringList {"--roster="} << QString() << false;
        QTest::newRow("path of blanks") << QStringList {"--roster", "  "} << QString() << false;
    }

    void chooses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QFETCH(bool, here);
        QCommandLineParser parser;
        parser.addOptions(RosterLocation::options());
        QVERIFY2(parser.parse(QStringList {"tallyhold"} + arguments), qPrintable(parser.errorText()));

        const QString path = RosterLocation::fromCommandLine(parser);

        QCOMPARE(path, expected.isEmpty() ? QString() : m_dir.filePath(expected));
        // The user's data directory is made for a menu start, and only then.
        QCOMPARE(QFileInfo::exists(m_dir.filePath("data/Quillmoor/Tallyhold")),
                 arguments == QStringList {"--user-roster"});
        if (!path.isEmpty())
            QCOMPARE(RosterLocation::inWorkingDirectory(path), here);
    }

    void windowAndToolShareTheDataDirectory()
    {
        QCoreApplication::setOrganizationName("Quillmoor");
        QCoreApplication::setApplicationName("Tallyhold");
        const QString window = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName("tallyhold-cli");

        QCOMPARE(RosterLocation::dataDirectory(), window);
    }

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QDir m_dir;
};

QTEST_GUILESS_MAIN(tst_RosterLocation)
#include "tst_rosterlocation.moc"
