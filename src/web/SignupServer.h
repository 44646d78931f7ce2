#pragma once

#include "GuardedHttpServer.h"
#include "PageLanguages.h"
#include "RateLimiter.h"
#include "store/Database.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class Roster;

// tallyhold-web's HTTP server: each member's sign-up page at /m/TOKEN and their matches' calendar
// at /m/TOKEN/matches.ics, and nothing else.
// Requests are served on the library's worker threads; every roster command runs on the
// roster's own thread (the thread that made the Roster, which must run an event loop), one at
// a time, so the session sees one caller as it does in the window. Saves that arrive while the
// roster's thread is busy are written together in one transaction, each inside a savepoint of
// its own, and confirmed once that transaction is committed.
class SignupServer
{
public:
    // cpp-httplib as Debian builds it refuses form bodies over 8 KiB with 413 whatever the
    // payload limit; one limit for every request keeps that true before a body is read.
    static constexpr size_t MaxRequestBytes = 8 * 1024;

    // store is the roster's own database (the one roster was made with). With a certificate and
    // key (PEM files) the server speaks HTTPS; throws std::runtime_error when they cannot be used.
    SignupServer(Roster& roster, const Database& store, const QString& certificate = {},
                 const QString& key = {});
    ~SignupServer();

    // Binds to host and port (0: any free port) and serves from a thread of its own; false when
    // the address cannot be bound.
    bool start(const QString& host, int port);
    int port() const { return m_port; }
    // Behind a reverse proxy every request comes from the proxy: from these addresses only, the
    // client is the last address the proxy added to X-Forwarded-For, and their connections are
    // not capped per address. Call before start().
    void setTrustedProxies(const QStringList& addresses);
    // A request (headers and body) must arrive whole within this time.
    void setRequestDeadline(std::chrono::milliseconds deadline) { m_server->setRequestDeadline(deadline); }
    // Stops serving and waits for the requests under way; call on the roster's thread.
    void stop();

private:
    // What a form posted to the page asks for (its field "what"): the week, adding or removing
    // one change, or answering a match.
    enum class Action { Week, AddChange, RemoveChange, Answer };
    void showPage(const httplib::Request& request, httplib::Response& response);
    void savePage(const httplib::Request& request, httplib::Response& response);
    void showCalendar(const httplib::Request& request, httplib::Response& response);
    // "https://host:port" as the client reached this server; empty without a usable Host.
    QString siteOf(const httplib::Request& request) const;
    void linkInvalid(const httplib::Request& request, httplib::Response& response);
    struct Save;
    void saveOnRosterThread(Save& save);
    void saveQueued();
    void saveOne(Save& save, bool inBatch);
    QString csrfFor(const QString& token) const;
    QString clientOf(const httplib::Request& request) const;
    // The language the request's page is written in (its ?lang=, else Accept-Language).
    PageLanguage languageOf(const httplib::Request& request) const;
    void message(const httplib::Request& request, httplib::Response& response, int status, const char* title,
                 const char* text) const;
    // Runs command on the roster's thread and waits; its exception comes back here.
    template<class Command> void onRosterThread(Command command);

    Roster& m_roster;
    Database m_store;
    std::mutex m_savesMutex;
    std::vector<Save*> m_saves;
    std::unique_ptr<GuardedHttpServer> m_server;
    std::thread m_thread;
    std::atomic_bool m_serving {false};
    RateLimiter m_limiter;
    const PageLanguages m_languages;
    QByteArray m_secret;
    int m_port = 0;
    bool m_tls = false;
    QStringList m_proxies;
    mutable std::atomic_bool m_proxyHinted {false};
    // The listening socket, once bound.
    int m_socket = -1;
};
