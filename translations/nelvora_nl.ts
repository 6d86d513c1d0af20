<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>aanmelden mislukt: controleer de gebruikersnaam en het (app-)wachtwoord</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>het certificaat van de server wordt niet vertrouwd</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>de server is niet bereikbaar</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>de server antwoordde niet op tijd</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>op dit adres is geen adresboek gevonden</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>de server stuurde het verzoek door naar een andere host</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>het antwoord van de server was te groot</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>dit is geen serveradres</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>vul de gebruikersnaam en het wachtwoord in hun eigen velden in, niet in het serveradres</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>een wachtwoord gaat alleen naar deze computer over onversleuteld http: gebruik een https-adres</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>voor dit account is geen wachtwoord bewaard</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>er draait geen Secret Service (GNOME Keyring, KWallet of KeePassXC), dus het wachtwoord kan niet veilig worden bewaard</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>de sleutelbos weigerde de toegang</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>de sleutelbos gaf een fout</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>voor dit e-mailadres is geen adresboekserver gevonden</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>de server biedt geen aanmelding in de browser</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>de aanmelding in de browser is niet op tijd afgerond</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>de server heeft de aanmelding in de browser geweigerd</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>het antwoord van de server op de aanmelding in de browser is onleesbaar</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>het adresboek is groter dan een synchronisatie mag ophalen</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>de lijst met wijzigingen van de server hield niet op</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>de server stuurde het verzoek in een kringetje rond</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>de server weigert toegang tot het adresboek</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>het antwoord van de server is onleesbaar</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>de server antwoordde met fout %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>de synchronisatie is gestopt</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>het account is verwijderd</translation>
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
        <translation>Verjaardagsherinnering</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Herinnert u aan de verjaardagen en trouwdagen van uw contacten</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>verjaardag;trouwdag;jubileum;herinnering;contacten;adresboek;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora staat in het systeemvak, leest uw adresboeken en toont wiens verjaardag of trouwdag vandaag, morgen of in de komende dagen valt, met het aantal jaren en de resterende dagen. Het controleert bij het aanmelden en opnieuw elke dag op het tijdstip dat u kiest, en leest uw contacten alleen; het wijzigt ze nooit.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Het leest de vCard-bestanden die contactbeheerders van de desktop bijhouden, en uw online adresboeken op CardDAV-servers zoals Nextcloud of Radicale, die het zelf synchroniseert. Vanuit een herinnering kunt u de persoon schrijven of bellen.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>De opdracht nelvora-report toont dezelfde lijst in een terminal, voor scripts en cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>verjaardag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>trouwdag</translation>
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
        <translation>Wilt u het uitgebreide foutopsporingslogboek zien?

JA	het logboek tonen, naar het klembord kopiëren en doorgaan;
NEE	het logboek niet tonen en met het programma doorgaan;
ANNULEREN	het programma afsluiten – niet-opgeslagen gegevens gaan verloren!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Onafgehandelde uitzondering</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Er is een fout opgetreden:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora-fout</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Kan de instellingen niet laden! De standaardwaarden worden gebruikt!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Kan de instellingen niet opslaan!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Fout bij het controleren van het adresboek!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Komende gebeurtenissen</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Verjaardagen en trouwdagen vandaag, morgen en de komende dagen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab en Ctrl+Page Down tonen de volgende pagina</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Controlemodus voor gebeurtenissen</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Herinneren via</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Vooruitkijken naar gebeurtenissen binnen</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>dagen, van %1 tot %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Lijst automatisch sluiten na</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minuten, van %1 tot %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Houdt het venster boven andere vensters</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Bewaart de instellingen voor de volgende start</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adresboeken</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Elk adresboek dat de laatste controle vond; vink er een uit om het over te slaan</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Toont de versie en de bouwdatum</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Website bezoeken</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Opent de website in de webbrowser</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Verbergt het venster in het systeemvak (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Leest het adresboek opnieuw</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Opent de hulppagina in de webbrowser</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Sluit het programma af</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Gebeurtenissen vandaag</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Gebeurtenissen morgen</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Gebeurtenissen binnen %n dag</numerusform>
            <numerusform>Gebeurtenissen binnen %n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n jaar</numerusform>
            <numerusform>%n jaar</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>over %n dag</numerusform>
            <numerusform>over %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kop</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>verjaardag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>trouwdag</translation>
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
        <translation>Online adresboeken</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Toevoegen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Accounts van online adresboeken</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Niet alles kon worden verwijderd: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Online adresboek toevoegen</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>De meeste aanbieders vragen hier een app-wachtwoord: iCloud, Fastmail en Nextcloud maken er een aan in hun beveiligingsinstellingen. Google-accounts lopen in plaats daarvan via GNOME Online-accounts of Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Vul de server, de gebruikersnaam en het wachtwoord in.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Aanmelden…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Niet toegevoegd: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Aanmelden in de browser</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Server of e-mailadres:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Vul de gebruikersnaam en het wachtwoord in, of meld u aan in de browser.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Server van %1 zoeken…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Er kon geen browser worden geopend. Open dit adres zelf in een browser: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Meld u aan in de browser en verleen de toegang; dit venster wacht daarop.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Geannuleerd: er is niets toegevoegd.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Nu synchroniseren</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 van %3 contacten</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: bezig met synchroniseren…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Bezig met synchroniseren…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Geen adresboek gevonden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln adresboek</numerusform>
            <numerusform>%Ln adresboeken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contact uit %1</numerusform>
            <numerusform>%Ln contacten uit %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln niet gesynchroniseerd, uit de laatste kopie)</numerusform>
            <numerusform> (%Ln niet gesynchroniseerd, uit de laatste kopie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln met bestanden die niet gelezen kunnen worden)</numerusform>
            <numerusform> (%Ln met bestanden die niet gelezen kunnen worden)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>verj.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>verj. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>trouwd.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>trouwd. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 over %n dag</numerusform>
            <numerusform>%1 over %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Gebeurtenissen vandaag -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Gebeurtenissen morgen -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Gebeurtenissen binnen %n dag -=-</numerusform>
            <numerusform>-=- Gebeurtenissen binnen %n dagen -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Steun de auteur door zijn website te bezoeken en/of uw mening te geven...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Klik om %1 te openen</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Gebeurtenissen</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Naar systeemvak</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>Nu &amp;controleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Controlemodus:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Bij start controleren en afsluiten</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Dagelijks controleren</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Vooruitkijken naar gebeurtenissen binnen </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>dagen</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Lijst automatisch sluiten na</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Altijd bovenop</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Herinneren via:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>venster en melding</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>alleen venster</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>alleen melding</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Wijzigingen &amp;opslaan</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Herinnert u aan verjaardagen en trouwdagen.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Dit programma is gratis!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Website bezoeken &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Adresboek tonen</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Hoofdvenster tonen</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>De controlemodus staat weer op &apos;Dagelijks controleren&apos;.
