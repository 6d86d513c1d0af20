#pragma once

#include "IDavTransport.h"

#include <QRegularExpression>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A book on a scripted server, for the cases real servers will not produce on demand: truncated sync answers,
// redirects elsewhere, endless answers. Speaks just enough DAV for one book at https://dav.test/u/book/.
class TFakeDavServer final : public CardDav::IDavTransport
{
public:
    struct TCard
    {
        QString ETag;
        QByteArray Text;
    };

    std::map<QString, TCard> Cards; // by href
    int Version = 1;                // the sync token's number; every change raises it
    std::vector<std::pair<int, QString>> Changes;
    bool SupportsSync = true;
    bool ListsTokens = true;    // false: the book has neither sync-token nor getctag
    bool SyncSendsData = false; // true: a sync answer carries the cards' text when asked for it
    int PageSize = 0;           // > 0: sync answers carry at most this many members and say 507
    int ForgetBefore = 0;       // tokens below this version are refused as expired
    qint64 MaxAnswer = 0;       // > 0: a larger answer fails as too large, as the real transport does
    QUrl RedirectDiscoveryTo;   // set: the first PROPFIND is redirected there
    std::vector<QString> Log;   // "METHOD path depth [body]" for every request
    int Unauthorized = 0;       // > 0: answer this many requests with 401
    // Set: a DAV base at this path that answers an anonymous PROPFIND with the unauthenticated principal (RFC 5397)
    // and one with the password (HonourLogin) with the principal /u/, whose home /u/ holds the book.
    QString DavBase;
    bool HonourLogin = true;
    QStringList Homes{QStringLiteral("/u/")}; // the principal's home set; /u/ holds the book, others nothing
    int Authenticated = 0;                    // requests that came with the password unasked
    // Set: asked first for every request (after the log); an answer it gives stands for the server's.
    std::function<std::optional<CardDav::TDavReply>(const CardDav::TDavRequest&)> Misbehave;

    void Put(const QString& href, const QByteArray& text)
    {
        Cards[href] = {QStringLiteral("\"e%1\"").arg(++Version), text};
        Changes.push_back({Version, href});
    }
    void Remove(const QString& href)
    {
        Cards.erase(href);
        Changes.push_back({++Version, href});
    }

    CardDav::TDavReply Send(const CardDav::TDavRequest& request) override
    {
        Log.push_back(QString::fromLatin1(request.Method) + u' ' + request.Url.path() + u' ' +
                      QString::fromLatin1(request.Depth) + u' ' + QString::fromUtf8(request.Body));
        Authenticated += request.Authenticate ? 1 : 0;
        if (Misbehave)
            if (auto answer = Misbehave(request))
                return *answer;
        CardDav::TDavReply reply;
        if (!DavBase.isEmpty() && request.Method == "PROPFIND" && request.Url.path() == DavBase) {
            reply.Status = 207;
            reply.Body = Multistatus(Response(
                DavBase,
                request.Authenticate && HonourLogin
                    ? "<d:current-user-principal><d:href>/u/</d:href></d:current-user-principal>"
                      "<c:addressbook-home-set><d:href>" +
                          Homes.join(QStringLiteral("</d:href><d:href>")).toUtf8() +
                          "</d:href></c:addressbook-home-set>"
                    : QByteArray("<d:current-user-principal><d:unauthenticated/></d:current-user-principal>")));
            return reply;
        }
        if (!DavBase.isEmpty() && request.Method == "PROPFIND" && Homes.contains(request.Url.path())) {
            reply.Status = request.Authenticate && HonourLogin ? 207 : 401;
            reply.Body = Multistatus(Response(request.Url.path(), "<d:resourcetype><d:collection/></d:resourcetype>") +
                                     (request.Url.path() == u"/u/" ? Response("/u/book/", BookProps()) : QByteArray()));
            return reply;
        }
        if (Unauthorized > 0) {
            --Unauthorized;
            reply.Status = 401;
            return reply;
        }
        if (!RedirectDiscoveryTo.isEmpty() && request.Method == "PROPFIND") {
            reply.Status = 302;
            reply.Location = RedirectDiscoveryTo;
            return reply;
        }
        reply.Status = 207;
        const QString path = request.Url.path();
        if (request.Method == "PROPFIND" && request.Depth == "0") {
            reply.Body = Multistatus(Response(path, BookProps()));
        } else if (request.Method == "PROPFIND") {
            QByteArray members = Response(path, BookProps());
            for (const auto& [href, card] : Cards)
                members += Response(href, "<d:getetag>" + card.ETag.toUtf8() + "</d:getetag><d:resourcetype/>");
            reply.Body = Multistatus(members);
        } else if (request.Method == "REPORT" && request.Body.contains("sync-collection")) {
            reply = SyncAnswer(request.Body);
        } else if (request.Method == "REPORT") {
            QByteArray members;
            static const QRegularExpression hrefs(QStringLiteral("<d:href>([^<]*)</d:href>"));
            for (auto match = hrefs.globalMatch(QString::fromUtf8(request.Body)); match.hasNext();) {
                const QString href = match.next().captured(1);
                const auto card = Cards.find(href);
                members +=
                    card == Cards.end()
                        ? "<d:response><d:href>" + href.toUtf8() +
                              "</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>"
                        : Response(href, "<d:getetag>" + card->second.ETag.toUtf8() + "</d:getetag><c:address-data>" +
                                             QString::fromUtf8(card->second.Text).toHtmlEscaped().toUtf8() +
                                             "</c:address-data>");
            }
            reply.Body = Multistatus(members);
        } else if (request.Method == "GET") {
            const auto card = Cards.find(path);
            reply.Status = card == Cards.end() ? 404 : 200;
            reply.Body = card == Cards.end() ? QByteArray() : card->second.Text;
        } else {
            reply.Status = 405;
        }
        if (MaxAnswer > 0 && reply.Body.size() > MaxAnswer) {
            reply = {};
            reply.Failure = CardDav::TTransportFailure::TooLarge;
            reply.Received = MaxAnswer;
        }
        return reply;
    }

