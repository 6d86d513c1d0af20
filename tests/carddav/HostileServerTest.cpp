#include "TSyncEngine.h"

#include "BookFolder.h"
#include "TCardDavStoreKind.h"
#include "TFakeDavServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <fstream>
#include <sstream>
#include <thread>

using namespace CardDav;

namespace {

const QUrl BookUrl(QStringLiteral("https://dav.test/u/book/"));

QByteArray Card(int n)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + QByteArray::number(n) + "\r\nFN:Person " + QByteArray::number(n) +
           "\r\nBDAY:1980-03-14\r\nEND:VCARD\r\n";
}

// Every file below the account's folder but its status, by relative path: what the module would read.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored)) {
        if (!entry.is_regular_file() || entry.path().filename() == "status")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        files[entry.path().lexically_relative(folder).string()] = text.str();
    }
    return files;
}

TDavReply Answer(int status, QByteArray body = {}, QUrl location = {})
{
    TDavReply reply;
    reply.Status = status;
    reply.Body = std::move(body);
    reply.Location = std::move(location);
    return reply;
}

TDavReply Broken(TTransportFailure failure)
{
    TDavReply reply;
    reply.Failure = failure;
    return reply;
}

bool IsSyncReport(const TDavRequest& request)
{
    return request.Method == "REPORT" && request.Body.contains("sync-collection");
}

bool IsMultiget(const TDavRequest& request)
{
    return request.Method == "REPORT" && request.Body.contains("addressbook-multiget");
}

struct TRow
{
    const char* Name;
    // Sets the server up for the second sync, after a first one cached cards 0 to 4.
    std::function<void(TFakeDavServer&, TSyncBudget&)> Arrange;
    // The failure the status must name; empty: the new cache must be complete.
    QString Failure;
    std::function<void(const TFakeDavServer&)> Check = {}; // more to look at, if anything
};

// The server's own answer to the requests `which` picks, with `members` added: after its own (`after`), or first.
void Amend(TFakeDavServer& server, bool (*which)(const TDavRequest&), QByteArray members, bool after)
{
    auto inside = std::make_shared<bool>(false);
    server.Misbehave = [&server, which, members, after,
                        inside](const TDavRequest& request) -> std::optional<TDavReply> {
        if (*inside || !which(request))
            return std::nullopt;
        *inside = true;
        TDavReply reply = server.Send(request);
        *inside = false;
        const QByteArray open = R"(xmlns:c="urn:ietf:params:xml:ns:carddav">)";
        if (after)
            reply.Body.replace("</d:multistatus>", members + "</d:multistatus>");
        else
            reply.Body.replace(open, open + members);
        return reply;
    };
}

} // namespace

