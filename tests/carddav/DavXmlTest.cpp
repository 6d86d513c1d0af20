#include "DavXml.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace CardDav;

namespace {

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(NELVORA_DAV_SAMPLES "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TMultiStatus Parsed(const QByteArray& body)
{
    QString error;
    auto result = ParseMultiStatus(body, &error);
    EXPECT_TRUE(result.has_value()) << error.toStdString();
    return result ? *result : TMultiStatus();
}

} // namespace

// The two servers write the same answer with different prefixes (none and "CR:" against "ns0:"/"ns2:") and
// different shapes of supported-report-set; both must give the same books.
TEST(DavXml, BothServersListingsOfAHomeGiveTheBookWithItsTokenAndSyncSupport)
{
    struct TCase
    {
        const char* File;
        const char* BookHref;
        const char* BookName;
        bool HomeSupportsSync;
    };
    for (const TCase& c : {TCase{"radicale-home.xml", "/alice/family/", "Family", false},
                           TCase{"xandikos-home.xml", "/user/contacts/addressbook/", "addressbook", true}}) {
        SCOPED_TRACE(c.File);
        const TMultiStatus status = Parsed(Sample(c.File));
        ASSERT_EQ(status.Responses.size(), 2u);
        const TDavResponse& home = status.Responses[0];
        EXPECT_TRUE(home.IsCollection);
        EXPECT_FALSE(home.IsAddressBook);
        EXPECT_EQ(home.SupportsSyncCollection, c.HomeSupportsSync);
        const TDavResponse& book = status.Responses[1];
        EXPECT_EQ(book.Href, QLatin1String(c.BookHref));
        EXPECT_TRUE(book.IsCollection && book.IsAddressBook);
        EXPECT_EQ(book.DisplayName, QLatin1String(c.BookName));
        EXPECT_TRUE(book.SupportsSyncCollection);
        EXPECT_FALSE(book.SyncToken.isEmpty());
        EXPECT_FALSE(book.CTag.isEmpty());
    }
}

TEST(DavXml, AnswersOfSyncAndMultigetGiveChangesRemovalsCardsAndTheNewToken)
{
    // Xandikos does not send address-data in a sync report: its 404 propstat must not read as an empty card.
    const TMultiStatus sync = Parsed(Sample("xandikos-sync.xml"));
    ASSERT_EQ(sync.Responses.size(), 1u);
    EXPECT_EQ(sync.Responses[0].Href, QStringLiteral("/user/contacts/addressbook/x1.vcf"));
    EXPECT_TRUE(sync.Responses[0].HasETag);
    EXPECT_EQ(sync.Responses[0].ETag, QStringLiteral("\"a8b3bfa035ed062ac7e0fc5321ca0ad63cf06cfe\""));
    EXPECT_FALSE(sync.Responses[0].HasAddressData);
    EXPECT_EQ(sync.SyncToken, QStringLiteral("5a9d20fbcdb8f32563a25159f1d2e497b5399552"));

    const TMultiStatus multiget = Parsed(Sample("radicale-multiget.xml"));
    ASSERT_EQ(multiget.Responses.size(), 2u);
    EXPECT_EQ(multiget.Responses[0].Status, 404);
    EXPECT_FALSE(multiget.Responses[0].HasAddressData);
    EXPECT_EQ(multiget.Responses[1].Status, 0);
    EXPECT_TRUE(multiget.Responses[1].HasAddressData);
    EXPECT_TRUE(multiget.Responses[1].AddressData.startsWith("BEGIN:VCARD"));
    EXPECT_TRUE(multiget.Responses[1].AddressData.contains("BDAY:1980-03-14"));

    // Xandikos lists the collection itself among its members; the reader keeps it, the sync leaves it out.
    const TMultiStatus etags = Parsed(Sample("xandikos-etags.xml"));
    ASSERT_EQ(etags.Responses.size(), 2u);
    EXPECT_TRUE(etags.Responses[0].IsAddressBook);
    EXPECT_FALSE(etags.Responses[1].IsCollection);
}

TEST(DavXml, ElementsAreKnownByTheirNamespaceWhateverPrefixTheyCarry)
{
    // The same answer three ways, the last binding the carddav namespace to "D" and DAV: to "C", to catch a reader
    // that looks at prefixes.
    const QByteArray bodies[] = {
        R"(<multistatus xmlns="DAV:"><response><href>/a/b.vcf</href><propstat><prop><getetag>"1"</getetag>
           <address-data xmlns="urn:ietf:params:xml:ns:carddav">BEGIN:VCARD&#13;
END:VCARD</address-data></prop><status>HTTP/1.1 200 OK</status></propstat></response></multistatus>)",
        R"(<d:multistatus xmlns:d="DAV:" xmlns:card="urn:ietf:params:xml:ns:carddav"><d:response><d:href>/a/b.vcf
           </d:href><d:propstat><d:prop><d:getetag>"1"</d:getetag><card:address-data><![CDATA[BEGIN:VCARD]]>&#13;&#10;<![CDATA[END:VCARD]]></card:address-data></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
           </d:multistatus>)",
        R"(<C:multistatus xmlns:C="DAV:" xmlns:D="urn:ietf:params:xml:ns:carddav"><C:response><C:href>/a/b.vcf</C:href>
           <C:propstat><C:prop><C:getetag>"1"</C:getetag><D:address-data>BEGIN:VCARD&#13;&#10;END:VCARD</D:address-data>
           </C:prop><C:status>HTTP/1.1 200 OK</C:status></C:propstat></C:response></C:multistatus>)",
    };
    for (const QByteArray& body : bodies) {
        SCOPED_TRACE(body.toStdString());
        const TMultiStatus status = Parsed(body);
        ASSERT_EQ(status.Responses.size(), 1u);
        EXPECT_EQ(status.Responses[0].Href, QStringLiteral("/a/b.vcf"));
        EXPECT_EQ(status.Responses[0].ETag, QStringLiteral("\"1\""));
        EXPECT_EQ(status.Responses[0].AddressData, QByteArray("BEGIN:VCARD\r\nEND:VCARD"));
    }

    // The right local names in a foreign namespace are someone else's properties.
    const TMultiStatus foreign = Parsed(R"(<multistatus xmlns="DAV:" xmlns:x="urn:example:other"><response>
        <href>/a/</href><propstat><prop><x:getetag>"9"</x:getetag><resourcetype><x:addressbook/><collection/>
        </resourcetype></prop><status>HTTP/1.1 200 OK</status></propstat></response></multistatus>)");
    ASSERT_EQ(foreign.Responses.size(), 1u);
    EXPECT_FALSE(foreign.Responses[0].HasETag);
    EXPECT_TRUE(foreign.Responses[0].IsCollection);
    EXPECT_FALSE(foreign.Responses[0].IsAddressBook);
}

