#pragma once

#include "TEventReport.h"

#include <QTreeWidget>

#include <functional>

// The event report list: the rows of FillEventList in a three-column list without headers. Each row keeps its data
// value under Qt::UserRole of column 0.
class TReportListView final : public QTreeWidget, public IReportList
{
public:
    explicit TReportListView(QWidget* parent);

    void RemoveAllRows() override;
    void AppendRow(const std::string& caption, std::intptr_t data, const std::vector<std::string>& subItems) override;
    int RowCount() const override;

    // Called for a double-click anywhere in the list, rows and empty space alike.
    std::function<void()> OnDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
