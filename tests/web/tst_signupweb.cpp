#include "PageLanguages.h"
#include "SignupServer.h"
#include "TestRoster.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <arpa/inet.h>
#include <future>
#include <httplib.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

// tallyhold-web over HTTP: a server on 127.0.0.1 and a free port for each test, requests sent
// from another thread while this one runs the roster's commands.
class tst_SignupWeb : public QObject
{
    Q_OBJECT

private slots:
    void pageShowsOnlyTheMember();
    void saveWritesTheWeekAndNothingElse();
    void refusedRequestsWriteNothing_data();
    void refusedRequestsWriteNothing();
    void changesThroughThePage_data();
    void changesThroughThePage();
    void answersThroughThePage_data();
    void answersThroughThePage();
    void calendarFeed_data();
    void calendarFeed();
    void savesArrivingTogether();
    void deadLinks_data();
    void deadLinks();
    void wrongLinksAreCountedPerClient_data();
    void wrongLinksAreCountedPerClient();
    void malformedRequestIsRefusedPlainly();
    void slowClientsDoNotStopOthers();
    void tlsOnTheSameTerms();
    void languageChoice_data();
    void languageChoice();
    void pageInTheBrowsersLanguage();
};

namespace {

struct Reply
{
    int status = 0;
    QString body;
    httplib::Headers headers;
};

// A roster with Ann and Zebedee in Alpha, each away once, a link for Ann, and a server on it.
struct Site
{
    Site()
    {
        const RecordKey alpha = roster.addDivision("Alpha");
        ann = roster.addMember(alpha, 1, "Ann");
        zebedee = roster.addMember(alpha, 1, "Zebedee");
        roster.db().exec("UPDATE Members SET MBR_Notes = 'secret notes' WHERE MBR_PK = ?", {zebedee});
        annAway = roster.session().addMemberChange(ann, {"2099-12-01", "2099-12-03", true, {}, "exams"});
        zebedeeAway = roster.session().addMemberChange(zebedee,
                                                       {"2099-12-24", "2099-12-26", true, {}, "secret trip"});
        token = roster.session().makeInvitation(ann).token;
        server.start("127.0.0.1", 0);
    }

