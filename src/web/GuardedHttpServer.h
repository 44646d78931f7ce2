#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <httplib.h>
#include <map>
#include <mutex>
#include <string>

// cpp-httplib's server with what its own connection loop lacks against slow clients. The library
// times out each read on its own, so a client that dribbles a header line every few seconds holds
// a worker for ever; here a request (headers and body, and the TLS handshake before the first)
// must arrive whole within the request deadline, and one client address holds at most
// MaxConnectionsPerAddress connections, far fewer than Workers, so no one address can occupy
// them all. With a certificate and key the same connections speak TLS.
class GuardedHttpServer : public httplib::Server
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t Workers = 128;
    static constexpr int MaxConnectionsPerAddress = 16;
    static constexpr std::chrono::seconds RequestDeadline {10};

    // Throws std::runtime_error when the certificate or key (PEM files) cannot be used.
    GuardedHttpServer(const QString& certificate, const QString& key);
    ~GuardedHttpServer() override;

    void setRequestDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }
    // A reverse proxy carries every client over its own connections: its addresses are not capped.
    void setUncapped(const QStringList& addresses);

    // "::ffff:10.0.0.1" (an IPv4 client of a server listening on IPv6) as "10.0.0.1".
    static std::string plainAddress(const std::string& address);
    // An IPv4 or IPv6 address in numeric form.
    static bool isAddress(const std::string& text);

private:
    bool process_and_close_socket(socket_t sock) override;
    bool admit(const std::string& address);
    void release(const std::string& address);

    struct ssl_ctx_st* m_tls = nullptr;
    std::atomic<std::chrono::milliseconds> m_deadline {RequestDeadline};
    std::mutex m_mutex;
    std::map<std::string, int> m_open;
    QStringList m_uncapped;
};
