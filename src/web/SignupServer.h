#pragma once

#include "RateLimiter.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

class Roster;

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

// tallyhold-web's HTTP server: each member's sign-up page at /m/TOKEN, and nothing else.
// Requests are served on the library's worker threads; every roster command runs on the
// roster's own thread (the thread that made the Roster, which must run an event loop), one at
// a time, so the session sees one caller as it does in the window.
class SignupServer
{
public:
    static constexpr size_t MaxRequestBytes = 64 * 1024;
    static constexpr size_t Workers = 32;

    // With a certificate and key (PEM files) the server speaks HTTPS; throws std::runtime_error
    // when they cannot be used.
    explicit SignupServer(Roster& roster, const QString& certificate = {}, const QString& key = {});
    ~SignupServer();

    // Binds to host and port (0: any free port) and serves from a thread of its own; false when
    // the address cannot be bound.
    bool start(const QString& host, int port);
    int port() const { return m_port; }
    // Behind a reverse proxy on this computer every request comes from the proxy: the client is
    // then the last address the proxy added to X-Forwarded-For. Call before start().
    void setBehindProxy(bool behind) { m_behindProxy = behind; }
    // Stops serving and waits for the requests under way; call on the roster's thread.
    void stop();

private:
    void showPage(const httplib::Request& request, httplib::Response& response);
    void savePage(const httplib::Request& request, httplib::Response& response);
    void linkInvalid(const httplib::Request& request, httplib::Response& response);
    QString csrfFor(const QString& token) const;
    QString clientOf(const httplib::Request& request) const;
    // Runs command on the roster's thread and waits; its exception comes back here.
    template<class Command> void onRosterThread(Command command);

    Roster& m_roster;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    std::atomic_bool m_serving {false};
    RateLimiter m_limiter;
    QByteArray m_secret;
    int m_port = 0;
    std::atomic_bool m_behindProxy {false};
    // The listening socket, once bound.
    int m_socket = -1;
};