    template<class Call> Reply send(Call call, int port = 0)
    {
        auto reply = std::async(std::launch::async, [&] {
            httplib::Client client("127.0.0.1", port ? port : server.port());
            const httplib::Result result = call(client);
            return result ? Reply {result->status, QString::fromStdString(result->body), result->headers}
                          : Reply {};
        });
        // The server runs its roster commands on this thread.
        while (reply.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return reply.get();
    }
    Reply get(const QString& path)
    {
        return send([&](httplib::Client& client) { return client.Get(path.toStdString()); });
    }
    Reply post(const QString& body, const QString& path = {},
               const char* type = "application/x-www-form-urlencoded")
    {
        const std::string target = (path.isEmpty() ? "/m/" + token : path).toStdString();
        return send([&](httplib::Client& client) { return client.Post(target, body.toStdString(), type); });
    }
    // A two-hour match on 12/12/2099 at 8:00 PM on the leader's clock.
    RecordKey plan(const QString& title, const QList<RecordKey>& members)
    {
        MatchForm form;
        form.at = "12/12/2099 8:00 PM";
        form.length = "120";
        form.title = title;
        form.members = members;
        return roster.session().planMatch(roster.session().viewpoint(), form);
    }
    QString csrf()
    {
        return QRegularExpression("name=\"csrf\" value=\"([^\"]+)\"")
            .match(get("/m/" + token).body)
            .captured(1);
    }

    TestRoster roster;
    SignupServer server {roster.session(), roster.db()};
    RecordKey ann, zebedee, annAway, zebedeeAway;
    QString token;
};

} // namespace

void tst_SignupWeb::pageShowsOnlyTheMember()
{
    Site site;
    // Logs carry no token: stderr goes to a file while the page is fetched.
    QTemporaryFile log;
    QVERIFY(log.open());
    const int saved = dup(2);
    dup2(log.handle(), 2);
    const Reply reply = site.get("/m/" + site.token);
    // The line is written once the reply is out.
    QTRY_VERIFY(QFile(log.fileName()).size() > 0);
    dup2(saved, 2);
    close(saved);
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.body.contains(
        "<dd id=\"player\">Ann</dd><dt>Clan / Division</dt><dd id=\"division\">Alpha</dd>"));
    QVERIFY(reply.body.contains("<option value=\"1\" selected>EST - Eastern</option>"));
    QVERIFY(!reply.body.contains("Zebedee") && !reply.body.contains("secret"));
    QFile written(log.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray logged = written.readAll();
    QVERIFY(logged.contains("GET /m/... 200") && !logged.contains(site.token.toLatin1()));
    for (const Reply& any : {reply, site.get("/"), site.get("/static/signup.js"), site.post("x=1")}) {
        QVERIFY(httplib::detail::get_header_value(any.headers, "Content-Security-Policy", 0, "")
                == std::string("default-src 'none'; style-src 'self'; script-src 'self'; form-action 'self'; "
                               "base-uri 'none'; frame-ancestors 'none'"));
        QCOMPARE(httplib::detail::get_header_value(any.headers, "X-Content-Type-Options", 0, ""), "nosniff");
    }
}

void tst_SignupWeb::saveWritesTheWeekAndNothingElse()
{
    Site site;
    const QStringList zebedee = site.roster.rows().filter("Zebedee");
    // Fields the page does not have are ignored, whoever they name.
    const QString body = "csrf=" + site.csrf()
        + "&zone=1&d1=1&d1s0=20%3A00&d1s1=11%3A00+PM&d5s0=9:00&name=Mallory"
        + "&member=" + KeyToHex(site.zebedee) + "&MBR_Notes=x&division=Beta";
    const Reply reply = site.post(body);
    QCOMPARE(reply.status, 303);
    QCOMPARE(httplib::detail::get_header_value(reply.headers, "Location", 0, ""),
             ("/m/" + site.token + "?saved=1").toStdString());
    const MemberEdit ann = site.roster.session().memberForEdit(site.ann);
    QCOMPARE(ann.form.playerName, "Ann");
    QCOMPARE(ann.form.zoneKey, std::optional<int>(1));
    QCOMPARE(ann.form.days[1].texts, (std::array<QString, 4> {"08:00 PM", "11:00 PM", "", ""}));
    // An unticked day keeps nothing of what was typed in it.
    QVERIFY(!ann.form.days[5].checked);
    QCOMPARE(site.roster.rows().filter("Zebedee"), zebedee);
    const Reply page = site.get("/m/" + site.token + "?saved=1");
    QVERIFY(page.body.contains("Saved.")
            && page.body.contains("<input type=\"time\" name=\"d1s0\" id=\"d1s0\" value=\"20:00\""));
}

void tst_SignupWeb::refusedRequestsWriteNothing_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown"); // beside the field it concerns, when there is one
    QTest::newRow("end equals start")
        << "zone=1&d1=1&d1s0=20:00&d1s1=20:00"
        << "" << 422
        << "id=\"d1s1\" value=\"20:00\" aria-label=\"Tuesday slot 1 end\" "
           "aria-invalid=\"true\" aria-describedby=\"error\" autofocus></p>\n<p class=\"slot\">";
    QTest::newRow("half a second slot")
        << "zone=1&d0=1&d0s0=7:00&d0s1=8:00&d0s2=9:00"
        << "" << 422
        << "You must fill in both times of the second Time Slot, or leave both empty!</p>\n</fieldset>";
    QTest::newRow("not a time") << "zone=1&d0=1&d0s0=7:00&d0s1=25:00"
                                << "" << 422 << "This field must be in a valid time format!  HH:MM AM/PM";
    QTest::newRow("no zone")
        << "zone=&d0=1"
        << "" << 422 << "</select></p>\n<p class=\"error\" id=\"error\" role=\"alert\">For proper scheduling";
    QTest::newRow("zone not in the roster") << "zone=77"
                                            << "" << 422 << "Make sure that the new Member's Time Zone";
    QTest::newRow("no form token") << "nocsrf"
                                   << "" << 403 << "This page is out of date.";
    QTest::newRow("not a form") << "zone=1"
                                << "application/json" << 415 << "Open the link you were given.";
    QTest::newRow("over 8 KiB") << "zone=1&d0s0=" + QString(9 * 1024, 'x') << "" << 413
                                << "<h1>Too large</h1>";
    QTest::newRow("over 8 KiB, not a form")
        << "zone=1&d0s0=" + QString(9 * 1024, 'x') << "application/json" << 413 << "<h1>Too large</h1>";
    QTest::newRow("just under 8 KiB") << "zone=1&d0=1&d0s0=7:00&d0s1=" + QString(8000, '9') << "" << 422
                                      << "This field must be in a valid time format!";
}

void tst_SignupWeb::refusedRequestsWriteNothing()
{
    QFETCH(QString, fields);
    QFETCH(QString, type);
    QFETCH(int, status);
    QFETCH(QString, shown);
    Site site;
    const QStringList before = site.roster.rows();
    const QString body
        = fields == "nocsrf" ? "zone=1&d0=1&d0s0=7:00&d0s1=8:00" : "csrf=" + site.csrf() + "&" + fields;
    const Reply reply = site.post(
        body, {}, type.isEmpty() ? "application/x-www-form-urlencoded" : type.toLatin1().constData());
    QCOMPARE(reply.status, status);
    QVERIFY2(reply.body.contains(shown), qPrintable(reply.body));
    QCOMPARE(site.roster.rows(), before);
}

