<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <source>Nelvora sits in the notification area, reads your address book and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again whenever the day changes, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora staat in het systeemvak, leest uw adresboek en toont wiens verjaardag of trouwdag vandaag, morgen of in de komende dagen valt, met het aantal jaren dat elke datum markeert en de resterende dagen. Het controleert bij het aanmelden en opnieuw zodra de dag wisselt, en leest uw contacten alleen maar.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers and CardDAV sync tools keep. The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Second paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Het leest de vCard-bestanden die contactbeheerders van de desktop en CardDAV-synchronisatieprogramma&apos;s bijhouden. De opdracht nelvora-report toont dezelfde lijst in een terminal, voor scripts en cron.</translation>
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
</TS>
