// The "Address books" page: the states it tells from the stores and the cache, the box that leaves a store out,
// a sync's progress, and the mouse wheel over the window's value controls.

#include "FormFixture.h"
#include "TAddressBooksPage.h"
#include "TExError.h"
#include "TStoreListView.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <ctime>

namespace {

using TState = TAddressBooksModel::TState;

class TFakeOnlineBooks final : public IOnlineBooks
{
public:
    QWidget* MakePanel(QWidget* parent) override
    {
        auto* panel = new QWidget(parent);
        panel->setObjectName(QStringLiteral("grpOnlineBooks"));
        return panel;
    }
    void SyncNow() override { ++SyncRequests; }
    void SetChangedHandler(std::function<void()>) override {}
    void SetProgressHandler(std::function<void(const TOnlineProgress&)> progress) override
    {
        Progress = std::move(progress);
    }
    std::map<std::string, TOnlineBook> Books() const override { return BookList; }

    int SyncRequests = 0;
    std::function<void(const TOnlineProgress&)> Progress;
    std::map<std::string, TOnlineBook> BookList;
};

std::int64_t LocalSeconds(int year, int month, int day, int hour, int minute)
{
    std::tm local = {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

const std::string Home = "https://dav.example.test/alice/contacts/";
const std::string Work = "https://work.example.test/books/team/";

std::vector<TStoreInfo> Stores()
{
    return {
        {"vcard-folder", "/home/alice/.local/share/contacts", 3, "ok", ""},
        {"evolution", "/home/alice/.local/share/evolution/addressbook/system", 0, "cannot open: database is locked",
         ""},
        {"vcard-folder", "/home/alice/old", 0, "excluded", ""},
        {"carddav", Home, 12, "ok", ""},
        {"carddav", Work, 40, "stale, last synced 2026-05-01 10:00 (login failed)", ""},
    };
}

QString StateOf(const TAddressBooksModel& model, std::size_t row)
{
    return TStoreListView::StateText(model.Rows().at(row));
}

TEST(AddressBooksModel, TellsEachStoresStateFromTheCheckAndTheCache)
{
    TAddressBooksModel model;
    model.SetBooks({{Home, {"https://dav.example.test/", LocalSeconds(2026, 6, 14, 9, 5)}}});
    model.SetExcluded({"/home/alice/old"});
    model.SetStores(Stores());
    const auto& rows = model.Rows();
    ASSERT_EQ(rows.size(), 5u);

    EXPECT_EQ(rows[0].State, TState::Read);
    EXPECT_EQ(StateOf(model, 0), "read");
    EXPECT_TRUE(rows[0].Counted);
    EXPECT_EQ(rows[0].Contacts, 3u);

    EXPECT_EQ(StateOf(model, 1), "unreadable (cannot open: database is locked)");
    EXPECT_FALSE(rows[1].Counted);

    EXPECT_EQ(StateOf(model, 2), "left out");
    EXPECT_TRUE(rows[2].LeftOut);

    EXPECT_TRUE(rows[3].Online);
    EXPECT_EQ(StateOf(model, 3), "synced 2026-06-14 09:05");

    // Read from the cache all the same: its cards count.
    // The status file's words, in the user's words.
    EXPECT_EQ(StateOf(model, 4),
              "stale since 2026-05-01 10:00 (login failed: check the user name and the (app) password)");
    EXPECT_EQ(rows[4].Contacts, 40u);

    // Statuses of other wordings lose nothing.
    std::string when;
    std::string reason;
    TAddressBooksModel::SplitStale("stale, last synced never (certificate (expired))", when, reason);
    EXPECT_EQ(when, "never");
    EXPECT_EQ(reason, "certificate (expired)");
    TAddressBooksModel::SplitStale("stale", when, reason);
    EXPECT_EQ(when, "");
    EXPECT_EQ(reason, "");
}

TEST(AddressBooksModel, LeavingOutKeepsTheChoiceInItsFileAtOnceAndAFailureChangesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string file = dir.filePath(QStringLiteral("excluded-stores")).toStdString();
    const auto content = [&file] {
        QFile saved(QString::fromStdString(file));
        return saved.open(QIODevice::ReadOnly) ? saved.readAll().toStdString() : std::string("(none)");
    };
    TAddressBooksModel model;
    model.SetStores(Stores());

    // Ticking what is already ticked writes nothing: no choice made, no file.
    model.SetLeftOut(Home, false, file);
    EXPECT_EQ(content(), "(none)");

    model.SetLeftOut(Home, true, file);
    model.SetLeftOut("/home/alice/.local/share/contacts", true, file);
    EXPECT_EQ(content(), "/home/alice/.local/share/contacts\n" + Home + "\n");
    EXPECT_EQ(model.Rows()[3].State, TState::LeftOut);
    model.SetLeftOut(Home, false, file);
    model.SetLeftOut("/home/alice/.local/share/contacts", false, file);
    // A list that was made stays, empty.
    EXPECT_EQ(content(), "");
    EXPECT_EQ(model.Rows()[3].State, TState::Synced);

    // A name the file cannot hold is refused, and the choice stays as it was.
    EXPECT_THROW(model.SetLeftOut("relative/folder", true, file), TExError);
    EXPECT_TRUE(model.Excluded().empty());
    EXPECT_EQ(content(), "");
}

TEST(AddressBooksModel, ASyncMarksItsAccountsBooksUntilItEnds)
{
    TAddressBooksModel model;
    model.SetBooks({{Home, {"https://dav.example.test/", 0}}, {Work, {"https://work.example.test/", 0}}});
    model.SetStores(Stores());

    // Before the sync names its account, every online book may change.
    model.SetProgress({true, "", 0, -1});
    EXPECT_EQ(model.Rows()[3].State, TState::Syncing);
    EXPECT_EQ(model.Rows()[4].State, TState::Syncing);
    EXPECT_EQ(StateOf(model, 3), "syncing…");
    EXPECT_EQ(model.Rows()[0].State, TState::Read);
    EXPECT_EQ(TAddressBooksModel::Permille(model.Progress()), -1);

    model.SetProgress({true, "https://work.example.test/", 30, 40});
    EXPECT_EQ(model.Rows()[3].State, TState::Synced);
    EXPECT_EQ(model.Rows()[4].State, TState::Syncing);
    EXPECT_EQ(TAddressBooksModel::Permille(model.Progress()), 750);
    // A count beyond its total does not run past the end.
    EXPECT_EQ(TAddressBooksModel::Permille({true, "x", 50, 40}), 1000);

    model.SetProgress({false, "https://work.example.test/", 40, 40});
    EXPECT_FALSE(model.Progress().Running);
    EXPECT_EQ(model.Rows()[4].State, TState::Stale);
}

class AddressBooksPageTest : public FormFixture
{
protected:
    TFakeOnlineBooks Online;
};

TEST_F(AddressBooksPageTest, ASyncShowsItsProgressWithSyncNowDisabledUntilItEnds)
{
    QTemporaryDir dir;
    TAddressBooksPage page(&Online, dir.filePath(QStringLiteral("excluded-stores")).toStdString());
    page.resize(421, 207);
    page.show();
    page.SetStores(Stores());
    auto* bar = page.findChild<QProgressBar*>(QStringLiteral("pbSync"));
    auto* text = page.findChild<QLabel*>(QStringLiteral("lblSyncProgress"));
    auto* syncNow = page.findChild<QPushButton*>(QStringLiteral("btnSyncNow"));
    ASSERT_TRUE(bar && text && syncNow);
    EXPECT_FALSE(bar->isVisible());

    syncNow->click();
    EXPECT_EQ(Online.SyncRequests, 1);
    page.SetProgress({true, "", 0, -1});
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 0) << "runs to and fro while the count is unknown";
    EXPECT_FALSE(syncNow->isEnabled());
    EXPECT_EQ(text->text(), "Syncing…");

    page.SetProgress({true, "https://dav.example.test/", 0, -1});
    EXPECT_EQ(text->text(), "https://dav.example.test/: syncing…");
    page.SetProgress({true, "https://dav.example.test/", 1200, 3400});
    EXPECT_EQ(bar->maximum(), 1000);
    EXPECT_EQ(bar->value(), 352);
    EXPECT_EQ(text->text(), "https://dav.example.test/: 1200 of 3400 cards");
    EXPECT_EQ(bar->accessibleName(), text->text());

    page.SetProgress({});
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(text->isVisible());
    EXPECT_TRUE(syncNow->isEnabled());
}

TEST_F(AddressBooksPageTest, TheWheelOverAValueControlWithoutTheFocusChangesNothingAnywhereInTheWindow)
{
    TPlatformServices services = Services();
    services.OnlineBooks = &Online;
    Form = std::make_unique<TFormMain>(services);
    Form->FormCreate();
    Form->show();
    Form->TimerTimer();
    Form->mnuShowClick();

    const auto valueOf = [](QWidget* control) {
        if (auto* combo = qobject_cast<QComboBox*>(control))
            return combo->currentText();
        return static_cast<QAbstractSpinBox*>(control)->text();
    };
    int walked = 0;
    for (QWidget* control : Form->findChildren<QWidget*>()) {
        if (qobject_cast<QComboBox*>(control) == nullptr && qobject_cast<QAbstractSpinBox*>(control) == nullptr)
            continue;
        ++walked;
        Find<QWidget>("btnMinimize")->setFocus();
        ASSERT_FALSE(control->hasFocus());
        const QString before = valueOf(control);
        for (const int delta : {120, -120, -120}) {
            const QPointF at(control->width() / 2.0, control->height() / 2.0);
            QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
            EXPECT_EQ(valueOf(control), before) << qPrintable(control->objectName());
        }
        EXPECT_NE(control->focusPolicy(), Qt::WheelFocus) << qPrintable(control->objectName());
    }
    EXPECT_GE(walked, 5);
}

} // namespace
