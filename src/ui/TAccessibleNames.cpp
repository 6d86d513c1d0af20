#include "TAccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <vector>

namespace {

template <typename T> T* Child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

void Describe(QWidget* widget, const QString& name, const QString& description)
{
    if (widget == nullptr)
        return;
    if (!name.isEmpty())
        widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void TAccessibleNames::NameControls(QWidget& window)
{
    if (auto* list = Child<QTreeWidget>(window, "lvEventList")) {
        // The headers stay hidden; their labels name the columns for the reader.
        list->setHeaderLabels({tr("Name"), tr("Event"), tr("Date")});
        Describe(list, tr("Due events"), tr("Birthdays and anniversaries due today, tomorrow and in the coming days"));
    }
    if (auto* pages = Child<QTabWidget>(window, "PageControl")) {
        Describe(pages, tr("Pages"), QString());
        Describe(pages->tabBar(), tr("Pages"), tr("Ctrl+Tab and Ctrl+Page Down show the next page"));
    }

    if (auto* runMode = Child<QComboBox>(window, "cbRunMode")) {
        // On Linux the toolkit names a drop-down by its current item and links it to its label for the reader.
        if (auto* label = Child<QLabel>(window, "Label1"))
            label->setBuddy(runMode);
        Describe(runMode->view(), tr("Check mode for due events"), QString());
    }
    if (auto* remindWith = Child<QComboBox>(window, "cbRemindWith")) {
        if (auto* label = Child<QLabel>(window, "lblRemindWith"))
            label->setBuddy(remindWith);
        Describe(remindWith->view(), tr("Remind me with"), QString());
    }
    // The labels stand on either side of a number; the reader hears the words before it as the name and the unit
    // after it in the description.
    const auto describeSpin = [&window](const char* name, const QString& label, const QString& unit) {
        auto* spin = Child<QSpinBox>(window, name);
        if (spin != nullptr)
            Describe(spin, label, unit.arg(spin->minimum()).arg(spin->maximum()));
    };
    describeSpin("UpDownForward", tr("Check forward for due events within"), tr("days, from %1 to %2"));
    describeSpin("UpDownAutoClose", tr("Automatically close event list after showing it for"),
                 tr("minutes, from %1 to %2"));
    Describe(Child<QWidget>(window, "cbAlwaysOnTop"), QString(), tr("Keeps the window above other windows"));
    Describe(Child<QWidget>(window, "btnSaveChanges"), QString(), tr("Stores the options for the next start"));
    Describe(Child<QWidget>(window, "lvStores"), tr("Address books"),
             tr("Every address book the last check found; untick one to leave it out"));

    Describe(Child<QWidget>(window, "Image1"), tr("Version"), tr("Shows the version and the build date"));
    Describe(Child<QWidget>(window, "llblHomePage"), tr("Visit Home Page"),
             tr("Opens the home page in the web browser"));

    // The buttons are named by their captions.
    Describe(Child<QWidget>(window, "btnMinimize"), QString(), tr("Hides the window in the tray (Escape)"));
    Describe(Child<QWidget>(window, "btnCheckNow"), QString(), tr("Reads the address book again"));
    Describe(Child<QWidget>(window, "btnHelp"), QString(), tr("Opens the help page in the web browser"));
    Describe(Child<QWidget>(window, "btnQuit"), QString(), tr("Ends the program"));
}

QString TAccessibleNames::HeadingText(DueCategory category, std::int32_t forwardDays)
{
    switch (category) {
    case dueToday:
        return tr("Events for today");
    case dueTomorrow:
        return tr("Events for tomorrow");
    default:
        // The visible heading keeps "1 days"; the spoken one takes its singular from the plural files.
        return tr("Events within %n days", nullptr, forwardDays);
    }
}

QString TAccessibleNames::YearsText(std::int32_t years)
{
    return tr("%n years", nullptr, years);
}

QString TAccessibleNames::WhenText(DueCategory category, std::int32_t days)
{
    switch (category) {
    case dueToday:
        return tr("today");
    case dueTomorrow:
        return tr("tomorrow");
    default:
        return tr("in %n days", nullptr, days);
    }
}

void TAccessibleNames::DescribeRows(QTreeWidget& list, const TReportSource& source)
{
    // The list as FillEventList writes it: each group's heading, then the group's rows of the model.
    const std::vector<TReportRow>& rows = source.Rows;
    if (static_cast<int>(rows.size()) + 3 != list.topLevelItemCount())
        return;
    auto row = rows.begin();
    int r = 0;
    for (const DueCategory group : {dueToday, dueTomorrow, dueWithin}) {
        QTreeWidgetItem* item = list.topLevelItem(r++);
        if (item->data(0, Qt::UserRole).toLongLong() != HeadingRowData)
            return; // not the rows this source makes
        const QString heading = HeadingText(group, source.CheckForwardDays);
        item->setData(0, Qt::AccessibleTextRole, heading);
        item->setData(0, Qt::AccessibleDescriptionRole, tr("Heading"));
        // The visible heading, with its "-=-" marks, stands in the second column.
        item->setData(1, Qt::AccessibleTextRole, heading);

        for (; row != rows.end() && row->Group == group; ++row) {
            item = list.topLevelItem(r++);
            if (item->data(0, Qt::UserRole).toLongLong() != row->Index)
                return;
            const std::string& name = source.Events.GetItem(row->Index)->Name;
            QStringList parts;
            if (!name.empty())
                parts << Utf8(name);
            parts << (row->Kind == TEventKind::Birthday ? tr("birthday") : tr("anniversary"));
            if (row->YearKnown)
                parts << YearsText(row->Years);
            parts << WhenText(row->Group, row->Days);
            const std::string dateText = DateText(row->Date, source.DateFormat);
            if (!dateText.empty())
                parts << Utf8(dateText);
            item->setData(0, Qt::AccessibleTextRole, parts.join(tr(", ")));
        }
    }
}
