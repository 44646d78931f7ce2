#include "GuardedHttpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = GuardedHttpServer::Clock;

// Waits until the socket is ready for events, at most until the given moment.
bool waitFor(int socket, short events, Clock::time_point until)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd ready {socket, events, 0};
        const int count = ::poll(&ready, 1, int(std::min<long long>(left, INT_MAX)));
        if (count > 0)
            return true;
        if (count < 0 && errno != EINTR)
            return false;
    }
}

std::string addressText(const sockaddr_storage& address, socklen_t length, int* port)
{
    char host[NI_MAXHOST] = "";
    char service[NI_MAXSERV] = "";
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, host, sizeof host, service,
                    sizeof service, NI_NUMERICHOST | NI_NUMERICSERV)
        != 0)
        return {};
    if (port)
        *port = atoi(service);
    return GuardedHttpServer::plainAddress(host);
}

std::string peerOf(int socket, int* port = nullptr)
{
    sockaddr_storage address {};
    socklen_t length = sizeof address;
    return getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length) == 0
        ? addressText(address, length, port)
        : std::string();
}

// One connection, plain or TLS, on a non-blocking socket: every read waits at most the read
// timeout and never past the request's deadline, however little each read brings.
class Connection final : public httplib::Stream
{
public:
    Connection(int socket, SSL* tls, Clock::duration readTimeout, Clock::duration writeTimeout)
        : m_socket(socket)
        , m_tls(tls)
        , m_readTimeout(readTimeout)
        , m_writeTimeout(writeTimeout)
    {
        m_peer = peerOf(socket, &m_peerPort);
    }

    void setDeadline(Clock::time_point deadline) { m_deadline = deadline; }
    bool waitForRequest(Clock::duration idle) const
    {
        return (m_tls && SSL_pending(m_tls) > 0) || waitFor(m_socket, POLLIN, Clock::now() + idle);
    }
    bool handshake()
    {
        for (;;) {
            ERR_clear_error();
            const int done = SSL_accept(m_tls);
            if (done == 1)
                return true;
            if (!waitForTls(SSL_get_error(m_tls, done), m_deadline))
                return false;
        }
    }

    bool is_readable() const override
    {
        return (m_tls && SSL_pending(m_tls) > 0) || waitFor(m_socket, POLLIN, readLimit());
    }
    bool is_writable() const override { return waitFor(m_socket, POLLOUT, Clock::now() + m_writeTimeout); }

    ssize_t read(char* data, size_t size) override
    {
        size = std::min<size_t>(size, INT_MAX);
        for (;;) {
            if (m_tls) {
                ERR_clear_error();
                const int count = SSL_read(m_tls, data, int(size));
                if (count > 0)
                    return count;
                if (!waitForTls(SSL_get_error(m_tls, count), readLimit()))
                    return -1;
                continue;
            }
            const ssize_t count = ::recv(m_socket, data, size, 0);
            if (count >= 0)
                return count;
            if (errno != EINTR && !(errno == EAGAIN && waitFor(m_socket, POLLIN, readLimit())))
                return -1;
        }
    }

    ssize_t write(const char* data, size_t size) override
    {
        size = std::min<size_t>(size, INT_MAX);
        const Clock::time_point until = Clock::now() + m_writeTimeout;
        for (;;) {
            if (m_tls) {
                ERR_clear_error();
                const int count = SSL_write(m_tls, data, int(size));
                if (count > 0)
                    return count;
                if (!waitForTls(SSL_get_error(m_tls, count), until))
                    return -1;
                continue;
            }
            const ssize_t count = ::send(m_socket, data, size, MSG_NOSIGNAL);
            if (count >= 0)
                return count;
            if (errno != EINTR && !(errno == EAGAIN && waitFor(m_socket, POLLOUT, until)))
                return -1;
        }
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        ip = m_peer;
        port = m_peerPort;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address {};
        socklen_t length = sizeof address;
        if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            ip = addressText(address, length, &port);
    }
    socket_t socket() const override { return m_socket; }

private:
    Clock::time_point readLimit() const { return std::min(Clock::now() + m_readTimeout, m_deadline); }
    bool waitForTls(int error, Clock::time_point until) const
    {
        return (error == SSL_ERROR_WANT_READ && waitFor(m_socket, POLLIN, until))
            || (error == SSL_ERROR_WANT_WRITE && waitFor(m_socket, POLLOUT, until));
    }

