#include "ContactMerge.h"
#include "TReachList.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

using Stores::MergeContacts;
using VCard::TVCard;
using VCard::TVCardDate;

TVCard Card(std::string name, std::optional<TVCardDate> birthday = {}, std::string uid = {})
{
    TVCard card;
    card.Name = std::move(name);
    card.Birthday = birthday;
    card.Uid = std::move(uid);
    return card;
}

std::vector<std::string> Names(const std::vector<TVCard>& cards)
{
    std::vector<std::string> names;
    for (const auto& card : cards)
        names.push_back(card.Name);
    return names;
}

TEST(ContactMerge, TheFirstStoreWinsASharedUid)
{
    std::vector<TVCard> cards{Card("Ann (folder)", {}, "u1"), Card("Ann (database)", {}, "u1"), Card("Bo", {}, "u2")};
    MergeContacts(cards, {0, 1, 1});
    EXPECT_EQ(Names(cards), (std::vector<std::string>{"Ann (folder)", "Bo"}));
}

TEST(ContactMerge, AcrossStoresTheSameNameAndBirthdayIsOnePersonAndTheYearWins)
{
    const TVCardDate noYear{VCard::UnknownYear, 3, 22};
    const TVCardDate withYear{1980, 3, 22};
    std::vector<TVCard> cards{Card("ann  Example", noYear), Card("Ann Example", withYear), Card("Ann Example"),
                              Card("Ann Example", TVCardDate{1980, 3, 23})};
    cards[0].Anniversary = TVCardDate{2005, 6, 1};
    MergeContacts(cards, {0, 1, 1, 1});
    ASSERT_EQ(cards.size(), 3u);
    // No birthday or another day: not known to be the same person.
    EXPECT_EQ(cards[0].Name, "Ann Example");
    EXPECT_EQ(cards[0].Birthday, withYear);
    EXPECT_EQ(cards[0].Anniversary, (TVCardDate{2005, 6, 1}));
}

// A merged row as "name birthday anniversary", for comparing whole rows at once.
std::string Row(const TVCard& card)
{
    std::string row = card.Name;
    for (const auto& date : {card.Birthday, card.Anniversary}) {
        char text[16] = "-";
        if (date)
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", date->Year, date->Month, date->Day);
        row.append(" ").append(text);
    }
    return row;
}

TEST(ContactMerge, WhoIsOnePersonAcrossStores)
{
    const TVCardDate day{1980, 3, 22};
    const TVCardDate wedding{2005, 6, 1};
    struct TInput
    {
        std::string Name;
        TVCardDate Birthday;
        std::optional<TVCardDate> Anniversary;
        std::uint32_t Store;
    };
    struct TCase
    {
        const char* What;
        std::vector<TInput> Cards;
        std::vector<std::string> Rows;
    };
    const TCase cases[] = {
        {"both know the year: the first store wins",
         {{"Ann", day, {}, 0}, {"ann", {1981, 3, 22}, {}, 1}},
         {"Ann 1980-03-22 -"}},
        {"in one store the same name and day are two people",
         {{"Ann", day, {}, 0}, {"Ann", day, {}, 0}, {"Ann", day, {}, 1}},
         {"Ann 1980-03-22 -", "Ann 1980-03-22 -"}},
        {"the anniversary only the second store knows is kept",
         {{"Ann", day, {}, 0}, {"Ann", day, wedding, 1}},
         {"Ann 1980-03-22 2005-06-01"}},
        {"an ideographic space is a blank",
         {{"\xE5\xB1\xB1\xE7\x94\xB0\xE3\x80\x80\xE5\xA4\xAA\xE9\x83\x8E", day, {}, 0},
          {"\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E", day, {}, 1}},
         {"\xE5\xB1\xB1\xE7\x94\xB0\xE3\x80\x80\xE5\xA4\xAA\xE9\x83\x8E 1980-03-22 -"}},
        {"case is folded beyond ASCII",
         {{"\xC3\xA9mile", day, {}, 0}, {"\xC3\x89MILE", day, {}, 1}},
         {"\xC3\xA9mile 1980-03-22 -"}},
    };
    for (const auto& test : cases) {
        std::vector<TVCard> cards;
        std::vector<std::uint32_t> stores;
        for (const auto& input : test.Cards) {
            cards.push_back(Card(input.Name, input.Birthday));
            cards.back().Anniversary = input.Anniversary;
            stores.push_back(input.Store);
        }
        MergeContacts(cards, stores);
        std::vector<std::string> rows;
        for (const auto& card : cards)
            rows.push_back(Row(card));
        EXPECT_EQ(rows, test.Rows) << test.What;
    }
}

