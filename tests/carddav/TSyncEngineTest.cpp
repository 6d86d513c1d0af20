#include "TSyncEngine.h"

#include "BookFolder.h"
#include "TFakeDavServer.h"
#include "UrlPolicy.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace CardDav;

namespace {

const QUrl BookUrl(QStringLiteral("https://dav.test/u/book/"));

QByteArray Card(const char* uid, const char* name, const char* birthday = "1980-03-14")
{
    return QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:") + uid + "\r\nFN:" + name + "\r\nBDAY:" + birthday +
           "\r\nEND:VCARD\r\n";
}

// A card as it arrives through XML, whose reader turns every CR LF of a text into LF.
std::string Received(const QByteArray& card)
{
    return QByteArray(card).replace("\r\n", "\n").toStdString();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SyncEngine : public ::testing::Test
{
protected:
    SyncEngine()
    {
        m_engine.SetClock([] { return std::int64_t(1700000000); });
    }
    ~SyncEngine() override { std::filesystem::remove_all(m_root.parent_path()); }

    TSyncResult Sync(const QUrl& url = BookUrl) { return m_engine.Sync(url, QStringLiteral("alice")); }

    std::filesystem::path Book(const QUrl& url = BookUrl) const
    {
        return TSyncEngine::AccountFolder(m_root, url, QStringLiteral("alice")) /
               FolderKey(url.toString().toStdString());
    }

    // The cached cards as href -> text, and how many card files the folder holds.
    std::map<std::string, std::string> Cached(std::size_t* files = nullptr) const
    {
        std::map<std::string, std::string> cards;
        const auto state = Stores::ParseCardDavState(ReadFile(Book() / "state"));
        if (!state)
            return cards;
        for (const auto& card : state->Cards)
            cards[card.Href] = card.File.empty() ? "(left out)" : ReadFile(Book() / card.File);
        if (files) {
            *files = 0;
            for (const auto& entry : std::filesystem::directory_iterator(Book()))
                *files += entry.path().extension() == ".vcf" ? 1 : 0;
        }
        return cards;
    }

    static std::filesystem::path NewRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-sync-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        return std::filesystem::path(pattern) / "carddav";
    }

    std::filesystem::path m_root = NewRoot();
    TFakeDavServer m_server;
    TSyncEngine m_engine{m_server, m_root};
};

} // namespace

TEST_F(SyncEngine, FirstSyncMirrorsEveryCardAndKeepsGroupsOutOfTheFolder)
{
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    m_server.Put("/u/book/b%20c.vcf", Card("b", "Bo Chen"));
    m_server.Put("/u/book/g.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\nEND:VCARD\r\n");

    const TSyncResult result = Sync();
    ASSERT_TRUE(result.Ok()) << Stores::FailureWords(result.Failure);
    std::size_t files = 0;
    const auto cards = Cached(&files);
    EXPECT_EQ(files, 2u);
    EXPECT_EQ(cards.at("/u/book/a.vcf"), Received(Card("a", "Anna")));
    EXPECT_EQ(cards.at("/u/book/b%20c.vcf"), Received(Card("b", "Bo Chen")));
    EXPECT_EQ(cards.at("/u/book/g.vcf"), "(left out)");
    EXPECT_EQ(m_server.Count("REPORT /u/book/ 0"), 1);
    EXPECT_EQ(m_server.Count("REPORT /u/book/ 1"), 1);
}

