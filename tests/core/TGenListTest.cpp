#include "FailingAllocation.h"
#include "TAddressBook.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(TGenList, NewListIsEmptyAndClearIsHarmless)
{
    TAddressBook book;
    EXPECT_EQ(book.GetCount(), 0);
    book.Clear();
    EXPECT_EQ(book.GetCount(), 0);
}

TEST(TGenList, HoldsCopiesInInsertionOrderDuplicatesIncluded)
{
    TAddressBook book;
    tdstAddressItem item{"Anna", 100, 200};
    book.AddRawItem(item);
    item.Name = "Ben";
    book.AddRawItem(item);
    book.AddRawItem(item);
    item.Name = "changed afterwards";

    ASSERT_EQ(book.GetCount(), 3);
    EXPECT_EQ(book.GetItem(0)->Name, "Anna");
    EXPECT_EQ(book.GetItem(1)->Name, "Ben");
    EXPECT_EQ(book.GetItem(2)->Name, "Ben");
    EXPECT_EQ(book.GetItem(0)->Birthday, 100);
    EXPECT_EQ(book.GetItem(0)->Anniversary, 200);
}

TEST(TGenList, ClearEmptiesAndAddingStartsAgainAtZero)
{
    TAddressBook book;
    book.AddItem("Anna", 1, 2);
    book.AddItem("Ben", 3, 4);
    book.Clear();
    EXPECT_EQ(book.GetCount(), 0);
    book.AddItem("Carl", 0, 0);
    ASSERT_EQ(book.GetCount(), 1);
    EXPECT_EQ(book.GetItem(0)->Name, "Carl");
}

TEST(TGenList, AddItemStoresContactsWithoutDatesOrName)
{
    TAddressBook book;
    book.AddItem("", 0, 0);
    ASSERT_EQ(book.GetCount(), 1);
    EXPECT_EQ(book.GetItem(0)->Name, "");
    EXPECT_EQ(book.GetItem(0)->Birthday, 0);
    EXPECT_EQ(book.GetItem(0)->Anniversary, 0);
}

TEST(TGenList, IndexOutOfRangeIsAFrameworkFailureNotAnErrorRecord)
{
    TAddressBook book;
    book.AddItem("Anna", 0, 0);
    EXPECT_THROW(book.GetItem(1), std::out_of_range);
    EXPECT_THROW(book.GetItem(-1), std::out_of_range);
}

namespace {

// A record whose copy fails like an allocation that cannot be satisfied.
struct FailingRecord
{
    bool Fail = false;
    FailingRecord& operator=(const FailingRecord& other)
    {
        if (other.Fail)
            throw std::bad_alloc();
        Fail = other.Fail;
        return *this;
    }
};

} // namespace

TEST(TGenList, AllocationFailureBecomesErrorRecordAndKeepsEarlierItems)
{
    TGenList<FailingRecord> list;
    list.AddRawItem(FailingRecord{});
    try {
        list.AddRawItem(FailingRecord{true});
        FAIL() << "no error record thrown";
    } catch (const TExError& error) {
        EXPECT_STREQ(error.Log, "TGenList:AddRawItem - Can't allocate memory! [id:0]\n");
        EXPECT_EQ(error.Id, 0);
    }
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(TGenList, RoomThatCannotBeAllocatedBecomesTheSameErrorRecord)
{
    TAddressBook book;
    book.AddItem("Anna", 0, 0);
    const TFailingAllocation failing(1024);
    try {
        book.Reserve(100000);
        FAIL() << "no error record thrown";
    } catch (const TExError& error) {
        EXPECT_STREQ(error.Log, "TGenList:AddRawItem - Can't allocate memory! [id:0]\n");
    }
    EXPECT_EQ(book.GetCount(), 1);
}
