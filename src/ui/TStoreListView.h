#pragma once

#include "StoreList.h"

#include <QTreeWidget>

#include <set>
#include <string>
#include <vector>

class QGroupBox;

// The Options page's "Address books" list: one row per store the last check found, with a check box that is on
// unless the store is left out. The choice is the user's until "Save Changes" stores it: a check refills the rows
// and keeps it, and a store that is not found this time stays left out.
class TStoreListView final : public QTreeWidget
{
public:
    explicit TStoreListView(QWidget* parent);

    // The stores of the last check, in reading order.
    void SetStores(const std::vector<TStoreInfo>& stores);
    // The saved choice, as loaded at start.
    void SetExcluded(const std::vector<std::string>& paths);
    // The paths left out, sorted.
    std::vector<std::string> Excluded() const;

    // Puts the Options page's content into a scrolled area and this list in a group of its own below
    // `optionsGroup`; the window keeps its fixed size. Returns the list.
    static TStoreListView* AddToOptionsPage(QWidget* sheet, QWidget* optionsGroup);
    // Scrolls the Options page to the list.
    void ScrollIntoView();

private:
    void RowChanged(QTreeWidgetItem* item, int column);

    std::set<std::string> m_excluded;
    bool m_filling = false;
};
