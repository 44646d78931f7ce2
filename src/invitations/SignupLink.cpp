#include "SignupLink.h"

#include <QSettings>

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
