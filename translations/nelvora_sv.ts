<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>inloggningen misslyckades: kontrollera användarnamnet och (app)lösenordet</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>serverns certifikat är inte betrott</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>servern kan inte nås</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>servern svarade inte i tid</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>ingen adressbok hittades på den här adressen</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>servern omdirigerade begäran till en annan värd</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>serverns svar var för stort</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>det här är ingen serveradress</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>ett lösenord skickas över okrypterad http bara till den här datorn: använd en https-adress</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>inget lösenord är sparat för det här kontot</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>ingen Secret Service körs (GNOME Keyring, KWallet eller KeePassXC), så lösenordet kan inte sparas säkert</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>nyckelringen nekade åtkomst</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>fel i nyckelringen</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>ingen adressboksserver hittades för den här e-postadressen</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>servern erbjuder ingen inloggning i webbläsaren</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>inloggningen i webbläsaren slutfördes inte i tid</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>servern nekade inloggningen i webbläsaren</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>serverns svar på inloggningen i webbläsaren kunde inte läsas</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>adressboken är större än en synkronisering får hämta</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>serverns lista över ändringar tog aldrig slut</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>servern skickade runt begäran i cirklar</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>skriv användarnamnet och lösenordet i sina egna fält, inte i serveradressen</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>servern nekade åtkomst till adressboken</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>serverns svar gick inte att läsa</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>servern svarade med fel %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>synkroniseringen stoppades</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>kontot togs bort</translation>
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
        <translation>Födelsedagspåminnelse</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Påminner om dina kontakters födelsedagar och bröllopsdagar</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>födelsedag;bröllopsdag;årsdag;påminnelse;kontakter;adressbok;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora finns i aviseringsytan, läser dina adressböcker och visar vems födelsedag eller bröllopsdag som infaller i dag, i morgon eller inom de närmaste dagarna, med antalet år som varje datum markerar och dagarna som återstår. Programmet kontrollerar vid inloggning och sedan varje dag vid den tid du väljer, och det läser bara dina kontakter.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Det läser vCard-filerna som skrivbordets kontakthanterare sparar, och dina adressböcker på nätet på CardDAV-servrar som Nextcloud eller Radicale, som det synkroniserar själv. Från en påminnelse kan du skriva till personen eller ringa upp.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Kommandot nelvora-report skriver ut samma lista i en terminal, för skript och cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>födelsedag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>bröllopsdag</translation>
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
        <translation>Vill du se den detaljerade felsökningsloggen?

