#include "TWindowKeys.h"

#include "TEventReport.h"

#include <QApplication>
#include <QFocusFrame>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <utility>

namespace {

void ShowNextPage(QTabWidget& pages, int step)
{
    const int count = pages.count();
    for (int i = 1; i < count; ++i) {
        const int index = ((pages.currentIndex() + step * i) % count + count) % count;
        if (pages.isTabVisible(index) && pages.isTabEnabled(index)) {
            pages.setCurrentIndex(index);
            break;
        }
    }
    // The page's tab takes the focus, so that a screen reader names the page and Tab goes on into it.
    pages.tabBar()->setFocus(Qt::ShortcutFocusReason);
}

} // namespace

void TWindowKeys::Install(QWidget& window, QTabWidget& pages, std::function<void()> sendToTray)
{
    const auto bind = [&window](const QKeySequence& keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
    };
    QTabWidget* tabs = &pages;
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), [tabs] { ShowNextPage(*tabs, 1); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [tabs] { ShowNextPage(*tabs, 1); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [tabs] { ShowNextPage(*tabs, -1); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [tabs] { ShowNextPage(*tabs, -1); });
    bind(QKeySequence(Qt::Key_Escape), std::move(sendToTray));

    // Styles such as Fusion draw a default button highlighted whether it has the focus or not, so its focus would
    // not show: a frame in the text colour follows the focus onto it.
    auto* frame = new QFocusFrame(&window);
    QPointer<QWidget> owner(&window);
    QObject::connect(qApp, &QApplication::focusChanged, frame, [frame, owner](QWidget*, QWidget* now) {
        auto* button = qobject_cast<QPushButton*>(now);
        const bool framed = button != nullptr && button->isDefault() && owner != nullptr && owner->isAncestorOf(button);
        frame->setWidget(framed ? button : nullptr);
    });
}

void TWindowKeys::FocusList(QTreeWidget& list)
{
    // Focused first: the view tells a screen reader about its current row only while it has the focus.
    list.setFocus(Qt::OtherFocusReason);
    if (list.currentItem() == nullptr) {
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list.topLevelItem(row);
            if (item->data(0, Qt::UserRole).toLongLong() != HeadingRowData) {
                // Current without being selected: the list keeps its look, the focus frame marks the row.
                list.selectionModel()->setCurrentIndex(list.indexFromItem(item), QItemSelectionModel::NoUpdate);
                break;
            }
        }
    }
}
