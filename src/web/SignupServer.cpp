#include "SignupServer.h"

#include "SignupPage.h"
#include "roster/Roster.h"
#include "time/TimeText.h"

#include <QCoreApplication>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrlQuery>
#include <cstdio>
#include <exception>
#include <future>
#include <httplib.h>
#include <sys/socket.h>

namespace {

const char* const TokenPath = R"(/m/([A-Za-z0-9_-]{22}))";
const char* const CalendarPath = R"(/m/([A-Za-z0-9_-]{22})/matches\.ics)";
const char* const Html = "text/html; charset=utf-8";

// Every response: nothing inline, no framing, no sniffing, no caching, and no Referer that
// would carry the link's token to another site.
void secure(httplib::Response& response)
{
    if (response.has_header("X-Content-Type-Options"))
        return;
    response.set_header("Content-Security-Policy",
                        "default-src 'none'; style-src 'self'; script-src 'self'; form-action 'self'; "
                        "base-uri 'none'; frame-ancestors 'none'");
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("X-Frame-Options", "DENY");
    response.set_header("Referrer-Policy", "no-referrer");
    response.set_header("Cache-Control", "no-store");
}

void page(httplib::Response& response, int status, const QByteArray& html)
{
    response.status = status;
    response.set_content(html.constData(), size_t(html.size()), Html);
}

// The page's fields, from the form body only: "zone", "d0" to "d5" and "d0s0" to "d5s3".
SignupForm readForm(const QUrlQuery& fields)
{
    SignupForm form;
    bool number = false;
    const int zone = fields.queryItemValue(QStringLiteral("zone"), QUrl::FullyDecoded).toInt(&number);
    if (number)
        form.zoneKey = zone;
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        form.days[day].checked = fields.hasQueryItem(QStringLiteral("d%1").arg(day));
        for (int slot = 0; slot < 4; ++slot)
            form.days[day].texts[slot] = RewriteSlotText(
                fields.queryItemValue(QStringLiteral("d%1s%2").arg(day).arg(slot), QUrl::FullyDecoded)
                    .trimmed());
    }
    return form;
}

// The change form's fields: "first", "last" (as a date input sends them), "away" (0 for the
// times instead), "c0" to "c3" and "note".
MemberChangeForm readChange(const QUrlQuery& fields)
{
    const auto value = [&](const QString& name) {
        return fields.queryItemValue(name, QUrl::FullyDecoded);
    };
    MemberChangeForm form;
    form.first = value(QStringLiteral("first"));
    form.last = value(QStringLiteral("last"));
    form.away = value(QStringLiteral("away")) != QLatin1String("0");
    for (int slot = 0; slot < 4; ++slot)
        form.slotTexts[slot] = value(QStringLiteral("c%1").arg(slot));
    form.note = value(QStringLiteral("note"));
    return form;
}

// A Host header is the client's text: only a name or address with an optional port is used.
bool isHostText(const std::string& host)
{
    static const QRegularExpression valid(QStringLiteral(
        R"(^(?:[A-Za-z0-9](?:[A-Za-z0-9.-]{0,252})|\[[0-9A-Fa-f:.]{2,45}\])(?::[0-9]{1,5})?$)"));
    return valid.match(QString::fromStdString(host)).hasMatch();
}

} // namespace

struct SignupServer::Save
{
    Action action = Action::Week;
    QString token;
    SignupForm form;
    MemberChangeForm change;
    RecordKey changeKey;
    RecordKey match;
    MatchAnswer answer = MatchAnswer::None;
    QString note;
    QByteArray csrf;
    std::optional<RecordKey> member;
    std::optional<RosterError> refusal;
    std::optional<SignupSheet> sheet;
    bool stale = false;
    // The link was used on another member's change.
    bool foreign = false;
    std::exception_ptr error;
    std::promise<void> done;
};

