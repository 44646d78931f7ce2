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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", m_root.path());
        QProcess install;
        install.setProcessEnvironment(env);
        QVERIFY2(run(install, CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", "/usr"}),
                 install.readAll());
    }

    void holdsEveryFile()
    {
        QStringList paths {"bin/tallyhold",
                           "bin/tallyhold-cli",
                           "share/doc/tallyhold/MainHelp.htm",
                           "share/doc/tallyhold/copyright",
                           "share/doc/tallyhold/changelog.gz",
                           "share/man/man1/tallyhold.1.gz",
                           "share/man/man1/tallyhold-cli.1.gz",
                           "share/applications/%1.desktop",
                           "share/metainfo/%1.metainfo.xml",
                           "share/icons/hicolor/scalable/apps/%1.svg"};
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            paths << QString("share/icons/hicolor/%1x%1/apps/").arg(size) + "%1.png";
        for (const QString& path : paths) {
            QFile file(installed(QString(path).replace("%1", APP_ID)));
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.size() > 0, qPrintable(file.fileName()));
            // A PNG's IHDR chunk holds the width and the height, big-endian, from byte 16.
            const QByteArray head = file.read(24);
            const int size = path.section('/', 3, 3).section('x', 0, 0).toInt();
            if (path.endsWith(".png"))
                QVERIFY2(head.mid(1, 3) == "PNG"
                             && qFromBigEndian<quint32>(head.constData() + 16) == quint32(size)
                             && qFromBigEndian<quint32>(head.constData() + 20) == quint32(size),
                         qPrintable(path));
        }
    }

    // The menu entry starts the installed program on a roster in the user's data directory.
    void menuEntryStartsWithTheUserRoster()
    {
        const QStringList command = QProcess::splitCommand(entry("Exec"));
        QVERIFY(!command.isEmpty() && command.first() == "tallyhold");
        QVERIFY(QFileInfo::exists(
            installed(QString("share/icons/hicolor/scalable/apps/%1.svg").arg(entry("Icon")))));
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(installed("bin/tallyhold"), command.mid(1));
        const QString roster = home.filePath("data/Quillmoor/Tallyhold/ClanRoster.mdb");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(roster) || program.state() == QProcess::NotRunning, 30000);
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        QVERIFY2(running, program.readAllStandardError().constData());
        QVERIFY(QFileInfo::exists(roster) && !QFileInfo::exists(home.filePath("ClanRoster.mdb")));
    }

    // The manual page's command list is made from the program's own: none can be left out.
    void manualListsEveryCommand()
    {
        QProcess help, page;
        QVERIFY(run(help, installed("bin/tallyhold-cli"), {"--help"}));
        QVERIFY(run(page, "gzip", {"-dc", installed("share/man/man1/tallyhold-cli.1.gz")}));
        const QString manual = QString::fromUtf8(page.readAll());
        const QString commands = QString::fromUtf8(help.readAll()).section("\n\n", 1, 1);
        const QRegularExpression words("^  ([a-z ]+[a-z])", QRegularExpression::MultilineOption);
        int found = 0;
        for (const QRegularExpressionMatch& match : words.globalMatch(commands)) {
            QVERIFY2(manual.contains("\\fB" + match.captured(1) + "\\fR"), qPrintable(match.captured(1)));
            ++found;
        }
        QVERIFY(found > 20);
    }

    // The menu entry and the AppStream metadata validate; CPack builds a package lintian passes.
    void validatesAndPackages()
    {
        const QString metainfo = installed(QString("share/metainfo/%1.metainfo.xml").arg(APP_ID));
        for (const QStringList& check : {QStringList {"desktop-file-validate", desktopEntry()},
                                         QStringList {"appstreamcli", "validate", "--no-net", metainfo}}) {
            if (QStandardPaths::findExecutable(check.first()).isEmpty()) {
                qWarning("%s is not installed (scripts/setup-debian.sh installs it)",
                         qPrintable(check.first()));
                continue;
            }
            QProcess process;
            QVERIFY2(run(process, check.first(), check.mid(1)), process.readAll());
        }
        for (const char* tool : {"dpkg-shlibdeps", "lintian"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(
                    QString("%1 is not installed (scripts/setup-debian.sh installs it)").arg(tool)));
        QTemporaryDir out;
        QProcess cpack, depends, lintian;
        QVERIFY2(run(cpack, CPACK_COMMAND, {"--config", BUILD_DIR "/CPackConfig.cmake", "-B", out.path()}),
                 cpack.readAll());
        const QString deb = out.filePath("tallyhold_" VERSION "_amd64.deb");
        QVERIFY(run(depends, "dpkg-deb", {"-f", deb, "Depends"}));
        const QByteArray found = depends.readAll();
        QVERIFY2(found.contains("libqt6widgets6") && found.contains("libqt6sql6-sqlite"), found.constData());
        const bool passed = run(lintian, "lintian", {deb});
        const QByteArray report = lintian.readAll();
        QVERIFY2(passed && !report.contains("\nE: ") && !report.startsWith("E: "), report.constData());
    }

private:
    QString installed(const QString& path) const { return m_root.filePath("usr/" + path); }
    QString desktopEntry() const { return installed(QString("share/applications/%1.desktop").arg(APP_ID)); }

    // A key of the installed menu entry.
    QString entry(const QString& key) const
    {
        QFile file(desktopEntry());
        file.open(QIODevice::ReadOnly | QIODevice::Text);
        const QStringList lines
            = QString::fromUtf8(file.readAll()).split('\n').filter(QRegularExpression("^" + key + "="));
        return lines.isEmpty() ? QString() : lines.first().section('=', 1);
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