void tst_SignupWeb::changesThroughThePage_data()
{
    QTest::addColumn<QString>("fields"); // {own} and {other}: Ann's and Zebedee's change keys
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown"); // in the page answered, or the one redirected to
    QTest::addColumn<QStringList>("changes"); // Ann's afterwards
    const QString exams = "Away 12/01/2099 – 12/03/2099: exams";
    QTest::newRow("away range") << "what=change&first=2099-12-24&last=2099-12-26&away=1&note=holiday" << 303
                                << "role=\"status\">Added.</p>"
                                << QStringList {exams, "Away 12/24/2099 – 12/26/2099: holiday"};
    QTest::newRow("times instead, one day")
        << "what=change&first=2099-12-11&last=&away=0&c0=22:00&c1=01:00&c2=&c3=&note=late" << 303
        << "<span class=\"text\">12/11/2099: 10:00 PM – 01:00 AM: late</span>"
        << QStringList {exams, "12/11/2099: 10:00 PM – 01:00 AM: late"};
    QTest::newRow("note is escaped") << "what=change&first=2099-12-05&note=%3Cb%3E%22x" << 303
                                     << "Away 12/05/2099: &lt;b&gt;&quot;x</span>"
                                     << QStringList {exams, "Away 12/05/2099: <b>\"x"};
    QTest::newRow("overlap") << "what=change&first=2099-12-03&last=2099-12-04&note=trip" << 422
                             << "These dates overlap another change: " + exams
            + ".</p>\n<p class=\"dates\"><label><span>First date</span> <input type=\"date\" name=\"first\" "
              "id=\"first\" value=\"2099-12-03\">"
                             << QStringList {exams};
    QTest::newRow("last before first")
        << "what=change&first=2099-12-05&last=2099-12-04" << 422
        << "The last date must not be before the first." << QStringList {exams};
    QTest::newRow("times missing") << "what=change&first=2099-12-05&away=0" << 422
                                   << "Type the times played on those dates, or choose Away."
                                   << QStringList {exams};
    QTest::newRow("no first date") << "what=change&first=&last=2099-12-05" << 422
                                   << "The first date must be filled!" << QStringList {exams};
    QTest::newRow("wrong form token")
        << "csrf=x&what=change&first=2099-12-05" << 403 << "This page is out of date." << QStringList {exams};
    QTest::newRow("remove own") << "what=remove&change={own}" << 303 << "id=\"no-changes\">None.</p>"
                                << QStringList();
    QTest::newRow("remove another member's")
        << "what=remove&change={other}" << 404 << "<h1>This link is no longer valid</h1>"
        << QStringList {exams};
    QTest::newRow("remove, not a key")
        << "what=remove&change=1" << 404 << "<h1>This link is no longer valid</h1>" << QStringList {exams};
    QTest::newRow("remove, wrong form token")
        << "csrf=x&what=remove&change={own}" << 403 << "This page is out of date." << QStringList {exams};
    QTest::newRow("remove, gone")
        << "what=remove&change=" + GuidDigits() << 422
        << "id=\"change-error\" role=\"alert\">That change was removed in the meantime."
        << QStringList {exams};
    QTest::newRow("over 8 KiB") << "what=change&first=2099-12-05&note=" + QString(9 * 1024, 'x') << 413
                                << "<h1>Too large</h1>" << QStringList {exams};
}

void tst_SignupWeb::changesThroughThePage()
{
    QFETCH(QString, fields);
    QFETCH(int, status);
    QFETCH(QString, shown);
    QFETCH(QStringList, changes);
    Site site;
    const QStringList before = site.roster.rows();
    fields.replace("{own}", KeyToHex(site.annAway)).replace("{other}", KeyToHex(site.zebedeeAway));
    Reply reply = site.post(fields.startsWith("csrf=") ? fields : "csrf=" + site.csrf() + "&" + fields);
    QCOMPARE(reply.status, status);
    if (status == 303) {
        const QString location
            = QString::fromStdString(httplib::detail::get_header_value(reply.headers, "Location", 0, ""));
        QVERIFY(location.endsWith("#changes"));
        reply = site.get(location.section('#', 0, 0));
    }
    QVERIFY2(reply.body.contains(shown), qPrintable(reply.body));
    QStringList texts;
    for (const MemberChange& change : site.roster.session().memberChanges(site.ann))
        texts << change.text();
    QCOMPARE(texts, changes);
    QCOMPARE(site.roster.session().memberChanges(site.zebedee).size(), 1);
    // Only a change written is noted as the link's save; a refusal writes nothing at all.
    QCOMPARE(site.roster.session().invitations(site.ann).first().lastSaved.isValid(), status == 303);
    if (status != 303)
        QCOMPARE(site.roster.rows(), before);
}

