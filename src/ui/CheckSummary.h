#pragma once

#include "StoreList.h"

#include "TClickLabel.h"

#include <cstddef>
#include <functional>
#include <vector>

// The quiet line below the event list that says what the last check read, so that "nothing due soon" and "no
// contacts found" look different. A link: to the Options page's address books, or, when nothing was found, to the
// help page's section on where contacts are looked for.
class TCheckSummary final : public TClickLabel
{
public:
    explicit TCheckSummary(QWidget* parent);

    void Show(std::size_t contacts, const std::vector<TStoreInfo>& stores);
    bool NothingFound() const { return m_nothingFound; }

    std::function<void()> OnShowStores;
    std::function<void()> OnShowHelp;

private:
    bool m_nothingFound = false;
};
