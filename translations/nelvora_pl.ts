<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Przypomina o urodzinach i rocznicach Twoich kontaktów</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>urodziny;rocznica;przypomnienie;kontakty;książka adresowa;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address book and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again whenever the day changes, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora działa w obszarze powiadomień, czyta Twoją książkę adresową i pokazuje, czyje urodziny lub rocznica ślubu przypadają dziś, jutro lub w najbliższych dniach, wraz z liczbą lat, które wyznacza każda data, i liczbą pozostałych dni. Sprawdza przy logowaniu i ponownie przy każdej zmianie dnia, a Twoje kontakty tylko odczytuje.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers and CardDAV sync tools keep. The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Second paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Czyta pliki vCard, które przechowują menedżery kontaktów środowiska graficznego i narzędzia synchronizacji CardDAV. Polecenie nelvora-report wypisuje tę samą listę w terminalu, dla skryptów i programu cron.</translation>
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
</TS>