SignupServer::SignupServer(Roster& roster, const Database& store, const QString& certificate,
                           const QString& key)
    : m_roster(roster)
    , m_store(store)
    , m_server(std::make_unique<GuardedHttpServer>(certificate, key))
    , m_secret(32, Qt::Uninitialized)
    , m_tls(!certificate.isEmpty())
{
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(m_secret.data()), m_secret.size() / 4);
    httplib::Server& server = *m_server;
    // The library listens with a backlog of 5: a sixth client connecting at the same moment is
    // dropped and retries a second later. The socket is kept so start() can widen the backlog.
    server.set_socket_options([this](socket_t socket) {
        httplib::default_socket_options(socket);
        m_socket = socket;
    });
    server.set_payload_max_length(MaxRequestBytes);
    server.set_read_timeout(10, 0);
    server.set_write_timeout(10, 0);
    // Logs carry the client, the method, the status and the path, with any token left out.
    server.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        std::string path
            = request.path.rfind("/m/", 0) == 0 ? std::string("/m/...") : request.path.substr(0, 200);
        // A path is the client's text: no control character reaches the log to forge a line.
        for (char& c : path)
            c = static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
        // A request cut off before its headers ended has no client yet.
        const QByteArray client
            = request.remote_addr.empty() ? QByteArray("-") : clientOf(request).toLatin1();
        std::fprintf(stderr, "%s %s %s %d\n", client.constData(), request.method.c_str(), path.c_str(),
                     response.status);
    });
    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        secure(response);
        if (request.path.rfind("/m/", 0) == 0 && m_limiter.blocked(clientOf(request))) {
            message(request, response, 429, QT_TRANSLATE_NOOP("SignupServer", "Too many tries"),
                    QT_TRANSLATE_NOOP("SignupServer", "Wait a few minutes, then open your link again."));
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // Whatever the library refuses by itself (unknown paths, oversized or malformed requests)
    // gets a page without detail.
    server.set_error_handler(httplib::Server::HandlerWithResponse(
        [this](const httplib::Request& request, httplib::Response& response) {
            secure(response);
            if (!response.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            if (response.status == 404 && request.path.rfind("/m/", 0) == 0) {
                linkInvalid(request, response);
                return httplib::Server::HandlerResponse::Handled;
            }
            const char* const title = response.status == 404 ? QT_TRANSLATE_NOOP("SignupServer", "Not found")
                : response.status == 413                     ? QT_TRANSLATE_NOOP("SignupServer", "Too large")
                                         : QT_TRANSLATE_NOOP("SignupServer", "Not understood");
            message(request, response, response.status, title,
                    QT_TRANSLATE_NOOP("SignupServer", "Open the link you were given."));
            return httplib::Server::HandlerResponse::Handled;
        }));
    server.set_exception_handler(
        [this](const httplib::Request& request, httplib::Response& response, std::exception_ptr error) {
            try {
                std::rethrow_exception(error);
            } catch (const RosterError& failure) {
                // The driver's words go to the log only; the member sees no detail.
                std::fprintf(stderr, "roster error: %s %s\n", failure.what(),
                             failure.detailWords().english().toLocal8Bit().constData());
            } catch (const std::exception& failure) {
                std::fprintf(stderr, "error: %s\n", failure.what());
            } catch (...) {
            }
            message(request, response, 500, QT_TRANSLATE_NOOP("SignupServer", "Not saved"),
                    QT_TRANSLATE_NOOP(
                        "SignupServer",
                        "The roster cannot be reached just now. Nothing was changed; try again later."));
        });

    server.Get("/static/signup.css", [](const httplib::Request&, httplib::Response& response) {
        const QByteArray css = SignupPage::stylesheet();
        response.set_content(css.constData(), size_t(css.size()), "text/css; charset=utf-8");
    });
    server.Get("/static/signup.js", [](const httplib::Request&, httplib::Response& response) {
        const QByteArray js = SignupPage::script();
        response.set_content(js.constData(), size_t(js.size()), "text/javascript; charset=utf-8");
    });
    server.Get(TokenPath, [this](const httplib::Request& request, httplib::Response& response) {
        showPage(request, response);
    });
    server.Get(CalendarPath, [this](const httplib::Request& request, httplib::Response& response) {
        showCalendar(request, response);
    });
    server.Post(TokenPath, [this](const httplib::Request& request, httplib::Response& response) {
        savePage(request, response);
    });
}

SignupServer::~SignupServer()
{
    stop();
}

bool SignupServer::start(const QString& host, int port)
{
    const std::string bindHost = host.toStdString();
    if (port == 0)
        m_port = m_server->bind_to_any_port(bindHost);
    else
        m_port = m_server->bind_to_port(bindHost, port) ? port : -1;
    if (m_port <= 0)
        return false;
    if (m_socket >= 0)
        ::listen(m_socket, SOMAXCONN);
    m_serving = true;
    m_thread = std::thread([this] {
        m_server->listen_after_bind();
        m_serving = false;
    });
    // The library's stop() does nothing until its loop runs: a stop() right after start()
    // would leave it serving for ever.
    while (m_serving && !m_server->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void SignupServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_server->stop();
    // Requests under way may be waiting for this thread to run their roster command.
    while (m_serving)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    m_thread.join();
}

template<class Command> void SignupServer::onRosterThread(Command command)
{
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        &m_roster,
        [&] {
            try {
                command();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error)
        std::rethrow_exception(error);
}

QString SignupServer::csrfFor(const QString& token) const
{
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(token.toLatin1(), m_secret, QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

void SignupServer::setTrustedProxies(const QStringList& addresses)
{
    m_proxies = addresses;
    m_server->setUncapped(addresses);
}

QString SignupServer::clientOf(const httplib::Request& request) const
{
    const QString peer = QString::fromStdString(GuardedHttpServer::plainAddress(request.remote_addr));
    const size_t headers = request.get_header_value_count("X-Forwarded-For");
    if (!m_proxies.contains(peer) || headers == 0) {
        // A proxy that nobody named makes every member one client to the rate limit.
        if (headers > 0 && m_proxies.isEmpty() && !m_proxyHinted.exchange(true))
            std::fprintf(stderr,
                         "tallyhold-web: requests carry X-Forwarded-For; behind a reverse proxy, start "
                         "with --behind-proxy or --trusted-proxy ADDR so that clients are told apart\n");
        return peer;
    }
    // Only the proxy's own entry, the last, can be trusted; the client may have sent the others.
    const std::string last = request.get_header_value("X-Forwarded-For", headers - 1);
    const size_t comma = last.rfind(',');
    const std::string client = GuardedHttpServer::plainAddress(
        httplib::detail::trim_copy(comma == std::string::npos ? last : last.substr(comma + 1)));
    return GuardedHttpServer::isAddress(client) ? QString::fromStdString(client) : peer;
}

PageLanguage SignupServer::languageOf(const httplib::Request& request) const
{
    return m_languages.choose(QString::fromStdString(request.get_param_value("lang")),
                              QString::fromStdString(request.get_header_value("Accept-Language")));
}

void SignupServer::message(const httplib::Request& request, httplib::Response& response, int status,
                           const char* title, const char* text) const
{
    const PageLanguage language = languageOf(request);
    page(response, status,
         SignupPage::message(language, language.translate("SignupServer", title),
                             language.translate("SignupServer", text)));
}

void SignupServer::linkInvalid(const httplib::Request& request, httplib::Response& response)
{
    m_limiter.fail(clientOf(request));
    message(request, response, 404, QT_TRANSLATE_NOOP("SignupServer", "This link is no longer valid"),
            QT_TRANSLATE_NOOP("SignupServer", "Ask your clan leader for a new link."));
}

void SignupServer::showPage(const httplib::Request& request, httplib::Response& response)
{
    const QString token = QString::fromStdString(request.matches[1]);
    std::optional<SignupSheet> sheet;
    onRosterThread([&] {
        if (const std::optional<RecordKey> member = m_roster.invitedMember(token))
            sheet = m_roster.signupSheet(*member);
    });
    if (!sheet)
        return linkInvalid(request, response);
    SignupPage::State state;
    state.language = languageOf(request);
    state.languages = m_languages.all();
    state.saved = request.has_param("saved");
    state.changeDone = request.has_param("added") ? SignupPage::ChangeDone::Added
        : request.has_param("removed")            ? SignupPage::ChangeDone::Removed
                                                  : SignupPage::ChangeDone::None;
    if (request.has_param("answered")
        && IsKeyText(QString::fromStdString(request.get_param_value("answered"))))
        state.answered = HexToKey(QString::fromStdString(request.get_param_value("answered")));
    const QString site = siteOf(request);
    if (!site.isEmpty())
        state.calendar = site + QStringLiteral("/m/%1/matches.ics").arg(token);
    page(response, 200, SignupPage::render(*sheet, token, csrfFor(token), state));
}

QString SignupServer::siteOf(const httplib::Request& request) const
{
    const std::string host = request.get_header_value("Host");
    if (!isHostText(host))
        return {};
    QString scheme = m_tls ? QStringLiteral("https") : QStringLiteral("http");
    // A proxy in front may take HTTPS itself; only a trusted one says so.
    const QString peer = QString::fromStdString(GuardedHttpServer::plainAddress(request.remote_addr));
    const size_t protos = request.get_header_value_count("X-Forwarded-Proto");
    if (protos > 0 && m_proxies.contains(peer)) {
        const std::string proto
            = httplib::detail::trim_copy(request.get_header_value("X-Forwarded-Proto", protos - 1));
        if (proto == "https" || proto == "http")
            scheme = QString::fromStdString(proto);
    }
    return scheme + QStringLiteral("://") + QString::fromStdString(host);
}

void SignupServer::showCalendar(const httplib::Request& request, httplib::Response& response)
{
    const QString token = QString::fromStdString(request.matches[1]);
    std::optional<QByteArray> calendar;
    onRosterThread([&] {
        if (const std::optional<RecordKey> member = m_roster.invitedMember(token))
            calendar = m_roster.matchCalendar(*member);
    });
    if (!calendar)
        return linkInvalid(request, response);
    // The member's calendar app may keep a copy; nothing between them may.
    response.headers.erase("Cache-Control");
    response.set_header("Cache-Control", "private, no-store");
    response.set_content(calendar->constData(), size_t(calendar->size()), "text/calendar; charset=utf-8");
}

void SignupServer::savePage(const httplib::Request& request, httplib::Response& response)
{
    const QString token = QString::fromStdString(request.matches[1]);
    if (request.get_header_value("Content-Type").rfind("application/x-www-form-urlencoded", 0) != 0)
        return message(request, response, 415, QT_TRANSLATE_NOOP("SignupServer", "Not understood"),
                       QT_TRANSLATE_NOOP("SignupServer", "Open the link you were given."));
    // A form body writes a blank as "+"; a "+" itself arrives as "%2B".
    const QUrlQuery fields(QString::fromUtf8(request.body.data(), qsizetype(request.body.size()))
                               .replace(QLatin1Char('+'), QStringLiteral("%20")));

    // Every form posts to the page's own address, which stays the one to open again.
    const QString what = fields.queryItemValue(QStringLiteral("what"));
    const Action action = what == QLatin1String("change") ? Action::AddChange
        : what == QLatin1String("remove")                 ? Action::RemoveChange
        : what == QLatin1String("answer")                 ? Action::Answer
                                                          : Action::Week;
    Save save;
    save.action = action;
    save.token = token;
    save.csrf = fields.queryItemValue(QStringLiteral("csrf"), QUrl::FullyDecoded).toLatin1();
    if (action == Action::Week)
        save.form = readForm(fields);
    else if (action == Action::AddChange)
        save.change = readChange(fields);
    else {
        // The page sends only keys it listed and the answers it offers; anything else was not
        // typed by a member.
        const QString key = fields.queryItemValue(action == Action::Answer ? QStringLiteral("match")
                                                                           : QStringLiteral("change"),
                                                  QUrl::FullyDecoded);
        if (!IsKeyText(key))
            return linkInvalid(request, response);
        if (action == Action::RemoveChange)
            save.changeKey = HexToKey(key);
        else {
            save.match = HexToKey(key);
            const std::optional<MatchAnswer> answer
                = ReadAnswer(fields.queryItemValue(QStringLiteral("answer"), QUrl::FullyDecoded));
            if (!answer || *answer == MatchAnswer::None)
                return message(request, response, 400, QT_TRANSLATE_NOOP("SignupServer", "Not understood"),
                               QT_TRANSLATE_NOOP("SignupServer", "Open the link you were given."));
            save.answer = *answer;
            save.note = fields.queryItemValue(QStringLiteral("note"), QUrl::FullyDecoded);
        }
    }
    saveOnRosterThread(save);
    if (!save.member || save.foreign)
        return linkInvalid(request, response);
    if (save.stale)
        return message(request, response, 403, QT_TRANSLATE_NOOP("SignupServer", "Not saved"),
                       QT_TRANSLATE_NOOP("SignupServer",
                                         "This page is out of date. Open your link again and save again."));
    SignupPage::State state;
    state.language = languageOf(request);
    state.languages = m_languages.all();
    if (save.refusal && action == Action::Week) {
        state.refusal = save.refusal;
        state.typed = save.form;
    } else if (save.refusal && action == Action::Answer) {
        state.answerRefusal = save.refusal;
        state.refusedMatch = save.match;
        state.typedNote = save.note;
    } else if (save.refusal) {
        state.changeRefusal = save.refusal;
        if (action == Action::AddChange)
            state.typedChange = save.change;
    }
    if (save.refusal) {
        const QString site = siteOf(request);
        if (!site.isEmpty())
            state.calendar = site + QStringLiteral("/m/%1/matches.ics").arg(token);
        return page(response, 422, SignupPage::render(*save.sheet, token, csrfFor(token), state));
    }
    // A change's form and the matches are further down than a phone shows at first.
    const QString matchId = KeyToHex(save.match);
    const QString done = action == Action::Week ? QStringLiteral("saved=1")
        : action == Action::AddChange           ? QStringLiteral("added=1#changes")
        : action == Action::RemoveChange        ? QStringLiteral("removed=1#changes")
                                                : QStringLiteral("answered=%1#match-%1").arg(matchId);
    // A language chosen on the page stays chosen after the save.
    const PageLanguage language = languageOf(request);
    const QString chosen
        = request.has_param("lang") ? QStringLiteral("lang=%1&").arg(language.code()) : QString();
    response.set_redirect(QStringLiteral("/m/%1?%2%3").arg(token, chosen, done).toStdString(), 303);
}

void SignupServer::saveOnRosterThread(Save& save)
{
    std::future<void> done = save.done.get_future();
    bool first = false;
    {
        const std::lock_guard lock(m_savesMutex);
        first = m_saves.empty();
        m_saves.push_back(&save);
    }
    if (first)
        QMetaObject::invokeMethod(
            &m_roster, [this] { saveQueued(); }, Qt::QueuedConnection);
    done.wait();
    if (save.error)
        std::rethrow_exception(save.error);
}

// A commit waits for the disk; saves that queued meanwhile share the next one instead of
// each waiting for its own.
void SignupServer::saveQueued()
{
    std::vector<Save*> saves;
    {
        const std::lock_guard lock(m_savesMutex);
        saves.swap(m_saves);
    }
    // A read-only roster refuses each save as the session does.
    const bool batch = !m_store.isReadOnly();
    try {
        std::optional<Transaction> transaction;
        if (batch)
            transaction.emplace(m_store);
        for (Save* save : saves)
            saveOne(*save, batch);
        if (transaction)
            transaction->commit();
    } catch (...) {
        // Nothing of this batch landed.
        for (Save* save : saves)
            if (!save->error)
                save->error = std::current_exception();
    }
    for (Save* save : saves)
        save->done.set_value();
}

void SignupServer::saveOne(Save& save, bool inBatch)
{
    std::optional<Savepoint> part;
    try {
        if (inBatch)
            part.emplace(m_store);
        // Found once, inside the transaction the save then joins.
        const std::optional<Invitation> link = m_roster.invitation(save.token);
        if (!link)
            return;
        save.member = link->member;
        if (!InvitationStore::sameInConstantTime(save.csrf, csrfFor(save.token).toLatin1())) {
            save.stale = true;
            return;
        }
        try {
            if (save.action == Action::Week)
                m_roster.saveSignup(*link, save.form);
            else if (save.action == Action::AddChange)
                m_roster.addSignupChange(*link, save.change);
            else if (save.action == Action::RemoveChange)
                m_roster.removeSignupChange(*link, save.changeKey);
            else
                m_roster.answerSignupMatch(*link, save.match, save.answer, save.note);
            if (part)
                part->release();
        } catch (const RosterError& error) {
            if (isStoreFailure(error.kind()))
                throw;
            if (part)
                part->rollback();
            if (Roster::isLinkInvalid(error)) {
                save.foreign = true;
                return;
            }
            save.refusal = error;
            save.sheet = m_roster.signupSheet(*save.member);
        }
    } catch (...) {
        save.error = std::current_exception();
    }
}