void tst_SignupWeb::answersThroughThePage_data()
{
    QTest::addColumn<QString>("fields"); // {key}: the match's, Ann's own unless the row names another
    QTest::addColumn<QString>("match"); // Ann's "open" match, or "cancelled", "started", "zebedee", "gone"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown"); // in the page answered, or the one redirected to
    QTest::addColumn<QString>("stored"); // Ann's answer and note afterwards
    QTest::newRow("yes with a note")
        << "answer=yes&note=after+work"
        << "open" << 303 << "Your answer: <strong>Yes</strong> · after work</p>\n<p class=\"saved\""
        << "yes:after work";
    QTest::newRow("maybe") << "answer=maybe"
                           << "open" << 303 << "value=\"maybe\" id=\"maybe-{key}\" aria-pressed=\"true\""
                           << "maybe:";
    QTest::newRow("late, note escaped") << "answer=late&note=%3Cb%3E%22x"
                                        << "open" << 303 << "<strong>Late</strong> · &lt;b&gt;&quot;x</p>"
                                        << "late:<b>\"x";
    QTest::newRow("no") << "answer=no"
                        << "open" << 303 << "<strong>No</strong>"
                        << "no:";
    QTest::newRow("note too long") << "answer=yes&note=" + QString(501, 'x') << "open" << 422
                                   << "The note may hold at most 500 characters.</p>\n<form method=\"post\" "
                                   << "none:";
    QTest::newRow("cancelled")
        << "answer=yes"
        << "cancelled" << 422
        << "This match was cancelled. It can no longer be answered.</p>\n<p class=\"error\" "
           "id=\"answer-error\" role=\"alert\">&quot;Training&quot; was cancelled; it "
           "cannot be answered.</p>\n</article>"
        << "none:";
    QTest::newRow("started")
        << "answer=yes"
        << "started" << 422
        << "This match has started. It can no longer be answered.</p>\n<p class=\"error\" "
           "id=\"answer-error\" role=\"alert\">&quot;Warm-up&quot; has started; it "
           "cannot be answered any more.</p>\n</article>"
        << "none:";
    QTest::newRow("wrong form token") << "csrf=x&answer=yes"
                                      << "open" << 403 << "This page is out of date."
                                      << "none:";
    QTest::newRow("another member's match") << "answer=yes"
                                            << "zebedee" << 404 << "<h1>This link is no longer valid</h1>"
                                            << "none:";
    QTest::newRow("not a key") << "answer=yes&match=1"
                               << "open" << 404 << "<h1>This link is no longer valid</h1>"
                               << "none:";
    QTest::newRow("not an answer") << "answer=none"
                                   << "open" << 400 << "<h1>Not understood</h1>"
                                   << "none:";
    QTest::newRow("match gone")
        << "answer=yes"
        << "gone" << 422
        << "</p>\n<p class=\"error\" id=\"answer-error\" role=\"alert\">That match was "
           "deleted in the meantime.</p>"
        << "none:";
}

void tst_SignupWeb::answersThroughThePage()
{
    QFETCH(QString, fields);
    QFETCH(QString, match);
    QFETCH(int, status);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    Site site;
    Roster& session = site.roster.session();
    const RecordKey open = site.plan("Cup <final>", {site.ann, site.zebedee});
    const QHash<QString, RecordKey> keys {
        {"open", open},
        {"cancelled", site.plan("Training", {site.ann})},
        {"started", site.plan("Warm-up", {site.ann})},
        {"zebedee", site.plan("Secret", {site.zebedee})},
        {"gone", HexToKey(GuidDigits())},
    };
    session.cancelMatch(keys["cancelled"]);
    // Begun ten minutes ago, over in two hours: still listed, no longer answered.
    site.roster.db().exec(
        "UPDATE Matches SET MCH_Start = ? WHERE MCH_PK = ?",
        {DateTime::fromSeconds(QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero - 600)
             .toStorageText(),
         keys["started"]});
    const RecordKey key = keys[match];
    const QStringList before = site.roster.rows();
    const QString body = (fields.startsWith("csrf=") ? QString() : "csrf=" + site.csrf() + "&")
        + "what=answer&" + (fields.contains("match=") ? QString() : "match=" + KeyToHex(key) + "&") + fields;
    Reply reply = site.post(body);
    QCOMPARE(reply.status, status);
    if (status == 303) {
        const QString location
            = QString::fromStdString(httplib::detail::get_header_value(reply.headers, "Location", 0, ""));
        QCOMPARE(location, "/m/" + site.token + "?answered=" + KeyToHex(key) + "#match-" + KeyToHex(key));
        reply = site.get(location.section('#', 0, 0));
    }
    shown.replace("{key}", KeyToHex(key)).replace("{token}", site.token);
    QVERIFY2(reply.body.contains(shown), qPrintable(reply.body));
    // The page shows Ann's matches alone, titles escaped.
    QVERIFY(reply.body.contains("<h3 id=\"title-" + KeyToHex(open) + "\">Cup &lt;final&gt;</h3>")
            || (status >= 400 && status != 422));
    QVERIFY(!reply.body.contains("Secret"));
    const MatchPlayer ann
        = session.match(key == keys["gone"] || key == keys["zebedee"] ? open : key).players.first();
    QCOMPARE(AnswerName(ann.answer) + ":" + ann.note, stored);
    // Only an answer written is noted as the link's save; a refusal writes nothing at all.
    QCOMPARE(session.invitations(site.ann).first().lastSaved.isValid(), status == 303);
    if (status != 303)
        QCOMPARE(site.roster.rows(), before);
}

