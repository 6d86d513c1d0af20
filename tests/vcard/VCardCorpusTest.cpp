// Every card of the real-world corpus, read through the reader, against what an independent reader found.

#include "CorpusExpectations.h"
#include "VCardParser.h"
#include "VCardSources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using namespace VCard;

std::vector<TVCard> ContactsOf(const std::filesystem::path& file)
{
    std::string bytes;
    EXPECT_TRUE(ReadVCardFile(file, bytes)) << file;
    auto cards = ParseVCards(bytes);
    std::erase_if(cards, [](const TVCard& card) { return card.IsGroup; });
    return cards;
}

void ExpectMatches(const TVCard& card, const TExpectedCard& row)
{
    SCOPED_TRACE(row.File + " card " + std::to_string(row.Index));
    EXPECT_EQ(card.Name, row.Name);
    if (row.BirthdayIsJudgementCall())
        EXPECT_TRUE(DateText(card.Birthday) == row.Birthday || !card.Birthday) << DateText(card.Birthday);
    else
        EXPECT_EQ(DateText(card.Birthday), row.Birthday);
    EXPECT_EQ(DateText(card.Anniversary), row.Anniversary);
}

TEST(VCardCorpus, EveryCardOfEveryFileReadsAsExpected)
{
    const auto rows = LoadExpectedCards();
    ASSERT_GT(rows.size(), 500u);
    std::map<std::string, std::vector<TExpectedCard>> byFile;
    for (const auto& row : rows)
        byFile[row.File].push_back(row);

    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusDir() + "/vcards")) {
        const std::string name = entry.path().filename().string();
        ++files;
        const auto cards = ContactsOf(entry.path());
        const auto& expected = byFile[name];
        ASSERT_EQ(cards.size(), expected.size()) << name;
        for (std::size_t i = 0; i < cards.size(); ++i)
            ExpectMatches(cards[i], expected[i]);
    }
    EXPECT_EQ(files, byFile.size());
}

TEST(VCardCorpus, TheVlistBlockIsAGroupAndNotAContact)
{
    std::string bytes;
    ASSERT_TRUE(ReadVCardFile(CorpusDir() + "/vcards/cozyvcard__contactA-sogo.vcf", bytes));
    const auto cards = ParseVCards(bytes);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_FALSE(cards[0].IsGroup);
    EXPECT_TRUE(cards[1].IsGroup);
    EXPECT_EQ(cards[1].Name, "test");
}

TEST(VCardCorpus, SourceScanOfTheFolderKeepsFileAndCardOrder)
{
    const auto rows = LoadExpectedCards();
    auto cards = LoadVCards({CorpusDir() + "/vcards"});
    std::erase_if(cards, [](const TVCard& card) { return card.IsGroup; });
    std::vector<TExpectedCard> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TExpectedCard& a, const TExpectedCard& b) { return a.File < b.File; });
    ASSERT_EQ(cards.size(), sorted.size());
    for (std::size_t i = 0; i < cards.size(); ++i)
        ExpectMatches(cards[i], sorted[i]);
}

} // namespace
