#include "CardDavCache.h"
#include "ContactStores.h"

#include "TPrivateHome.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Stores;

namespace {

// One cached book as the program's sync leaves it: its cards and its state.
void WriteBook(const TPrivateHome& home, const std::string& account, const std::string& book, const std::string& url,
               std::int64_t syncedAt, const std::vector<std::pair<std::string, std::string>>& cards)
{
    const std::string folder = ".cache/nelvora/carddav/" + account + "/" + book + "/";
    TCardDavState state;
    state.BookUrl = url;
    state.SyncedAt = syncedAt;
    for (const auto& [file, text] : cards) {
        home.Write(folder + file, text);
        state.Cards.push_back({"/" + file, "\"1\"", file});
    }
    home.Write(folder + "state", FormatCardDavState(state));
}

void WriteStatus(const TPrivateHome& home, const std::string& account, const std::string& url,
                 const std::string& failure)
{
    TCardDavStatus status;
    status.AccountUrl = url;
    status.TriedAt = 1;
    if (!failure.empty())
        status.Failures[""] = FailureFromWords(failure);
    home.Write(".cache/nelvora/carddav/" + account + "/status", FormatCardDavStatus(status));
}

std::string Card(const std::string& name, const std::string& birthday)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nBDAY:" + birthday + "\r\nEND:VCARD\r\n";
}

const TStoreReport* StoreShown(const TContacts& contacts, const std::string& shown)
{
    for (const auto& store : contacts.Stores)
        if (store.Location.ShownName() == shown)
            return &store;
    return nullptr;
}

const VCard::TVCard* Person(const TContacts& contacts, const std::string& name)
{
    const auto found = std::find_if(contacts.Cards.begin(), contacts.Cards.end(),
                                    [&name](const VCard::TVCard& card) { return card.Name == name; });
    return found == contacts.Cards.end() ? nullptr : &*found;
}

} // namespace

TEST(CardDavStore, CachedBooksAreStoresNamedByTheirUrlAndAFailedSyncLeavesThemReadButStale)
{
    TPrivateHome home;
    WriteStatus(home, "aaaa", "https://dav.example.org/", "");
    WriteBook(home, "aaaa", "b1", "https://dav.example.org/alice/family/", 1700000000,
              {{"1.vcf", Card("Anna Berg", "1980-03-14")}, {"2.vcf", Card("Bo Chen", "--0229")}});
    WriteBook(home, "aaaa", "b2", "https://dav.example.org/alice/work/", 1700000000,
              {{"3.vcf", Card("Carla Diaz", "1975-01-02")}});
    // What a sync cut short leaves beside a book is the sync's own business.
    WriteBook(home, "aaaa", "b1.new-x1y2z3", "https://dav.example.org/alice/family/", 1700000500,
              {{"9.vcf", Card("Half Written", "1990-01-01")}});
    WriteStatus(home, "bbbb", "https://contacts.example.com/", "login failed");
    WriteBook(home, "bbbb", "b3", "https://contacts.example.com/u/book/", 1700000000,
              {{"4.vcf", Card("Dora Eck", "1990-05-06")}});
    WriteStatus(home, "cccc", "https://new.example.net/", "certificate not trusted");

    const TContacts contacts = LoadContacts({}, {"https://dav.example.org/alice/work/"});

    const TStoreReport* family = StoreShown(contacts, "https://dav.example.org/alice/family/");
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(family->Location.Kind, "carddav");
    EXPECT_EQ(family->Contacts, 2u);
    EXPECT_EQ(family->Skipped, "");
    EXPECT_EQ(family->Location.Note, "");
    EXPECT_EQ(StoreShown(contacts, "https://dav.example.org/alice/work/")->Skipped, ExcludedReason);

    const TStoreReport* stale = StoreShown(contacts, "https://contacts.example.com/u/book/");
    ASSERT_NE(stale, nullptr);
    EXPECT_EQ(stale->Contacts, 1u);
    EXPECT_EQ(stale->Skipped, "");
    EXPECT_EQ(stale->Location.Note, StaleText(1700000000, TSyncFailure::LoginFailed));
    EXPECT_TRUE(stale->Location.Note.starts_with("stale, last synced 20"));
    EXPECT_TRUE(stale->Location.Note.ends_with(" (login failed)"));

    const TStoreReport* never = StoreShown(contacts, "https://new.example.net/");
    ASSERT_NE(never, nullptr);
    EXPECT_EQ(never->Skipped, "not synced yet (certificate not trusted)");

    EXPECT_EQ(contacts.Stores.size(), 4u);
    EXPECT_TRUE(Person(contacts, "Anna Berg") && Person(contacts, "Bo Chen") && Person(contacts, "Dora Eck"));
    EXPECT_FALSE(Person(contacts, "Carla Diaz"));
    EXPECT_FALSE(Person(contacts, "Half Written"));
}

