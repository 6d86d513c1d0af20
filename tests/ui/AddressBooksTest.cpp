// What a user chooses and sees of the address books: the Options page's list over the real module, the line below
// the event list, and the program "Show Address Book" starts.

#include "AddressBookProgram.h"
#include "FormFixture.h"
#include "TDlLibraryLoader.h"
#include "TExcludedStores.h"
#include "TPrivateHome.h"
#include "TQtLauncher.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The real module, by its path.
class TModuleRegistry final : public IRegistry
{
public:
    std::optional<std::string> ReadDefaultValue(const std::string&) const override { return NELVORA_WAB_MODULE; }
};

std::string Card(const std::string& name, const Calendar::CivilDate& birthday)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02u%02u", 1980, birthday.Month, birthday.Day);
    return "BEGIN:VCARD\nVERSION:3.0\nFN:" + name + "\nBDAY:" + date + "\nEND:VCARD\n";
}

class AddressBooksTest : public FormFixture
{
protected:
    TFormMain& RunOverTheModule()
    {
        TPlatformServices services{Dialogs,  Clipboard,   Tray, Clock,       DateFormat,
                                   Launcher, Application, "",   &m_registry, &m_loader};
        services.Notifier = &Notifier;
        Form = std::make_unique<TFormMain>(services);
        Form->FormCreate();
        Form->show();
        Form->TimerTimer();
        return *Form;
    }

    QStringList Names() const
    {
        QStringList names;
        auto* list = Find<QTreeWidget>("lvEventList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (!list->topLevelItem(i)->text(0).isEmpty())
                names << list->topLevelItem(i)->text(0);
        return names;
    }

    // nelvora-report with the same environment, told that the window's working directory is the configuration
    // folder, as the launcher makes it.
    QString Report(const QStringList& arguments) const
    {
        QProcess report;
        report.start(QStringLiteral(NELVORA_REPORT_PROGRAM),
                     arguments + QStringList{QStringLiteral("--config-dir"), QDir::currentPath()});
        EXPECT_TRUE(report.waitForFinished(30000));
        return QString::fromUtf8(report.readAllStandardOutput());
    }

    TModuleRegistry m_registry;
    TDlLibraryLoader m_loader;
};

} // namespace