TEST_F(SyncEngine, NextSyncsAskWithTheSavedTokenAndFetchOnlyWhatChanged)
{
    for (const char* uid : {"a", "b", "c", "d"})
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(QLatin1String(uid)), Card(uid, uid));
    ASSERT_TRUE(Sync().Ok());
    const QString savedToken = QStringLiteral("tok-%1").arg(m_server.Version);

    m_server.Put("/u/book/a.vcf", Card("a", "a", "1981-01-02"));
    m_server.Remove("/u/book/b.vcf");
    m_server.Put("/u/book/e.vcf", Card("e", "e"));
    m_server.Log.clear();
    const TSyncResult result = Sync();
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.CardsFetched, 2);
    EXPECT_EQ(result.CardsRemoved, 1);
    std::vector<QString> reports;
    for (const QString& line : m_server.Log)
        if (line.startsWith(QLatin1String("REPORT")))
            reports.push_back(line);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("<d:sync-token>") + savedToken + QStringLiteral("</d:sync-token>")));
    EXPECT_EQ(reports[1].count(QStringLiteral("<d:href>")), 2);
    EXPECT_TRUE(reports[1].contains(QLatin1String("a.vcf")) && reports[1].contains(QLatin1String("e.vcf")));

    const auto cards = Cached();
    EXPECT_EQ(cards.size(), 4u);
    EXPECT_FALSE(cards.contains("/u/book/b.vcf"));
    EXPECT_NE(cards.at("/u/book/a.vcf").find("1981-01-02"), std::string::npos);

    // Nothing changed: the book's listed token says so, and not one report is sent.
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Count("REPORT"), 0);
}

TEST_F(SyncEngine, AnExpiredTokenGivesOneFullResyncWithTheSameCardsOnce)
{
    for (const char* uid : {"a", "b", "c"})
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(QLatin1String(uid)), Card(uid, uid));
    ASSERT_TRUE(Sync().Ok());
    const auto before = Cached();

    m_server.Put("/u/book/d.vcf", Card("d", "d"));
    m_server.Remove("/u/book/c.vcf");
    m_server.ForgetBefore = m_server.Version; // the saved token is now too old
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Count("REPORT /u/book/ 0"), 2); // refused, then from the start
    std::size_t files = 0;
    const auto after = Cached(&files);
    EXPECT_EQ(files, 3u);
    EXPECT_EQ(after.size(), 3u);
    EXPECT_EQ(after.at("/u/book/a.vcf"), before.at("/u/book/a.vcf"));
    EXPECT_FALSE(after.contains("/u/book/c.vcf"));
}

TEST_F(SyncEngine, TruncatedAnswersAndServersWithoutTheSyncReportStillGiveTheWholeBook)
{
    for (int i = 0; i < 7; ++i)
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(i), Card("x", "x"));
    m_server.PageSize = 3;
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 7u);
    EXPECT_EQ(m_server.Count("REPORT /u/book/ 0"), 3);

    // The ETag listing decides when there is no sync report.
    m_server.SupportsSync = false;
    m_server.Put("/u/book/3.vcf", Card("y", "y"));
    m_server.Remove("/u/book/4.vcf");
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Count("PROPFIND /u/book/ 1"), 1);
    ASSERT_EQ(m_server.Count("REPORT /u/book/ 1"), 1);
    EXPECT_EQ(m_server.Log.back().count(QStringLiteral("<d:href>")), 1);
    EXPECT_EQ(Cached().size(), 6u);
}

TEST_F(SyncEngine, AnswersPastTheLimitAreSplitAndAHugeCardIsLeftOutNotTheBook)
{
    for (const char* uid : {"a", "b", "c", "d"})
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(QLatin1String(uid)), Card(uid, uid));
    m_server.Put("/u/book/photo.vcf", Card("p", "p") + QByteArray(3000, 'x'));
    m_server.MaxAnswer = 2000; // fits two small cards, not the photo
    const TSyncResult result = Sync();
    ASSERT_TRUE(result.Ok()) << Stores::FailureWords(result.BookFailures.begin()->second);
    const auto cards = Cached();
    EXPECT_EQ(cards.size(), 5u);
    EXPECT_EQ(cards.at("/u/book/photo.vcf"), "(left out)");
    EXPECT_EQ(cards.at("/u/book/a.vcf"), Received(Card("a", "a")));
}

