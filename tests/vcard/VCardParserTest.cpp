#include "VCardParser.h"
#include "TReachList.h"

#include <gtest/gtest.h>

namespace {

using namespace VCard;

TVCard OnlyCard(std::string_view text)
{
    auto cards = ParseVCards(text);
    EXPECT_EQ(cards.size(), 1u);
    return cards.empty() ? TVCard{} : cards.front();
}

constexpr TVCardDate Date(int year, int month, int day)
{
    return {static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day)};
}

TEST(VCardLines, EveryLineEndFormReadsTheSame)
{
    for (std::string_view end : {"\r\n", "\n", "\r", "\r\r\n"}) {
        std::string text;
        for (std::string_view line : {"BEGIN:VCARD", "VERSION:3.0", "FN:Ann", " e Lee", "BDAY:1980-02-03", "END:VCARD"})
            text.append(line).append(end);
        const TVCard card = OnlyCard(text);
        EXPECT_EQ(card.Name, "Anne Lee") << "line end " << testing::PrintToString(std::string(end));
        EXPECT_EQ(card.Birthday, Date(1980, 2, 3));
    }
}

TEST(VCardLines, FoldsJoinAcrossSplitUtf8AndTabs)
{
    // A fold may cut a multi-byte character in two; joining bytes first restores it.
    const TVCard card = OnlyCard("BEGIN:VCARD\r\nFN:\xCE\r\n \xB2\xCE\xB3\r\n\t!\r\nEND:VCARD\r\n");
    EXPECT_EQ(card.Name, "\xCE\xB2\xCE\xB3!");
}

TEST(VCardLines, CardsWithoutEndAndCardsAfterThemAreKept)
{
    const auto cards = ParseVCards("BEGIN:VCARD\nFN:One\nEND:VCARD.\nBEGIN:VCARD\nFN:Two\nBEGIN:VCARD\nFN:Three\n");
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0].Name, "One");
    EXPECT_EQ(cards[1].Name, "Two");
    EXPECT_EQ(cards[2].Name, "Three");
}

TEST(VCardLines, TextOutsideCardsAndAByteOrderMarkAreIgnored)
{
    const auto cards = ParseVCards("\xEF\xBB\xBFgarbage\nFN:Nobody\nBEGIN:VCARD\nFN:Ann\nEND:VCARD\ntrailing");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Name, "Ann");
}

TEST(VCardLines, AnAgentsEmbeddedCardIsNotTheContact)
{
    const TVCard card = OnlyCard("BEGIN:VCARD\nVERSION:2.1\nFN:Boss\nAGENT:\nBEGIN:VCARD\nFN:Assistant\n"
                                 "BDAY:19700101\nEND:VCARD\nBDAY:19600505\nEND:VCARD\n");
    EXPECT_EQ(card.Name, "Boss");
    EXPECT_EQ(card.Birthday, Date(1960, 5, 5));
}

TEST(VCardQuotedPrintable, SoftBreaksAndBareEncodingParameter)
{
    const TVCard card = OnlyCard("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;QUOTED-PRINTABLE:=C3=91=20=C3=\r\n"
                                 "=91=20\r\nBDAY:19650806\r\nEND:VCARD\r\n");
    EXPECT_EQ(card.Name, "\xC3\x91 \xC3\x91");
    EXPECT_EQ(card.Birthday, Date(1965, 8, 6));
}

TEST(VCardQuotedPrintable, AValueBrokenWithoutSoftBreakContinuesOnTheNextLine)
{
    // Sony Ericsson phones: the value starts on the line after "N;...:" with no "=" before the break.
    const TVCard card = OnlyCard("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:\r\n"
                                 ";=D0=A2=D0=B0=D0=BD=D1=8F\r\nTEL;CELL:+380989945355\r\nEND:VCARD\r\n");
    EXPECT_EQ(card.Name, "\xD0\xA2\xD0\xB0\xD0\xBD\xD1\x8F");
}

