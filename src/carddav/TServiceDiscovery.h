#pragma once

#include "EmailAddress.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <vector>

// Finding the address-book server of an e-mail address's domain, as RFC 6764 describes: the _carddavs._tcp SRV
// record (with the context path from its TXT record), then the domain's own /.well-known/carddav. Only https is
// tried for a server found this way; the plain-text _carddav._tcp record is never asked for.
namespace CardDav {

struct TSrvTarget
{
    QString Host;
    quint16 Port = 0;
    quint16 Priority = 0;
    quint16 Weight = 0;
};

// The name service, asked without waiting. Each call answers once, from the event loop; a failed lookup answers
// with no records.
class IDnsResolver
{
public:
    virtual ~IDnsResolver() = default;
    virtual void LookupSrv(const QString& name, std::function<void(std::vector<TSrvTarget>)> done) = 0;
    virtual void LookupTxt(const QString& name, std::function<void(std::vector<QByteArray>)> done) = 0;
};

// The addresses to try, in order: each SRV target by priority (the heavier first within one), at the TXT record's
// path or at its root, then https://<domain>/. Records that name no service, or no usable host or path, are left
// out. A root address makes the login test look at its /.well-known/carddav.
std::vector<QUrl> ServerCandidates(const QString& domain, std::vector<TSrvTarget> services,
                                   const std::vector<QByteArray>& texts);

// Looks up the records of the address's domain and answers with ServerCandidates(); empty for no e-mail address.
void FindServers(IDnsResolver& resolver, const QString& email, std::function<void(std::vector<QUrl>)> done);

// The system's resolver through the toolkit. Lookups still running when it is destroyed answer no more.
class TQtDnsResolver final : public IDnsResolver
{
public:
    TQtDnsResolver();
    ~TQtDnsResolver() override;
    void LookupSrv(const QString& name, std::function<void(std::vector<TSrvTarget>)> done) override;
    void LookupTxt(const QString& name, std::function<void(std::vector<QByteArray>)> done) override;

private:
    struct TOwner;
    TOwner* m_owner;
};

// FindServers() with the system's resolver, waiting in a local event loop: for the command line and worker threads.
std::vector<QUrl> FindServersWaiting(const QString& email);

} // namespace CardDav
