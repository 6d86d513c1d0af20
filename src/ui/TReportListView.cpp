#include "TReportListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Qt item views draw no grid; thin cell borders give the ruled look of a report list. Drawn by a delegate rather
// than a style sheet, which would resolve the items' font without the window font's stretch.
class TGridDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect cell = option.rect;
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->restore();
    }
};

} // namespace

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
    header()->setStretchLastSection(false);
    setColumnWidth(0, 150);
    setColumnWidth(1, 160);
    setColumnWidth(2, 80);
    setItemDelegate(new TGridDelegate(this));
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
