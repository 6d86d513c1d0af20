<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>logowanie nie powiodło się: sprawdź nazwę użytkownika i hasło (do aplikacji)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>certyfikat serwera nie jest zaufany</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>nie można połączyć się z serwerem</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>serwer nie odpowiedział na czas</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>pod tym adresem nie znaleziono książki adresowej</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>serwer przekierował żądanie do innego hosta</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>odpowiedź serwera była za duża</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>to nie jest adres serwera</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>wpisz nazwę użytkownika i hasło w ich własne pola, nie w adres serwera</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>hasło jest wysyłane przez nieszyfrowane http tylko do tego komputera: użyj adresu https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>dla tego konta nie zapisano hasła</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>nie działa żadna usługa Secret Service (GNOME Keyring, KWallet lub KeePassXC), więc hasła nie można bezpiecznie przechować</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>baza kluczy odmówiła dostępu</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>błąd bazy kluczy</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>nie znaleziono serwera książek adresowych dla tego adresu e-mail</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>serwer nie oferuje logowania w przeglądarce</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>logowanie w przeglądarce nie zostało ukończone na czas</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>serwer odrzucił logowanie w przeglądarce</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>nie można odczytać odpowiedzi serwera na logowanie w przeglądarce</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>książka adresowa jest większa, niż synchronizacja może pobrać</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>lista zmian serwera nie miała końca</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>serwer przekierowywał żądanie w kółko</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>serwer odmówił dostępu do książki adresowej</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>nie można odczytać odpowiedzi serwera</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>serwer odpowiedział błędem %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>synchronizacja została zatrzymana</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>konto zostało usunięte</translation>
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
        <translation>Przypomnienia o urodzinach</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Przypomina o urodzinach i rocznicach ślubu Twoich kontaktów</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>urodziny;rocznica;rocznica ślubu;przypomnienie;kontakty;książka adresowa;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora działa w zasobniku systemowym, czyta Twoje książki adresowe i pokazuje, czyje urodziny lub rocznica ślubu przypadają dziś, jutro lub w najbliższych dniach, wraz z liczbą lat i liczbą pozostałych dni. Sprawdza przy logowaniu i ponownie codziennie o wybranej przez Ciebie godzinie, a Twoje kontakty tylko odczytuje.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Czyta pliki vCard, które przechowują menedżery kontaktów środowiska graficznego, oraz Twoje książki adresowe online na serwerach CardDAV, takich jak Nextcloud czy Radicale, które sam synchronizuje. Z przypomnienia możesz napisać do tej osoby lub do niej zadzwonić.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Polecenie nelvora-report wypisuje tę samą listę w terminalu, dla skryptów i programu cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>urodziny</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>rocznica ślubu</translation>
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
        <translation>Czy chcesz zobaczyć szczegółowy dziennik debugowania?

