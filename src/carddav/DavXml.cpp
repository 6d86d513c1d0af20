#include "DavXml.h"

#include <QXmlStreamReader>

namespace CardDav {

namespace {

constexpr QStringView DavNs = u"DAV:";
constexpr QStringView CardNs = u"urn:ietf:params:xml:ns:carddav";
constexpr QStringView CalServerNs = u"http://calendarserver.org/ns/";

// Real answers nest about eight deep; a document that goes far deeper is built to hurt the reader.
constexpr int MaxDepth = 64;

bool Is(const QXmlStreamReader& xml, QStringView ns, QStringView name)
{
    return xml.namespaceUri() == ns && xml.name() == name;
}

// Reads the reader through the current element, counting the depth of what it skips; false when the document
// ends early, is broken or too deep.
class TReader final
{
public:
    // The bytes stay the caller's: no copy of a large answer.
    explicit TReader(QByteArrayView body) : m_xml(QByteArray::fromRawData(body.data(), body.size())) {}

    QXmlStreamReader& Xml() { return m_xml; }

    // The next start element below the current one; false at the current element's end (or on failure).
    bool NextChild()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (++m_depth > MaxDepth) {
                    m_failure = QStringLiteral("the answer nests too deep");
                    return false;
                }
                return true;
            case QXmlStreamReader::EndElement:
                --m_depth;
                return false;
            case QXmlStreamReader::DTD:
                m_failure = QStringLiteral("the answer carries a document type");
                return false;
            default:
                break;
            }
        }
        return false;
    }

    // Leaves the current element, whatever it holds.
    void Skip()
    {
        while (NextChild())
            Skip();
    }

    // The text of the current element (text of nested elements included), leaving it.
    QString Text()
    {
        QString text;
        while (!m_xml.atEnd() && m_failure.isEmpty()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += m_xml.text();
                break;
            case QXmlStreamReader::StartElement:
                if (++m_depth > MaxDepth)
                    m_failure = QStringLiteral("the answer nests too deep");
                else
                    text += Text();
                break;
            case QXmlStreamReader::EndElement:
                --m_depth;
                return text;
            case QXmlStreamReader::DTD:
                m_failure = QStringLiteral("the answer carries a document type");
                break;
            default:
                break;
            }
        }
        return text;
    }

    // The DAV:href children of the current element, leaving it.
    QStringList Hrefs()
    {
        QStringList hrefs;
        while (NextChild()) {
            if (Is(m_xml, DavNs, u"href")) {
                const QString href = Text().trimmed();
                if (!href.isEmpty())
                    hrefs.append(href);
            } else {
                Skip();
            }
        }
        return hrefs;
    }

    bool Failed() const { return !m_failure.isEmpty() || m_xml.hasError(); }

    QString Failure() const { return m_failure.isEmpty() ? m_xml.errorString() : m_failure; }

private:
    QXmlStreamReader m_xml;
    int m_depth = 0;
    QString m_failure;
};

void ReadResourceType(TReader& reader, TDavResponse& into)
{
    while (reader.NextChild()) {
        if (Is(reader.Xml(), DavNs, u"collection"))
            into.IsCollection = true;
        else if (Is(reader.Xml(), CardNs, u"addressbook"))
            into.IsAddressBook = true;
        reader.Skip();
    }
}

// supported-report-set / supported-report / report / <the report's own element>.
void ReadSupportedReports(TReader& reader, TDavResponse& into)
{
    while (reader.NextChild()) {
        if (Is(reader.Xml(), DavNs, u"sync-collection")) {
            into.SupportsSyncCollection = true;
            reader.Skip();
        } else {
            ReadSupportedReports(reader, into);
        }
    }
}

void ReadProp(TReader& reader, TDavResponse& into)
{
    QXmlStreamReader& xml = reader.Xml();
    while (reader.NextChild()) {
        if (Is(xml, DavNs, u"getetag")) {
            into.HasETag = true;
            into.ETag = reader.Text().trimmed();
        } else if (Is(xml, CardNs, u"address-data")) {
            into.HasAddressData = true;
            into.AddressData = reader.Text().toUtf8();
        } else if (Is(xml, DavNs, u"resourcetype")) {
            ReadResourceType(reader, into);
        } else if (Is(xml, DavNs, u"displayname")) {
            into.DisplayName = reader.Text().trimmed();
        } else if (Is(xml, DavNs, u"sync-token")) {
            into.SyncToken = reader.Text().trimmed();
        } else if (Is(xml, CalServerNs, u"getctag")) {
            into.CTag = reader.Text().trimmed();
        } else if (Is(xml, DavNs, u"current-user-principal")) {
            while (reader.NextChild()) {
                if (Is(reader.Xml(), DavNs, u"href")) {
                    if (const QString href = reader.Text().trimmed(); !href.isEmpty())
                        into.CurrentUserPrincipal.append(href);
                } else {
                    into.Unauthenticated = into.Unauthenticated || Is(reader.Xml(), DavNs, u"unauthenticated");
                    reader.Skip();
                }
            }
        } else if (Is(xml, CardNs, u"addressbook-home-set")) {
            into.AddressBookHomeSet = reader.Hrefs();
        } else if (Is(xml, DavNs, u"supported-report-set")) {
            ReadSupportedReports(reader, into);
        } else {
            reader.Skip();
        }
    }
}