JA	visa felsökningsloggen, kopiera den till urklipp och fortsätt;
NEJ	visa inte loggen och fortsätt köra programmet;
AVBRYT	avsluta programmet – osparade data går förlorade!</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora-fel</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Inställningarna kan inte läsas in! Standardvärden används!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Inställningarna kan inte sparas!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Ett fel uppstod när adressboken kontrollerades!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Ohanterat undantag</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Ett fel uppstod:</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Händelse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Kommande händelser</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Födelsedagar och bröllopsdagar i dag, i morgon och de närmaste dagarna</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tabb och Ctrl+Page Down visar nästa sida</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Kontrolläge för kommande händelser</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Påminn mig med</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Sök efter kommande händelser inom</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>dagar, från %1 till %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Stäng händelselistan automatiskt efter</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minuter, från %1 till %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Håller fönstret ovanför andra fönster</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Sparar inställningarna till nästa start</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adressböcker</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Alla adressböcker som den senaste kontrollen hittade; avmarkera en för att utelämna den</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Visar versionen och byggdatumet</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Besök webbplatsen</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Öppnar webbplatsen i webbläsaren</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Döljer fönstret i aviseringsytan (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Läser adressboken igen</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Öppnar hjälpsidan i webbläsaren</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Avslutar programmet</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Händelser i dag</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Händelser i morgon</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Händelser inom %n dag</numerusform>
            <numerusform>Händelser inom %n dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n år</numerusform>
            <numerusform>%n år</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgon</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>om %n dag</numerusform>
            <numerusform>om %n dagar</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Rubrik</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>födelsedag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>bröllopsdag</translation>
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
        <translation>Adressböcker på nätet</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Lägg till…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Konton för adressböcker på nätet</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Allt kunde inte tas bort: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Lägg till en adressbok på nätet</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>De flesta leverantörer kräver ett applösenord här: iCloud, Fastmail och Nextcloud skapar ett i sina säkerhetsinställningar. Google-konton läggs i stället till via Nätkonton i GNOME eller via Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lägg till</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Användarnamn:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Lösen&amp;ord:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Fyll i server, användarnamn och lösenord.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Loggar in…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Inte tillagd: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Loggar in</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Logga in i webbläsaren</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Server eller e-postadress:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Fyll i användarnamn och lösenord, eller logga in i webbläsaren.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Söker efter servern för %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Ingen webbläsare kunde öppnas. Öppna den här adressen i en webbläsare: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Logga in och ge åtkomst i webbläsaren; den här dialogen väntar på det.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Avbrutet: inget lades till.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Synkronisera nu</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 av %3 kort</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: synkroniserar…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Synkroniserar…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Ingen adressbok hittades</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln adressbok</numerusform>
            <numerusform>%Ln adressböcker</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln kontakt från %1</numerusform>
            <numerusform>%Ln kontakter från %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln inte synkroniserad, från den senaste kopian)</numerusform>
            <numerusform> (%Ln inte synkroniserade, från den senaste kopian)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln med filer som inte kan läsas)</numerusform>
            <numerusform> (%Ln med filer som inte kan läsas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>födelsedag</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>fyller %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>bröllopsdag</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>gifta %1 år</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 om %n dag</numerusform>
            <numerusform>%1 om %n dagar</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Händelser i dag -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Händelser i morgon -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Händelser inom %n dag -=-</numerusform>
            <numerusform>-=- Händelser inom %n dagar -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Stöd upphovspersonen: besök webbplatsen och/eller ge återkoppling...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Klicka för att öppna %1</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Kontrolläget är återställt till ”Kontrollera dagligen”.
Det kan ändras på fliken ”Inställningar”.</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Händelselista</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Om</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Dölj i aviseringsytan</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Kontrollera nu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Kontrolläge:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Kontrollera vid start och avsluta</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Kontrollera dagligen</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Sök efter kommande händelser inom </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>dagar</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Stäng händelselistan automatiskt efter</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minuter</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Alltid överst</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Påminn kl.</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Påminn mig med:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>fönster och avisering</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>bara fönster</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>bara avisering</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Spara ändringar</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Påminner dig om födelsedagar och bröllopsdagar.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Det här programmet är gratis att använda!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Besök webbplatsen &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Visa adressbok</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Visa huvudfönstret</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Tyvärr!
Ingen webbläsare hittades för att öppna webbplatsen!
Besök %1 på egen hand.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Tyvärr!
Hjälpfilen kunde inte öppnas!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Adressboksprogrammet kunde inte startas!</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Tyvärr!
Inget program för e-post eller samtal hittades!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Adressböcker</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Grattis på bröllopsdagen!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Grattis på födelsedagen!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Skriv e-post…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Kopiera e-postadress</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Kopiera telefonnummer</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n bröllopsdag i dag</numerusform>
            <numerusform>%n bröllopsdagar i dag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n födelsedag i dag</numerusform>
            <numerusform>%n födelsedagar i dag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n bröllopsdag i morgon</numerusform>
            <numerusform>%n bröllopsdagar i morgon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n födelsedag i morgon</numerusform>
            <numerusform>%n födelsedagar i morgon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n bröllopsdag</numerusform>
            <numerusform>%n bröllopsdagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n födelsedag</numerusform>
            <numerusform>%n födelsedagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>om %n dag</numerusform>
            <numerusform>om %n dagar</numerusform>
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
            <numerusform>och %n till</numerusform>
            <numerusform>och %n till</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgon</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Visa lista</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>Skriv till %1</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n födelsedag</numerusform>
            <numerusform>%n födelsedagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n bröllopsdag</numerusform>
            <numerusform>%n bröllopsdagar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 och %2</translation>
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
        <translation>Kontakter</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Namn</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>läst</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>utelämnad</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>oläsbar</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>oläsbar (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>synkroniserad</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>synkroniserad %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>synkroniseras…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>inaktuell, senast synkroniserad %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>inaktuell, senast synkroniserad %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n kontakt</numerusform>
            <numerusform>%n kontakter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Lösenord för %1 på %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>kan inte lägga till %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>inget lösenord angavs</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>lade till %1, %n adressbok:</numerusform>
            <numerusform>lade till %1, %n adressböcker:</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>den första synkroniseringen av %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>inget konto %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>lösenordet för %1 ligger kvar i nyckelringen: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>synkroniseringen av %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>kan inte skriva listan: %1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 ersattes inte: en adressbok kunde inte läsas (--allow-partial skriver kalendern utan den)</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>kan inte skriva rapporten: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Ingen adressbok hittades</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>flaggan %1 kräver ett värde</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>flaggan %1 tar inget värde</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>okänd flagga %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>oväntat argument %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today kräver ett giltigt datum som ÅÅÅÅ-MM-DD, inte ”%1”</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days kräver ett heltal dagar från 0 och uppåt, inte ”%1”</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts kräver en sökväg till en fil eller mapp utan radbrytningar</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm kräver ett antal dagar från 0 till %1, inte ”%2”</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output kräver ett filnamn</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir kräver ett mappnamn</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format är text, tsv eller ics, inte ”%1”</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm kräver --format ics</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 kräver ett värde utan radbrytningar eller tabbar</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account och --accounts används var för sig</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account kräver --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user används med --add-account eller --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>ett kontokommando tar inga rapportflaggor</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>Användning: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                           [--output FILE] [--config-dir DIR]
            nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                           [--output FILE [--allow-partial]] [--config-dir DIR]
            nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>synkroniserar…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>synkroniserat, %n nytt eller ändrat kort</numerusform>
            <numerusform>synkroniserat, %n nya eller ändrade kort</numerusform>
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
        <translation>            nelvora-report --add-account URL --user NAME   (lösenordet från standard in)
            nelvora-report --add-account E-MAIL [--user NAME]
            nelvora-report --remove-account URL [--user NAME]
            nelvora-report --accounts
            nelvora-report --sync [andra flaggor]
</translation>
    </message>
</context>
</TS>
