#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace CardDav {

// Why a request brought no HTTP answer the sync can use.
enum class TTransportFailure {
    None,
    Network,     // no connection: server down, name not found, connection reset
    Certificate, // TLS failed: the certificate is not trusted, or the handshake broke
    Timeout,     // no whole answer within the time a request may take
    TooLarge,    // the answer grew past the limit and was cut off
};

struct TDavRequest
{
    QByteArray Method; // PROPFIND, REPORT or GET: the sync only reads
    QUrl Url;
    QByteArray Depth; // empty: no Depth header
    QByteArray Body;  // sent as application/xml; empty for none
    // Send the password with the request instead of waiting to be asked: for a server that answers without a login
    // rather than asking for one. Honoured only where the password may go at all.
    bool Authenticate = false;
};

struct TDavReply
{
    TTransportFailure Failure = TTransportFailure::None;
    int Status = 0; // the HTTP status when an answer came, also for errors (401, 404, 500)
    QByteArray Body;
    qint64 Received = 0; // bytes of body that came, also of an answer dropped as too large
    QUrl Location;       // the Location header of a redirect, as sent (may be relative)
    QString Detail;      // the network layer's own words, for the debug log only
};

// Sends one request and waits for its whole answer. Never follows redirects: the sync judges every hop itself.
// Offers the account's password only where the address policy allows it.
class IDavTransport
{
public:
    virtual ~IDavTransport() = default;
    virtual TDavReply Send(const TDavRequest& request) = 0;
};

} // namespace CardDav
