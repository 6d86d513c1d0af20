#include "TStoreListView.h"

#include "FailureTexts.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>
#include <climits>

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
    setColumnCount(4);
    setHeaderLabels({Tr(QT_TRANSLATE_NOOP("TStoreListView", "Kind")),
                     //: A column: the folder, profile or server address of an address book.
                     Tr(QT_TRANSLATE_NOOP("TStoreListView", "Name")),
                     Tr(QT_TRANSLATE_NOOP("TStoreListView", "Contacts")),
                     //: A column: whether an address book was read, left out, synced...
                     Tr(QT_TRANSLATE_NOOP("TStoreListView", "State"))});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    // A long path is cut in the middle, where the folder names matter least.
    setTextElideMode(Qt::ElideMiddle);
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int column) { RowChanged(item, column); });
}

QString TStoreListView::StateText(const TAddressBooksModel::TRow& row)
{
    using TState = TAddressBooksModel::TState;
    const QString when = Text(row.When);
    const QString reason = Text(row.Reason);
    switch (row.State) {
    case TState::Read:
        //: The state of an address book that the last check read.
        return Tr(QT_TRANSLATE_NOOP("TStoreListView", "read"));
    case TState::LeftOut:
        //: The state of an address book the user left out.
        return Tr(QT_TRANSLATE_NOOP("TStoreListView", "left out"));
    case TState::Unreadable:
        //: %1 says why, in English as the reading gave it.
        return reason.isEmpty() ? Tr(QT_TRANSLATE_NOOP("TStoreListView", "unreadable"))
                                : Tr(QT_TRANSLATE_NOOP("TStoreListView", "unreadable (%1)")).arg(reason);
    case TState::Synced:
        //: An online address book; %1 is a date and time, 2026-05-01 10:00.
        return when.isEmpty() ? Tr(QT_TRANSLATE_NOOP("TStoreListView", "synced"))
                              : Tr(QT_TRANSLATE_NOOP("TStoreListView", "synced %1")).arg(when);
    case TState::Syncing:
        //: An online address book while its sync runs.
        return Tr(QT_TRANSLATE_NOOP("TStoreListView", "syncing…"));
    case TState::Stale:
        //: An online address book whose last sync failed; %1 is when it last synced (a date and time, or "never"),
        //: %2 why the sync failed.
        // The status file's words, in the user's language.
        return reason.isEmpty()
                   ? Tr(QT_TRANSLATE_NOOP("TStoreListView", "stale since %1")).arg(when)
                   : Tr(QT_TRANSLATE_NOOP("TStoreListView", "stale since %1 (%2)"))
                         .arg(when, CardDav::FailureText(Stores::FailureFromWords(row.Reason)));
    }
    return {};
}

void TStoreListView::SetRows(const std::vector<TAddressBooksModel::TRow>& rows)
{
    m_filling = true;
    const int current = indexOfTopLevelItem(currentItem());
    clear();
    for (const TAddressBooksModel::TRow& row : rows) {
        auto* item = new QTreeWidgetItem(this);
        const QString state = StateText(row);
        item->setText(0, Text(row.Kind));
        item->setText(1, Text(row.Name));
        item->setToolTip(1, Text(row.Name));
        item->setText(2, row.Counted ? QString::number(row.Contacts) : QString());
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(3, state);
        item->setToolTip(3, state);
        // The reader hears the whole row with the box's first cell.
        QStringList spoken{Text(row.Kind), Text(row.Name)};
        if (row.Counted) {
            const int contacts = static_cast<int>(std::min<std::size_t>(row.Contacts, INT_MAX));
            //: Spoken with an address book's row: how many contacts it gave.
            spoken << QCoreApplication::translate("TStoreListView", "%n contacts", nullptr, contacts);
        }
        spoken << state;
        item->setData(0, Qt::AccessibleTextRole, spoken.join(QStringLiteral(", ")));
        // Kept as bytes: a path need not be UTF-8, and the file must name it as the module shows it.
        item->setData(0, PathRole, QByteArray::fromStdString(row.Name));
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        item->setCheckState(0, row.LeftOut ? Qt::Unchecked : Qt::Checked);
    }
    if (current >= 0 && current < topLevelItemCount())
        setCurrentItem(topLevelItem(current));
    m_filling = false;
}

void TStoreListView::RowChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != 0)
        return;
    const std::string name = item->data(0, PathRole).toByteArray().toStdString();
    const bool leftOut = item->checkState(0) != Qt::Checked;
    if (OnLeftOut && !OnLeftOut(name, leftOut)) {
        m_filling = true;
        item->setCheckState(0, leftOut ? Qt::Checked : Qt::Unchecked);
        m_filling = false;
    }
}
