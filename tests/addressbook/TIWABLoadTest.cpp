#include "TIWAB.h"

#include "FakeAddressBook.h"
#include "FakePlatform.h"
#include "TExError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Step = TFakeAddressBook::Step;
using testing::ElementsAre;
using testing::IsEmpty;

TFakeAddressBook::Entry Contact(const std::string& name, std::optional<FILETIME> birthday = std::nullopt,
                                std::optional<FILETIME> anniversary = std::nullopt)
{
    TFakeAddressBook::Entry entry;
    entry.Props.push_back({PR_DISPLAY_NAME, name});
    if (birthday)
        entry.Props.push_back({PR_BIRTHDAY, *birthday});
    if (anniversary)
        entry.Props.push_back({PR_WEDDING_ANNIVERSARY, *anniversary});
    return entry;
}

class TIWABLoadTest : public testing::Test
{
protected:
    TIWABLoadTest() : wab(registry, loader)
    {
        TFakeAddressBook::Current = &book;
        wab.WABOpenEntry = &TFakeAddressBook::WABOpen;
    }
    ~TIWABLoadTest() override { TFakeAddressBook::Current = nullptr; }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (std::int32_t i = 0; i < wab.AddressBook.GetCount(); ++i)
            names.push_back(wab.AddressBook.GetItem(i)->Name);
        return names;
    }

    // The log of the record Load throws; empty when it throws none.
    std::string LoadError()
    {
        try {
            wab.Load();
        } catch (const TExError& error) {
            return error.Log;
        }
        return {};
    }

    void ExpectNothingHeld() const
    {
        EXPECT_EQ(book.HeldObjects(), 0);
        EXPECT_EQ(book.HeldBuffers(), 0);
        EXPECT_THAT(book.Violations(), IsEmpty());
    }

    TFakeRegistry registry;
    TFakeLibraryLoader loader;
    TFakeAddressBook book;
    TIWAB wab;
};

TEST_F(TIWABLoadTest, ReadsEveryContactInTableOrderAndGivesEverythingBack)
{
    book.Entries = {Contact("Ada", MakeFileTime(1815, 12, 10)),
                    Contact("Grace", MakeFileTime(1906, 12, 9), MakeFileTime(1930, 6, 15))};

    EXPECT_EQ(LoadError(), "");

    ASSERT_EQ(wab.AddressBook.GetCount(), 2);
    const tdstAddressItem* ada = wab.AddressBook.GetItem(0);
    EXPECT_EQ(ada->Name, "Ada");
    EXPECT_EQ(ada->Birthday, -30701); // 10 December 1815
    EXPECT_EQ(ada->Anniversary, 0);   // a birthday without an anniversary
    const tdstAddressItem* grace = wab.AddressBook.GetItem(1);
    EXPECT_EQ(grace->Name, "Grace");
    EXPECT_EQ(grace->Birthday, 2535);
    EXPECT_EQ(grace->Anniversary, 11124);
    ExpectNothingHeld();
    EXPECT_FALSE(book.ReceivedParam());
}

TEST_F(TIWABLoadTest, CallsTheAddressBookInTheDocumentedOrder)
{
    book.Entries = {Contact("Ada")};

    wab.Load();

    // The identifier goes back right after the container is opened, the contact right after its properties are
    // read, and the WAB object last, after every buffer.
    EXPECT_THAT(book.Calls(),
                ElementsAre("WABOpen", "GetPAB addrbook", "OpenEntry addrbook", "FreeBuffer wab",
                            "GetContentsTable container", "SetColumns table", "SeekRow table", "QueryRows table",
                            "OpenEntry addrbook", "GetProps contact", "Release contact", "FreeBuffer wab",
                            "FreeBuffer wab", "FreeBuffer wab", "QueryRows table", "FreeBuffer wab", "Release table",
                            "Release container", "Release addrbook", "Release wab"));
    ExpectNothingHeld();
}

TEST_F(TIWABLoadTest, AnEmptyAddressBookGivesAnEmptyList)
{
    EXPECT_EQ(LoadError(), "");
    EXPECT_EQ(wab.AddressBook.GetCount(), 0);
    ExpectNothingHeld();
}

TEST_F(TIWABLoadTest, SkipsDistributionListsAndKeepsTheContactsAround)
{
    TFakeAddressBook::Entry list = Contact("Team");
    list.ObjectType = MAPI_DISTLIST;
    book.Entries = {Contact("Ada"), list, Contact("Grace")};

    wab.Load();

    EXPECT_THAT(Names(), ElementsAre("Ada", "Grace"));
    ExpectNothingHeld();
}

TEST_F(TIWABLoadTest, AContactWithoutNameOrDatesGivesAnEmptyRecord)
{
    book.Entries = {TFakeAddressBook::Entry{}};

    wab.Load();

    ASSERT_EQ(wab.AddressBook.GetCount(), 1);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Name, "");
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Birthday, 0);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Anniversary, 0);
}

TEST_F(TIWABLoadTest, ASecondLoadReplacesTheList)
{
    book.Entries = {Contact("Ada"), Contact("Grace")};
    wab.Load();
    book.Entries = {Contact("Linus")};

    wab.Load();

    EXPECT_THAT(Names(), ElementsAre("Linus"));
    ExpectNothingHeld();
}

TEST_F(TIWABLoadTest, PassesTheSourcesAsNewlineSeparatedFileNames)
{
    wab.Sources = {"/home/a/contacts", "/tmp/one.vcf"};

    wab.Load();

    EXPECT_TRUE(book.ReceivedParam());
    EXPECT_EQ(book.ReceivedFileNames(), "/home/a/contacts\n/tmp/one.vcf");
}

