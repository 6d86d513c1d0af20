#include "TAddressBook.h"

void TAddressBook::AddItem(const std::string& name, const TDate& birthday, const TDate& anniversary,
                           const std::string& uid)
{
    tdstAddressItem item;
    item.Name = name;
    item.Birthday = birthday;
    item.Anniversary = anniversary;
    item.Uid = uid;
    AddRawItem(item);
}
