<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>přihlášení selhalo: zkontrolujte uživatelské jméno a heslo (aplikace)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>certifikát serveru není důvěryhodný</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>server není dostupný</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>server neodpověděl včas</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>na této adrese nebyl nalezen žádný adresář</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>server přesměroval požadavek na jiného hostitele</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>odpověď serveru byla příliš velká</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>toto není adresa serveru</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>heslo se přes nešifrované http posílá jen na tento počítač: použijte adresu https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>pro tento účet není uloženo žádné heslo</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>neběží žádná služba Secret Service (GNOME Keyring, KWallet ani KeePassXC), takže heslo nelze bezpečně uložit</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>klíčenka odepřela přístup</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>chyba klíčenky</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>pro tuto e-mailovou adresu nebyl nalezen žádný server adresářů</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>server nenabízí přihlášení v prohlížeči</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>přihlášení v prohlížeči nebylo dokončeno včas</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>server odmítl přihlášení v prohlížeči</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>odpověď serveru na přihlášení v prohlížeči nelze přečíst</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>adresář je větší, než smí jedna synchronizace stáhnout</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>seznam změn ze serveru neměl konec</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>server přesměrovával požadavek dokola</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>zadejte uživatelské jméno a heslo do jejich vlastních polí, ne do adresy serveru</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>server odmítl přístup k adresáři</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>odpovědi serveru nelze porozumět</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>server odpověděl chybou %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>synchronizace byla zastavena</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>účet byl odebrán</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Nelvora</source>
        <extracomment>The program&apos;s name in the menu. A name: keep it unless the language writes it in another script.</extracomment>
        <translation>Nelvora</translation>
    </message>
    <message>
        <source>Birthday Reminder</source>
        <extracomment>What kind of program it is, shown under or beside the name in menus.</extracomment>
        <translation>Připomínání narozenin</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Připomíná narozeniny a výročí svatby vašich kontaktů</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>narozeniny;výročí;výročí svatby;připomínka;kontakty;adresář;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora běží v oznamovací oblasti, čte vaše adresáře a ukazuje, komu připadají narozeniny nebo výročí svatby na dnešek, zítřek nebo nejbližší dny – i s počtem let, které datum připomíná, a zbývajících dní. Kontroluje při přihlášení a pak každý den ve vámi zvolený čas a vaše kontakty pouze čte, nikdy je nemění.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Čte soubory vCard, které ukládají správci kontaktů pracovního prostředí, i vaše online adresáře na serverech CardDAV, jako je Nextcloud nebo Radicale, které sama synchronizuje. Z připomínky můžete dané osobě napsat nebo jí zavolat.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Příkaz nelvora-report vypíše stejný seznam v terminálu, pro skripty a cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>narozeniny</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>výročí svatby</translation>
    </message>
</context>
<context>
    <name>ShowErrorReport</name>
    <message>
        <source>Would you like to see the detailed debug log?

YES	show and copy the debug log to the clipboard and continue;
NO	don&apos;t show log and continue the program;
CANCEL	end program - unsaved data will be lost!</source>
        <extracomment>YES, NO and CANCEL name the box&apos;s buttons: write them as those buttons read in this language.</extracomment>
        <translation>Chcete zobrazit podrobný ladicí záznam?

