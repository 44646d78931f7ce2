#include "SignupLink.h"

#include <QSettings>
#include <QUrl>

namespace {

const QString Key = QStringLiteral("Tallyhold/SignupAddress");

QSettings store()
{
    return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold"));
}

} // namespace

QString SignupLink::address()
{
    const QString stored = store().value(Key).toString().trimmed();
    return stored.isEmpty() ? QString::fromLatin1(DefaultAddress) : stored;
}

void SignupLink::setAddress(const QString& address)
{
    store().setValue(Key, address.trimmed());
}

QString SignupLink::url(const QString& address, const QString& token)
{
    QString base = address.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/m/") + token;
}

SignupLink::Reach SignupLink::reach(const QString& address)
{
    QString typed = address.trimmed();
    if (!typed.contains(QStringLiteral("://")))
        typed.prepend(QStringLiteral("http://"));
    const QString host = QUrl(typed).host().toLower();
    if (host.isEmpty())
        return Reach::Anywhere;
    if (host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost"))
        || host.startsWith(QLatin1String("127.")) || host == QLatin1String("::1")
        || host == QLatin1String("0.0.0.0"))
        return Reach::ThisComputer;
    const QStringList parts = host.split(QLatin1Char('.'));
    bool numeric = parts.size() == 4;
    QList<int> bytes;
    for (const QString& part : parts) {
        bool ok = false;
        bytes << part.toInt(&ok);
        numeric = numeric && ok;
    }
    if (numeric)
        return bytes[0] == 10 || (bytes[0] == 172 && bytes[1] >= 16 && bytes[1] <= 31)
                || (bytes[0] == 192 && bytes[1] == 168) || (bytes[0] == 169 && bytes[1] == 254)
            ? Reach::LocalNetwork
            : Reach::Anywhere;
    // IPv6 unique-local and link-local addresses, names without a domain, and mDNS names.
    if (host.contains(QLatin1Char(':')))
        return host.startsWith(QLatin1String("fc")) || host.startsWith(QLatin1String("fd"))
                || host.startsWith(QLatin1String("fe80"))
            ? Reach::LocalNetwork
            : Reach::Anywhere;
    return parts.size() == 1 || host.endsWith(QLatin1String(".local")) || host.endsWith(QLatin1String(".lan"))
        ? Reach::LocalNetwork
        : Reach::Anywhere;
}
