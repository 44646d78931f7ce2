#include "SignupServer.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <csignal>
#include <pthread.h>

namespace {

int fail(const QString& text, int status = 2)
{
    QTextStream(stderr) << "tallyhold-web: " << text << Qt::endl;
    return status;
}

// "127.0.0.1:8080", "[::1]:8080" or "0.0.0.0:80".
std::optional<std::pair<QString, int>> readListen(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    if (!ok || port < 0 || port > 65535 || host.isEmpty())
        return std::nullopt;
    return std::pair {host, port};
}

} // namespace

int main(int argc, char* argv[])
{
    // SIGINT and SIGTERM are taken by one thread of our own, before any other thread exists,
    // so the server stops cleanly between requests.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyhold-web"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYHOLD_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves each invited member a private page where they keep their own time zone and "
                       "week. Make links with tallyhold-cli link make or in the window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(RosterLocation::options());
    parser.addOptions(
        {{QStringLiteral("listen"), QStringLiteral("Address and port (default 127.0.0.1:8080)."),
          QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:8080")},
         {QStringLiteral("tls-cert"), QStringLiteral("Serve HTTPS with this certificate (PEM)."),
          QStringLiteral("FILE")},
         {QStringLiteral("tls-key"), QStringLiteral("The certificate's private key (PEM)."),
          QStringLiteral("FILE")},
         {QStringLiteral("behind-proxy"),
          QStringLiteral("A reverse proxy on this computer forwards the requests: clients are told apart "
                         "by the address it adds to X-Forwarded-For.")},
         {QStringLiteral("trusted-proxy"),
          QStringLiteral("As --behind-proxy, for a reverse proxy at this address (may be repeated)."),
          QStringLiteral("ADDR")}});
    parser.process(app);

    const QString path = RosterLocation::fromCommandLine(parser);
    if (path.isEmpty())
        return fail(QStringLiteral("--roster needs a file name."));
    // A mistyped path must not start an empty roster that members then fill.
    if (!RosterServer::isAddress(path) && !QFileInfo::exists(path))
        return fail(RosterLocation::missingText(parser, path));
    const auto listen = readListen(parser.value(QStringLiteral("listen")));
    if (!listen)
        return fail(QStringLiteral("--listen takes ADDR:PORT, such as 127.0.0.1:8080"));
    const QString certificate = parser.value(QStringLiteral("tls-cert"));
    const QString key = parser.value(QStringLiteral("tls-key"));
    if (certificate.isEmpty() != key.isEmpty())
        return fail(QStringLiteral("--tls-cert and --tls-key go together"));

    QStringList proxies = parser.values(QStringLiteral("trusted-proxy"));
    for (const QString& proxy : proxies) {
        if (!GuardedHttpServer::isAddress(proxy.toStdString()))
            return fail(QStringLiteral("--trusted-proxy takes an IP address, such as 127.0.0.1"));
    }
    if (parser.isSet(QStringLiteral("behind-proxy")))
        proxies << QStringLiteral("127.0.0.1") << QStringLiteral("::1");

    try {
        const Database store = Database::open(path);
        // Members are then served their pages, and every save is refused with the read-only text.
        if (store.damage())
            fail(QStringLiteral("warning: ") + store.damage()->text() + QStringLiteral(" (")
                     + store.damage()->detail() + QLatin1Char(')'),
                 0);
        else if (store.isReadOnly())
            fail(QStringLiteral("warning: ") + store.refusal().shown(), 0);
        Roster roster(store, LoadSettings());
        SignupServer server(roster, store, certificate, key);
        server.setTrustedProxies(proxies);
        if (!server.start(listen->first, listen->second))
            return fail(QStringLiteral("cannot listen on %1").arg(parser.value(QStringLiteral("listen"))));
        const QString scheme = certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https");
        QTextStream(stderr) << "tallyhold-web: serving "
                            << (RosterServer::isAddress(path) ? RosterServer::shownName(path) : path)
                            << " on " << scheme << "://" << listen->first << ':' << server.port() << Qt::endl;
        std::thread([stopSignals] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }).detach();
        const int status = app.exec();
        server.stop();
        Database(store).close();
        return status;
    } catch (const RosterError& error) {
        return fail(error.text(), isStoreFailure(error.kind()) ? 2 : 1);
    } catch (const std::exception& error) {
        return fail(QString::fromLocal8Bit(error.what()));
    }
}
