#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// What `cmake --install` and the Debian package deliver, checked in a DESTDIR install of this
// build tree; the validators and lintian are skipped, with a message, where not installed.
class tst_Install : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_root.path());
        install.setProcessEnvironment(env);
        QVERIFY2(run(install, QStringLiteral(CMAKE_COMMAND),
                     {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"),
                      QStringLiteral("/usr")}),
                 install.readAll().constData());
    }

    void holdsEveryFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("pixels");
        const QString id = QStringLiteral(APP_ID);
        for (const QString& path : {QStringLiteral("bin/tallyhold"), QStringLiteral("bin/tallyhold-cli"),
                                    QStringLiteral("share/doc/tallyhold/MainHelp.htm"),
                                    QStringLiteral("share/doc/tallyhold/copyright"),
                                    QStringLiteral("share/doc/tallyhold/changelog.gz"),
                                    QStringLiteral("share/man/man1/tallyhold.1.gz"),
                                    QStringLiteral("share/man/man1/tallyhold-cli.1.gz"),
                                    QStringLiteral("share/applications/%1.desktop"),
                                    QStringLiteral("share/metainfo/%1.metainfo.xml"),
                                    QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg")})
            QTest::newRow(qPrintable(QString(path).replace(QStringLiteral("%1"), id)))
                << QString(path).replace(QStringLiteral("%1"), id) << 0;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path = QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
            QTest::newRow(qPrintable(path)) << path << size;
        }
    }

    void holdsEveryFile()
    {
        QFETCH(QString, path);
        QFETCH(int, pixels);
        QFile file(installed(path));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY(file.size() > 0);
        if (pixels) {
            // A PNG's IHDR chunk holds the width and the height, big-endian, from byte 16.
            const QByteArray head = file.read(24);
            QCOMPARE(head.mid(1, 3), QByteArray("PNG"));
            QCOMPARE(qFromBigEndian<quint32>(head.constData() + 16), quint32(pixels));
            QCOMPARE(qFromBigEndian<quint32>(head.constData() + 20), quint32(pixels));
        }
    }

    // The menu entry's command starts the installed program on a roster in the user's data
    // directory, and its icon is the one installed.
    void menuEntryStartsWithTheUserRoster()
    {
        const QStringList command = QProcess::splitCommand(entry("Exec"));
        QVERIFY(!command.isEmpty());
        QCOMPARE(command.first(), QStringLiteral("tallyhold"));
        QVERIFY(QFileInfo::exists(
            installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(entry("Icon")))));

        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(installed(QStringLiteral("bin/tallyhold")), command.mid(1));
        const QString roster = home.filePath(QStringLiteral("data/Quillmoor/Tallyhold/ClanRoster.mdb"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(roster) || program.state() == QProcess::NotRunning, 30000);
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        QVERIFY2(running, program.readAllStandardError().constData());
        QVERIFY(QFileInfo::exists(roster));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("ClanRoster.mdb"))));
    }

    void validates_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << QStringLiteral("desktop-file-validate")
            << QStringList {
                   installed(QStringLiteral("share/applications/%1.desktop").arg(QStringLiteral(APP_ID)))};
        QTest::newRow("AppStream metadata")
            << QStringLiteral("appstreamcli")
            << QStringList {
                   QStringLiteral("validate"), QStringLiteral("--no-net"),
                   installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(QStringLiteral(APP_ID)))};
    }

    void validates()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        if (const QString missing = missingTool({validator}); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        QProcess process;
        QVERIFY2(run(process, validator, arguments), process.readAll().constData());
    }

    // CPack builds the package from this tree; lintian finds no error in it.
    void packagePassesLintian()
    {
        if (const QString missing
            = missingTool({QStringLiteral("dpkg-shlibdeps"), QStringLiteral("lintian")});
            !missing.isEmpty())
            QSKIP(qPrintable(missing));
        QTemporaryDir out;
        QProcess cpack;
        QVERIFY2(run(cpack, QStringLiteral(CPACK_COMMAND),
                     {QStringLiteral("--config"), QStringLiteral(BUILD_DIR "/CPackConfig.cmake"),
                      QStringLiteral("-B"), out.path()}),
                 cpack.readAll().constData());
        const QString deb = out.filePath(QStringLiteral("tallyhold_" VERSION "_amd64.deb"));
        QVERIFY2(QFileInfo::exists(deb), qPrintable(deb));

        QProcess depends;
        QVERIFY(
            run(depends, QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}));
        const QByteArray found = depends.readAll();
        QVERIFY2(found.contains("libqt6widgets6") && found.contains("libqt6sql6-sqlite"), found.constData());

        QProcess lintian;
        const bool passed = run(lintian, QStringLiteral("lintian"), {deb});
        const QByteArray report = lintian.readAll();
        QVERIFY2(passed && !report.contains("\nE: ") && !report.startsWith("E: "), report.constData());
    }

private:
    QString installed(const QString& path) const { return m_root.filePath(QStringLiteral("usr/") + path); }

    // A key of the installed menu entry.
    QString entry(const char* key) const
    {
        QFile file(installed(QStringLiteral("share/applications/%1.desktop").arg(QStringLiteral(APP_ID))));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        const QString prefix = QLatin1String(key) + QLatin1Char('=');
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        return {};
    }

    static QString missingTool(const QStringList& tools)
    {
        for (const QString& tool : tools) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return tool + QStringLiteral(" is not installed (scripts/setup-debian.sh installs it)");
        }
        return {};
    }

    static bool run(QProcess& process, const QString& program, const QStringList& arguments)
    {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        return process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