// Each row is one way a server misbehaves during the sync that follows a good one. Afterwards the cached book is
// byte for byte the one before, or a complete new one; the status names the reason; the sync ends within its budget.
TEST(HostileServer, EachMisbehaviourKeepsTheCacheOrCompletesItAndNamesTheReason)
{
    const auto getsOnly = [](TFakeDavServer& server) {
        // Multigets come back without data, so that every changed card goes through a single GET.
        return [&server](const TDavRequest& request) -> std::optional<TDavReply> {
            if (IsMultiget(request))
                return Answer(207, TFakeDavServer::Multistatus({}));
            return std::nullopt;
        };
    };
    const std::vector<TRow> rows{
        {"a connection dropped in the middle of a GET (Content-Length longer than the body)",
         [&](TFakeDavServer& server, TSyncBudget&) {
             const auto multiget = getsOnly(server);
             server.Misbehave = [multiget](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (request.Method == "GET")
                     return Broken(TTransportFailure::Network);
                 return multiget(request);
             };
         },
         QStringLiteral("server not reachable")},
        {"a connection dropped in the middle of a multiget",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsMultiget(request))
                     return Broken(TTransportFailure::Network);
                 return std::nullopt;
             };
         },
         QStringLiteral("server not reachable")},
        {"endless sync pages",
         [](TFakeDavServer& server, TSyncBudget&) {
             auto page = std::make_shared<int>(100);
             server.Misbehave = [page](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (!IsSyncReport(request))
                     return std::nullopt;
                 ++*page;
                 return Answer(207, TFakeDavServer::Multistatus(
                                        "<d:response><d:href>/u/book/</d:href><d:status>HTTP/1.1 507 Insufficient "
                                        "Storage</d:status></d:response>",
                                        "<d:sync-token>tok-" + QByteArray::number(*page) + "</d:sync-token>"));
             };
         },
         QStringLiteral("too many pages")},
        {"a truncated answer whose token never changes", // one page, then the ETag listing
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (!IsSyncReport(request))
                     return std::nullopt;
                 static const QRegularExpression token(QStringLiteral("<d:sync-token>([^<]*)</d:sync-token>"));
                 const QString sent = token.match(QString::fromUtf8(request.Body)).captured(1);
                 return Answer(207, TFakeDavServer::Multistatus(
                                        "<d:response><d:href>/u/book/</d:href><d:status>HTTP/1.1 507 Insufficient "
                                        "Storage</d:status></d:response>",
                                        "<d:sync-token>" + sent.toUtf8() + "</d:sync-token>"));
             };
         },
         {},
         [](const TFakeDavServer& server) { EXPECT_EQ(server.Count("REPORT /u/book/ 0"), 1); }},
        {"a sync answer naming 100 000 hrefs",
         [](TFakeDavServer& server, TSyncBudget& budget) {
             budget.CardsPerBook = 1000;
             QByteArray members;
             for (int i = 0; i < 100000; ++i)
                 members += "<d:response><d:href>/u/book/m" + QByteArray::number(i) +
                            ".vcf</d:href><d:propstat><d:prop><d:getetag>\"x\"</d:getetag></d:prop>"
                            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>";
             const QByteArray body = TFakeDavServer::Multistatus(members, "<d:sync-token>tok-999</d:sync-token>");
             server.Misbehave = [body](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsSyncReport(request))
                     return Answer(207, body);
                 return std::nullopt;
             };
         },
         QStringLiteral("book too large")},
        {"answers at the size limit, again and again",
         [](TFakeDavServer& server, TSyncBudget& budget) {
             budget.Received = 500000;
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (!IsMultiget(request) && request.Method != "GET")
                     return std::nullopt;
                 TDavReply reply = Broken(TTransportFailure::TooLarge);
                 reply.Received = 300000;
                 return reply;
             };
         },
         QStringLiteral("answer too large")},
        {"a slow drip just under the time a request may take",
         [](TFakeDavServer& server, TSyncBudget& budget) {
             budget.Time = std::chrono::milliseconds(300);
             server.Misbehave = [](const TDavRequest&) -> std::optional<TDavReply> {
                 std::this_thread::sleep_for(std::chrono::milliseconds(120));
                 return std::nullopt;
             };
         },
         QStringLiteral("timed out")},
        {"a redirect loop",
         [](TFakeDavServer& server, TSyncBudget&) { server.RedirectDiscoveryTo = QUrl(QStringLiteral("/u/book/")); },
         QStringLiteral("too many redirects")},
        {"a redirect to another port",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.RedirectDiscoveryTo = QUrl(QStringLiteral("https://dav.test:8443/u/book/"));
         },
         QStringLiteral("redirected to another host")},
        {"a redirect to http",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.RedirectDiscoveryTo = QUrl(QStringLiteral("http://dav.test/u/book/"));
         },
         QStringLiteral("redirected to another host")},
        {"a redirect to another host",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.RedirectDiscoveryTo = QUrl(QStringLiteral("https://evil.test/u/book/"));
         },
         QStringLiteral("redirected to another host")},
        {"a web page instead of XML",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsSyncReport(request))
                     return Answer(207, "<html><body>Welcome</body></html>");
                 return std::nullopt;
             };
         },
         QStringLiteral("unreadable answer")},
        {"invalid XML",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsMultiget(request))
                     return Answer(207, "<d:multistatus xmlns:d=\"DAV:\"><d:response>");
                 return std::nullopt;
             };
         },
         QStringLiteral("unreadable answer")},
        {"duplicate hrefs, the first with the card", // the first answer counts
         [](TFakeDavServer& server, TSyncBudget&) {
             Amend(server, IsMultiget,
                   TFakeDavServer::Response("/u/book/5.vcf", "<d:getetag>\"z\"</d:getetag><c:address-data>"
                                                             "BEGIN:VCARD\nFN:Impostor\nEND:VCARD\n</c:address-data>"),
                   true);
         },
         {}},
        {"hrefs outside the book", // named, never fetched, never cached
         [](TFakeDavServer& server, TSyncBudget&) {
             Amend(server, IsSyncReport,
                   TFakeDavServer::Response("/other/x.vcf", "<d:getetag>\"o\"</d:getetag>") +
                       TFakeDavServer::Response("https://dav.test/u/x.vcf", "<d:getetag>\"p\"</d:getetag>"),
                   false);
         },
         {},
         [](const TFakeDavServer& server) {
             for (const QString& line : server.Log)
                 EXPECT_FALSE(line.contains(QLatin1String("x.vcf")) && !line.startsWith(u"REPORT /u/book/ 0"))
                     << line.toStdString();
         }},
        {"a card removed between the listing and its GET (410 Gone)", // dropped, the book goes on
         [](TFakeDavServer& server, TSyncBudget&) {
             Amend(server, IsSyncReport, TFakeDavServer::Response("/u/book/gone.vcf", "<d:getetag>\"g\"</d:getetag>"),
                   false);
             const auto amended = server.Misbehave;
             server.Misbehave = [amended](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (request.Method == "GET" && request.Url.path() == u"/u/book/gone.vcf")
                     return Answer(410);
                 if (IsMultiget(request))
                     return Answer(207, TFakeDavServer::Multistatus({}));
                 return amended(request);
             };
         },
         {}},
        {"a card that is not a vCard", // kept as the server has it; the module finds no card in it
         [](TFakeDavServer& server, TSyncBudget&) { server.Put("/u/book/junk.vcf", "Hello, this is not a card.\r\n"); },
         {}},
        {"500 on every REPORT", // the ETag listing and single GETs still give the whole book
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (request.Method == "REPORT")
                     return Answer(500);
                 return std::nullopt;
             };
         },
         {}},
        {"507 on the multiget",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsMultiget(request) || request.Method == "GET")
                     return Answer(507);
                 return std::nullopt;
             };
         },
         QStringLiteral("server error 507")},
        {"401 in the middle of a sync",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsMultiget(request))
                     return Answer(401);
                 return std::nullopt;
             };
         },
         QStringLiteral("login failed")},
        {"429 with Retry-After",
         [](TFakeDavServer& server, TSyncBudget&) {
             server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
                 if (IsSyncReport(request))
                     return Answer(429, "slow down");
                 return std::nullopt;
             };
         },
         QStringLiteral("server error 429")},
    };

    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-hostile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        const std::filesystem::path root = std::filesystem::path(pattern) / "carddav";
        const std::filesystem::path account = TSyncEngine::AccountFolder(root, BookUrl, QStringLiteral("alice"));

        TFakeDavServer server;
        TSyncEngine engine(server, root);
        for (int i = 0; i < 5; ++i)
            server.Put(QStringLiteral("/u/book/%1.vcf").arg(i), Card(i));
        ASSERT_TRUE(engine.Sync(BookUrl, QStringLiteral("alice")).Ok());
        const auto before = Snapshot(account);

        // Changes on the server, so that the next sync has work to do.
        server.Put("/u/book/1.vcf", Card(11));
        server.Remove("/u/book/2.vcf");
        server.Put("/u/book/5.vcf", Card(5));
        server.Log.clear();
        TSyncBudget budget;
        row.Arrange(server, budget);
        engine.SetBudget(budget);
        QElapsedTimer took;
        took.start();
        const TSyncResult result = engine.Sync(BookUrl, QStringLiteral("alice"));
        EXPECT_LT(took.elapsed(), budget.Time.count() + 2000);
        if (row.Check)
            row.Check(server);

        const auto status = Stores::ReadCardDavStatus(account);
        ASSERT_TRUE(status);
        const std::string bookKey = FolderKey(BookUrl.toString().toStdString());
        EXPECT_EQ(WordsOf(status->FailureOf(bookKey)), row.Failure);
        EXPECT_EQ(WordsOf(result.FirstFailure()), row.Failure);
        if (!row.Failure.isEmpty()) {
            EXPECT_EQ(Snapshot(account), before);
        } else {
            // Complete: every card the server has, and none it does not.
            const auto state = Stores::ReadCardDavState(account / bookKey);
            ASSERT_TRUE(state);
            std::set<std::string> hrefs;
            for (const auto& card : state->Cards)
                hrefs.insert(card.Href);
            std::set<std::string> expected;
            for (const auto& [href, card] : server.Cards)
                expected.insert(href.toStdString());
            EXPECT_EQ(hrefs, expected);
            for (const auto& card : state->Cards) {
                if (card.Href == "/u/book/5.vcf") {
                    EXPECT_NE(Snapshot(account / bookKey)[card.File].find("Person 5"), std::string::npos);
                }
            }
        }
        std::filesystem::remove_all(pattern);
    }
}