// Copies what a successful propstat found; fields it did not carry stay as they were.
void Merge(const TDavResponse& found, TDavResponse& into)
{
    if (found.HasETag) {
        into.HasETag = true;
        into.ETag = found.ETag;
    }
    if (found.HasAddressData) {
        into.HasAddressData = true;
        into.AddressData = found.AddressData;
    }
    into.IsCollection = into.IsCollection || found.IsCollection;
    into.IsAddressBook = into.IsAddressBook || found.IsAddressBook;
    into.SupportsSyncCollection = into.SupportsSyncCollection || found.SupportsSyncCollection;
    into.Unauthenticated = into.Unauthenticated || found.Unauthenticated;
    if (!found.DisplayName.isEmpty())
        into.DisplayName = found.DisplayName;
    if (!found.SyncToken.isEmpty())
        into.SyncToken = found.SyncToken;
    if (!found.CTag.isEmpty())
        into.CTag = found.CTag;
    if (!found.CurrentUserPrincipal.isEmpty())
        into.CurrentUserPrincipal = found.CurrentUserPrincipal;
    if (!found.AddressBookHomeSet.isEmpty())
        into.AddressBookHomeSet = found.AddressBookHomeSet;
}

void ReadPropStat(TReader& reader, TDavResponse& into)
{
    TDavResponse found;
    int status = 0;
    while (reader.NextChild()) {
        if (Is(reader.Xml(), DavNs, u"prop"))
            ReadProp(reader, found);
        else if (Is(reader.Xml(), DavNs, u"status"))
            status = ParseStatusLine(reader.Text());
        else
            reader.Skip();
    }
    // A propstat without a status line is broken; reading its values as found would invent properties.
    if (status >= 200 && status < 300)
        Merge(found, into);
}

TDavResponse ReadResponse(TReader& reader)
{
    TDavResponse response;
    while (reader.NextChild()) {
        if (Is(reader.Xml(), DavNs, u"href")) {
            // RFC 4918 allows several hrefs sharing one status; the first names the member well enough.
            const QString href = reader.Text().trimmed();
            if (response.Href.isEmpty())
                response.Href = href;
        } else if (Is(reader.Xml(), DavNs, u"status")) {
            response.Status = ParseStatusLine(reader.Text());
        } else if (Is(reader.Xml(), DavNs, u"propstat")) {
            ReadPropStat(reader, response);
        } else {
            reader.Skip();
        }
    }
    return response;
}

} // namespace

int ParseStatusLine(QStringView line)
{
    // "HTTP/1.1 200 OK": the three digits after the first blank.
    line = line.trimmed();
    const qsizetype blank = line.indexOf(u' ');
    if (!line.startsWith(u"HTTP/") || blank < 0)
        return 0;
    const QStringView rest = line.mid(blank + 1).trimmed();
    if (rest.size() < 3)
        return 0;
    int code = 0;
    for (qsizetype i = 0; i < 3; ++i) {
        if (rest[i] < u'0' || rest[i] > u'9')
            return 0;
        code = code * 10 + (rest[i].unicode() - u'0');
    }
    if (rest.size() > 3 && rest[3] != u' ')
        return 0;
    return code >= 100 ? code : 0;
}

std::optional<TMultiStatus> ParseMultiStatus(QByteArrayView body, QString* error)
{
    TReader reader(body);
    TMultiStatus result;
    bool sawRoot = false;
    if (reader.NextChild()) {
        if (Is(reader.Xml(), DavNs, u"multistatus")) {
            sawRoot = true;
            while (reader.NextChild()) {
                if (Is(reader.Xml(), DavNs, u"response"))
                    result.Responses.push_back(ReadResponse(reader));
                else if (Is(reader.Xml(), DavNs, u"sync-token"))
                    result.SyncToken = reader.Text().trimmed();
                else
                    reader.Skip();
            }
        }
    }
    // Anything after the root (a second root, broken bytes) still makes the document bad.
    while (!reader.Failed() && !reader.Xml().atEnd())
        reader.Xml().readNext();
    QString why;
    if (reader.Failed())
        why = reader.Failure();
    else if (!sawRoot)
        why = QStringLiteral("the answer is no DAV multistatus");
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return result;
}

QStringList ParseDavErrorConditions(QByteArrayView body)
{
    TReader reader(body);
    QStringList conditions;
    if (!reader.NextChild() || !Is(reader.Xml(), DavNs, u"error"))
        return {};
    while (reader.NextChild()) {
        if (reader.Xml().namespaceUri() == DavNs)
            conditions.append(reader.Xml().name().toString());
        reader.Skip();
    }
    return reader.Failed() ? QStringList() : conditions;
}

} // namespace CardDav
