#include "FakeServices.h"
#include "TGreetingActions.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

TEST(GreetingActions, AddressesBecomeUrlsTheOpenerCannotMisread)
{
    const struct
    {
        QString Address;
        bool Anniversary;
        QString Url;
    } mails[] = {
        {"ada@example.org", false, "mailto:ada@example.org?subject=Happy%20birthday%21"},
        {" ben+cards@example.org ", true, "mailto:ben%2Bcards@example.org?subject=Happy%20anniversary%21"},
        // "?" and "#" of a local part would otherwise start the query or a fragment.
        {"odd?name#x@example.org", false, "mailto:odd%3Fname%23x@example.org?subject=Happy%20birthday%21"},
    };
    for (const auto& mail : mails)
        EXPECT_EQ(TGreetingActions::MailUrl(mail.Address, mail.Anniversary), mail.Url);

    EXPECT_EQ(TGreetingActions::PhoneUrl("+49 (30) 1234-567"), "tel:+49301234567");
    EXPECT_EQ(TGreetingActions::PhoneUrl("0049 30 12+34"), "tel:0049301234") << "a + inside is layout";
    EXPECT_EQ(TGreetingActions::PhoneUrl("*31#"), "tel:*31%23");
    EXPECT_EQ(TGreetingActions::PhoneUrl("٣٠١"), "tel:") << "only ASCII digits dial";
}

TEST(GreetingActions, TheMenuOffersWhatThePersonHasAndActsThroughTheOpenerAndClipboard)
{
    TFakeLauncher launcher;
    TFakeClipboard clipboard;
    int failures = 0;
    TGreetingActions actions(launcher, clipboard, [&failures] { ++failures; });

    QMenu menu;
    actions.FillMenu(menu, {"Ada", {"ada@work.example", "ada@home.example"}, {}, true});
    const auto find = [&menu](const char* name) { return menu.findChild<QAction*>(QString::fromLatin1(name)); };
    ASSERT_NE(find("mnuWriteEmail"), nullptr);
    QMenu* writeMenu = find("mnuWriteEmail")->menu();
    ASSERT_NE(writeMenu, nullptr) << "two addresses: a submenu names them";
    ASSERT_EQ(writeMenu->actions().size(), 2);
    EXPECT_EQ(writeMenu->actions()[1]->text(), "ada@home.example");
    writeMenu->actions()[1]->trigger();
    EXPECT_EQ(launcher.OpenedUrls, QStringList{"mailto:ada@home.example?subject=Happy%20anniversary%21"});
    EXPECT_FALSE(find("mnuCall")->isEnabled()) << "no number, no call";
    EXPECT_FALSE(find("mnuCopyPhone")->isEnabled());

    QMenu single;
    actions.FillMenu(single, {"Ben", {}, {"+1 555 0100"}, false});
    QAction* call = single.findChild<QAction*>("mnuCall");
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->menu(), nullptr);
    call->trigger();
    single.findChild<QAction*>("mnuCopyPhone")->trigger();
    EXPECT_EQ(launcher.OpenedUrls.back(), "tel:+15550100");
    EXPECT_EQ(clipboard.Texts, std::vector<QString>{"+1 555 0100"}) << "the number as the address book writes it";
    EXPECT_FALSE(single.findChild<QAction*>("mnuWriteEmail")->isEnabled());
    EXPECT_EQ(failures, 0);
}
