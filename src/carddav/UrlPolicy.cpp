#include "UrlPolicy.h"

#include <QHostAddress>

#include <libpsl.h>

#include <memory>

namespace CardDav {

bool IsLoopbackHost(const QString& host)
{
    const QString lower = host.toLower();
    // Only the bare name: the resolver may ask DNS about "dav.localhost", and whoever answers it gets the password.
    if (lower == QLatin1String("localhost"))
        return true;
    const QHostAddress address(lower);
    return !address.isNull() && address.isLoopback();
}

namespace {

// The public suffix list: which part of a name one owner registered (example.co.uk, alice.synology.me).
const psl_ctx_t* Suffixes()
{
    // The list installed with the system when there is one, else the one built into the library; loaded once, then
    // only read, from any thread.
    static const std::unique_ptr<psl_ctx_t, void (*)(psl_ctx_t*)> list(psl_latest(nullptr), psl_free);
    return list ? list.get() : psl_builtin();
}

// The registered domain of a host name in ASCII form, empty for a public suffix or a name the list cannot place.
QString RegisteredDomain(const QString& host)
{
    const psl_ctx_t* suffixes = Suffixes();
    if (!suffixes)
        return {};
    const QByteArray name = host.toUtf8();
    const char* registered = psl_registrable_domain(suffixes, name.constData());
    return registered ? QString::fromUtf8(registered) : QString();
}

} // namespace

TFailure RefusalOf(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return TSyncFailure::NotAServerAddress;
    // Never sent anywhere nor written down: a password in the address would end up in every file and message.
    if (!url.userInfo().isEmpty())
        return TSyncFailure::UserInformation;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return {};
    if (scheme == QLatin1String("http"))
        return IsLoopbackHost(url.host()) ? TFailure() : TFailure(TSyncFailure::PlainHttp);
    return TSyncFailure::NotAServerAddress;
}

TServerAddress NormalisedServerUrl(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {{}, TSyncFailure::NotAServerAddress};
    // A bare host name means https: QUrl::fromUserInput would make it http.
    const QUrl url(text.contains(QLatin1String("://")) ? text : QStringLiteral("https://") + text);
    if (!url.isValid() || url.host().isEmpty())
        return {{}, TSyncFailure::NotAServerAddress};
    // Also on the text, so that an empty user name ("https://@host/") is refused as well.
    if (!url.userInfo().isEmpty() || ShownAddress(text) != text)
        return {{}, TSyncFailure::UserInformation};
    if (const TFailure refusal = RefusalOf(url))
        return {{}, refusal.Code};
    return {url, TSyncFailure::None};
}

QString ShownAddress(const QString& typed)
{
    const QString text = typed.trimmed();
    const qsizetype start = text.contains(QLatin1String("://")) ? text.indexOf(QLatin1String("://")) + 3 : 0;
    const qsizetype end = [&] {
        qsizetype at = text.size();
        for (const QChar stop : {u'/', u'?', u'#'})
            if (const qsizetype found = text.indexOf(stop, start); found >= 0 && found < at)
                at = found;
        return at;
    }();
    const qsizetype at = text.mid(start, end - start).lastIndexOf(u'@');
    return at < 0 ? text : text.left(start) + text.mid(start + at + 1);
}

bool IsSameSite(const QUrl& account, const QUrl& target)
{
    const QString own = account.host(QUrl::FullyEncoded).toLower();
    const QString other = target.host(QUrl::FullyEncoded).toLower();
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
    // The siblings share the account's parent domain, and that is one owner's: below contacts.icloud.com all of
    // icloud.com, but below alice.synology.me nothing, since every user of synology.me has a name there.
    const QString parent = own.mid(dot + 1);
    const QString registered = RegisteredDomain(own);
    if (registered.isEmpty() || (parent != registered && !parent.endsWith(u'.' + registered)))
        return false;
    return other.endsWith(u'.' + parent);
}

bool MayVisit(const QUrl& account, const QUrl& target)
{
    return !RefusalOf(target) && IsSameSite(account, target);
}

} // namespace CardDav