TEST_F(SyncEngine, FailuresKeepTheCacheAndSayWhyWithoutSendingWhereTheyMustNot)
{
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    ASSERT_TRUE(Sync().Ok());
    const auto before = Cached();
    const auto statusOf = [this] {
        return Stores::ParseCardDavStatus(
            ReadFile(TSyncEngine::AccountFolder(m_root, BookUrl, QStringLiteral("alice")) / "status"));
    };

    m_server.Put("/u/book/b.vcf", Card("b", "Bo"));
    m_server.Unauthorized = 100;
    EXPECT_EQ(Stores::FailureWords(Sync().Failure), "login failed");
    EXPECT_EQ(Cached(), before);
    ASSERT_TRUE(statusOf());
    EXPECT_EQ(statusOf()->FailureOf(FolderKey(BookUrl.toString().toStdString())).Code, TSyncFailure::LoginFailed);

    // A redirect to another host is not followed: that host never sees a request.
    m_server.Unauthorized = 0;
    m_server.RedirectDiscoveryTo = QUrl(QStringLiteral("https://elsewhere.test/u/book/"));
    m_server.Log.clear();
    EXPECT_EQ(Stores::FailureWords(Sync().Failure), "redirected to another host");
    EXPECT_EQ(m_server.Log.size(), 1u);
    EXPECT_EQ(Cached(), before);

    // Plain http to another computer is refused before anything is sent.
    m_server.Log.clear();
    EXPECT_EQ(Sync(QUrl(QStringLiteral("http://dav.test/u/book/"))).Failure.Code, TSyncFailure::PlainHttp);
    EXPECT_TRUE(m_server.Log.empty());

    // Once the server answers again, the sync picks up where it left off.
    m_server.RedirectDiscoveryTo.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 2u);
    EXPECT_TRUE(statusOf()->Failures.empty());
}

TEST(UrlPolicy, PasswordsTravelOnlyOverTlsOrToThisComputerAndOnlyToTheNamedSite)
{
    struct TCase
    {
        const char* Url;
        bool Allowed;
    };
    for (const TCase& c : {TCase{"https://dav.example.org/", true}, TCase{"http://127.0.0.1:5232/", true},
                           TCase{"http://localhost/dav/", true}, TCase{"http://[::1]:8080/", true},
                           TCase{"http://127.5.0.1/", true}, TCase{"http://dav.example.org/", false},
                           TCase{"http://192.168.1.2/", false}, TCase{"http://localhost.example.org/", false},
                           TCase{"ftp://dav.example.org/", false}, TCase{"dav.example.org", false}}) {
        EXPECT_EQ(!RefusalOf(QUrl(QString::fromLatin1(c.Url))), c.Allowed) << c.Url;
    }

    struct TSite
    {
        const char* Account;
        const char* Target;
        bool Same;
    };
    for (const TSite& c : {TSite{"https://contacts.icloud.com/", "https://p42-contacts.icloud.com/1/", true},
                           TSite{"https://dav.example.org/", "https://DAV.example.org:8443/x/", true},
                           TSite{"https://example.org/", "https://dav.example.org/", false},
                           TSite{"https://dav.example.org/", "https://example.org.evil.test/", false},
                           TSite{"https://dav.example.org/", "https://evilexample.org/", false},
                           TSite{"http://127.0.0.1/", "http://127.0.0.2/", false}}) {
        EXPECT_EQ(IsSameSite(QUrl(QString::fromLatin1(c.Account)), QUrl(QString::fromLatin1(c.Target))), c.Same)
            << c.Account << " " << c.Target;
    }
}

