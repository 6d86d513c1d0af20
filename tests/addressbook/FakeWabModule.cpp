// A stand-in address-book module, loaded with dlopen by the binding tests.
#include "FakeAddressBook.h"

extern "C" HRESULT WABOpen(IAddrBook** addrBook, IWABObject** wabObject, WAB_PARAM* param, ULONG reserved)
{
    static TFakeAddressBook book;
    if (book.Entries.empty()) {
        book.Entries.push_back(
            {MAPI_MAILUSER,
             {{PR_DISPLAY_NAME, std::string("Module Contact")}, {PR_BIRTHDAY, MakeFileTime(1980, 5, 17)}}});
    }
    return book.Open(addrBook, wabObject, param, reserved);
}