TEST(DavXml, DiscoveryAnswersGivePrincipalAndEveryHome)
{
    const TMultiStatus principal = Parsed(Sample("xandikos-principal.xml"));
    ASSERT_EQ(principal.Responses.size(), 1u);
    EXPECT_EQ(principal.Responses[0].CurrentUserPrincipal, QStringList{QStringLiteral("/user/")});

    const TMultiStatus homes = Parsed(R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
        <d:response><d:href>/p/</d:href><d:propstat><d:prop><c:addressbook-home-set><d:href>/h1/</d:href>
        <d:href>https://other.example/h2/</d:href></c:addressbook-home-set></d:prop><d:status>HTTP/1.1 200 OK
        </d:status></d:propstat></d:response></d:multistatus>)");
    ASSERT_EQ(homes.Responses.size(), 1u);
    EXPECT_EQ(homes.Responses[0].AddressBookHomeSet,
              (QStringList{QStringLiteral("/h1/"), QStringLiteral("https://other.example/h2/")}));
}

TEST(DavXml, BrokenOrHostileAnswersAreRefusedWithAReason)
{
    QByteArray deep = "<multistatus xmlns=\"DAV:\"><response>";
    for (int i = 0; i < 200; ++i)
        deep += "<x>";
    const QByteArray cases[] = {
        "",
        "HTTP/1.1 500 Internal Server Error",
        "<html><body>Login</body></html>",
        "<multistatus xmlns=\"urn:not-dav\"/>",
        "<multistatus xmlns=\"DAV:\"><response><href>/a</href></response>",
        "<multistatus xmlns=\"DAV:\"/><multistatus xmlns=\"DAV:\"/>",
        R"(<?xml version="1.0"?><!DOCTYPE m [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;">]>
           <multistatus xmlns="DAV:"><response><href>&b;</href></response></multistatus>)",
        deep,
    };
    for (const QByteArray& body : cases) {
        SCOPED_TRACE(body.left(80).toStdString());
        QString error;
        EXPECT_FALSE(ParseMultiStatus(body, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(DavXml, ErrorBodiesNameTheirPreconditions)
{
    EXPECT_EQ(ParseDavErrorConditions(Sample("radicale-token-error.xml")),
              QStringList{QStringLiteral("valid-sync-token")});
    EXPECT_EQ(ParseDavErrorConditions(R"(<D:error xmlns:D="DAV:"><D:valid-sync-token/></D:error>)"),
              QStringList{QStringLiteral("valid-sync-token")});
    EXPECT_TRUE(ParseDavErrorConditions("500 Internal Server Error").isEmpty());
    EXPECT_TRUE(ParseDavErrorConditions(R"(<error xmlns="urn:x"><valid-sync-token/></error>)").isEmpty());
}

TEST(DavXml, StatusLinesGiveTheirCodeOrZero)
{
    struct TCase
    {
        const char* Line;
        int Code;
    };
    for (const TCase& c : {TCase{"HTTP/1.1 200 OK", 200}, TCase{" HTTP/1.1 404 Not Found\n", 404},
                           TCase{"HTTP/1.0 507", 507}, TCase{"HTTP/1.1 20 OK", 0}, TCase{"HTTP/1.1 2000 OK", 0},
                           TCase{"200 OK", 0}, TCase{"HTTP/1.1 abc", 0}, TCase{"", 0}}) {
        EXPECT_EQ(ParseStatusLine(QString::fromLatin1(c.Line)), c.Code) << c.Line;
    }
}

TEST(DavXml, OnlyPropertiesWithASuccessStatusCountAndTheFirstHrefNamesTheResponse)
{
    const TMultiStatus status = Parsed(R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
        <d:response><d:href>/u/book/a.vcf</d:href>
          <d:propstat><d:prop><d:getetag>"made-up"</d:getetag></d:prop></d:propstat></d:response>
        <d:response><d:href>/u/book/b.vcf</d:href><d:href>/u/book/c.vcf</d:href>
          <d:status>HTTP/1.1 404 Not Found</d:status></d:response>
        <d:response><d:href>/dav/</d:href><d:propstat><d:prop>
          <d:current-user-principal><d:unauthenticated/></d:current-user-principal></d:prop>
          <d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
        </d:multistatus>)");
    ASSERT_EQ(status.Responses.size(), 3u);
    // A propstat without a status line is broken: its ETag is not one the server gave.
    EXPECT_FALSE(status.Responses[0].HasETag);
    EXPECT_EQ(status.Responses[1].Href, QStringLiteral("/u/book/b.vcf"));
    EXPECT_EQ(status.Responses[1].Status, 404);
    // RFC 5397: the server answered without a login.
    EXPECT_TRUE(status.Responses[2].Unauthenticated);
    EXPECT_TRUE(status.Responses[2].CurrentUserPrincipal.isEmpty());
}