TEST_F(AddressBooksTest, AnUntickedBookIsLeftOutOfTheNextCheckAndTheReportUntilTicked)
{
    const TPrivateHome home;
    const Calendar::CivilDate today = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day));
    home.Write(".local/share/contacts/ann.vcf", Card("Ann", today));
    const std::string work = (home.Path() / "work").string();
    home.Write("work/bob.vcf", Card("Work Bob", today));
    home.Write("work/cy.vcard", Card("Work Cy", today));
    home.Write(".config/khard/khard.conf", "[addressbooks]\n[[work]]\npath = " + work + "\n");
    WriteConfig(2);

    RunOverTheModule();
    EXPECT_EQ(Names(), (QStringList{"Ann", "Work Bob", "Work Cy"}));
    EXPECT_TRUE(Find<QLabel>("lblCheckSummary")->text().contains("3 contacts from 2 address books"))
        << Find<QLabel>("lblCheckSummary")->text().toStdString();
    auto* stores = Find<QTreeWidget>("lvStores");
    ASSERT_EQ(stores->topLevelItemCount(), 2);
    QTreeWidgetItem* workRow = stores->topLevelItem(1);
    EXPECT_EQ(workRow->text(0), "vcard-folder");
    EXPECT_EQ(workRow->text(1).toStdString(), work);
    EXPECT_EQ(workRow->text(2), "2");
    EXPECT_EQ(workRow->text(3), "read");
    EXPECT_EQ(workRow->data(0, Qt::AccessibleTextRole).toString().toStdString(),
              "vcard-folder, " + work + ", 2 contacts, read");
    EXPECT_EQ(workRow->checkState(0), Qt::Checked);

    // The line below the list leads to the choice.
    QMetaObject::invokeMethod(Find<QLabel>("lblCheckSummary"), "linkActivated", Q_ARG(QString, "stores"));
    EXPECT_EQ(Find<QTabWidget>("PageControl")->currentWidget()->objectName(), "AddressBooksSheet");
    EXPECT_EQ(Form->focusWidget(), stores);

    // The box keeps the choice at once, and the list follows it.
    workRow->setCheckState(0, Qt::Unchecked);
    QFile saved(QString::fromLatin1(TExcludedStores::FileName));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), work + "\n");
    saved.close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return Names() == QStringList{"Ann"}; }, 5000));
    EXPECT_TRUE(Dialogs.Boxes.empty());
    EXPECT_EQ(ReadConfig(), ConfigImage(2, 15, 1, 0)) << "the options file is written by Save Changes only";

    Form->btnCheckNowClick();
    EXPECT_EQ(Names(), QStringList{"Ann"});
    // A book left out is not one the contacts came from.
    EXPECT_TRUE(Find<QLabel>("lblCheckSummary")->text().contains("from 1 address book"))
        << Find<QLabel>("lblCheckSummary")->text().toStdString();
    ASSERT_EQ(stores->topLevelItemCount(), 2);
    EXPECT_EQ(stores->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(stores->topLevelItem(1)->text(2), "");
    EXPECT_EQ(stores->topLevelItem(1)->text(3), "left out");

    // The command line follows the same list, and reads a book it names whatever the list says.
    const QStringList day{"--today", QStringLiteral("%1-%2-%3")
                                         .arg(today.Year)
                                         .arg(today.Month, 2, 10, QLatin1Char('0'))
                                         .arg(today.Day, 2, 10, QLatin1Char('0'))};
    EXPECT_EQ(Report(day + QStringList{"--format", "tsv"}).count('\n'), 1);
    EXPECT_TRUE(Report({"--sources"}).contains(QString::fromStdString("vcard-folder\t" + work + "\t0\texcluded\n")));
    EXPECT_EQ(Report(day + QStringList{"--format", "tsv", "--contacts", QString::fromStdString(work)}).count('\n'), 2);

    // "Show Address Book" follows the book with the most contacts at the last check: now Ann's folder.
    Form->mnuShowAddressBookClick();
    ASSERT_EQ(Launcher.OpenedUrls.size(), 1);
    EXPECT_EQ(QUrl(Launcher.OpenedUrls[0]).toLocalFile().toStdString(),
              (home.Path() / ".local/share/contacts").string());

    // A damaged list is reported and leaves nothing out.
    Form.reset();
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write("work\n");
    saved.close();
    RunOverTheModule();
    ASSERT_FALSE(Dialogs.Boxes.empty());
    EXPECT_TRUE(Dialogs.Boxes[0].Text.startsWith("Can't load configuration! Defaults are used!"));
    EXPECT_EQ(Names().size(), 3);
    EXPECT_EQ(Report(day + QStringList{"--format", "tsv"}).count('\n'), 3);
}

TEST_F(AddressBooksTest, TheLineBelowTheListTellsNoBookFromNoBirthdaysAndLeadsToTheHelpPage)
{
    Run();
    auto* summary = Find<QLabel>("lblCheckSummary");
    EXPECT_TRUE(summary->text().contains("No address book found"));
    QMetaObject::invokeMethod(summary, "linkActivated", Q_ARG(QString, "help"));
    // The build tree has no help page beside the fake program file: the Help button's own failure.
    ASSERT_EQ(BoxesOf("errorDialog").size(), 1u);

    FakeWab::Contacts.push_back({"Ann", std::nullopt, std::nullopt});
    FakeWab::Contacts.push_back({"Bo", std::nullopt, std::nullopt});
    Form->btnCheckNowClick();
    EXPECT_TRUE(summary->text().contains("2 contacts")) << summary->text().toStdString();
}