TEST_F(SyncEngine, AServerThatAnswersWithoutALoginIsAskedAgainWithThePassword)
{
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    m_server.DavBase = QStringLiteral("/dav/");
    const QUrl base(QStringLiteral("https://dav.test/dav/"));
    TSyncResult result = Sync(base);
    ASSERT_TRUE(result.Ok()) << Stores::FailureWords(result.Failure);
    ASSERT_EQ(result.Books.size(), 1u);
    EXPECT_EQ(result.Books.front().Url, BookUrl);
    EXPECT_EQ(result.CardsFetched, 1);
    EXPECT_GT(m_server.Authenticated, 0);

    // The password is refused without a challenge: that is a failed login, not a server without books.
    m_server.HonourLogin = false;
    EXPECT_EQ(Stores::FailureWords(Sync(base).Failure), "login failed");
}

TEST_F(SyncEngine, ARedirectKeepsSchemeHostAndPortAndOneFailingHomeFailsTheDiscovery)
{
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    for (const char* to : {"https://dav.test:8443/u/book/", "http://dav.test/u/book/"}) {
        m_server.RedirectDiscoveryTo = QUrl(QString::fromLatin1(to));
        m_server.Log.clear();
        EXPECT_EQ(Sync().Failure.Code, TSyncFailure::RedirectedToAnotherHost) << to;
        EXPECT_EQ(m_server.Log.size(), 1u) << to;
    }
    m_server.RedirectDiscoveryTo.clear();

    // One of two homes answers 500: its books must not be taken for removed.
    m_server.DavBase = QStringLiteral("/dav/");
    m_server.Homes = {QStringLiteral("/v/"), QStringLiteral("/u/")};
    const QUrl base(QStringLiteral("https://dav.test/dav/"));
    m_server.Misbehave = nullptr;
    ASSERT_TRUE(Sync(base).Ok());
    const auto account = TSyncEngine::AccountFolder(m_root, base, QStringLiteral("alice"));
    const auto book = account / FolderKey(BookUrl.toString().toStdString());
    ASSERT_TRUE(std::filesystem::exists(book / "state"));
    m_server.Misbehave = [](const TDavRequest& request) -> std::optional<TDavReply> {
        if (request.Url.path() != u"/v/")
            return std::nullopt;
        TDavReply reply;
        reply.Status = 500;
        return reply;
    };
    EXPECT_EQ(Stores::FailureWords(Sync(base).Failure), "server error 500");
    EXPECT_TRUE(std::filesystem::exists(book / "state"));
}

TEST_F(SyncEngine, AnAccountRemovedBeforeOrDuringItsSyncLeavesNoFolderAndOrphansArePruned)
{
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    const auto own = TSyncEngine::AccountFolder(m_root, BookUrl, QStringLiteral("alice"));
    std::vector<std::set<std::string>> lists;
    m_engine.SetListedAccounts([&lists]() -> std::optional<std::set<std::string>> {
        if (lists.empty())
            return std::nullopt; // the list cannot be read: nothing is removed
        auto listed = lists.front();
        if (lists.size() > 1)
            lists.erase(lists.begin());
        return listed;
    });
    ASSERT_TRUE(Sync().Ok());
    const auto orphan = m_root / "0123456789abcdef";
    std::filesystem::create_directories(orphan / "fedcba9876543210");

    lists = {{own.filename().string()}};
    ASSERT_TRUE(Sync().Ok());
    EXPECT_FALSE(std::filesystem::exists(orphan));
    EXPECT_TRUE(std::filesystem::exists(Book() / "state"));

    // Removed while the sync ran: listed when it began, gone when it ended.
    m_server.Put("/u/book/b.vcf", Card("b", "Bo"));
    lists = {{own.filename().string()}, {}};
    EXPECT_EQ(Stores::FailureWords(Sync().Failure), "account removed");
    EXPECT_FALSE(std::filesystem::exists(own));

    // Removed before: not one request, no folder.
    m_server.Log.clear();
    lists = {{}};
    EXPECT_EQ(Stores::FailureWords(Sync().Failure), "account removed");
    EXPECT_TRUE(m_server.Log.empty());
    EXPECT_FALSE(std::filesystem::exists(own));
}

