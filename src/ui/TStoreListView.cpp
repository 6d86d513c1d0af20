#include "TStoreListView.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("TStoreListView", text);
}

QString Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int PathRole = Qt::UserRole;

} // namespace

TStoreListView::TStoreListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lvStores"));
    setColumnCount(3);
    setHeaderLabels({Tr(QT_TRANSLATE_NOOP("TStoreListView", "Kind")), Tr(QT_TRANSLATE_NOOP("TStoreListView", "Path")),
                     Tr(QT_TRANSLATE_NOOP("TStoreListView", "Contacts"))});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // A long path is cut in the middle, where the folder names matter least.
    setTextElideMode(Qt::ElideMiddle);
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int column) { RowChanged(item, column); });
}

void TStoreListView::SetStores(const std::vector<TStoreInfo>& stores)
{
    m_filling = true;
    clear();
    for (const TStoreInfo& store : stores) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, Text(store.Kind));
        item->setText(1, Text(store.Path));
        item->setToolTip(1, Text(store.Path));
        // A store that was not read has no count to show; its status says why (data text, as --sources shows it).
        item->setText(2, store.WasRead() ? QString::number(store.Contacts) : Text(store.Status));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        // Kept as bytes: a path need not be UTF-8, and the file must name it as the module shows it.
        item->setData(0, PathRole, QByteArray::fromStdString(store.Path));
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        item->setCheckState(0, m_excluded.contains(store.Path) ? Qt::Unchecked : Qt::Checked);
    }
    m_filling = false;
}

void TStoreListView::SetExcluded(const std::vector<std::string>& paths)
{
    m_excluded = std::set<std::string>(paths.begin(), paths.end());
    m_filling = true;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        const std::string path = item->data(0, PathRole).toByteArray().toStdString();
        item->setCheckState(0, m_excluded.contains(path) ? Qt::Unchecked : Qt::Checked);
    }
    m_filling = false;
}

std::vector<std::string> TStoreListView::Excluded() const
{
    return {m_excluded.begin(), m_excluded.end()};
}

void TStoreListView::RowChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != 0)
        return;
    const std::string path = item->data(0, PathRole).toByteArray().toStdString();
    if (item->checkState(0) == Qt::Checked)
        m_excluded.erase(path);
    else
        m_excluded.insert(path);
}

TStoreListView* TStoreListView::AddToOptionsPage(QWidget* sheet, QWidget* optionsGroup)
{
    // The window has a fixed size and the options fill their page: the list goes below them, and the page scrolls.
    auto* content = new QWidget();
    content->setObjectName(QStringLiteral("OptionsContent"));
    const QRect optionsPlace = optionsGroup->geometry();
    optionsGroup->setParent(content);
    optionsGroup->setGeometry(optionsPlace);
    optionsGroup->show();

    auto* group = new QGroupBox(Tr(QT_TRANSLATE_NOOP("TStoreListView", "Address books")), content);
    group->setObjectName(QStringLiteral("GroupBoxStores"));
    group->setGeometry(optionsPlace.x(), optionsPlace.bottom() + 9, optionsPlace.width(), 150);
    auto* list = new TStoreListView(group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    content->setFixedSize(optionsPlace.right() + 1 + optionsPlace.x(), group->geometry().bottom() + 9);

    auto* scroll = new QScrollArea(sheet);
    scroll->setObjectName(QStringLiteral("OptionsScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // The page scrolls with the focus; a Tab stop of its own would be an unnamed stop for the keyboard and readers.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(scroll);
    return list;
}

void TStoreListView::ScrollIntoView()
{
    for (QWidget* widget = parentWidget(); widget != nullptr; widget = widget->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
            scroll->ensureWidgetVisible(parentWidget(), 0, 0);
            return;
        }
    }
}