TEST_F(TIWABLoadTest, LoadWithoutABindingFailsLikeAnAddressBookThatWillNotOpen)
{
    wab.WABOpenEntry = nullptr;
    EXPECT_EQ(LoadError(), ":Load - Can't open address book! [id:0]\n");
}

TEST_F(TIWABLoadTest, DecodeContactLetsTheLaterTagWinAndIgnoresOthers)
{
    SPropValue values[9] = {};
    char first[] = "First";
    char second[] = "Second";
    char emails[] = "\nann@example.org\n\nann@work.example\n";
    char phones[] = "+49 30 1";
    values[0].ulPropTag = PR_DISPLAY_NAME;
    values[0].Value.lpszA = first;
    values[1].ulPropTag = PR_BIRTHDAY;
    values[1].Value.ft = MakeFileTime(2000, 1, 1);
    values[2].ulPropTag = PR_GIVEN_NAME;
    values[2].Value.lpszA = second;
    values[3].ulPropTag = PR_DISPLAY_NAME;
    values[3].Value.lpszA = second;
    values[4].ulPropTag = PR_BIRTHDAY;
    values[4].Value.ft = MakeFileTime(2000, 1, 2);
    values[5].ulPropTag = CHANGE_PROP_TYPE(PR_WEDDING_ANNIVERSARY, PT_ERROR); // unreadable: not the tag
    values[5].Value.err = MAPI_E_NOT_FOUND;
    // A module's stray separators carry no value.
    values[6].ulPropTag = PR_NELVORA_EMAILS;
    values[6].Value.lpszA = emails;
    values[7].ulPropTag = PR_NELVORA_PHONES;
    values[7].Value.lpszA = second;
    values[8].ulPropTag = PR_NELVORA_PHONES;
    values[8].Value.lpszA = phones;

    wab.DecodeContact(values, 9);
    wab.DecodeContact(values, 0);
    wab.DecodeContact(values, -1);

    ASSERT_EQ(wab.AddressBook.GetCount(), 3);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Name, "Second");
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Birthday, 36527);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Anniversary, 0);
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Emails, (std::vector<std::string>{"ann@example.org", "ann@work.example"}));
    EXPECT_EQ(wab.AddressBook.GetItem(0)->Phones, (std::vector<std::string>{"+49 30 1"}));
    EXPECT_EQ(wab.AddressBook.GetItem(1)->Name, "");
    EXPECT_TRUE(wab.AddressBook.GetItem(1)->Emails.empty());
    EXPECT_EQ(wab.AddressBook.GetItem(2)->Name, "");
}

// ---- Failure at each step: the record, the contacts read before, and nothing left held ----

struct TFailure
{
    Step FailStep;
    int OnCall;
    const char* Message;
    int ContactsBefore;
};

void PrintTo(const TFailure& failure, std::ostream* out)
{
    *out << failure.Message << " (call " << failure.OnCall << ")";
}

class TIWABLoadFailureTest : public TIWABLoadTest, public testing::WithParamInterface<std::tuple<TFailure, HRESULT>>
{
};

TEST_P(TIWABLoadFailureTest, ThrowsTheStepsRecordAndGivesEverythingBack)
{
    const auto& [failure, code] = GetParam();
    TFakeAddressBook::Entry list = Contact("Team");
    list.ObjectType = MAPI_DISTLIST;
    book.Entries = {Contact("Ada", MakeFileTime(1815, 12, 10)), list, Contact("Grace"), Contact("Linus")};
    book.FailStep = failure.FailStep;
    book.FailOnCall = failure.OnCall;
    book.FailCode = code;

    EXPECT_EQ(LoadError(), std::string(":Load - ") + failure.Message + " [id:0]\n");

    ASSERT_EQ(wab.AddressBook.GetCount(), failure.ContactsBefore);
    if (failure.ContactsBefore > 0) {
        EXPECT_EQ(wab.AddressBook.GetItem(0)->Name, "Ada");
        EXPECT_EQ(wab.AddressBook.GetItem(0)->Birthday, -30701);
    }
    ExpectNothingHeld();
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, TIWABLoadFailureTest,
    testing::Combine(testing::Values(TFailure{Step::WABOpen, 1, "Can't open address book!", 0},
                                     TFailure{Step::GetPAB, 1, "Can't open root container!", 0},
                                     TFailure{Step::OpenContainer, 1, "Can't open WAB entry!", 0},
                                     TFailure{Step::GetContentsTable, 1, "Can't open root container contents table!",
                                              0},
                                     TFailure{Step::SetColumns, 1, "Can't set order!", 0},
                                     TFailure{Step::SeekRow, 1, "Can't set position in address book!", 0},
                                     TFailure{Step::QueryRows, 1, "Can't access address book row!", 0},
                                     TFailure{Step::QueryRows, 3, "Can't access address book row!", 1},
                                     TFailure{Step::QueryRows, 5, "Can't access address book row!", 3},
                                     TFailure{Step::OpenContact, 2, "Can't access address book entry!", 1},
                                     TFailure{Step::GetProps, 1, "Can't access address book entry properties!", 0},
                                     TFailure{Step::GetProps, 2, "Can't access address book entry properties!", 1}),
                     // An error hands out nothing; a warning hands out its results, which must go back all the same.
                     testing::Values(MAPI_E_CALL_FAILED, MAPI_W_ERRORS_RETURNED)));

} // namespace