    int m_socket;
    SSL* m_tls;
    Clock::duration m_readTimeout;
    Clock::duration m_writeTimeout;
    Clock::time_point m_deadline = Clock::time_point::max();
    std::string m_peer;
    int m_peerPort = 0;
};

} // namespace

GuardedHttpServer::GuardedHttpServer(const QString& certificate, const QString& key)
{
    new_task_queue = [] {
        return new httplib::ThreadPool(Workers);
    };
    if (certificate.isEmpty() && key.isEmpty())
        return;
    m_tls = SSL_CTX_new(TLS_server_method());
    if (!m_tls || SSL_CTX_set_min_proto_version(m_tls, TLS1_2_VERSION) != 1
        || SSL_CTX_use_certificate_chain_file(m_tls, certificate.toLocal8Bit().constData()) != 1
        || SSL_CTX_use_PrivateKey_file(m_tls, key.toLocal8Bit().constData(), SSL_FILETYPE_PEM) != 1
        || SSL_CTX_check_private_key(m_tls) != 1) {
        SSL_CTX_free(m_tls);
        throw std::runtime_error("the certificate or key cannot be used (both must be PEM files that match)");
    }
    SSL_CTX_set_options(m_tls, SSL_OP_NO_COMPRESSION | SSL_OP_NO_RENEGOTIATION);
}

GuardedHttpServer::~GuardedHttpServer()
{
    SSL_CTX_free(m_tls);
}

void GuardedHttpServer::setUncapped(const QStringList& addresses)
{
    m_uncapped = addresses;
}

std::string GuardedHttpServer::plainAddress(const std::string& address)
{
    const std::string mapped = "::ffff:";
    return address.rfind(mapped, 0) == 0 && address.find('.') != std::string::npos
        ? address.substr(mapped.size())
        : address;
}

bool GuardedHttpServer::isAddress(const std::string& text)
{
    unsigned char address[sizeof(in6_addr)];
    return inet_pton(AF_INET, text.c_str(), address) == 1 || inet_pton(AF_INET6, text.c_str(), address) == 1;
}

bool GuardedHttpServer::admit(const std::string& address)
{
    if (m_uncapped.contains(QString::fromStdString(address)))
        return true;
    const std::lock_guard lock(m_mutex);
    int& open = m_open[address];
    if (open >= MaxConnectionsPerAddress)
        return false;
    ++open;
    return true;
}

void GuardedHttpServer::release(const std::string& address)
{
    if (m_uncapped.contains(QString::fromStdString(address)))
        return;
    const std::lock_guard lock(m_mutex);
    if (--m_open[address] <= 0)
        m_open.erase(address);
}

bool GuardedHttpServer::process_and_close_socket(socket_t sock)
{
    // A peer gone while TLS writes must give an error here, not end the program.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    const std::string address = peerOf(sock);
    if (!address.empty() && admit(address)) {
        fcntl(sock, F_SETFL, fcntl(sock, F_GETFL) | O_NONBLOCK);
        // A response goes out as headers, then body: the body must not wait for the client's
        // delayed acknowledgement of the headers.
        const int on = 1;
        setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        SSL* tls = m_tls ? SSL_new(m_tls) : nullptr;
        const auto seconds = [](time_t sec, time_t usec) {
            return std::chrono::seconds(sec) + std::chrono::microseconds(usec);
        };
        Connection connection(sock, tls, seconds(read_timeout_sec_, read_timeout_usec_),
                              seconds(write_timeout_sec_, write_timeout_usec_));
        connection.setDeadline(Clock::now() + m_deadline.load());
        if (!tls || (SSL_set_fd(tls, sock) == 1 && connection.handshake())) {
            // As the library's own loop: a few requests per connection, each waited for a while.
            for (size_t left = keep_alive_max_count_; left > 0 && svr_sock_ != INVALID_SOCKET; --left) {
                if (!connection.waitForRequest(std::chrono::seconds(keep_alive_timeout_sec_)))
                    break;
                connection.setDeadline(Clock::now() + m_deadline.load());
                bool closed = false;
                if (!process_request(connection, left == 1, closed, nullptr) || closed)
                    break;
            }
            if (tls)
                SSL_shutdown(tls);
        }
        SSL_free(tls);
        release(address);
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return true;
}
