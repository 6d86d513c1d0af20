#pragma once

#include <QByteArray>
#include <QStringList>

// The bodies the sync sends. Only reading requests: PROPFIND and REPORT.
namespace CardDav {

// Depth 0 on the address the user gave, the principal and the context path: enough to tell a book, a principal and
// a home apart in one round.
QByteArray DiscoveryPropfind();
// Depth 1 on a home: its books with what tells whether they changed.
QByteArray BookListPropfind();
// Depth 1 on a book when it offers no sync report: every card's ETag.
QByteArray ETagPropfind();
// RFC 6578 sync-collection with a token (empty: everything), asking for ETags, and with `withData` for the cards'
// text too (RFC 6578 allows any property): a first sync then costs one request where the server sends them.
QByteArray SyncCollectionReport(const QString& token, bool withData = false);
// RFC 6352 addressbook-multiget of the given hrefs (sent as the server wrote them).
QByteArray MultigetReport(const QStringList& hrefs);

} // namespace CardDav
