#pragma once

#include <QtGlobal>

// The menu entry's and the software centre's texts. The program never shows them: they are here so that the refresh
// of translations/*.ts carries them to the translators, and the build writes the translations into the desktop
// entries and the AppStream data. Each reads exactly as in nelvora.desktop.in and nelvora.metainfo.xml.in (a
// paragraph with its line breaks as single blanks); the build stops on a text of those files that is not here.
inline constexpr const char* DesktopTexts[] = {
    //: The program's name in the menu. A name: keep it unless the language writes it in another script.
    QT_TRANSLATE_NOOP("DesktopEntry", "Nelvora"),
    //: What kind of program it is, shown under or beside the name in menus.
    QT_TRANSLATE_NOOP("DesktopEntry", "Birthday Reminder"),
    //: Tooltip of the menu entry; also the software centre's one-line summary.
    QT_TRANSLATE_NOOP("DesktopEntry", "Reminds you of your contacts' birthdays and anniversaries"),
    //: Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around
    //: them. Keep the English words too where users of the language also search in English.
    QT_TRANSLATE_NOOP("DesktopEntry", "birthday;anniversary;reminder;contacts;"),
    //: First paragraph of the program's description in the software centre.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Nelvora sits in the notification area, reads your address books and shows whose birthday or "
                      "wedding anniversary falls today, tomorrow or within the next days, with the years each date "
                      "marks and the days left. It checks at log-in and again every day at the time you choose, and "
                      "only ever reads your contacts."),
    //: Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "It reads the vCard files that desktop contact managers keep, and your online address books on "
                      "CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can "
                      "write to the person or call them."),
    //: Third paragraph of the description. nelvora-report and cron are names: keep them.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "The nelvora-report command prints the same list on a terminal, for scripts and cron."),
};