TEST(VCardQuotedPrintable, AStraySoftBreakDoesNotSwallowTheEnd)
{
    const auto cards = ParseVCards("BEGIN:VCARD\nFN;ENCODING=QUOTED-PRINTABLE:Ann=\nEND:VCARD\nBEGIN:VCARD\nFN:Bo\n"
                                   "END:VCARD\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].Name, "Ann");
    EXPECT_EQ(cards[1].Name, "Bo");
}

TEST(VCardCharsets, NamedCharsetsAreConvertedToUtf8)
{
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=ISO-8859-1:M\xFCller\nEND:VCARD\n").Name, "M\xC3\xBCller");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=WINDOWS-1250;ENCODING=QUOTED-PRINTABLE:J=F3zef=20=B3\n"
                       "END:VCARD\n")
                  .Name,
              "J\xC3\xB3zef \xC5\x82");
}

TEST(VCardCharsets, TextThatIsNotUtf8ReadsAsWindows1252)
{
    // No charset, a wrong charset claim, and an unknown charset all fall back the same way.
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN:Spa\xDF \x80\nEND:VCARD\n").Name, "Spa\xC3\x9F \xE2\x82\xAC");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=UTF-8:Ren\xE9\nEND:VCARD\n").Name, "Ren\xC3\xA9");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=X-NO-SUCH-SET:Ren\xE9\nEND:VCARD\n").Name, "Ren\xC3\xA9");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=X-NO-SUCH-SET:Ren\xC3\xA9\nEND:VCARD\n").Name, "Ren\xC3\xA9");
    // A charset iconv knows, with bytes that are invalid in it: the same fallback, never an empty name.
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=SHIFT_JIS:Ren\xFF\nEND:VCARD\n").Name, "Ren\xC3\xBF");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN;CHARSET=UTF-16LE:Ren\nEND:VCARD\n").Name, "Ren");
}

TEST(VCardNames, EscapesAreResolvedAndControlCharactersBlanked)
{
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN:Richter\\, James\\; Jr\\\\\nEND:VCARD\n").Name, "Richter, James; Jr\\");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nFN:Two\\nLines\nEND:VCARD\n").Name, "Two Lines");
}

TEST(VCardNames, WithoutFnTheNamePartsAreJoinedInReadingOrder)
{
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nVERSION:3.0\nN:Doe;John;Richter,James;Mr.;Sr.\nEND:VCARD\n").Name,
              "Mr. John Richter James Doe Sr.");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nVERSION:3.0\nFN:  \nN:Doe\\, Jr;John;;;\nEND:VCARD\n").Name, "John Doe, Jr");
    // vCard 2.1 has no value lists: the comma is part of the name.
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nVERSION:2.1\nN:Doe;John;Richter,James\nEND:VCARD\n").Name,
              "John Richter,James Doe");
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nEMAIL:a@b.c\nEND:VCARD\n").Name, "");
}

TEST(VCardDates, BirthdayTakesTheFirstReadableDate)
{
    const TVCard card = OnlyCard("BEGIN:VCARD\nBDAY;VALUE=text:circa 1800\nBDAY:19723101\nbday:1972-01-31\n"
                                 "BDAY:1999-09-09\nEND:VCARD\n");
    EXPECT_EQ(card.Birthday, Date(1972, 1, 31));
}

TEST(VCardDates, AppleOmittedYearBecomesUnknown)
{
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nBDAY;X-APPLE-OMIT-YEAR=1900:1900-07-30\nEND:VCARD\n").Birthday,
              Date(UnknownYear, 7, 30));
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nBDAY;value=date:1604-02-29\nEND:VCARD\n").Birthday, Date(UnknownYear, 2, 29));
    // An absurd year to omit is no year to omit (found by fuzzing: it overflowed the number reader).
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nBDAY;X-APPLE-OMIT-YEAR=13333333333333:1972-07-30\nEND:VCARD\n").Birthday,
              Date(1972, 7, 30));
}

