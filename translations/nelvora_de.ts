<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>Anmeldung fehlgeschlagen: Benutzernamen und (App-)Passwort prüfen</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>der Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>unter dieser Adresse wurde kein Adressbuch gefunden</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>der Server hat die Anfrage an einen anderen Host weitergeleitet</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>die Antwort des Servers war zu groß</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>das ist keine Serveradresse</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>Benutzername und Passwort gehören in ihre eigenen Felder, nicht in die Serveradresse</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>ein Passwort wird über unverschlüsseltes http nur an diesen Computer gesendet: bitte eine https-Adresse verwenden</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>für dieses Konto ist kein Passwort gespeichert</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>es läuft kein Secret Service (GNOME Keyring, KWallet oder KeePassXC), daher lässt sich das Passwort nicht sicher aufbewahren</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>der Schlüsselbund hat den Zugriff verweigert</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>der Schlüsselbund meldet einen Fehler</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>für diese E-Mail-Adresse wurde kein Adressbuch-Server gefunden</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>der Server bietet keine Anmeldung im Browser an</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>die Anmeldung im Browser wurde nicht rechtzeitig abgeschlossen</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>der Server hat die Anmeldung im Browser abgelehnt</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>die Antwort des Servers auf die Anmeldung im Browser ist nicht lesbar</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>das Adressbuch ist größer, als eine Synchronisation abrufen darf</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>die Änderungsliste des Servers nahm kein Ende</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>der Server hat die Anfrage im Kreis weitergeleitet</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>der Server verweigert den Zugriff auf das Adressbuch</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>die Antwort des Servers ist nicht lesbar</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>der Server hat mit Fehler %1 geantwortet</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>der Abgleich wurde angehalten</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>das Konto wurde entfernt</translation>
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
        <translation>Geburtstagserinnerung</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Erinnert an Geburtstage und Hochzeitstage Ihrer Kontakte</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>Geburtstag;Jahrestag;Hochzeitstag;Erinnerung;Kontakte;Adressbuch;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora läuft im Infobereich, liest Ihre Adressbücher und zeigt, wessen Geburtstag oder Hochzeitstag heute, morgen oder in den nächsten Tagen ist – mit der Zahl der Jahre und der verbleibenden Tage. Es prüft bei der Anmeldung und erneut jeden Tag zu der von Ihnen gewählten Uhrzeit und liest Ihre Kontakte nur, ohne sie je zu ändern.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Es liest die vCard-Dateien, die die Kontaktverwaltungen des Desktops ablegen, und Ihre Online-Adressbücher auf CardDAV-Servern wie Nextcloud oder Radicale, die es selbst synchronisiert. Aus einer Erinnerung heraus können Sie der Person schreiben oder sie anrufen.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Der Befehl nelvora-report gibt dieselbe Liste im Terminal aus, für Skripte und cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>Hochzeitstag</translation>
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
        <translation>Möchten Sie das ausführliche Fehlerprotokoll sehen?

JA	Protokoll anzeigen, in die Zwischenablage kopieren und fortfahren;
NEIN	Protokoll nicht anzeigen und das Programm fortsetzen;
ABBRECHEN	Programm beenden – ungespeicherte Daten gehen verloren!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Unbehandelte Ausnahme</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Ein Fehler ist aufgetreten:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora-Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Die Einstellungen lassen sich nicht laden! Es gelten die Voreinstellungen!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Die Einstellungen lassen sich nicht speichern!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Fehler beim Prüfen des Adressbuchs!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Anstehende Ereignisse</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Geburtstage und Hochzeitstage heute, morgen und in den nächsten Tagen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Strg+Tab und Strg+Bild ab zeigen die nächste Seite</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Prüfmodus für anstehende Ereignisse</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Erinnern durch</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Vorausschau auf anstehende Ereignisse für</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>Tage, von %1 bis %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Ereignisliste automatisch schließen nach</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>Minuten, von %1 bis %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Hält das Fenster über anderen Fenstern</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Speichert die Einstellungen für den nächsten Start</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adressbücher</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Jedes Adressbuch, das die letzte Prüfung gefunden hat; Haken entfernen, um es auszulassen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Zeigt die Version und das Erstellungsdatum</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Öffnet die Homepage im Webbrowser</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Legt das Fenster in den Infobereich ab (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Liest das Adressbuch neu</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Öffnet die Hilfeseite im Webbrowser</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Ereignisse heute</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Ereignisse morgen</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Ereignisse innerhalb von %n Tag</numerusform>
            <numerusform>Ereignisse innerhalb von %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>Hochzeitstag</translation>
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
        <translation>Online-Adressbücher</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Konten der Online-Adressbücher</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Nicht alles ließ sich entfernen: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Online-Adressbuch hinzufügen</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Die meisten Anbieter verlangen hier ein App-Passwort: iCloud, Fastmail und Nextcloud erstellen eines in ihren Sicherheitseinstellungen. Google-Konten laufen stattdessen über die Online-Konten von GNOME oder über Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Bitte Server, Benutzernamen und Passwort angeben.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Anmeldung läuft…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nicht hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Im Browser anmelden</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Server oder E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Geben Sie den Benutzernamen und das Passwort ein oder melden Sie sich im Browser an.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Server von %1 wird gesucht…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Es konnte kein Browser geöffnet werden. Öffnen Sie diese Adresse selbst in einem: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Melden Sie sich im Browser an und erlauben Sie den Zugriff; dieser Dialog wartet darauf.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Abgebrochen: Es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 von %3 Kontakten</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: wird synchronisiert…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Wird synchronisiert…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Kein Adressbuch gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln Kontakt</numerusform>
            <numerusform>%Ln Kontakte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln Adressbuch</numerusform>
            <numerusform>%Ln Adressbüchern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln Kontakt aus %1</numerusform>
            <numerusform>%Ln Kontakte aus %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln nicht synchronisiert, aus der letzten Kopie)</numerusform>
            <numerusform> (%Ln nicht synchronisiert, aus der letzten Kopie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln mit Dateien, die nicht gelesen werden können)</numerusform>
            <numerusform> (%Ln mit Dateien, die nicht gelesen werden können)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>%1. Geburtstag</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>Hochzeitstag</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>%1. Hochzeitstag</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 in %n Tag</numerusform>
            <numerusform>%1 in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Ereignisse heute -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Ereignisse morgen -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Ereignisse innerhalb von %n Tag -=-</numerusform>
            <numerusform>-=- Ereignisse innerhalb von %n Tagen -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Unterstützen Sie den Autor: Homepage besuchen, Rückmeldung geben...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Klicken, um %1 zu öffnen</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;In den Infobereich</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Jetzt prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Prüfmodus für Ereignisse:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Beim Start prüfen und beenden</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Täglich prüfen</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Vorausschau auf Ereignisse für </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Ereignisliste automatisch schließen nach</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Erinnern durch:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>Fenster und Benachrichtigung</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>nur Fenster</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>nur Benachrichtigung</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen &amp;speichern</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Erinnert Sie an Geburtstage und Hochzeitstage.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Dieses Programm ist kostenlos!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Homepage besuchen &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Adressbuch anzeigen</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Der Prüfmodus steht wieder auf „Täglich prüfen“.