void tst_SignupWeb::calendarFeed_data()
{
    // The page's link to the feed, as the page was reached.
    QTest::addColumn<QString>("host");
    QTest::addColumn<QStringList>("proxies");
    QTest::addColumn<QString>("proto"); // X-Forwarded-Proto
    QTest::addColumn<QString>("feed"); // before /m/TOKEN/matches.ics; empty for no link
    QTest::newRow("as reached") << "" << QStringList() << ""
                                << "127.0.0.1:{port}";
    QTest::newRow("by name") << "roster.example.org" << QStringList() << ""
                             << "roster.example.org";
    QTest::newRow("HTTPS at a trusted proxy") << "roster.example.org" << QStringList {"127.0.0.1"} << "https"
                                              << "roster.example.org";
    QTest::newRow("HTTPS said by another") << "roster.example.org" << QStringList() << "https"
                                           << "roster.example.org";
    QTest::newRow("host that is no host") << "x\"><script>" << QStringList() << ""
                                          << "";
}

void tst_SignupWeb::calendarFeed()
{
    QFETCH(QString, host);
    QFETCH(QStringList, proxies);
    QFETCH(QString, proto);
    QFETCH(QString, feed);
    Site site;
    site.server.setTrustedProxies(proxies);
    const RecordKey cup = site.plan("Cup", {site.ann, site.zebedee});
    const RecordKey secret = site.plan("Secret", {site.zebedee});
    site.roster.session().answerMatch(cup, site.ann, MatchAnswer::Maybe);
    const QString path = "/m/" + site.token + "/matches.ics";

    httplib::Headers headers;
    if (!host.isEmpty())
        headers.emplace("Host", host.toStdString());
    if (!proto.isEmpty())
        headers.emplace("X-Forwarded-Proto", proto.toStdString());
    const Reply page = site.send(
        [&](httplib::Client& client) { return client.Get(("/m/" + site.token).toStdString(), headers); });
    feed.replace("{port}", QString::number(site.server.port()));
    const bool https = proto == "https" && !proxies.isEmpty();
    QCOMPARE(page.body.contains("href=\"webcal://" + feed + path + "\""), !feed.isEmpty());
    QCOMPARE(page.body.contains("value=\"" + QString(https ? "https://" : "http://") + feed + path + "\""),
             !feed.isEmpty());
    QCOMPARE(page.body.contains("id=\"subscribe\""), !feed.isEmpty());

    const Reply calendar = site.get(path);
    QCOMPARE(calendar.status, 200);
    const auto header = [&](const char* name) {
        return QString::fromStdString(httplib::detail::get_header_value(calendar.headers, name, 0, ""));
    };
    QCOMPARE(header("Content-Type"), "text/calendar; charset=utf-8");
    QCOMPARE(header("Cache-Control"), "private, no-store");
    QCOMPARE(calendar.headers.count("Cache-Control"), size_t(1));
    QCOMPARE(header("Content-Security-Policy"),
             QString::fromStdString(
                 httplib::detail::get_header_value(page.headers, "Content-Security-Policy", 0, "")));
    QCOMPARE(header("X-Content-Type-Options"), "nosniff");
    QCOMPARE(header("Referrer-Policy"), "no-referrer");
    // Ann's match alone, with her answer and no one else's.
    QVERIFY(calendar.body.contains("UID:" + KeyToHex(cup).toLower() + "@tallyhold"));
    QVERIFY(!calendar.body.contains(KeyToHex(secret).toLower()) && !calendar.body.contains("Secret"));
    QCOMPARE(calendar.body.count("ATTENDEE"), 1);
    QVERIFY(calendar.body.contains("PARTSTAT=TENTATIVE") && !calendar.body.contains("Zebedee"));
}

void tst_SignupWeb::savesArrivingTogether()
{
    // Saves queued while the roster's thread is busy share one transaction: a refused one (a
    // week, a change overlapping another) in their midst writes nothing, the others land.
    Site site;
    const QString zebedee = site.roster.session().makeInvitation(site.zebedee).token;
    const QStringList before = site.roster.rows().filter(KeyToHex(site.zebedee));
    const QString csrf[] = {site.csrf(),
                            QRegularExpression("name=\"csrf\" value=\"([^\"]+)\"")
                                .match(site.get("/m/" + zebedee).body)
                                .captured(1)};
    const auto post = [&](const QString& token, const QString& body) {
        return std::async(std::launch::async, [&site, token, body] {
            httplib::Client client("127.0.0.1", site.server.port());
            const auto result = client.Post(("/m/" + token).toStdString(), body.toStdString(),
                                            "application/x-www-form-urlencoded");
            return result ? result->status : 0;
        });
    };
    auto refused = post(zebedee, "csrf=" + csrf[1] + "&zone=1&d0=1&d0s0=7:00&d0s1=25:00");
    auto refusedChange = post(zebedee, "csrf=" + csrf[1] + "&what=change&first=2099-12-25");
    auto saved = post(site.token, "csrf=" + csrf[0] + "&zone=1&d2=1&d2s0=7:00&d2s1=8:00");
    // Both wait for this thread, which runs the roster's commands.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    while (saved.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready
           || refused.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready
           || refusedChange.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCOMPARE(refused.get(), 422);
    QCOMPARE(refusedChange.get(), 422);
    QCOMPARE(saved.get(), 303);
    QCOMPARE(site.roster.rows().filter(KeyToHex(site.zebedee)), before);
    QVERIFY(!site.roster.session().memberForEdit(site.zebedee).form.days[0].checked);
    QVERIFY(site.roster.session().memberForEdit(site.ann).form.days[2].checked);
}