TEST(VCardDates, AnniversarySourcesFollowTheirPreferenceNotTheirOrder)
{
    const TVCard card = OnlyCard("BEGIN:VCARD\n"
                                 "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2001-01-01;1;;;\n"
                                 "item1.X-ABDATE:2002-02-02\nitem1.X-ABLabel:_$!<Anniversary>!$_\n"
                                 "X-WAB-WEDDING_ANNIVERSARY:20030303\nX-MS-ANNIVERSARY:20040404\n"
                                 "X-EVOLUTION-ANNIVERSARY:2005-05-05\nEND:VCARD\n");
    EXPECT_EQ(card.Anniversary, Date(2005, 5, 5));
    EXPECT_EQ(
        OnlyCard("BEGIN:VCARD\nX-EVOLUTION-ANNIVERSARY:2005-05-05\nANNIVERSARY:20060606\nEND:VCARD\n").Anniversary,
        Date(2006, 6, 6));
    EXPECT_EQ(
        OnlyCard("BEGIN:VCARD\nX-EVOLUTION-ANNIVERSARY:2005-05-05\nX-ANNIVERSARY:20070707\nEND:VCARD\n").Anniversary,
        Date(2007, 7, 7));
}

TEST(VCardDates, AppleDatesCountOnlyWithAnAnniversaryLabelOfTheirOwnGroup)
{
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nitem1.X-ABDATE:2014-12-31\nitem1.X-ABLabel:Died\nX-ABDATE:1776-07-04\n"
                       "ITEM2.X-ABLABEL:Anniversary\nitem2.X-ABDATE:1971-01-01\nEND:VCARD\n")
                  .Anniversary,
              Date(1971, 1, 1));
    EXPECT_FALSE(OnlyCard("BEGIN:VCARD\nitem1.X-ABDATE:2014-12-31\nitem2.X-ABLabel:_$!<Anniversary>!$_\nEND:VCARD\n")
                     .Anniversary);
}

TEST(VCardDates, AndroidEventsCountOnlyAsTypeOne)
{
    EXPECT_FALSE(OnlyCard("BEGIN:VCARD\nX-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2015-03-05;2;;\n"
                          "X-ANDROID-CUSTOM:vnd.android.cursor.item/relation;Sister;1;;\nEND:VCARD\n")
                     .Anniversary);
    EXPECT_EQ(OnlyCard("BEGIN:VCARD\nVERSION:2.1\nX-ANDROID-CUSTOM;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
                       "vnd.android.cursor.item/contact_event;=32=30=31=35=2D=30=33=2D=30=36;=31\nEND:VCARD\n")
                  .Anniversary,
              Date(2015, 3, 6));
}

