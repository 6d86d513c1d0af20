#include "TTextFit.h"

#include "TDesktopScale.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace {

// Between a label and the control to its right that it names.
constexpr int LabelGap = 3;
// Between a label and the frame of its group when nothing stands to its right.
constexpr int EdgeMargin = 8;

QList<QWidget*> PlacedChildren(QWidget& container)
{
    QList<QWidget*> children;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A focus frame follows its widget about; it has no place of its own.
        if (!child->isWindow() && !child->isHidden() && qobject_cast<QFocusFrame*>(child) == nullptr)
            children << child;
    }
    return children;
}

// A label may run on up to the control beside it in its row, or up to its group's frame, whatever its own width:
// the labels that name a control are sized to their English text.
int LabelRoom(const QWidget& label, QWidget& container)
{
    const QRect place = label.geometry();
    int limit = -1;
    for (const QWidget* sibling : PlacedChildren(container)) {
        const QRect other = sibling->geometry();
        // Beside it: one's middle within the other's height. Labels sized to the application's font before they
        // joined the window can be far taller than their text.
        const bool besideIt = (other.center().y() >= place.top() && other.center().y() <= place.bottom()) ||
                              (place.center().y() >= other.top() && place.center().y() <= other.bottom());
        if (sibling == &label || other.left() <= place.left() || !besideIt)
            continue;
        limit = limit < 0 ? other.left() - LabelGap : std::min(limit, other.left() - LabelGap);
    }
    if (limit >= 0)
        return limit - place.left();
    return std::max(place.width(), container.width() - EdgeMargin - place.left());
}

// As the tab bar sizes a tab from its text; hidden tabs count too, since the Options tab comes back.
int TabWidth(const QTabBar& bar, int index)
{
    QStyleOptionTab option;
    option.initFrom(&bar);
    option.shape = bar.shape();
    option.text = bar.tabText(index);
    option.documentMode = bar.documentMode();
    const QFontMetrics metrics = bar.fontMetrics();
    const QSize text = metrics.size(Qt::TextShowMnemonic, option.text);
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, &bar);
    const int vspace = bar.style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, &bar);
    const QSize contents(text.width() + space, std::max(text.height(), metrics.height()) + vspace);
    return bar.style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, &bar).width();
}

// Lists whose column widths were set by hand; lists that size their columns themselves are left alone.
bool HasPlacedColumns(const QTreeView& list)
{
    const QHeaderView* header = list.header();
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionResizeMode(column) != QHeaderView::Interactive)
            return false;
    }
    return header->count() > 1;
}

int ContentWidth(const QTreeView& list, int column, int firstRow, int lastRow)
{
    int width = 0;
    const QAbstractItemModel* model = list.model();
    for (int row = firstRow; row <= lastRow; ++row)
        width = std::max(width, list.sizeHintForIndex(model->index(row, column)).width());
    return width;
}

// The first column holds the rows' names, data of any length that may be cut as in English; the others hold the
// program's texts and grow to them. How much wider the list must be for that.
int MissingColumnWidth(const QTreeView& list)
{
    const int rows = list.model()->rowCount();
    int missing = 0;
    for (int column = 1; column < list.header()->count(); ++column)
        missing += std::max(0, ContentWidth(list, column, 0, rows - 1) - list.columnWidth(column));
    return missing;
}

int TextWidth(QWidget& widget)
{
    if (auto* group = qobject_cast<QGroupBox*>(&widget))
        return group->minimumSizeHint().width();
    return widget.sizeHint().width();
}

bool IsTextWidget(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QGroupBox*>(&widget);
}

double Needed(int need, int room)
{
    // One pixel more: grown places are rounded.
    return need <= room ? 1.0 : (need + 1.0) / std::max(room, 1);
}

double Factor(const QList<QWidget*>& containers)
{
    double factor = 1.0;
    for (QWidget* container : containers) {
        for (QWidget* child : PlacedChildren(*container)) {
            if (qobject_cast<QLabel*>(child) != nullptr && IsTextWidget(*child)) {
                factor = std::max(factor, Needed(TextWidth(*child), LabelRoom(*child, *container)));
            } else if (IsTextWidget(*child)) {
                factor = std::max(factor, Needed(TextWidth(*child), child->width()));
            } else if (auto* pages = qobject_cast<QTabWidget*>(child)) {
                int tabs = 0;
                for (int i = 0; i < pages->count(); ++i)
                    tabs += TabWidth(*pages->tabBar(), i);
                factor = std::max(factor, Needed(tabs, pages->width()));
            } else if (auto* list = qobject_cast<QTreeView*>(child); list != nullptr && HasPlacedColumns(*list)) {
                factor = std::max(factor, Needed(list->width() + MissingColumnWidth(*list), list->width()));
            }
        }
    }
    return factor;
}

// Edges rather than widths are scaled, so that controls side by side never come to overlap by rounding.
int Scaled(int value, double factor)
{
    return static_cast<int>(std::lround(value * factor));
}