TAK	pokaż dziennik, skopiuj go do schowka i kontynuuj;
NIE	nie pokazuj dziennika i kontynuuj działanie programu;
ANULUJ	zakończ program – niezapisane dane zostaną utracone!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Nieobsłużony wyjątek</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Wystąpił błąd:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Błąd programu Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Nie można wczytać ustawień! Używane są ustawienia domyślne!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Nie można zapisać ustawień!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Błąd podczas sprawdzania książki adresowej!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Wydarzenie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Nadchodzące wydarzenia</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Urodziny i rocznice ślubu przypadające dziś, jutro i w najbliższych dniach</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab i Ctrl+Page Down pokazują następną stronę</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Tryb sprawdzania wydarzeń</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Sposób przypominania</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Szukaj wydarzeń w ciągu najbliższych</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>dni, od %1 do %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Zamykaj listę automatycznie po wyświetlaniu przez</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minut, od %1 do %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Utrzymuje okno nad innymi oknami</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Zapisuje ustawienia na następne uruchomienie</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Książki adresowe</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Wszystkie książki adresowe znalezione przy ostatnim sprawdzeniu; odznacz, aby pominąć</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Pokazuje wersję i datę kompilacji</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Odwiedź stronę domową</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Otwiera stronę domową w przeglądarce</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Chowa okno do zasobnika systemowego (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Ponownie czyta książkę adresową</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Otwiera stronę pomocy w przeglądarce</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Kończy program</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Wydarzenia dzisiaj</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Wydarzenia jutro</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Wydarzenia w ciągu %n dnia</numerusform>
            <numerusform>Wydarzenia w ciągu %n dni</numerusform>
            <numerusform>Wydarzenia w ciągu %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
            <numerusform>%n lat</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>dzisiaj</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n dzień</numerusform>
            <numerusform>za %n dni</numerusform>
            <numerusform>za %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>urodziny</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>rocznica ślubu</translation>
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
        <translation>Książki adresowe online</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Dodaj…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Konta książek adresowych online</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Nie udało się usunąć wszystkiego: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Dodaj książkę adresową online</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Większość dostawców wymaga tu hasła do aplikacji: iCloud, Fastmail i Nextcloud tworzą je w ustawieniach bezpieczeństwa. Konta Google dodaje się zamiast tego przez Konta online GNOME lub Thunderbirda.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Podaj serwer, nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Logowanie…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nie dodano: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Zaloguj się w przeglądarce</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Serwer lub adres e-mail:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Wpisz nazwę użytkownika i hasło albo zaloguj się w przeglądarce.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Szukanie serwera dla %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Nie udało się otworzyć przeglądarki. Otwórz ten adres w przeglądarce: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Zaloguj się i udziel dostępu w przeglądarce; to okno na to czeka.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Anulowano: nic nie zostało dodane.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 z %3 kontaktów</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: synchronizacja…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Synchronizacja…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Nie znaleziono książki adresowej</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakty</numerusform>
            <numerusform>%Ln kontaktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln książki adresowej</numerusform>
            <numerusform>%Ln książek adresowych</numerusform>
            <numerusform>%Ln książek adresowych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln kontakt z %1</numerusform>
            <numerusform>%Ln kontakty z %1</numerusform>
            <numerusform>%Ln kontaktów z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln niezsynchronizowana, z ostatniej kopii)</numerusform>
            <numerusform> (%Ln niezsynchronizowane, z ostatniej kopii)</numerusform>
            <numerusform> (%Ln niezsynchronizowanych, z ostatniej kopii)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln z plikami, których nie można odczytać)</numerusform>
            <numerusform> (%Ln z plikami, których nie można odczytać)</numerusform>
            <numerusform> (%Ln z plikami, których nie można odczytać)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>urodziny</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>%1. urodziny</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>rocznica ślubu</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>%1. rocznica ślubu</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 za %n dzień</numerusform>
            <numerusform>%1 za %n dni</numerusform>
            <numerusform>%1 za %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Wydarzenia dzisiaj -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Wydarzenia jutro -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Wydarzenia w ciągu %n dnia -=-</numerusform>
            <numerusform>-=- Wydarzenia w ciągu %n dni -=-</numerusform>
            <numerusform>-=- Wydarzenia w ciągu %n dni -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Wesprzyj autora, odwiedzając jego stronę domową i/lub przesyłając opinię...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Kliknij, aby otworzyć %1</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Wydarzenia</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Do zasobnika</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Sprawdź teraz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Tryb sprawdzania:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Sprawdź przy starcie i zakończ</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Sprawdzaj codziennie</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Szukaj wydarzeń w ciągu </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>dni</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Zamykaj listę automatycznie po wyświetlaniu przez</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Sposób przypominania:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>okno i powiadomienie</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>tylko okno</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>tylko powiadomienie</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Zapisz zmiany</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Przypomina o urodzinach i rocznicach ślubu.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Ten program jest darmowy!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Odwiedź stronę domową &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Pokaż książkę adresową</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Pokaż okno główne</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Przywrócono tryb sprawdzania „Sprawdzaj codziennie”.