// One case per kind of store, with stand-in programs on PATH that note how they were started.
TEST(ShowAddressBook, StartsTheProgramOfTheLargestStore)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString log = bin.filePath(QStringLiteral("started"));
    const auto install = [&](const QString& name) {
        QFile script(bin.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> '%2'\n").arg(name, log).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    };
    const QStringList managers = {"gnome-contacts", "kaddressbook", "evolution", "thunderbird"};
    for (const QString& name : managers + QStringList{"xdg-open"})
        install(name);
    const std::string folder = bin.path().toStdString();
    // A folder whose name is not UTF-8 (Latin-1 "café"), and the desktop's contacts folders for the last resort.
    const std::string latin1 = folder + "/caf\xe9";
    ASSERT_TRUE(QDir().mkpath(bin.filePath(QStringLiteral("home/.local/share/contacts"))));
    ASSERT_TRUE(QDir().mkpath(bin.filePath(QStringLiteral("data/contacts"))));
    ASSERT_TRUE(QDir().mkpath(bin.filePath(QStringLiteral("relative/contacts"))));
    ASSERT_EQ(::mkdir(latin1.c_str(), 0700), 0);

    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    const QString oldFolder = QDir::currentPath();
    qputenv("PATH", bin.path().toUtf8());
    qputenv("HOME", bin.filePath(QStringLiteral("home")).toUtf8());
    // Were a relative XDG_DATA_HOME taken, it would be found here.
    QDir::setCurrent(bin.path());

    struct TCase
    {
        const char* What;
        std::string Stores;
        QStringList Missing; // programs taken off PATH for this case
        QString Started;
        QString DataHome = {}; // XDG_DATA_HOME, unset where empty
    };
    const TCase cases[] = {
        {"Evolution's book",
         "vcard-folder\t" + folder + "\t2\tok\t\nevolution\t/e/contacts.db\t9\tok\t\n",
         {},
         "gnome-contacts "},
        {"Evolution's book without GNOME Contacts",
         "evolution\t/e/contacts.db\t9\tok\t\n",
         {"gnome-contacts"},
         "evolution --component=contacts"},
        {"Thunderbird's book",
         "thunderbird\t/t/abook.sqlite\t9\tok\t\nevolution\t/e/contacts.db\t3\tok\t\n",
         {},
         "thunderbird -addressbook"},
        {"a KDE folder", "vcard-folder\t" + folder + "\t9\tok\tkde\n", {}, "kaddressbook "},
        {"another folder", "vcard-folder\t" + folder + "\t9\tok\t\n", {}, "xdg-open " + bin.path()},
        {"a file", "vcard-file\t" + folder + "/b.vcf\t9\tok\t\n", {}, "xdg-open " + bin.path()},
        {"an excluded book is no choice", "thunderbird\t/t/abook.sqlite\t0\texcluded\t\n", {}, "gnome-contacts "},
        {"the program is missing", "thunderbird\t/t/abook.sqlite\t9\tok\t\n", {"thunderbird"}, "gnome-contacts "},
        {"of two as large, the first",
         "vcard-folder\t" + folder + "\t9\tok\tkde\nthunderbird\t/t/a\t9\tok\t\n",
         {},
         "kaddressbook "},
        {"of two as large, the first, the other way round",
         "thunderbird\t/t/a\t9\tok\t\nvcard-folder\t" + folder + "\t9\tok\tkde\n",
         {},
         "thunderbird -addressbook"},
        // Its bytes reach the opener as they are, percent-encoded.
        {"a folder whose name is not UTF-8",
         "vcard-folder\t" + latin1 + "\t9\tok\t\n",
         {},
         "xdg-open file://" + QUrl::toPercentEncoding(bin.path(), "/") + "/caf%E9"},
        {"no contact manager: the data folder's contacts", "", managers,
         "xdg-open " + bin.filePath(QStringLiteral("data/contacts")), bin.filePath(QStringLiteral("data"))},
        {"a relative data folder is ignored", "", managers,
         "xdg-open " + bin.filePath(QStringLiteral("home/.local/share/contacts")), QStringLiteral("relative")},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        QFile::remove(log);
        if (test.DataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", test.DataHome.toUtf8());
        for (const QString& missing : test.Missing)
            QFile(bin.filePath(missing)).setPermissions(QFileDevice::ReadOwner);
        TQtLauncher launcher;
        bool failed = false;
        ShowAddressBook(launcher, ParseStoreList(test.Stores), [&] { failed = true; });
        // The stand-in's shell makes the file before it writes its line: wait for the whole line.
        const auto startedLine = [&log] {
            QFile started(log);
            const QByteArray text = started.open(QIODevice::ReadOnly) ? started.readAll() : QByteArray();
            return text.endsWith('\n') ? QString::fromUtf8(text) : QString();
        };
        for (int wait = 0; wait < 200 && startedLine().isEmpty(); ++wait)
            QTest::qWait(25);
        EXPECT_EQ(startedLine().trimmed().toStdString(), test.Started.trimmed().toStdString());
        EXPECT_FALSE(failed);
        for (const QString& missing : test.Missing)
            QFile(bin.filePath(missing)).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // The temporary folder's clean-up reads names as UTF-8 and would miss this one.
    ::rmdir(latin1.c_str());
    QDir::setCurrent(oldFolder);
    qputenv("PATH", oldPath);
    qputenv("HOME", oldHome);
    if (oldDataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldDataHome);
}

TEST_F(AddressBooksTest, AnEventRowsMenuWritesToThePersonWithTheGreetingAndCopiesTheNumber)
{
    const TPrivateHome home;
    const Calendar::CivilDate today = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day));
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02u%02u", today.Year - 30, today.Month, today.Day);
    home.Write(".local/share/contacts/ada.vcf", std::string("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada\r\nBDAY:") + date +
                                                    "\r\nEMAIL:ada@home.example\r\nEMAIL;PREF=1:ada@work.example\r\n"
                                                    "TEL;TYPE=cell:+44 20 7946 0000\r\nEND:VCARD\r\n");
    RunOverTheModule();
    auto* list = Find<QTreeWidget>("lvEventList");
    ASSERT_EQ(Names(), QStringList{"Ada"});

    // The Menu key on the focused row, as a keyboard user opens it.
    list->setCurrentItem(list->topLevelItem(1));
    QContextMenuEvent key(QContextMenuEvent::Keyboard, list->visualItemRect(list->topLevelItem(1)).center(),
                          list->viewport()->mapToGlobal(list->visualItemRect(list->topLevelItem(1)).center()));
    QApplication::sendEvent(list->viewport(), &key);
    auto* menu = Form->findChild<QMenu*>("mnuEventRow");
    ASSERT_NE(menu, nullptr);
    QAction* write = menu->findChild<QAction*>("mnuWriteEmail");
    ASSERT_NE(write, nullptr);
    ASSERT_NE(write->menu(), nullptr) << "two addresses, listed preferred first";
    EXPECT_EQ(write->menu()->actions().value(0)->text(), "ada@work.example");
    write->menu()->actions().value(0)->trigger();
    EXPECT_EQ(Launcher.OpenedUrls.value(0), "mailto:ada@work.example?subject=Happy%20birthday%21");
    menu->findChild<QAction*>("mnuCopyPhone")->trigger();
    EXPECT_EQ(Clipboard.Texts, std::vector<QString>{"+44 20 7946 0000"});
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The notice offers to write to her, with the preferred address, beside "Show List".
    ASSERT_EQ(Notifier.Notices.size(), 1u);
    const auto& actions = Notifier.Notices[0].Actions;
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].second, QString::fromUtf8("Write to \u2068Ada\u2069"));
    ASSERT_TRUE(Notifier.Action);
    Notifier.Action(actions[0].first);
    EXPECT_EQ(Launcher.OpenedUrls.back(), "mailto:ada@work.example?subject=Happy%20birthday%21");

    // A heading has no menu; a failed launch says so in the same box as other launches.
    QContextMenuEvent onHeading(QContextMenuEvent::Mouse, list->visualItemRect(list->topLevelItem(0)).center(),
                                list->viewport()->mapToGlobal(list->visualItemRect(list->topLevelItem(0)).center()));
    QApplication::sendEvent(list->viewport(), &onHeading);
    EXPECT_EQ(Form->findChild<QMenu*>("mnuEventRow"), nullptr);
    Launcher.OpenResult = false;
    QContextMenuEvent again(QContextMenuEvent::Mouse, list->visualItemRect(list->topLevelItem(1)).center(),
                            list->viewport()->mapToGlobal(list->visualItemRect(list->topLevelItem(1)).center()));
    QApplication::sendEvent(list->viewport(), &again);
    Form->findChild<QMenu*>("mnuEventRow")->findChild<QAction*>("mnuCall")->trigger();
    EXPECT_EQ(Launcher.OpenedUrls.back(), "tel:+442079460000");
    EXPECT_EQ(BoxesOf("errorDialog").size(), 1u);
}
