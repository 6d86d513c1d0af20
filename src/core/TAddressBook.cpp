#include "TAddressBook.h"

void TAddressBook::AddItem(const std::string& name, const TDate& birthday, const TDate& anniversary)
{
    tdstAddressItem item;
    item.Name = name;
    item.Birthday = birthday;
    item.Anniversary = anniversary;
    AddRawItem(item);
}
