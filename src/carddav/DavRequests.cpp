#include "DavRequests.h"

namespace CardDav {

namespace {

QByteArray Escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

QByteArray DiscoveryPropfind()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<d:propfind xmlns:d="DAV:" xmlns:card="urn:ietf:params:xml:ns:carddav"><d:prop>)"
                             "<d:resourcetype/><d:current-user-principal/><card:addressbook-home-set/>"
                             "</d:prop></d:propfind>");
}

QByteArray BookListPropfind()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<d:propfind xmlns:d="DAV:" xmlns:cs="http://calendarserver.org/ns/"><d:prop>)"
                             "<d:resourcetype/><d:displayname/><cs:getctag/><d:sync-token/><d:supported-report-set/>"
                             "</d:prop></d:propfind>");
}

QByteArray ETagPropfind()
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<d:propfind xmlns:d="DAV:"><d:prop><d:resourcetype/><d:getetag/></d:prop>)"
                             "</d:propfind>");
}

QByteArray SyncCollectionReport(const QString& token, bool withData)
{
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                             R"(<d:sync-collection xmlns:d="DAV:" xmlns:card="urn:ietf:params:xml:ns:carddav">)"
                             "<d:sync-token>") +
           Escaped(token) + QByteArrayLiteral("</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/>") +
           (withData ? QByteArrayLiteral("<card:address-data/>") : QByteArray()) +
           QByteArrayLiteral("</d:prop></d:sync-collection>");
}

QByteArray MultigetReport(const QStringList& hrefs)
{
    QByteArray body =
        QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>)"
                          R"(<card:addressbook-multiget xmlns:d="DAV:" xmlns:card="urn:ietf:params:xml:ns:carddav">)"
                          "<d:prop><d:getetag/><card:address-data/></d:prop>");
    for (const QString& href : hrefs)
        body += "<d:href>" + Escaped(href) + "</d:href>";
    body += "</card:addressbook-multiget>";
    return body;
}

} // namespace CardDav
