#pragma once

#include "TAddressBooksModel.h"

#include <QTreeWidget>

#include <functional>
#include <string>

// The "Address books" page's list: one row per store the last check found, with its kind, name, contacts and state,
// and a check box that is on unless the store is left out.
class TStoreListView final : public QTreeWidget
{
public:
    explicit TStoreListView(QWidget* parent);

    // Shows the model's rows afresh; the current row stays where it was.
    void SetRows(const std::vector<TAddressBooksModel::TRow>& rows);

    // The user ticked or unticked a row; false when the choice could not be kept, and the box goes back.
    std::function<bool(const std::string& name, bool leftOut)> OnLeftOut;

    // The state column's text of a row, in the user's language.
    static QString StateText(const TAddressBooksModel::TRow& row);

private:
    void RowChanged(QTreeWidgetItem* item, int column);

    bool m_filling = false;
};