TEST(VCardGroups, GroupCardsAreFlaggedAndKeepTheirUid)
{
    const auto cards = ParseVCards("BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Family\nUID:g1\nEND:VCARD\n"
                                   "BEGIN:VCARD\nX-ADDRESSBOOKSERVER-KIND:group\nFN:Club\nEND:VCARD\n"
                                   "BEGIN:VLIST\nFN:List\nEND:VLIST\n"
                                   "BEGIN:VCARD\nKIND:individual\nFN:Ann\nUID: a1 \nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 4u);
    EXPECT_TRUE(cards[0].IsGroup);
    EXPECT_EQ(cards[0].Uid, "g1");
    EXPECT_TRUE(cards[1].IsGroup);
    EXPECT_TRUE(cards[2].IsGroup);
    EXPECT_FALSE(cards[3].IsGroup);
    EXPECT_EQ(cards[3].Uid, "a1");
}

TEST(VCardReach, EmailsAndPhonesComePreferredFirstInEveryVersionsForm)
{
    using Values = std::vector<std::string>;
    const std::string longLocal(250, 'a');
    std::string many = "BEGIN:VCARD\nVERSION:3.0\n";
    for (int i = 0; i < 40; ++i)
        many += "EMAIL:p" + std::to_string(i) + "@example.org\nTEL:+1 555 01" + std::to_string(i + 10) + "\n";
    many += "EMAIL;TYPE=pref:late@example.org\nEND:VCARD\n";
    Values manyEmails{"late@example.org"};
    Values manyPhones;
    for (int i = 0; i < 31; ++i)
        manyEmails.push_back(std::string("p").append(std::to_string(i)).append("@example.org"));
    for (int i = 0; i < 32; ++i)
        manyPhones.push_back(std::string("+1 555 01").append(std::to_string(i + 10)));

    const struct
    {
        const char* Case;
        std::string Text;
        Values Emails;
        Values Phones;
    } cases[] = {
        {"4.0 PREF numbers, lower first, card order among equals, tel: URIs",
         "BEGIN:VCARD\nVERSION:4.0\nEMAIL;TYPE=work:c@example.org\nEMAIL;PREF=2:b@example.org\n"
         "EMAIL;TYPE=home;PREF=1:a@example.org\nEMAIL:d@example.org\n"
         "TEL;VALUE=uri;TYPE=cell:tel:+1-555-555-0000\nTEL;VALUE=uri;PREF=1:tel:+1-555-555-5555\n"
         "TEL;VALUE=uri:sip:ann@example.org\nEND:VCARD\n",
         {"a@example.org", "b@example.org", "c@example.org", "d@example.org"},
         {"+1-555-555-5555", "+1-555-555-0000"}},
        {"3.0 TYPE=pref alone, in a list, quoted, and in a group of Apple's",
         "BEGIN:VCARD\nVERSION:3.0\nEMAIL;TYPE=INTERNET:x@example.org\nitem1.EMAIL;type=INTERNET;type=pref:y@example."
         "org\n"
         "TEL;TYPE=WORK,VOICE:030 1111\nTEL;TYPE=\"CELL,PREF\":0170 2222\nEND:VCARD\n",
         {"y@example.org", "x@example.org"},
         {"0170 2222", "030 1111"}},
        {"2.1 bare parameters, quoted-printable, charset",
         "BEGIN:VCARD\nVERSION:2.1\nEMAIL;INTERNET:one@example.org\nEMAIL;INTERNET;PREF:two@example.org\n"
         "TEL;HOME;VOICE:+49 30 1234\nTEL;CELL;PREF;ENCODING=QUOTED-PRINTABLE:+49=20170=\n=205678\n"
         "EMAIL;CHARSET=ISO-8859-1:j\xF6rg@example.org\nEND:VCARD\n",
         {"two@example.org", "one@example.org", "j\xC3\xB6rg@example.org"},
         {"+49 170 5678", "+49 30 1234"}},
        {"escapes, blanks, controls, schemes and empty values",
         "BEGIN:VCARD\nVERSION:3.0\nEMAIL:\nEMAIL:   \nEMAIL: mailto:ann\\,lee@example.org \nTEL:\n"
         "TEL:tel:+44\\n20 7946\x01 0000\nEND:VCARD\n",
         {"ann,lee@example.org"},
         {"+4420 7946 0000"}},
        {"repeats are one, at the better preference; fax and pager are no numbers to call",
         "BEGIN:VCARD\nVERSION:3.0\nEMAIL:Ann@Example.org\nEMAIL;TYPE=pref:ann@example.ORG\nEMAIL:bo@example.org\n"
         "TEL:+49-30-1234\nTEL:+49 30 1234\nTEL:49 30 1234\nTEL:+49 30 1234 ext 5\nTEL;TYPE=FAX:+49 30 9\n"
         "TEL;TYPE=pager:+49 30 8\nTEL;TYPE=fax,voice:+49 30 7\nEND:VCARD\n",
         {"ann@example.ORG", "bo@example.org"},
         {"+49-30-1234", "49 30 1234", "+49 30 1234 ext 5", "+49 30 7"}},
        {"too long, without a digit, or an agent's: left out",
         "BEGIN:VCARD\nVERSION:2.1\nEMAIL:" + longLocal + "@x.org\nEMAIL:" + longLocal.substr(4) +
             "@x.org\nTEL:mobile\nTEL:+1 " + std::string(70, '5') +
             "\nAGENT:\nBEGIN:VCARD\nEMAIL:agent@example.org\n"
             "TEL:999\nEND:VCARD\nEND:VCARD\n",
         {longLocal.substr(4) + "@x.org"},
         {}},
        {"at most 32 of each, the preferred ones kept", many, manyEmails, manyPhones},
        {"a preference past 100 still prefers; a no-break space and the longest address are kept",
         "BEGIN:VCARD\nVERSION:4.0\nEMAIL:plain@example.org\nEMAIL;PREF=150:chosen@example.org\nEMAIL:" +
             std::string(248, 'a') + "@x.org\nTEL:+49\xC2\xA0" "30 1234\nEND:VCARD\n",
         {"chosen@example.org", "plain@example.org", std::string(248, 'a') + "@x.org"},
         {"+49\xC2\xA0" "30 1234"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Case);
        const TVCard card = OnlyCard(test.Text);
        EXPECT_EQ(TReachList::Split(card.Emails), test.Emails);
        EXPECT_EQ(TReachList::Split(card.Phones), test.Phones);
    }
}

TEST(VCardLines, QuotedParameterValuesMayHoldColons)
{
    const TVCard card = OnlyCard("BEGIN:VCARD\nVERSION:4.0\nFN;ALTID=\"a:b;c\":Ann\nEND:VCARD\n");
    EXPECT_EQ(card.Name, "Ann");
}

// Everything a card keeps, for comparing two reads of one text.
std::string Describe(const std::vector<TVCard>& cards)
{
    std::string text;
    for (const auto& card : cards)
        text += card.Name + "|" + testing::PrintToString(card.Birthday) + "|" +
                testing::PrintToString(card.Anniversary) + "|" + card.Uid + "|" + (card.IsGroup ? "group" : "") + "|" +
                card.Emails + "|" + card.Phones + "\n";
    return text;
}

TEST(VCardStream, PartsOfAnySizeReadLikeTheWholeText)
{
    // Line forms that reach past their own line: folds, quoted-printable soft breaks and unbroken continuations,
    // an AGENT card, a card without END, lower-case BEGIN, CR-only lines, and a byte order mark.
    const std::string text = "\xEF\xBB\xBF"
                             "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;ENCODING=QUOTED-PRINTABLE:Ann=\r\n=C3=A9=\r\n"
                             "BEGIN:VCARD\r\nN;QUOTED-PRINTABLE:Lee;Bo=\r\nnot a property\r\nBDAY:19800203\r\n"
                             "TEL;CELL;QUOTED-PRINTABLE:+1=\r\n=20555\r\nEMAIL;PREF:bo@example.org\r\n"
                             "AGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nEND:VCARD\r\nEND:VCARD\r\n"
                             "begin:vcard\rFN:Cy\r  Dee\rUID:u1\rX-ANNIVERSARY:2001-05-06\rend:vcard\r"
                             "BEGIN:VLIST\nFN:Team\nEND:VLIST\nBEGIN:VCARD\nFN:Cut\n BEGIN:VCARD\nBDAY:--0229\n";
    const std::string expected = Describe(ParseVCards(text));
    ASSERT_EQ(ParseVCards(text).size(), 5u) << expected;
    for (std::size_t partSize = 1; partSize <= text.size(); ++partSize) {
        std::vector<TVCard> cards;
        TVCardStream stream(cards);
        std::string held;
        for (std::size_t at = 0; at < text.size(); at += partSize) {
            held += text.substr(at, partSize);
            held.erase(0, stream.Append(held, false));
        }
        EXPECT_EQ(stream.Append(held, true), held.size());
        EXPECT_EQ(Describe(cards), expected) << "parts of " << partSize;
    }
}

} // namespace