U kunt dit wijzigen op het tabblad &apos;Instellingen&apos;.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Sorry!
Geen webbrowser gevonden om de website te openen!
Bezoek %1 zelf.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Sorry!
Kan het hulpbestand niet openen!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Kan het adresboekprogramma niet starten!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Herinneren om</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Sorry!
Er is geen programma gevonden om mee te schrijven of te bellen!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Adresboeken</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Gefeliciteerd met jullie trouwdag!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Gefeliciteerd met je verjaardag!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>E-mail schrijven…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Bellen</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>E-mailadres kopiëren</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Telefoonnummer kopiëren</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n trouwdag vandaag</numerusform>
            <numerusform>%n trouwdagen vandaag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n verjaardag vandaag</numerusform>
            <numerusform>%n verjaardagen vandaag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n trouwdag morgen</numerusform>
            <numerusform>%n trouwdagen morgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n verjaardag morgen</numerusform>
            <numerusform>%n verjaardagen morgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>over %n dag</numerusform>
            <numerusform>over %n dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Lijst tonen</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n trouwdag</numerusform>
            <numerusform>%n trouwdagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n verjaardag</numerusform>
            <numerusform>%n verjaardagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How many events come when: %1 is the count of events (&quot;2 birthdays&quot;), %2 when (&quot;in 5 days&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>%1 mailen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n verjaardag</numerusform>
            <numerusform>%n verjaardagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n trouwdag</numerusform>
            <numerusform>%n trouwdagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>gelezen</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>onleesbaar</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>onleesbaar (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>gesynchroniseerd</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>gesynchroniseerd op %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>bezig met synchroniseren…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>verouderd sinds %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>verouderd sinds %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contact</numerusform>
            <numerusform>%n contacten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>kan de lijst niet schrijven: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>kan het overzicht niet schrijven: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Geen adresboek gevonden</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>optie %1 accepteert geen waarde</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>optie %1 vereist een waarde</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today vereist een geldige datum als JJJJ-MM-DD, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts vereist een bestands- of mappad zonder regeleinden</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm vereist een aantal dagen van 0 tot %1, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output vereist een bestandsnaam</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format is text, tsv of ics, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm vereist --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>gebruik: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                        [--output FILE] [--config-dir DIR]
         nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                        [--output FILE [--allow-partial]] [--config-dir DIR]
         nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 is niet vervangen: een adresboek kon niet worden gelezen (--allow-partial schrijft de agenda zonder dat adresboek)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days vereist een geheel aantal dagen vanaf 0, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir vereist een mapnaam</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>kan %1 niet toevoegen: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>geen wachtwoord opgegeven</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>de eerste synchronisatie van %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>geen account %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>het wachtwoord van %1 blijft in de sleutelbos: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>synchronisatie van %1 mislukt: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 vereist een waarde zonder regeleinden of tabs</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account en --accounts moeten los worden gebruikt</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account vereist --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user hoort bij --add-account of --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>een accountopdracht accepteert geen overzichtsopties</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>         nelvora-report --add-account URL --user NAME   (het wachtwoord via standaardinvoer)
         nelvora-report --add-account E-MAIL [--user NAME]
         nelvora-report --remove-account URL [--user NAME]
         nelvora-report --accounts
         nelvora-report --sync [andere opties]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 toegevoegd, %n adresboek:</numerusform>
            <numerusform>%1 toegevoegd, %n adresboeken:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>synchroniseren…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>gesynchroniseerd, %n nieuwe of gewijzigde kaart</numerusform>
            <numerusform>gesynchroniseerd, %n nieuwe of gewijzigde kaarten</numerusform>
        </translation>
    </message>
</context>
</TS>