ANO	zobrazit ladicí záznam, zkopírovat jej do schránky a pokračovat;
NE	nezobrazovat záznam a pokračovat v programu;
ZRUŠIT	ukončit program – neuložená data budou ztracena!</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Chyba programu Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Nastavení nelze načíst! Použijí se výchozí hodnoty!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Nastavení nelze uložit!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Chyba při kontrole adresáře!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Nezachycená výjimka</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Došlo k chybě:</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Blížící se události</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Narozeniny a výročí svatby dnes, zítra a v nejbližších dnech</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab a Ctrl+Page Down zobrazí další stránku</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Režim kontroly událostí</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Způsob připomínání</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Hledat události v příštích</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>dnech, od %1 do %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Automaticky zavřít seznam událostí po</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minutách, od %1 do %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Udržuje okno nad ostatními okny</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Uloží nastavení pro příští spuštění</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adresáře</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Všechny adresáře nalezené při poslední kontrole; zrušením zaškrtnutí adresář vynecháte</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Zobrazí verzi a datum sestavení</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Navštívit domovskou stránku</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Otevře domovskou stránku ve webovém prohlížeči</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Skryje okno do oznamovací oblasti (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Znovu načte adresář</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Otevře nápovědu ve webovém prohlížeči</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ukončí program</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Události na dnešek</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Události na zítřek</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Události během %n dne</numerusform>
            <numerusform>Události během %n dnů</numerusform>
            <numerusform>Události během %n dnů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n roky</numerusform>
            <numerusform>%n let</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>zítra</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n den</numerusform>
            <numerusform>za %n dny</numerusform>
            <numerusform>za %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Nadpis</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>narozeniny</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>výročí svatby</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>TAccountsPanel</name>
    <message>
        <source>Online address books</source>
        <translation>Online adresáře</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Přidat…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Účty online adresářů</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Nepodařilo se odebrat vše: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Přidat online adresář</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Většina poskytovatelů zde vyžaduje heslo aplikace: iCloud, Fastmail a Nextcloud ho vytvoří ve svém nastavení zabezpečení. Účty Google se místo toho připojují přes Online účty GNOME nebo Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Uživatelské j&amp;méno:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Zadejte server, uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Přihlašování…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nepřidáno: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Přihlašování</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Přihlásit se v prohlížeči</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Server nebo e-mailová adresa:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Zadejte uživatelské jméno a heslo, nebo se přihlaste v prohlížeči.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Hledá se server pro %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Nepodařilo se otevřít prohlížeč. Otevřete tuto adresu v některém sami: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Přihlaste se v prohlížeči a povolte přístup; tento dialog na to čeká.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Zrušeno: nic nebylo přidáno.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Synchronizovat</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 z %3 vizitek</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: synchronizace…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Synchronizace…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Nenalezen žádný adresář</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakty</numerusform>
            <numerusform>%Ln kontaktů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln adresáře</numerusform>
            <numerusform>%Ln adresářů</numerusform>
            <numerusform>%Ln adresářů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln kontakt z %1</numerusform>
            <numerusform>%Ln kontakty z %1</numerusform>
            <numerusform>%Ln kontaktů z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln nesynchronizován, z poslední kopie)</numerusform>
            <numerusform> (%Ln nesynchronizovány, z poslední kopie)</numerusform>
            <numerusform> (%Ln nesynchronizováno, z poslední kopie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln se soubory, které nelze přečíst)</numerusform>
            <numerusform> (%Ln se soubory, které nelze přečíst)</numerusform>
            <numerusform> (%Ln se soubory, které nelze přečíst)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>nar.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>nar. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>výr.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>výr. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 za %n den</numerusform>
            <numerusform>%1 za %n dny</numerusform>
            <numerusform>%1 za %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Události na dnešek -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Události na zítřek -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Události během %n dne -=-</numerusform>
            <numerusform>-=- Události během %n dnů -=-</numerusform>
            <numerusform>-=- Události během %n dnů -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Podpořte autora návštěvou jeho domovské stránky a/nebo zpětnou vazbou...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Kliknutím otevřete %1</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Režim kontroly byl vrácen na „Kontrolovat denně“.
