<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Rappel d&apos;anniversaires</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Vous rappelle les anniversaires de naissance et de mariage de vos contacts</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>anniversaire;anniversaire de mariage;rappel;contacts;carnet d&apos;adresses;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address book and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again whenever the day changes, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora se loge dans la zone de notification, lit votre carnet d&apos;adresses et indique qui fête son anniversaire de naissance ou de mariage aujourd&apos;hui, demain ou dans les prochains jours, avec le nombre d&apos;années de chaque date et les jours restants. Il vérifie à l&apos;ouverture de session puis à chaque changement de jour, et ne fait jamais que lire vos contacts.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers and CardDAV sync tools keep. The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Second paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Il lit les fichiers vCard que tiennent les gestionnaires de contacts du bureau et les outils de synchronisation CardDAV. La commande nelvora-report affiche la même liste dans un terminal, pour les scripts et cron.</translation>
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
        <translation>Voulez-vous voir le journal de débogage détaillé&#xa0;?

OUI	afficher le journal, le copier dans le presse-papiers et continuer&#xa0;;
NON	ne pas afficher le journal et poursuivre le programme&#xa0;;
ANNULER	quitter le programme – les données non enregistrées seront perdues&#xa0;!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Exception non interceptée</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Une erreur s&apos;est produite&#xa0;:</translation>
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
        <translation>Erreur</translation>
    </message>
</context>
</TS>
