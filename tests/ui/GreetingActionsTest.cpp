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

}

// Numbers as people write them into their address books, and what the phone program must dial.
TEST(GreetingActions, CallDialsTheNumberAPersonWouldDial)
{
    const struct
    {
        QString Number;
        QString Url;
    } numbers[] = {
        {"+49 (30) 1234-567", "tel:+49301234567"},
        {"0049 30 12+34", "tel:0049301234"}, // a + inside is layout
        {"*31#", "tel:*31%23"},
        // The trunk 0 is never dialled after the country code.
        {"+49 (0)30 1234567", "tel:+49301234567"},
        {"+44 (0) 20 7946 0000", "tel:+442079460000"},
        {"030 (0) 12", "tel:030012"},
        // Extensions go to their own parameter.
        {"+1 555 123 4567 ext. 89", "tel:+15551234567;ext=89"},
        {"+1 555 123 4567 x89", "tel:+15551234567;ext=89"},
        {"+41 44 668 18 00;ext=12", "tel:+41446681800;ext=12"},
        {"+41 44 668 18 00, 12", "tel:+41446681800;ext=12"},
        // Letters by the keypad; a letter no keypad has is no number.
        {"1-800-FLOWERS", "tel:18003569377"},
        {"+1 555 BOX 12", "tel:+155526912"},
        {"030 Müller", ""},
        // Digits of any script.
        {"٠١٢٣٤٥٦٧", "tel:01234567"},
        {"+९१ ९८७६५", "tel:+9198765"},
        {"tel:+1-555-0100", "tel:+15550100"},
        // Nothing to dial.
        {"", ""},
        {"+ ( ) -", ""},
    };
    for (const auto& number : numbers)
        EXPECT_EQ(TGreetingActions::PhoneUrl(number.Number), number.Url) << number.Number.toStdString();

    TFakeLauncher launcher;
    TFakeClipboard clipboard;
    TGreetingActions actions(launcher, clipboard, [] {});
    QMenu menu;
    actions.FillMenu(menu, {"Ada", {}, {"n/a"}, false});
    EXPECT_FALSE(menu.findChild<QAction*>("mnuCall")->isEnabled()) << "no tel: without a digit";
    EXPECT_TRUE(menu.findChild<QAction*>("mnuCopyPhone")->isEnabled()) << "what is written can still be copied";
}

// The menu of an anniversary row greets the couple, not a birthday child.
TEST(GreetingActions, AnAnniversaryRowsEmailWishesAHappyAnniversary)
{
    tdstAddressItem contact;
    contact.Name = "Wim Wed";
    contact.Emails = {"wim@example.org"};
    TFakeLauncher launcher;
    TFakeClipboard clipboard;
    TGreetingActions actions(launcher, clipboard, [] {});
    QMenu menu;
    actions.FillMenu(menu, TGreetingActions::Person(contact, true));
    menu.findChild<QAction*>("mnuWriteEmail")->trigger();
    EXPECT_EQ(launcher.OpenedUrls, QStringList{"mailto:wim@example.org?subject=Happy%20anniversary%21"});
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
