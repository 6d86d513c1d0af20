#include "TReportListView.h"

#include <QHeaderView>
#include <QMouseEvent>

TReportListView::TReportListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lvEventList"));
    setColumnCount(3);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColumnWidth(0, 150);
    setColumnWidth(1, 160);
    setColumnWidth(2, 80);
    // Qt item views draw no grid; thin cell borders give the ruled look of a report list.
    setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid palette(mid); "
                                 "border-bottom: 1px solid palette(mid); }"));
}

void TReportListView::RemoveAllRows()
{
    clear();
}

void TReportListView::AppendRow(const std::string& caption, std::intptr_t data,
                                const std::vector<std::string>& subItems)
{
    auto* item = new QTreeWidgetItem();
    item->setText(0, QString::fromStdString(caption));
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<qlonglong>(data)));
    int column = 1;
    for (const std::string& text : subItems)
        item->setText(column++, QString::fromStdString(text));
    addTopLevelItem(item);
}

int TReportListView::RowCount() const
{
    return topLevelItemCount();
}

void TReportListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDoubleClick)
        OnDoubleClick();
}