TEST_F(SyncEngine, ProgressNamesTheBookAndCountsItsCardsUpToTheTotal)
{
    for (int i = 0; i < 150; ++i)
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(i), Card("x", "x"));
    std::vector<std::tuple<QUrl, int, int>> reports;
    m_engine.SetProgress(
        [&reports](const QUrl& book, int done, int total) { reports.emplace_back(book, done, total); });
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 150u); // the last card of the first multiget too
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), std::make_tuple(BookUrl, 0, -1));
    EXPECT_EQ(reports.back(), std::make_tuple(BookUrl, 150, 150));
    reports.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_TRUE(reports.empty()); // nothing changed
}

TEST_F(SyncEngine, AnUnchangedSyncCostsOneRequestAndAFirstSyncWithTheCardsInTheSyncAnswerThree)
{
    std::int64_t now = 1700000000;
    m_engine.SetClock([&now] { return now; });
    for (int i = 0; i < 250; ++i)
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(i), Card("x", "x"));
    m_server.SyncSendsData = true;
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 250u);
    EXPECT_LE(m_server.Log.size(), 3u);
    EXPECT_EQ(m_server.Count("REPORT /u/book/ 1"), 0);

    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Log.size(), 1u); // the book's listing, which says nothing changed

    // A change: the listing, the sync report with the saved token, one multiget.
    m_server.Put("/u/book/7.vcf", Card("x", "y", "1999-09-09"));
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Log.size(), 3u);
    EXPECT_NE(Cached().at("/u/book/7.vcf").find("1999-09-09"), std::string::npos);

    // Adding an account tests the login by discovering; its first sync starts from what that found.
    std::vector<TBookInfo> books;
    ASSERT_FALSE(m_engine.Discover(BookUrl, books));
    m_engine.SetDiscovery(m_engine.LastDiscovery(books));
    std::filesystem::remove_all(m_root);
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 250u);
    EXPECT_EQ(m_server.Log.size(), 1u); // the sync report, with the cards

    // A day later the whole discovery runs again.
    now += 24 * 3600;
    m_server.Log.clear();
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(m_server.Count("PROPFIND /u/book/ 0"), 2);
}

TEST_F(SyncEngine, ChangesArriveFromServersWithoutTokensAndAfterAPagedFullResync)
{
    // Neither sync-token nor getctag: every sync compares the ETags.
    m_server.ListsTokens = false;
    m_server.SupportsSync = false;
    m_server.Put("/u/book/a.vcf", Card("a", "Anna"));
    ASSERT_TRUE(Sync().Ok());
    m_server.Put("/u/book/a.vcf", Card("a", "Anna", "1990-01-01"));
    ASSERT_TRUE(Sync().Ok());
    EXPECT_NE(Cached().at("/u/book/a.vcf").find("1990-01-01"), std::string::npos);

    // An expired token, and the full resync comes in pages: a card removed meanwhile leaves the cache.
    m_server.ListsTokens = true;
    m_server.SupportsSync = true;
    for (int i = 0; i < 7; ++i)
        m_server.Put(QStringLiteral("/u/book/%1.vcf").arg(i), Card("x", "x"));
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 8u);
    m_server.Remove("/u/book/3.vcf");
    m_server.ForgetBefore = m_server.Version;
    m_server.PageSize = 3;
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().size(), 7u);
    EXPECT_FALSE(Cached().contains("/u/book/3.vcf"));
}

TEST_F(SyncEngine, ACardOfExactlyTheSizeLimitIsKept)
{
    const QByteArray card = Card("a", "Anna");
    m_server.Put("/u/book/a.vcf", card);
    m_engine.SetMaxCard(Received(card).size());
    ASSERT_TRUE(Sync().Ok());
    EXPECT_EQ(Cached().at("/u/book/a.vcf"), Received(card));
}

TEST(BookFolder, FolderKeysStayTheSameSoThatExistingCachesAreFound)
{
    EXPECT_EQ(FolderKey("https://dav.test/u/book/"), "2eeda1e5cf1cc5a8");
}
