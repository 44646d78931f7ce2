#include "SignupServer.h"
#include "roster/Roster.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <atomic>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <time.h>

// bench_signup [MEMBERS] [CLIENTS] [ROSTER]: every member of a fresh roster (default 200) opens
// their sign-up link and saves a week of their own, from CLIENTS parallel connections (default 16,
// each from an address of its own) to tallyhold-web's server on 127.0.0.1; then checks that every
// save is in the roster and prints the time taken and the latencies. The roster is a new file,
// or ROSTER: the address of an empty PostgreSQL database.
namespace {

struct Result
{
    int member = 0;
    double pageMs = 0;
    double saveMs = 0;
    int status = 0;
};

// Each member's own times: a Monday start to the minute that no other member has.
QString startOf(int member)
{
    return QStringLiteral("%1:%2").arg(member / 60 % 12 + 8).arg(member % 60, 2, 10, QLatin1Char('0'));
}

double percentile(QList<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty()
        ? 0
        : values[std::min<qsizetype>(values.size() - 1, qsizetype(share * values.size()))];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int members = qMax(1, app.arguments().value(1, QStringLiteral("200")).toInt());
    const int clients = qMax(1, app.arguments().value(2, QStringLiteral("16")).toInt());
    QTextStream out(stdout);
    QTemporaryDir dir;
    const Database store
        = Database::open(app.arguments().value(3, dir.filePath(QStringLiteral("ClanRoster.mdb"))));
    Roster roster(store, {});
    roster.addDivision({QStringLiteral("Alpha"), {}, false});
    QStringList tokens;
    QList<RecordKey> keys;
    for (int i = 0; i < members; ++i) {
        MemberForm form;
        form.playerName = QStringLiteral("Member %1").arg(i);
        form.divisionText = QStringLiteral("Alpha");
        form.zoneText = QStringLiteral("EST");
        keys << roster.addMember(form).key;
        tokens << roster.makeInvitation(keys.last()).token;
    }
    SignupServer server(roster, store);
    if (!server.start(QStringLiteral("127.0.0.1"), 0)) {
        out << "cannot listen on 127.0.0.1\n";
        return 1;
    }

    // Statements the roster thread sends, BEGIN and COMMIT included: each costs parsing, and on a
    // server a round trip.
    std::atomic_int statements {0};
    Database::setStatementHook([&statements](const QString&) { ++statements; });
    std::atomic_int next {0};
    std::mutex mutex;
    QList<Result> results;
    QElapsedTimer wall;
    wall.start();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", server.port());
            // Each client from an address of its own, as members are: the server caps the
            // connections of one address.
            client.set_interface("127.0.0." + std::to_string(c % 250 + 2));
            // As browsers do: a request's body is not held back until its headers are acknowledged.
            client.set_tcp_nodelay(true);
            for (int i; (i = next++) < members;) {
                Result result {i};
                const std::string path = "/m/" + tokens[i].toStdString();
                QElapsedTimer timer;
                timer.start();
                const httplib::Result page = client.Get(path);
                result.pageMs = double(timer.nsecsElapsed()) / 1e6;
                const QString csrf = page
                    ? QRegularExpression(QStringLiteral("name=\"csrf\" value=\"([^\"]+)\""))
                          .match(QString::fromStdString(page->body))
                          .captured(1)
                    : QString();
                const std::string body
                    = QStringLiteral("csrf=%1&zone=1&d0=1&d0s0=%2&d0s1=23:00&d4=1&d4s0=18:00&d4s1=22:00")
                          .arg(csrf, startOf(i))
                          .toStdString();
                timer.restart();
                const httplib::Result saved = client.Post(path, body, "application/x-www-form-urlencoded");
                result.saveMs = double(timer.nsecsElapsed()) / 1e6;
                result.status = saved ? saved->status : 0;
                const std::lock_guard lock(mutex);
                results << result;
                if (results.size() == members)
                    QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        });
    }
    // The roster's commands run here, as in tallyhold-web. Its CPU time is steadier than the wall
    // clock on a machine shared with other work.
    timespec cpuStart {}, cpuEnd {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuStart);
    QCoreApplication::exec();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuEnd);
    const double rosterCpuMs
        = double(cpuEnd.tv_sec - cpuStart.tv_sec) * 1e3 + double(cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e6;
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    for (std::thread& thread : threads)
        thread.join();
    server.stop();
    Database::setStatementHook({});
    const double perMember = double(statements) / members;

    int present = 0;
    QList<double> pages, saves;
    for (const Result& result : results) {
        pages << result.pageMs;
        saves << result.saveMs;
        const MemberForm form = roster.memberForEdit(keys[result.member]).form;
        const auto start = DateTime::parse(form.days[0].texts[DaySchedule::Slot1Start]);
        if (result.status == 303 && start && *start == *DateTime::parse(startOf(result.member))
            && form.days[4].checked)
            ++present;
    }
    out << QStringLiteral("%1 members, %2 clients on 127.0.0.1: %3 s, %4 saves/s\n")
               .arg(members)
               .arg(clients)
               .arg(seconds, 0, 'f', 2)
               .arg(members / seconds, 0, 'f', 1);
    out << QStringLiteral("saves present %1 of %2, lost %3\n")
               .arg(present)
               .arg(members)
               .arg(members - present);
    out << QStringLiteral("roster thread per member (page and save): %1 statements, %2 ms CPU\n")
               .arg(perMember, 0, 'f', 1)
               .arg(rosterCpuMs / members, 0, 'f', 2);
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("request"), -10)
               .arg(QStringLiteral("p50 ms"), 8)
               .arg(QStringLiteral("p95 ms"), 8)
               .arg(QStringLiteral("p99 ms"), 8)
               .arg(QStringLiteral("max ms"), 8);
    for (const auto& [name, values] :
         {std::pair {QStringLiteral("page"), pages}, std::pair {QStringLiteral("save"), saves}})
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(name, -10)
                   .arg(percentile(values, 0.50), 8, 'f', 1)
                   .arg(percentile(values, 0.95), 8, 'f', 1)
                   .arg(percentile(values, 0.99), 8, 'f', 1)
                   .arg(percentile(values, 1.0), 8, 'f', 1);
    return present == members ? 0 : 1;
}