// The places before any fitting, kept on the widgets: every pass starts again from them, so that texts that
// changed since (a check's headings) neither add growth on growth nor keep a window wide that needs no longer be.
constexpr const char* PlaceBefore = "nelvoraTextFitPlace";
constexpr const char* ColumnsBefore = "nelvoraTextFitColumns";

void RestoreWidth(QWidget& widget)
{
    const QVariant before = widget.property(PlaceBefore);
    if (!before.isValid()) {
        widget.setProperty(PlaceBefore, widget.geometry());
        return;
    }
    const QRect place = before.toRect();
    if (widget.minimumSize() == widget.maximumSize())
        widget.setFixedWidth(place.width());
    widget.setGeometry(place.x(), widget.y(), place.width(), widget.height());
}

void RestoreColumns(QTreeView& list)
{
    const QVariant before = list.property(ColumnsBefore);
    if (!before.isValid()) {
        QVariantList widths;
        for (int column = 0; column < list.header()->count(); ++column)
            widths << list.columnWidth(column);
        list.setProperty(ColumnsBefore, widths);
        return;
    }
    const QVariantList widths = before.toList();
    for (int column = 0; column < widths.size(); ++column)
        list.setColumnWidth(column, widths[column].toInt());
}

void RestorePlaces(QWidget& window, const QList<QWidget*>& containers)
{
    for (QWidget* container : containers) {
        if (container != &window)
            RestoreWidth(*container);
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && qobject_cast<QFocusFrame*>(child) == nullptr)
                RestoreWidth(*child);
        }
    }
    for (QTreeView* list : window.findChildren<QTreeView*>()) {
        if (HasPlacedColumns(*list))
            RestoreColumns(*list);
    }
}

void Widen(const QList<QWidget*>& containers, double factor)
{
    for (QWidget* container : containers) {
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            const QRect place = child->geometry();
            const int left = Scaled(place.x(), factor);
            child->setGeometry(left, place.y(), Scaled(place.x() + place.width(), factor) - left, place.height());
        }
        if (container != containers.front() && container->minimumSize() == container->maximumSize())
            container->setFixedWidth(Scaled(container->width(), factor));
    }
}

// The room a grown list gained goes to the columns whose texts need it, the rest to the names.
void FitColumns(QTreeView& list, int oldListWidth)
{
    int nameWidth = list.columnWidth(0) + list.width() - oldListWidth;
    const int rows = list.model()->rowCount();
    for (int column = 1; column < list.header()->count(); ++column) {
        const int width = list.columnWidth(column);
        const int content = ContentWidth(list, column, 0, rows - 1);
        if (content > width) {
            list.setColumnWidth(column, content);
            nameWidth -= content - width;
        }
    }
    list.setColumnWidth(0, std::max(nameWidth, list.columnWidth(0)));
}

// A label sized to its text in the window's making grew with the rest: back to what its text needs where it would
// now reach into the control beside it; a label too narrow for its text takes the room it has.
void FitLabels(const QList<QWidget*>& containers)
{
    for (QWidget* container : containers) {
        for (QWidget* child : PlacedChildren(*container)) {
            if (qobject_cast<QLabel*>(child) == nullptr || !IsTextWidget(*child))
                continue;
            const int need = TextWidth(*child);
            const int room = LabelRoom(*child, *container);
            int width = std::max(child->width(), need);
            if (width > room)
                width = std::max(need, room);
            if (width != child->width())
                child->resize(width, child->height());
        }
    }
}

} // namespace

void TTextFit::Apply(QWidget& window)
{
    const QList<QWidget*> containers = TDesktopScale::PlacedContainers(window);
    const int right = window.x() + window.width();
    if (!window.property(PlaceBefore).isValid())
        window.setProperty(PlaceBefore, window.geometry());
    const int widthBefore = window.property(PlaceBefore).toRect().width();
    RestorePlaces(window, containers);
    const double factor = Factor(containers);
    int width = widthBefore;
    if (factor > 1.0) {
        QList<QTreeView*> lists;
        QList<int> listWidths;
        for (QTreeView* list : window.findChildren<QTreeView*>()) {
            if (HasPlacedColumns(*list)) {
                lists << list;
                listWidths << list->width();
            }
        }
        Widen(containers, factor);
        for (qsizetype i = 0; i < lists.size(); ++i)
            FitColumns(*lists[i], listWidths[i]);
        width = Scaled(widthBefore, factor);
    }
    if (width != window.width()) {
        window.setFixedWidth(width);
        window.move(right - width, window.y());
    }
    FitLabels(containers);
}

void TTextFit::Install(QWidget& window)
{
    Apply(window);
    for (QTreeView* list : window.findChildren<QTreeView*>()) {
        if (!HasPlacedColumns(*list))
            continue;
        QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, &window,
                         [&window, list](const QModelIndex&, int first, int last) {
                             // A fill starts with its first row: the texts around the list may have changed since.
                             bool refit = first == 0;
                             for (int column = 1; !refit && column < list->header()->count(); ++column)
                                 refit = ContentWidth(*list, column, first, last) > list->columnWidth(column);
                             if (refit)
                                 Apply(window);
                         });
    }
}