TEST(ContactMerge, MergedCopiesKeepEveryAddressAndNumberOnceTheWinnersFirst)
{
    using Values = std::vector<std::string>;
    const TVCardDate noYear{VCard::UnknownYear, 3, 22};
    const TVCardDate withYear{1980, 3, 22};
    struct TInput
    {
        std::optional<TVCardDate> Birthday;
        std::string Uid;
        std::uint32_t Store;
        Values Emails;
        Values Phones;
    };
    Values twenty[2];
    for (int i = 0; i < 20; ++i) {
        twenty[0].push_back(std::string("a").append(std::to_string(i)).append("@example.org"));
        twenty[1].push_back(std::string("b").append(std::to_string(i)).append("@example.org"));
    }
    Values thirtyTwo = twenty[0];
    thirtyTwo.insert(thirtyTwo.end(), twenty[1].begin(), twenty[1].begin() + 12);
    const struct
    {
        const char* What;
        std::vector<TInput> Cards;
        Values Emails;
        Values Phones;
    } cases[] = {
        {"a shared UID: the first card's first, repeats in another spelling left out",
         {{{}, "u1", 0, {"Ann@Example.org"}, {"+49 30 1234"}},
          {{}, "u1", 1, {"ann@example.ORG", "ann@work.example"}, {"+49-30-1234", "+1 555 0100"}}},
         {"Ann@Example.org", "ann@work.example"},
         {"+49 30 1234", "+1 555 0100"}},
        {"one person in two stores, the copy with the year wins",
         {{noYear, "", 0, {"home@example.org"}, {"+49 30 1"}}, {withYear, "", 1, {"new@example.org"}, {}}},
         {"new@example.org", "home@example.org"},
         {"+49 30 1"}},
        {"one person in two stores, the first copy keeps the row",
         {{withYear, "", 0, {}, {"+49 30 1"}}, {noYear, "", 1, {"other@example.org"}, {"+49 (30) 1", "+49 30 2"}}},
         {"other@example.org"},
         {"+49 30 1", "+49 30 2"}},
        {"a shared UID of a copy merged before reaches the same row",
         {{noYear, "u1", 0, {"first@example.org"}, {}},
          {withYear, "u2", 1, {"second@example.org"}, {}},
          {withYear, "u2", 2, {"third@example.org", "FIRST@example.org"}, {}}},
         {"second@example.org", "first@example.org", "third@example.org"},
         {}},
        {"no more than 32", {{{}, "u1", 0, twenty[0], {}}, {{}, "u1", 1, twenty[1], {}}}, thirtyTwo, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.What);
        std::vector<TVCard> cards;
        std::vector<std::uint32_t> stores;
        for (const auto& input : test.Cards) {
            cards.push_back(Card("Ann", input.Birthday, input.Uid));
            for (const auto& email : input.Emails)
                cards.back().Emails.append(cards.back().Emails.empty() ? "" : "\n").append(email);
            for (const auto& phone : input.Phones)
                cards.back().Phones.append(cards.back().Phones.empty() ? "" : "\n").append(phone);
            stores.push_back(input.Store);
        }
        MergeContacts(cards, stores);
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(VCard::TReachList::Split(cards[0].Emails), test.Emails);
        EXPECT_EQ(VCard::TReachList::Split(cards[0].Phones), test.Phones);
    }
}

TEST(ContactMerge, InsideOneStoreTwoCardsStayTwoRows)
{
    const TVCardDate day{1980, 3, 22};
    std::vector<TVCard> cards{Card("Ann", day), Card("ann", day)};
    MergeContacts(cards, {0, 0});
    EXPECT_EQ(cards.size(), 2u);
}

TEST(ContactMerge, RowsComeInCaseInsensitiveNameOrderAndTiesKeepStoreOrder)
{
    std::vector<TVCard> cards{Card("bo"), Card("Zoe"), Card("ann", {}, "second"), Card("Ann", {}, "first"),
                              Card("Carl")};
    MergeContacts(cards, {0, 0, 1, 2, 2});
    EXPECT_EQ(Names(cards), (std::vector<std::string>{"ann", "Ann", "bo", "Carl", "Zoe"}));

    // Enough equal names that an unstable sort would move them.
    cards.clear();
    std::vector<std::uint32_t> stores;
    std::vector<std::string> uids;
    for (int i = 0; i < 40; ++i) {
        uids.push_back(std::string("u").append(std::to_string(i)));
        cards.push_back(Card(i % 2 ? "Ann" : "ann", {}, uids.back()));
        stores.push_back(static_cast<std::uint32_t>(i / 10));
    }
    MergeContacts(cards, stores);
    std::vector<std::string> order;
    for (const auto& card : cards)
        order.push_back(card.Uid);
    EXPECT_EQ(order, uids);
}

TEST(ContactMerge, TheUsersCollationOrdersAccentedNames)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    ::setenv("LC_ALL", "C.UTF-8", 1);
    std::vector<TVCard> cards{Card("Émile"), Card("Zoe"), Card("Eve")};
    MergeContacts(cards, {0, 0, 0});
    // Code-point order: É (U+00C9, folded é U+00E9) comes after z.
    EXPECT_EQ(Names(cards), (std::vector<std::string>{"Eve", "Zoe", "Émile"}));
    if (saved)
        ::setenv("LC_ALL", savedValue.c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}

TEST(ContactMerge, BrokenUtf8NamesAreComparedWithoutHarm)
{
    std::vector<TVCard> cards{Card(std::string("\xff\xfe\xc3", 3), TVCardDate{2000, 1, 1}),
                              Card("\xe2\x82", TVCardDate{2000, 1, 1})};
    MergeContacts(cards, {0, 1});
    EXPECT_EQ(cards.size(), 2u);
}

} // namespace