    int Count(const char* prefix) const
    {
        int count = 0;
        for (const QString& line : Log)
            count += line.startsWith(QLatin1String(prefix)) ? 1 : 0;
        return count;
    }

    static QByteArray Multistatus(const QByteArray& members, const QByteArray& extra = {})
    {
        return R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)" + members + extra +
               "</d:multistatus>";
    }
    static QByteArray Response(const QString& href, const QByteArray& props)
    {
        return "<d:response><d:href>" + href.toUtf8() + "</d:href><d:propstat><d:prop>" + props +
               "</d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
    }

private:
    QByteArray Token(int version) const { return "tok-" + QByteArray::number(version); }
    QByteArray BookProps() const
    {
        QByteArray props = "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"
                           "<d:displayname>Book</d:displayname>";
        if (ListsTokens)
            props += "<d:sync-token>" + Token(Version) + "</d:sync-token>";
        if (SupportsSync)
            props += "<d:supported-report-set><d:supported-report><d:report><d:sync-collection/></d:report>"
                     "</d:supported-report></d:supported-report-set>";
        return props;
    }

    CardDav::TDavReply SyncAnswer(const QByteArray& body)
    {
        CardDav::TDavReply reply;
        static const QRegularExpression tokenPattern(QStringLiteral("<d:sync-token>tok-(\\d+)</d:sync-token>"));
        const auto match = tokenPattern.match(QString::fromUtf8(body));
        int since = 0;
        if (match.hasMatch()) {
            since = match.captured(1).toInt();
            if (since < ForgetBefore || since > Version) {
                reply.Status = 403;
                reply.Body = R"(<d:error xmlns:d="DAV:"><d:valid-sync-token/></d:error>)";
                return reply;
            }
        }
        // The members changed after `since`, once each, in the order of their last change.
        std::map<QString, int> last;
        for (const auto& [version, href] : Changes)
            if (version > since)
                last[href] = version;
        std::vector<std::pair<int, QString>> changed;
        for (const auto& [href, version] : last)
            changed.push_back({version, href});
        std::sort(changed.begin(), changed.end());
        QByteArray members;
        int upTo = Version;
        bool truncated = false;
        int count = 0;
        for (const auto& [version, href] : changed) {
            if (PageSize > 0 && count == PageSize) {
                truncated = true;
                break;
            }
            ++count;
            upTo = version;
            const auto card = Cards.find(href);
            members +=
                card == Cards.end()
                    ? "<d:response><d:href>" + href.toUtf8() +
                          "</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>"
                    : Response(href, "<d:getetag>" + card->second.ETag.toUtf8() + "</d:getetag>" +
                                         (SyncSendsData && body.contains("address-data")
                                              ? "<c:address-data>" +
                                                    QString::fromUtf8(card->second.Text).toHtmlEscaped().toUtf8() +
                                                    "</c:address-data>"
                                              : QByteArray()));
        }
        if (truncated)
            members += "<d:response><d:href>/u/book/</d:href><d:status>HTTP/1.1 507 Insufficient Storage</d:status>"
                       "</d:response>";
        reply.Status = 207;
        reply.Body = Multistatus(members, "<d:sync-token>" + Token(truncated ? upTo : Version) + "</d:sync-token>");
        return reply;
    }
};
