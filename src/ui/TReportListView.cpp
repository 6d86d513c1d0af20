#include "TReportListView.h"

#include <QHeaderView>
#include <QKeyEvent>
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
    // The right click and the Menu key come as a context-menu request.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { MenuAt(itemAt(at), viewport()->mapToGlobal(at)); });
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

void TReportListView::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the context menu where the desktop's own key conventions say so; Qt leaves it to the widget.
    if (event->key() == Qt::Key_F10 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        QTreeWidgetItem* item = currentItem();
        if (item != nullptr)
            MenuAt(item, viewport()->mapToGlobal(visualItemRect(item).bottomLeft()));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TReportListView::MenuAt(QTreeWidgetItem* item, const QPoint& at)
{
    if (item == nullptr || !OnEventMenu || item->data(0, Qt::UserRole).toLongLong() == HeadingRowData)
        return;
    int eventRow = 0;
    for (int i = 0; i < indexOfTopLevelItem(item); ++i)
        if (topLevelItem(i)->data(0, Qt::UserRole).toLongLong() != HeadingRowData)
            ++eventRow;
    OnEventMenu(eventRow, at);
}