// The status file keeps a failure by its words: every failure reads back as itself, and the words of status files
// already written (a server error, a refusal, this computer's own message) keep their meaning.
TEST(CardDavStore, EveryFailureReadsBackFromTheStatusFileAsItself)
{
    for (int code = 1; code <= static_cast<int>(TSyncFailure::Other); ++code) {
        TFailure failure(static_cast<TSyncFailure>(code));
        if (failure.Code == TSyncFailure::ServerError)
            failure = TFailure::Server(507);
        if (failure.Code == TSyncFailure::Other)
            failure = TFailure::Local("cannot write /home/a/.cache/nelvora: No space left on device");
        TCardDavStatus status;
        status.AccountUrl = "https://dav.example.org/";
        status.Failures["book"] = failure;
        const auto read = ParseCardDavStatus(FormatCardDavStatus(status));
        ASSERT_TRUE(read) << code;
        EXPECT_EQ(read->FailureOf("book"), failure) << code << ' ' << FailureWords(failure);
        // Two failures never share their words.
        for (int other = 1; other < code; ++other) {
            if (other != static_cast<int>(TSyncFailure::ServerError)) {
                EXPECT_NE(FailureWords(TSyncFailure(other)), FailureWords(failure)) << code;
            }
        }
    }
    EXPECT_EQ(FailureFromWords("server error 5x7").Code, TSyncFailure::Other);
    EXPECT_EQ(FailureFromWords(""), TFailure());
}

// Cards as Android's own export writes them and KDE Connect stores them, one folder a paired phone.
TEST(CardDavStore, APhonesContactsFromKdeConnectAreReadAsThePhonesAndMeetTheDesktopsOnce)
{
    TPrivateHome home;
    const std::string phone = ".local/share/kpeoplevcard/kdeconnect-0123abcd/";
    home.Write(phone + "0r1-2B4D.vcf",
               "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
               "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\nBDAY:--05-14\r\n"
               "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2010-06-01;1;;;;;;;;;;;;;\r\n"
               "X-KDECONNECT-ID-DEV-0123abcd:0r1-2B4D\r\nX-KDECONNECT-TIMESTAMP:1717171717\r\nEND:VCARD\r\n");
    home.Write(phone + "0r2-9F.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Berg\r\nBDAY:1980-03-14\r\nEND:VCARD\r\n");
    home.Write(phone + "0r1-2B4D.meta", "timestamp 1717171717\n");
    home.Write(".local/share/kpeoplevcard/qrca-5f2a.vcf",
               "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Loose Card\r\nBDAY:19990909\r\nEND:VCARD\r\n");
    home.Write(".local/share/contacts/anna.vcf",
               "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:desktop-anna\r\nFN:Anna Berg\r\nBDAY:1980-03-14\r\nEND:VCARD\r\n");

    const TContacts contacts = LoadContacts({});
    const auto phoneStore = std::find_if(contacts.Stores.begin(), contacts.Stores.end(),
                                         [](const TStoreReport& store) { return store.Location.Kind == "phone"; });
    ASSERT_NE(phoneStore, contacts.Stores.end());
    EXPECT_EQ(phoneStore->Location.Path, home.Path() / ".local/share/kpeoplevcard");
    EXPECT_EQ(phoneStore->Contacts, 3u);

    const VCard::TVCard* juergen = Person(contacts, "Jürgen Müller");
    ASSERT_NE(juergen, nullptr);
    ASSERT_TRUE(juergen->Birthday && juergen->Anniversary);
    EXPECT_EQ(*juergen->Birthday, (VCard::TVCardDate{VCard::UnknownYear, 5, 14}));
    EXPECT_EQ(*juergen->Anniversary, (VCard::TVCardDate{2010, 6, 1}));
    EXPECT_TRUE(Person(contacts, "Loose Card"));
    EXPECT_EQ(std::count_if(contacts.Cards.begin(), contacts.Cards.end(),
                            [](const VCard::TVCard& card) { return card.Name == "Anna Berg"; }),
              1);
}
