#include "UrlPolicy.h"

#include <gtest/gtest.h>

using namespace CardDav;

namespace {

bool Allowed(const char* url)
{
    return !RefusalOf(QUrl(QString::fromUtf8(url)));
}

bool Same(const char* account, const char* target)
{
    return IsSameSite(QUrl(QString::fromUtf8(account)), QUrl(QString::fromUtf8(target)));
}

} // namespace

// A name below .localhost goes to DNS on a default Debian system: on a café's network it can point anywhere.
TEST(UrlPolicy, PlainHttpGoesOnlyToAnAddressOfThisComputerOrTheBareNameLocalhost)
{
    for (const char* url : {"http://localhost:5232/", "http://LOCALHOST/", "http://127.0.0.1/", "http://127.1/",
                            "http://2130706433/", "http://[::1]/", "http://[::ffff:127.0.0.1]/"})
        EXPECT_TRUE(Allowed(url)) << url;
    for (const char* url : {"http://dav.localhost/", "http://dav.localhost:18080/", "http://localhost./",
                            "http://localhost.example.org/", "http://10.0.0.1/"})
        EXPECT_FALSE(Allowed(url)) << url;
    EXPECT_TRUE(Allowed("https://dav.localhost/"));
}

// Users of one dynamic-DNS or hosting provider are strangers to each other, though their names share a parent.
TEST(UrlPolicy, SiblingHostsShareOneOwnersDomainByThePublicSuffixList)
{
    EXPECT_TRUE(Same("https://contacts.icloud.com/", "https://p42-contacts.icloud.com/"));
    EXPECT_TRUE(Same("https://dav.example.co.uk/", "https://cards.example.co.uk/"));
    EXPECT_TRUE(Same("https://alice.synology.me/", "https://ALICE.synology.me:5006/"));
    EXPECT_FALSE(Same("https://alice.synology.me/", "https://mallory.synology.me/"));
    EXPECT_FALSE(Same("https://alice.duckdns.org/", "https://eve.duckdns.org/"));
    EXPECT_FALSE(Same("https://me.github.io/", "https://you.github.io/"));
    EXPECT_FALSE(Same("https://example.co.uk/", "https://attacker.co.uk/"));
    EXPECT_FALSE(Same("https://localhost/", "https://other.localhost/"));
}