void tst_SignupWeb::deadLinks_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("wrong token") << "wrong";
    QTest::newRow("revoked") << "revoke";
    QTest::newRow("expired") << "expire";
    QTest::newRow("not a token") << "short";
}

void tst_SignupWeb::deadLinks()
{
    QFETCH(QString, change);
    Site site;
    QString path = "/m/" + site.token;
    if (change == "wrong")
        path = "/m/" + QString(22, 'A');
    else if (change == "revoke")
        site.roster.session().revokeInvitation(site.roster.session().invitations().first().key);
    else if (change == "expire")
        site.roster.db().exec("UPDATE Invitations SET INV_Expires = '2001-01-01 00:00:00'");
    else
        path.chop(1);
    const QStringList before = site.roster.rows();
    // The page, a save and the calendar feed alike.
    for (const Reply& reply : {site.get(path), site.post("zone=1&d0=1&d0s0=7:00&d0s1=8:00", path),
                               site.get(path + "/matches.ics")}) {
        QCOMPARE(reply.status, 404);
        QVERIFY(reply.body.contains(
            "<h1>This link is no longer valid</h1>\n<p>Ask your clan leader for a new link.</p>"));
        QVERIFY(!reply.body.contains("Ann"));
    }
    QCOMPARE(site.roster.rows(), before);
}

void tst_SignupWeb::wrongLinksAreCountedPerClient_data()
{
    // Ten wrong links come from one client, then a member opens a good link; through the
    // server in this process with its proxies, or through tallyhold-web started with options.
    QTest::addColumn<QStringList>("proxies");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("guesser"); // X-Forwarded-For of the wrong links
    QTest::addColumn<QString>("member");
    QTest::addColumn<int>("status");
    const QStringList local {"127.0.0.1"};
    QTest::newRow("no proxy: a forwarded address is ignored") << QStringList() << QStringList() << "10.0.0.2"
                                                              << "10.0.0.1" << 429;
    QTest::newRow("proxy: another client") << local << QStringList() << "10.0.0.1, 10.0.0.2"
                                           << "10.0.0.2, 10.0.0.1" << 200;
    QTest::newRow("proxy: the proxy's entry counts") << local << QStringList() << "10.0.0.2"
                                                     << "10.0.0.9, 10.0.0.2" << 429;
    QTest::newRow("header from a peer that is not the proxy")
        << QStringList {"127.0.0.9"} << QStringList() << "10.0.0.2"
        << "10.0.0.1" << 429;
    QTest::newRow("tallyhold-web --behind-proxy")
        << QStringList() << QStringList {"--behind-proxy"} << "10.0.0.2"
        << "10.0.0.1" << 200;
    QTest::newRow("tallyhold-web --trusted-proxy")
        << QStringList() << QStringList {"--trusted-proxy", "::1", "--trusted-proxy", "127.0.0.1"}
        << "10.0.0.2"
        << "10.0.0.1" << 200;
    QTest::newRow("tallyhold-web --trusted-proxy elsewhere")
        << QStringList() << QStringList {"--trusted-proxy", "192.0.2.1"} << "10.0.0.2"
        << "10.0.0.1" << 429;
}

void tst_SignupWeb::wrongLinksAreCountedPerClient()
{
    QFETCH(QStringList, proxies);
    QFETCH(QStringList, options);
    QFETCH(QString, guesser);
    QFETCH(QString, member);
    QFETCH(int, status);
    Site site;
    site.server.setTrustedProxies(proxies);
    int port = site.server.port();
    QProcess web;
    if (!options.isEmpty()) {
        if (TestRoster::onServer())
            QSKIP("tallyhold-web is started on a roster file");
        web.start(TALLYHOLD_WEB,
                  QStringList {"--roster", site.roster.location(), "--listen", "127.0.0.1:0"} + options);
        QVERIFY(web.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += web.readAllStandardError()).contains(" on http://127.0.0.1:"),
                                  said.constData(), 10000);
        port = said.mid(said.lastIndexOf(':') + 1).trimmed().toInt();
        QVERIFY(web.state() == QProcess::Running);
    }
    const auto from = [&](const QString& path, const QString& forwarded) {
        return site
            .send(
                [&](httplib::Client& client) {
                    return client.Get(path.toStdString(), {{"X-Forwarded-For", forwarded.toStdString()}});
                },
                port)
            .status;
    };
    // Wrong links to the page and to the calendar feed count alike.
    for (int attempt = 0; attempt < RateLimiter::MaxFailures; ++attempt)
        QCOMPARE(from("/m/" + QString(22, 'B') + (attempt % 2 ? "/matches.ics" : ""), guesser), 404);
    QCOMPARE(from("/m/" + site.token, guesser), 429);
    QCOMPARE(from("/m/" + site.token, member), status);
    web.terminate();
    web.waitForFinished();

    RateLimiter limiter;
    const auto start = RateLimiter::Clock::now();
    for (int attempt = 0; attempt < RateLimiter::MaxFailures; ++attempt)
        limiter.fail("10.0.0.1", start);
    QVERIFY(limiter.blocked("10.0.0.1", start + RateLimiter::Window - std::chrono::seconds(1)));
    QVERIFY(!limiter.blocked("10.0.0.1", start + RateLimiter::Window));
    QVERIFY(!limiter.blocked("10.0.0.2", start));
}

