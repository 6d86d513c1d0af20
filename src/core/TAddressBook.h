#pragma once

#include "Records.h"
#include "TGenList.h"

#include <string>

// The contacts read from the address book, in the address book's own order.
class TAddressBook : public TGenList<tdstAddressItem>
{
public:
    ~TAddressBook() override = default;

    virtual void AddItem(const std::string& name, const TDate& birthday, const TDate& anniversary,
                         const std::string& uid = {});
};
