#include "RosterGenerator.h"
#include "exchange/RosterExport.h"
#include "exchange/RosterImport.h"
#include "store/RosterError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

// Peak resident memory of this process so far, in MiB (Linux; 0 elsewhere).
double peakRssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// CPU time of this process so far, in ms: steadier than wall time on a busy machine.
qint64 cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

struct Timing
{
    qint64 wallMs = 0;
    qint64 cpuMs = 0;
    double peakRss = 0;
};

template<class Step> Timing measure(Step step)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu = cpuMs();
    step();
    return {timer.elapsed(), cpuMs() - cpu, peakRssMiB()};
}

} // namespace

// bench_exchange [MEMBERS [SEED]]: times the export of every division of a generated roster
// and the import of that file into a new roster. Prints a table; asserts nothing.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int members = args.size() > 1 ? args.at(1).toInt() : 10000;
    const quint32 seed = args.size() > 2 ? args.at(2).toUInt() : 1;
    if (members <= 0) {
        QTextStream(stderr) << "usage: bench_exchange [MEMBERS [SEED]]\n";
        return 2;
    }
    QTemporaryDir dir;
    try {
        const QString source = dir.filePath(QStringLiteral("source.mdb"));
        const auto summary = RosterGenerator::writeFile(source, members, seed);
        Database db = Database::open(source);
        QList<RecordKey> divisions;
        for (const QSqlRecord& row : db.all(QStringLiteral("SELECT DIV_PK FROM Divisions ORDER BY DIV_Name")))
            divisions << row.value(0).toByteArray();
        out << "roster: " << summary.members.size() << " members, " << divisions.size() << " divisions, "
            << summary.timesRows << " Times rows (seed " << seed << "); peak RSS after generating "
            << QString::number(peakRssMiB(), 'f', 1) << " MiB\n";

        const QString file = dir.filePath(QStringLiteral("roster.tlx"));
        const Timing exported = measure([&] { ExportDivisions(db, divisions, file); });
        db.close();
        Database target = Database::open(dir.filePath(QStringLiteral("target.mdb")));
        ImportResult result;
        const Timing imported = measure([&] { result = ImportFile(target, file); });
        target.close();

        const auto row
            = [&](const QString& step, const QString& wall, const QString& cpu, const QString& rss) {
                  out << step.leftJustified(8) << wall.rightJustified(9) << cpu.rightJustified(9)
                      << rss.rightJustified(14) << '\n';
              };
        row(QStringLiteral("step"), QStringLiteral("wall ms"), QStringLiteral("CPU ms"),
            QStringLiteral("peak RSS MiB"));
        for (const auto& [name, timing] :
             {std::pair {QStringLiteral("export"), exported}, {QStringLiteral("import"), imported}})
            row(name, QString::number(timing.wallMs), QString::number(timing.cpuMs),
                QString::number(timing.peakRss, 'f', 1));
        out << "file: " << QFileInfo(file).size() / 1024 << " KiB; imported " << result.membersAdded
            << " members, " << result.divisionsAdded << " divisions, " << result.zonesAdded << " zones\n";
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    return 0;
}