void tst_SignupWeb::malformedRequestIsRefusedPlainly()
{
    Site site;
    auto raw = std::async(std::launch::async, [&] {
        const int sock = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(site.server.port()));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        QByteArray answer;
        if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            const QByteArray request = "GET /m/\x01\x02 SQL' OR 1=1\r\n\r\n";
            (void)!write(sock, request.constData(), size_t(request.size()));
            char buffer[4096];
            for (ssize_t n; (n = read(sock, buffer, sizeof buffer)) > 0;)
                answer.append(buffer, n);
        }
        close(sock);
        return answer;
    });
    while (raw.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const QByteArray answer = raw.get();
    QVERIFY2(answer.startsWith("HTTP/1.1 400 Bad Request"), answer.constData());
    QVERIFY(answer.contains("nosniff") && !answer.contains("SQL"));
    QCOMPARE(site.get("/m/" + site.token).status, 200);
}

void tst_SignupWeb::slowClientsDoNotStopOthers()
{
    Site site;
    site.server.setRequestDeadline(std::chrono::seconds(4));
    // 50 connections that send a request's first lines, then a header line now and then: 40 from
    // one address (127.0.0.2), 10 from another.
    std::vector<int> slow;
    for (int i = 0; i < 50; ++i) {
        const int sock = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        inet_pton(AF_INET, i < 40 ? "127.0.0.2" : "127.0.0.3", &address.sin_addr);
        QCOMPARE(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        address.sin_port = htons(quint16(site.server.port()));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        QCOMPARE(::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const QByteArray start = "POST /m/" + site.token.toLatin1() + " HTTP/1.1\r\nHost: x\r\n";
        QCOMPARE(send(sock, start.constData(), size_t(start.size()), MSG_NOSIGNAL), ssize_t(start.size()));
        slow.push_back(sock);
    }
    // Answered or closed by the server: the clients themselves only write.
    const auto ended = [&](int from, int to) {
        int count = 0;
        for (int i = from; i < to; ++i) {
            pollfd ready {slow[size_t(i)], POLLIN, 0};
            count += poll(&ready, 1, 0);
        }
        return count;
    };
    std::atomic_bool done {false};
    std::thread dribble([&] {
        for (int round = 0; round < 40 && !done; ++round) {
            for (const int sock : slow)
                send(sock, "X-Slow: 1\r\n", 11, MSG_NOSIGNAL | MSG_DONTWAIT);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    });
    // One address holds no more connections than its share; the others were closed at once.
    QTRY_COMPARE_WITH_TIMEOUT(ended(0, 40), 40 - GuardedHttpServer::MaxConnectionsPerAddress, 3000);
    QCOMPARE(ended(40, 50), 0);

    QElapsedTimer timer;
    timer.start();
    const QString csrf = site.csrf();
    const Reply saved = site.post("csrf=" + csrf + "&zone=1&d0=1&d0s0=7:00&d0s1=8:00");
    QVERIFY(!csrf.isEmpty());
    QCOMPARE(saved.status, 303);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    // However they dribble, the slow requests end at their deadline.
    QTRY_COMPARE_WITH_TIMEOUT(ended(0, 50), 50, 8000);
    done = true;
    dribble.join();
    for (const int sock : slow)
        close(sock);
}

void tst_SignupWeb::tlsOnTheSameTerms()
{
    // The server's own connection loop speaks TLS: the page over HTTPS, nothing over plain HTTP,
    // and a client that never starts its handshake is closed at the request deadline.
    TestRoster roster;
    const QString token
        = roster.session().makeInvitation(roster.addMember(roster.addDivision("Alpha"), 1, "Ann")).token;
    SignupServer server(roster.session(), roster.db(), TEST_DATA "/test-cert.pem", TEST_DATA "/test-key.pem");
    server.setRequestDeadline(std::chrono::seconds(1));
    QVERIFY(server.start("127.0.0.1", 0));
    auto answers = std::async(std::launch::async, [&] {
        const int silent = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(server.port()));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        ::connect(silent, reinterpret_cast<sockaddr*>(&address), sizeof address);
        httplib::SSLClient tls("127.0.0.1", server.port());
        tls.enable_server_certificate_verification(false);
        const httplib::Result page = tls.Get(("/m/" + token).toStdString());
        const httplib::Result plain
            = httplib::Client("127.0.0.1", server.port()).Get("/m/" + token.toStdString());
        pollfd closed {silent, POLLIN, 0};
        const int ended = poll(&closed, 1, 5000);
        char byte = 0;
        const bool silentClosed = ended == 1 && read(silent, &byte, 1) <= 0;
        close(silent);
        return std::tuple {page ? page->status : 0, plain ? plain->status : 0, silentClosed};
    });
    while (answers.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCOMPARE(answers.get(), std::tuple(200, 0, true));
}

void tst_SignupWeb::languageChoice_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("acceptLanguage");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* link, const char* accept, const char* expected) {
        QTest::newRow(name) << link << accept << expected;
    };
    row("nothing asked", "", "", "");
    row("one", "", "ru", "ru");
    row("q-values rank", "", "de;q=0.5, ru;q=0.8", "ru");
    row("equal q keeps order", "", "pl, de", "pl");
    row("region", "", "pt-BR", "pt_BR");
    row("region in any case", "", "PT-br", "pt_BR");
    row("language takes its region", "", "pt", "pt_BR");
    row("region takes its language", "", "de-AT,en;q=0.9", "de");
    row("English first", "", "en-US,ru;q=0.9", "");
    row("unknown", "", "xx, is", "");
    row("unknown then ours", "", "xx, de;q=0.1", "de");
    row("q=0 refuses", "", "ru;q=0, de;q=0.2", "de");
    row("malformed q", "", "ru;q=abc, pl;q=0.3", "pl");
    row("malformed tag", "", "r<u>, pl;q=0.3", "pl");
    row("wildcard", "", "*", "");
    row("link wins", "pl", "ru", "pl");
    row("link to English", "en", "ru", "");
    row("link to none of ours", "<b>", "ru", "ru");
}

void tst_SignupWeb::languageChoice()
{
    QFETCH(QString, link);
    QFETCH(QString, acceptLanguage);
    QFETCH(QString, expected);
    QCOMPARE(PageLanguages::pick(link, acceptLanguage, {"de", "pl", "pt_BR", "ru"}), expected);
}

// Each request gets its own language from catalogues loaded once; one asking for none of ours gets
// English, and a language chosen on the page stays chosen after a save.
void tst_SignupWeb::pageInTheBrowsersLanguage()
{
    QTemporaryDir dir;
    if (!buildCatalogue(dir.path(), "ru",
                        {{"SignupPage", "Your week", "Ваша неделя"},
                         {"SignupServer", "This link is no longer valid", "Ссылка больше не действует"},
                         {"MemberFormCheck", "Ending time must be greater than starting time!",
                          "Время окончания должно быть позже времени начала!"}}))
        QSKIP("Qt's lrelease (qt6-l10n-tools) is not installed: no Russian catalogue to serve");
    qputenv("TALLYHOLD_TRANSLATIONS", dir.path().toUtf8());
    Site site;
    qunsetenv("TALLYHOLD_TRANSLATIONS");
    const QString path = "/m/" + site.token;
    const auto get = [&](const QString& target, const char* acceptLanguage) {
        return site.send([&](httplib::Client& client) {
            return client.Get(target.toStdString(), {{"Accept-Language", acceptLanguage}});
        });
    };
    const Reply russian = get(path, "ru, en;q=0.5");
    QVERIFY(russian.body.contains("<html lang=\"ru\">"));
    QVERIFY(russian.body.contains("<h1>Ваша неделя</h1>"));
    QVERIFY(russian.body.contains("<a href=\"" + path + "?lang=en\""));
    QVERIFY(russian.body.contains("<form method=\"post\" action=\"" + path + "?lang=ru\""));
    for (const Reply& english : {get(path, "is, xx;q=0.5"), get(path + "?lang=en", "ru")}) {
        QVERIFY(english.body.contains("<html lang=\"en\">"));
        QVERIFY(english.body.contains("<h1>Your week</h1>"));
    }
    QVERIFY(get("/m/" + QString(22, 'A'), "ru").body.contains("<h1>Ссылка больше не действует</h1>"));

    // The roster's own refusal, in the language of each request.
    const QString backwards = "csrf=" + site.csrf() + "&zone=1&d0=1&d0s0=7:00&d0s1=7:00";
    const Reply refused = site.post(backwards, path + "?lang=ru");
    QVERIFY2(refused.body.contains("Время окончания должно быть позже времени начала!"),
             qPrintable(refused.body));
    QVERIFY(site.post(backwards, path + "?lang=en")
                .body.contains("Ending time must be greater than starting time!"));

    const Reply saved
        = site.post("csrf=" + site.csrf() + "&zone=1&d0=1&d0s0=7:00&d0s1=8:00", path + "?lang=ru");
    QCOMPARE(saved.status, 303);
    QCOMPARE(httplib::detail::get_header_value(saved.headers, "Location", 0, ""),
             (path + "?lang=ru&saved=1").toStdString());
}

QTEST_GUILESS_MAIN(tst_SignupWeb)
#include "tst_signupweb.moc"
