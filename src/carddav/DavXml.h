#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace CardDav {

// One <response> of a multistatus answer, with the properties the client reads. Only properties that came in a
// propstat with a 2xx status are filled: servers answer 404 for a property they do not have (Xandikos for
// address-data inside a sync report), and that must read as "not sent", not as an empty value.
struct TDavResponse
{
    QString Href;   // as the server wrote it, percent-encoding kept, so it can be sent back unchanged
    int Status = 0; // the response's own status line (sync-collection: 404 for a removed member); 0 when absent

    bool HasETag = false;
    QString ETag;
    bool HasAddressData = false;
    QByteArray AddressData; // the card text as sent (UTF-8)
    bool IsCollection = false;
    bool IsAddressBook = false;
    QString DisplayName;
    QString SyncToken; // a collection's own {DAV:}sync-token property
    QString CTag;      // {http://calendarserver.org/ns/}getctag
    QStringList CurrentUserPrincipal;
    bool Unauthenticated = false; // the principal is <unauthenticated/> (RFC 5397): the request had no login
    QStringList AddressBookHomeSet;
    bool SupportsSyncCollection = false;
};

struct TMultiStatus
{
    std::vector<TDavResponse> Responses;
    QString SyncToken; // the report's new token (sync-collection), empty otherwise
};

// Reads a 207 answer. Elements are matched by namespace and local name, never by prefix; whatever the client does
// not know is skipped. Nothing (and `error` says why) for text that is not well-formed XML, has no DAV:multistatus
// root, carries a document type (entity tricks have no business in a server's answer), or nests deeper than any
// real answer does.
std::optional<TMultiStatus> ParseMultiStatus(QByteArrayView body, QString* error = nullptr);

// The preconditions named in a DAV:error answer body (RFC 4918 section 16), as local names in the DAV: namespace,
// for example "valid-sync-token". Empty when the body names none or is no such answer.
QStringList ParseDavErrorConditions(QByteArrayView body);

// The number of an HTTP status line ("HTTP/1.1 404 Not Found" gives 404), 0 when there is none.
int ParseStatusLine(QStringView line);

} // namespace CardDav
