#include "TServiceDiscovery.h"

#include <QDnsLookup>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace CardDav {

namespace {

// No more than this many SRV targets are tried: each costs a login test with its own timeout.
constexpr std::size_t MaxTargets = 4;

QString HostOf(QString host)
{
    while (host.endsWith(u'.'))
        host.chop(1);
    return host.toLower();
}

// The path= of the TXT record (RFC 6764 section 4), when it is an absolute path.
QString ContextPath(const std::vector<QByteArray>& texts)
{
    for (const QByteArray& text : texts) {
        if (!text.startsWith("path="))
            continue;
        const QString path = QString::fromUtf8(text.mid(5)).trimmed();
        if (path.startsWith(u'/') && !path.startsWith(QLatin1String("//")))
            return path;
    }
    return {};
}

} // namespace

std::vector<QUrl> ServerCandidates(const QString& domain, std::vector<TSrvTarget> services,
                                   const std::vector<QByteArray>& texts)
{
    std::vector<QUrl> candidates;
    const auto add = [&candidates](const QUrl& url) {
        if (url.isValid() && !url.host().isEmpty() &&
            std::find(candidates.begin(), candidates.end(), url) == candidates.end())
            candidates.push_back(url);
    };

    // A single target "." says the domain offers no such service (RFC 2782).
    const bool none = services.size() == 1 && HostOf(services.front().Host).isEmpty();
    std::stable_sort(services.begin(), services.end(), [](const TSrvTarget& a, const TSrvTarget& b) {
        return a.Priority != b.Priority ? a.Priority < b.Priority : a.Weight > b.Weight;
    });
    const QString path = ContextPath(texts);
    std::size_t tried = 0;
    for (const TSrvTarget& service : services) {
        const QString host = HostOf(service.Host);
        if (none || host.isEmpty() || service.Port == 0 || tried == MaxTargets)
            continue;
        QUrl url;
        url.setScheme(QStringLiteral("https"));
        url.setHost(host, QUrl::StrictMode);
        if (service.Port != 443)
            url.setPort(service.Port);
        url.setPath(path.isEmpty() ? QStringLiteral("/") : path, QUrl::TolerantMode);
        if (url.isValid() && !url.host().isEmpty()) {
            add(url);
            ++tried;
        }
    }
    QUrl fallback;
    fallback.setScheme(QStringLiteral("https"));
    fallback.setHost(HostOf(domain), QUrl::StrictMode);
    fallback.setPath(QStringLiteral("/"));
    add(fallback);
    return candidates;
}

void FindServers(IDnsResolver& resolver, const QString& email, std::function<void(std::vector<QUrl>)> done)
{
    if (!IsEmailAddress(email))
        return done({});
    const QString domain = HostOf(email.trimmed().mid(email.trimmed().indexOf(u'@') + 1));
    const QString name = QStringLiteral("_carddavs._tcp.") + domain;
    resolver.LookupSrv(name, [&resolver, name, domain, done = std::move(done)](std::vector<TSrvTarget> services) {
        if (services.empty())
            return done(ServerCandidates(domain, {}, {}));
        resolver.LookupTxt(name, [domain, services = std::move(services), done](std::vector<QByteArray> texts) {
            done(ServerCandidates(domain, services, texts));
        });
    });
}

// The lookups in flight belong to this object: destroying it ends them without an answer.
struct TQtDnsResolver::TOwner : QObject
{
};

TQtDnsResolver::TQtDnsResolver() : m_owner(new TOwner)
{
}

TQtDnsResolver::~TQtDnsResolver()
{
    delete m_owner;
}

void TQtDnsResolver::LookupSrv(const QString& name, std::function<void(std::vector<TSrvTarget>)> done)
{
    auto* lookup = new QDnsLookup(QDnsLookup::SRV, name, m_owner);
    QObject::connect(lookup, &QDnsLookup::finished, m_owner, [lookup, done = std::move(done)] {
        lookup->deleteLater();
        std::vector<TSrvTarget> services;
        if (lookup->error() == QDnsLookup::NoError)
            for (const QDnsServiceRecord& record : lookup->serviceRecords())
                services.push_back({record.target(), record.port(), record.priority(), record.weight()});
        done(std::move(services));
    });
    lookup->lookup();
}

void TQtDnsResolver::LookupTxt(const QString& name, std::function<void(std::vector<QByteArray>)> done)
{
    auto* lookup = new QDnsLookup(QDnsLookup::TXT, name, m_owner);
    QObject::connect(lookup, &QDnsLookup::finished, m_owner, [lookup, done = std::move(done)] {
        lookup->deleteLater();
        std::vector<QByteArray> texts;
        if (lookup->error() == QDnsLookup::NoError)
            for (const QDnsTextRecord& record : lookup->textRecords())
                for (const QByteArray& value : record.values())
                    texts.push_back(value);
        done(std::move(texts));
    });
    lookup->lookup();
}

std::vector<QUrl> FindServersWaiting(const QString& email)
{
    TQtDnsResolver resolver;
    QEventLoop loop;
    bool answered = false;
    std::vector<QUrl> found;
    FindServers(resolver, email, [&](std::vector<QUrl> candidates) {
        found = std::move(candidates);
        answered = true;
        loop.quit();
    });
    // The resolver has its own timeouts; this one only bounds a resolver that never answers.
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (!answered)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!answered && IsEmailAddress(email))
        return ServerCandidates(HostOf(email.trimmed().mid(email.trimmed().indexOf(u'@') + 1)), {}, {});
    return found;
}

} // namespace CardDav