Można to zmienić na karcie „Ustawienia”.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Przepraszamy!
Nie znaleziono przeglądarki, aby otworzyć stronę domową!
Odwiedź %1 samodzielnie.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Przepraszamy!
Nie można otworzyć pliku pomocy!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Nie można uruchomić programu książki adresowej!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Przypominaj o</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Przepraszamy!
Nie znaleziono programu pocztowego ani programu do dzwonienia!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Książki adresowe</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Wszystkiego najlepszego z okazji rocznicy ślubu!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Wszystkiego najlepszego z okazji urodzin!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Napisz e-mail…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Zadzwoń</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Kopiuj adres e-mail</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Kopiuj numer telefonu</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n rocznica ślubu dzisiaj</numerusform>
            <numerusform>%n rocznice ślubu dzisiaj</numerusform>
            <numerusform>%n rocznic ślubu dzisiaj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n osoba ma urodziny dzisiaj</numerusform>
            <numerusform>%n osoby mają urodziny dzisiaj</numerusform>
            <numerusform>%n osób ma urodziny dzisiaj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n rocznica ślubu jutro</numerusform>
            <numerusform>%n rocznice ślubu jutro</numerusform>
            <numerusform>%n rocznic ślubu jutro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n osoba ma urodziny jutro</numerusform>
            <numerusform>%n osoby mają urodziny jutro</numerusform>
            <numerusform>%n osób ma urodziny jutro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>dzisiaj</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n dzień</numerusform>
            <numerusform>za %n dni</numerusform>
            <numerusform>za %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Pokaż listę</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n rocznica ślubu</numerusform>
            <numerusform>%n rocznice ślubu</numerusform>
            <numerusform>%n rocznic ślubu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n osoba ma urodziny</numerusform>
            <numerusform>%n osoby mają urodziny</numerusform>
            <numerusform>%n osób ma urodziny</numerusform>
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
        <translation>Napisz e-mail: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n urodziny</numerusform>
            <numerusform>%n urodziny</numerusform>
            <numerusform>%n urodzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n rocznica</numerusform>
            <numerusform>%n rocznice</numerusform>
            <numerusform>%n rocznic</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Stan</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>odczytana</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>pominięta</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>nieczytelna</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>nieczytelna (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>zsynchronizowana</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>zsynchronizowana %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>synchronizacja…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>nieaktualna od %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>nieaktualna od %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n kontakt</numerusform>
            <numerusform>%n kontakty</numerusform>
            <numerusform>%n kontaktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>nie można zapisać listy: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>nie można zapisać raportu: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Nie znaleziono książki adresowej</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>opcja %1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today wymaga poprawnej daty w postaci RRRR-MM-DD, a nie „%1”</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts wymaga ścieżki pliku lub folderu bez podziałów wiersza</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm wymaga liczby dni od 0 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format to text, tsv lub ics, a nie „%1”</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm wymaga --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>użycie: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                       [--output FILE] [--config-dir DIR]
        nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                       [--output FILE [--allow-partial]] [--config-dir DIR]
        nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>Nie zastąpiono %1: nie udało się odczytać książki adresowej (--allow-partial zapisuje kalendarz bez niej)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days wymaga całkowitej liczby dni od 0 wzwyż, a nie „%1”</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir wymaga nazwy folderu</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Hasło dla %1 na %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>nie można dodać %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>nie podano hasła</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>pierwsza synchronizacja %1 nie powiodła się: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>brak konta %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>hasło %1 pozostaje w bazie kluczy: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>synchronizacja %1 nie powiodła się: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 wymaga wartości bez podziałów wiersza i tabulatorów</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account i --accounts podaje się osobno</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account wymaga --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user podaje się z --add-account lub --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>polecenie konta nie przyjmuje opcji raportu</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>        nelvora-report --add-account URL --user NAME   (hasło ze standardowego wejścia)
        nelvora-report --add-account E-MAIL [--user NAME]
        nelvora-report --remove-account URL [--user NAME]
        nelvora-report --accounts
        nelvora-report --sync [inne opcje]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>dodano %1, %n książka adresowa:</numerusform>
            <numerusform>dodano %1, %n książki adresowe:</numerusform>
            <numerusform>dodano %1, %n książek adresowych:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>synchronizacja…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>zsynchronizowano, %n nowa lub zmieniona wizytówka</numerusform>
            <numerusform>zsynchronizowano, %n nowe lub zmienione wizytówki</numerusform>
            <numerusform>zsynchronizowano, %n nowych lub zmienionych wizytówek</numerusform>
        </translation>
    </message>
</context>
</TS>
