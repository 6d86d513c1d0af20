#include "ContactMerge.h"

#include <gtest/gtest.h>

#include <clocale>
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