Tuto volbu lze změnit na kartě „Nastavení“.</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>O programu</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Skrýt</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Zkontrolovat</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Režim kontroly:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Zkontrolovat při startu a skončit</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Kontrolovat denně</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Hledat události v příštích </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>dnech</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Automaticky zavřít seznam událostí po</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Vždy navrchu</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Připomínat v</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Připomínat pomocí:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>okno a oznámení</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>pouze okno</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>pouze oznámení</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Uložit změny</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Připomíná narozeniny a výročí svatby.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Tento program je zdarma!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Navštívit domovskou stránku &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Zobrazit adresář</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Zobrazit hlavní okno</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Ukončit aplikaci</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Omlouváme se!
Nebyl nalezen žádný webový prohlížeč k otevření domovské stránky!
Navštivte prosím %1 sami.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Omlouváme se!
Nelze otevřít soubor nápovědy!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Nelze spustit program adresáře!</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Omlouváme se!
Nebyl nalezen žádný program pro psaní e-mailů ani pro volání!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Adresáře</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Vše nejlepší k výročí svatby!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Vše nejlepší k narozeninám!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Napsat e-mail…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Zavolat</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Kopírovat e-mailovou adresu</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Kopírovat telefonní číslo</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n výročí svatby dnes</numerusform>
            <numerusform>%n výročí svatby dnes</numerusform>
            <numerusform>%n výročí svatby dnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n narozeniny dnes</numerusform>
            <numerusform>%n narozeniny dnes</numerusform>
            <numerusform>%n narozenin dnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n výročí svatby zítra</numerusform>
            <numerusform>%n výročí svatby zítra</numerusform>
            <numerusform>%n výročí svatby zítra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n narozeniny zítra</numerusform>
            <numerusform>%n narozeniny zítra</numerusform>
            <numerusform>%n narozenin zítra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n výročí svatby</numerusform>
            <numerusform>%n výročí svatby</numerusform>
            <numerusform>%n výročí svatby</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozenin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n den</numerusform>
            <numerusform>za %n dny</numerusform>
            <numerusform>za %n dní</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How many events come when: %1 is the count of events (&quot;2 birthdays&quot;), %2 when (&quot;in 5 days&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>zítra</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Zobrazit seznam</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>Napsat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozenin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n výročí</numerusform>
            <numerusform>%n výročí</numerusform>
            <numerusform>%n výročí</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Název</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Stav</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>přečten</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>vynechán</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>nečitelný</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>nečitelný (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>synchronizován</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>synchronizován %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>synchronizuje se…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>zastaralý, synchronizován %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>zastaralý, synchronizován %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n kontakt</numerusform>
            <numerusform>%n kontakty</numerusform>
            <numerusform>%n kontaktů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Heslo pro %1 na %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>nelze přidat %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>nebylo zadáno heslo</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>přidán %1, %n adresář:</numerusform>
            <numerusform>přidán %1, %n adresáře:</numerusform>
            <numerusform>přidán %1, %n adresářů:</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>první synchronizace %1 selhala: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>účet %1 neexistuje</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>heslo k %1 zůstává v klíčence: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>synchronizace %1 selhala: %2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>nelze zapsat seznam: %1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 nebyl nahrazen: adresář nelze přečíst (--allow-partial zapíše kalendář bez něj)</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>nelze zapsat přehled: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Nenalezen žádný adresář</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>volba %1 vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>volba %1 nepřijímá hodnotu</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>neočekávaný argument %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today vyžaduje platné datum ve tvaru RRRR-MM-DD, ne „%1“</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days vyžaduje celý počet dní od 0 výše, ne „%1“</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts vyžaduje cestu k souboru nebo složce bez zalomení řádku</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm vyžaduje počet dní od 0 do %1, ne „%2“</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output vyžaduje název souboru</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir vyžaduje název složky</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format je text, tsv nebo ics, ne „%1“</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm vyžaduje --format ics</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 vyžaduje hodnotu bez zalomení řádků a tabulátorů</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account a --accounts se zadávají samostatně</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account vyžaduje --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user se zadává s --add-account nebo --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>příkaz účtu nepřijímá volby přehledu</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>použití: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                        [--output FILE] [--config-dir DIR]
         nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                        [--output FILE [--allow-partial]] [--config-dir DIR]
         nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>synchronizace…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>synchronizováno, %n nová nebo změněná vizitka</numerusform>
            <numerusform>synchronizováno, %n nové nebo změněné vizitky</numerusform>
            <numerusform>synchronizováno, %n nových nebo změněných vizitek</numerusform>
        </translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>         nelvora-report --add-account URL --user NAME   (heslo ze standardního vstupu)
         nelvora-report --add-account E-MAIL [--user NAME]
         nelvora-report --remove-account URL [--user NAME]
         nelvora-report --accounts
         nelvora-report --sync [další volby]
</translation>
    </message>
</context>
</TS>