// Quitting during a sync: the next request is not sent, and nothing of the sync reaches the cache or its status.
TEST(HostileServer, ACancelledSyncStopsBeforeTheNextRequestAndLeavesCacheAndStatusAsTheyWere)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-cancel-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path root = std::filesystem::path(pattern) / "carddav";
    const std::filesystem::path account = TSyncEngine::AccountFolder(root, BookUrl, QStringLiteral("alice"));
    TFakeDavServer server;
    TSyncEngine engine(server, root);
    server.Put("/u/book/a.vcf", Card(1));
    ASSERT_TRUE(engine.Sync(BookUrl, QStringLiteral("alice")).Ok());
    const auto before = Snapshot(account);
    std::ifstream statusFile(account / "status", std::ios::binary);
    std::stringstream statusBefore;
    statusBefore << statusFile.rdbuf();

    server.Put("/u/book/b.vcf", Card(2));
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    engine.SetCancel(cancel);
    server.Misbehave = [cancel](const TDavRequest& request) -> std::optional<TDavReply> {
        if (IsSyncReport(request))
            cancel->store(true); // the user quits while the listing is on its way
        return std::nullopt;
    };
    server.Log.clear();
    EXPECT_EQ(engine.Sync(BookUrl, QStringLiteral("alice")).FirstFailure().Code, TSyncFailure::Cancelled);
    EXPECT_EQ(server.Count("REPORT /u/book/ 1"), 0);
    EXPECT_EQ(Snapshot(account), before);
    std::ifstream statusAfter(account / "status", std::ios::binary);
    std::stringstream after;
    after << statusAfter.rdbuf();
    EXPECT_EQ(after.str(), statusBefore.str());
    std::filesystem::remove_all(pattern);
}