Dies lässt sich auf der Seite „Einstellungen“ ändern.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Entschuldigung!
Es wurde kein Webbrowser gefunden, um die Homepage zu öffnen!
Bitte besuchen Sie %1 selbst.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Entschuldigung!
Die Hilfedatei lässt sich nicht öffnen!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Das Adressbuchprogramm lässt sich nicht starten!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Erinnern um</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Entschuldigung!
Es wurde kein Programm zum Schreiben oder Anrufen gefunden!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Adressbücher</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Alles Gute zum Hochzeitstag!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Alles Gute zum Geburtstag!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>E-Mail schreiben…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Anrufen</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>E-Mail-Adresse kopieren</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Telefonnummer kopieren</translation>
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
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n Hochzeitstag heute</numerusform>
            <numerusform>%n Hochzeitstage heute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n Geburtstag heute</numerusform>
            <numerusform>%n Geburtstage heute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n Hochzeitstag morgen</numerusform>
            <numerusform>%n Hochzeitstage morgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n Geburtstag morgen</numerusform>
            <numerusform>%n Geburtstage morgen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Liste anzeigen</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n Hochzeitstag</numerusform>
            <numerusform>%n Hochzeitstage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n Geburtstag</numerusform>
            <numerusform>%n Geburtstage</numerusform>
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
        <translation>An %1 schreiben</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n Geburtstag</numerusform>
            <numerusform>%n Geburtstage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n Hochzeitstag</numerusform>
            <numerusform>%n Hochzeitstage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>synchronisiert</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>synchronisiert %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>wird synchronisiert…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>veraltet seit %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>veraltet seit %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n Kontakt</numerusform>
            <numerusform>%n Kontakte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>die Liste lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>der Bericht lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Kein Adressbuch gefunden</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>die Option %1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today braucht ein gültiges Datum als JJJJ-MM-TT, nicht „%1“</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts braucht einen Datei- oder Ordnerpfad ohne Zeilenumbrüche</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm braucht eine Zahl von Tagen von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format ist text, tsv oder ics, nicht „%1“</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm braucht --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>Aufruf: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                       [--output FILE] [--config-dir DIR]
        nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                       [--output FILE [--allow-partial]] [--config-dir DIR]
        nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 wurde nicht ersetzt: ein Adressbuch konnte nicht gelesen werden (--allow-partial schreibt den Kalender ohne es)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days braucht eine ganze Zahl von Tagen ab 0, nicht „%1“</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir braucht einen Ordnernamen</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>%1 lässt sich nicht hinzufügen: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>die erste Synchronisation von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>kein Konto %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>das Passwort von %1 bleibt im Schlüsselbund: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>Synchronisation von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 braucht einen Wert ohne Zeilenumbrüche oder Tabulatoren</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account und --accounts stehen jeweils allein</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account braucht --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user gehört zu --add-account oder --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>ein Kontobefehl nimmt keine Berichtsoptionen an</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>        nelvora-report --add-account URL --user NAME   (das Passwort von der Standardeingabe)
        nelvora-report --add-account E-MAIL [--user NAME]
        nelvora-report --remove-account URL [--user NAME]
        nelvora-report --accounts
        nelvora-report --sync [andere Optionen]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 hinzugefügt, %n Adressbuch:</numerusform>
            <numerusform>%1 hinzugefügt, %n Adressbücher:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>wird synchronisiert…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>synchronisiert, %n neue oder geänderte Karte</numerusform>
            <numerusform>synchronisiert, %n neue oder geänderte Karten</numerusform>
        </translation>
    </message>
</context>
</TS>
