#include "UrlPolicy.h"

#include <QHostAddress>

namespace CardDav {

bool IsLoopbackHost(const QString& host)
{
    const QString lower = host.toLower();
    if (lower == QLatin1String("localhost") || lower.endsWith(QLatin1String(".localhost")))
        return true;
    const QHostAddress address(lower);
    return !address.isNull() && address.isLoopback();
}

QString RefusalOf(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("not a server address");
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return {};
    if (scheme == QLatin1String("http"))
        return IsLoopbackHost(url.host()) ? QString()
                                          : QStringLiteral("refused: plain http to another computer would show the "
                                                           "password to the network, use https");
    return QStringLiteral("not a server address");
}

bool IsSameSite(const QUrl& account, const QUrl& target)
{
    const QString own = account.host().toLower();
    const QString other = target.host().toLower();
    if (own.isEmpty() || other.isEmpty())
        return false;
    if (own == other)
        return true;
    // An address is no domain: 127.0.0.1 and 127.0.0.2 are two computers.
    if (!QHostAddress(own).isNull() || !QHostAddress(other).isNull())
        return false;
    const qsizetype dot = own.indexOf(u'.');
    if (dot < 0)
        return false;
    const QString parent = own.mid(dot + 1);
    if (!parent.contains(u'.'))
        return false;
    return other.endsWith(u'.' + parent);
}

bool MayVisit(const QUrl& account, const QUrl& target)
{
    return RefusalOf(target).isEmpty() && IsSameSite(account, target);
}

} // namespace CardDav