TEST(HostileServer, ABookWhoseSyncFailedIsListedStaleWithItsOwnReason)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-stale-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path root = std::filesystem::path(pattern) / "nelvora" / "carddav";
    TFakeDavServer server;
    TSyncEngine engine(server, root);
    server.Put("/u/book/a.vcf", Card(1));
    ASSERT_TRUE(engine.Sync(BookUrl, QStringLiteral("alice")).Ok());
    server.Put("/u/book/b.vcf", Card(2));
    server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
        if (IsMultiget(request) || request.Method == "GET")
            return Answer(507);
        return std::nullopt;
    };
    const TSyncResult result = engine.Sync(BookUrl, QStringLiteral("alice"));
    EXPECT_FALSE(result.Failure); // the account is fine; one book is not
    EXPECT_EQ(result.FirstFailure(), TFailure::Server(507));

    Stores::TStoreEnvironment environment;
    environment.CacheHome = pattern;
    std::vector<Stores::TStoreLocation> found;
    Stores::TCardDavStoreKind().Find(environment, found);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Shown, BookUrl.toString().toStdString());
    EXPECT_NE(found[0].Note.find("stale"), std::string::npos);
    EXPECT_NE(found[0].Note.find("server error 507"), std::string::npos);
    std::filesystem::remove_all(pattern);
}
