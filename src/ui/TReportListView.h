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
    // Called for the context menu of an event row (right click, the Menu key, Shift+F10): the row's place among the
    // event rows, headings not counted, and where the menu goes.
    std::function<void(int eventRow, const QPoint& at)> OnEventMenu;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MenuAt(QTreeWidgetItem* item, const QPoint& at);
};
