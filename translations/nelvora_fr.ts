<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>échec de la connexion&#xa0;: vérifiez le nom d&apos;utilisateur et le mot de passe (d&apos;application)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>le certificat du serveur n&apos;est pas reconnu comme fiable</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>le serveur est injoignable</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>le serveur n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>aucun carnet d&apos;adresses n&apos;a été trouvé à cette adresse</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>le serveur a redirigé la requête vers un autre hôte</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>la réponse du serveur était trop volumineuse</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>ce n&apos;est pas l&apos;adresse d&apos;un serveur</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>saisissez le nom d&apos;utilisateur et le mot de passe dans leurs propres champs, pas dans l&apos;adresse du serveur</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>un mot de passe n&apos;est envoyé en http non chiffré qu&apos;à cet ordinateur&#xa0;: utilisez une adresse https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>aucun mot de passe n&apos;est conservé pour ce compte</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>aucun Secret Service n&apos;est actif (GNOME Keyring, KWallet ou KeePassXC), le mot de passe ne peut donc pas être conservé en sécurité</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>le trousseau de clés a refusé l&apos;accès</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>erreur du trousseau de clés</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>aucun serveur de carnets d&apos;adresses n&apos;a été trouvé pour cette adresse e-mail</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>le serveur ne propose pas de connexion dans le navigateur</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>la connexion dans le navigateur n&apos;a pas été terminée à temps</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>le serveur a refusé la connexion dans le navigateur</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>la réponse du serveur à la connexion dans le navigateur est illisible</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>le carnet d’adresses est plus grand qu’une synchronisation ne peut en récupérer</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>la liste des modifications du serveur ne se terminait pas</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>le serveur a redirigé la requête en boucle</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>le serveur a refusé l’accès au carnet d’adresses</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>la réponse du serveur est illisible</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>le serveur a répondu par l’erreur %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>la synchronisation a été arrêtée</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>le compte a été supprimé</translation>
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
        <translation>Rappel d&apos;anniversaires</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Vous rappelle les anniversaires et les anniversaires de mariage de vos contacts</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>anniversaire;anniversaire de mariage;rappel;contacts;carnet d&apos;adresses;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora se loge dans la zone de notification, lit vos carnets d&apos;adresses et indique qui fête son anniversaire ou son anniversaire de mariage aujourd&apos;hui, demain ou dans les prochains jours, avec le nombre d&apos;années et les jours restants. Il vérifie à l&apos;ouverture de session puis chaque jour à l&apos;heure que vous choisissez, et ne fait jamais que lire vos contacts.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Il lit les fichiers vCard que tiennent les gestionnaires de contacts du bureau, ainsi que vos carnets d&apos;adresses en ligne sur des serveurs CardDAV comme Nextcloud ou Radicale, qu&apos;il synchronise lui-même. Depuis un rappel, vous pouvez écrire à la personne ou l&apos;appeler.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>La commande nelvora-report affiche la même liste dans un terminal, pour les scripts et cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>anniversaire</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversaire de mariage</translation>
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
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Erreur de Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Impossible de charger la configuration&#xa0;! Les valeurs par défaut sont utilisées&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Impossible d&apos;enregistrer la configuration&#xa0;!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Erreur lors de la vérification du carnet d&apos;adresses&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Événements à venir</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Anniversaires et anniversaires de mariage d&apos;aujourd&apos;hui, de demain et des prochains jours</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab et Ctrl+Page suivante affichent la page suivante</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Mode de vérification des événements</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Me rappeler par</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Chercher les événements à venir dans les</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>jours, de %1 à %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Fermer automatiquement la liste au bout de</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minutes, de %1 à %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Garde la fenêtre au-dessus des autres fenêtres</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Enregistre les options pour le prochain démarrage</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Carnets d&apos;adresses</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Tous les carnets d&apos;adresses trouvés lors de la dernière vérification&#xa0;; décochez-en un pour l&apos;ignorer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Affiche la version et la date de compilation</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Ouvre le site web dans le navigateur</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Range la fenêtre dans la zone de notification (Échap)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Relit le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Ouvre la page d&apos;aide dans le navigateur</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Quitte le programme</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Événements d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Événements de demain</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Événements d&apos;ici %n jour</numerusform>
            <numerusform>Événements dans les %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>anniversaire</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversaire de mariage</translation>
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
        <translation>Carnets d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Comptes des carnets d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Impossible de tout retirer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Ajouter un carnet d&apos;adresses en ligne</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>La plupart des fournisseurs demandent ici un mot de passe d&apos;application&#xa0;: iCloud, Fastmail et Nextcloud en créent un dans leurs paramètres de sécurité. Les comptes Google passent plutôt par les Comptes en ligne de GNOME ou par Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Renseignez le serveur, le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Connexion en cours…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Se connecter dans le navigateur</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Serveur ou adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Saisissez le nom d&apos;utilisateur et le mot de passe, ou connectez-vous dans le navigateur.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Recherche du serveur de %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Aucun navigateur n&apos;a pu être ouvert. Ouvrez cette adresse dans l&apos;un d&apos;eux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Connectez-vous et autorisez l&apos;accès dans le navigateur&#xa0;; cette fenêtre attend.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Annulé&#xa0;: rien n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1&#xa0;: %2 contacts sur %3</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1&#xa0;: synchronisation…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Synchronisation…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Aucun carnet d&apos;adresses trouvé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln carnet d&apos;adresses</numerusform>
            <numerusform>%Ln carnets d&apos;adresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contact de %1</numerusform>
            <numerusform>%Ln contacts de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln non synchronisé, lu dans la dernière copie)</numerusform>
            <numerusform> (%Ln non synchronisés, lus dans la dernière copie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln avec des fichiers illisibles)</numerusform>
            <numerusform> (%Ln avec des fichiers illisibles)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>anniv.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>anniv. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>mariage</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>mariage %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 dans %n jour</numerusform>
            <numerusform>%1 dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Événements d&apos;aujourd&apos;hui -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Événements de demain -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Événements d&apos;ici %n jour -=-</numerusform>
            <numerusform>-=- Événements dans les %n jours -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Soutenez l&apos;auteur en visitant son site web et/ou en lui donnant votre avis...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Cliquez pour ouvrir %1</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Mode de vérification&#xa0;:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Vérifier au démarrage et quitter</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Vérifier chaque jour</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Chercher les événements dans les </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>jours</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Fermer automatiquement la liste au bout de</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Me rappeler par&#xa0;:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>fenêtre et notification</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>fenêtre seule</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>notification seule</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Vous rappelle les anniversaires et anniversaires de mariage.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Ce programme est gratuit&#xa0;!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Visiter le site web &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Afficher le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Le mode de vérification est remis à «&#xa0;Vérifier chaque jour&#xa0;».
Cette option peut être modifiée dans l&apos;onglet «&#xa0;Options&#xa0;».</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Désolé&#xa0;!
Aucun navigateur web n&apos;a été trouvé pour ouvrir le site&#xa0;!
Veuillez visiter %1 vous-même.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Désolé&#xa0;!
Impossible d&apos;ouvrir le fichier d&apos;aide&#xa0;!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Impossible de lancer le programme de carnet d&apos;adresses&#xa0;!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Rappel à</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Désolé&#xa0;!
Aucun programme n&apos;a été trouvé pour écrire ou appeler&#xa0;!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Carnets d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Joyeux anniversaire de mariage&#xa0;!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Joyeux anniversaire&#xa0;!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Écrire un courriel…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appeler</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Copier l&apos;adresse électronique</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Copier le numéro de téléphone</translation>
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
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n anniversaire de mariage aujourd&apos;hui</numerusform>
            <numerusform>%n anniversaires de mariage aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n anniversaire aujourd&apos;hui</numerusform>
            <numerusform>%n anniversaires aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n anniversaire de mariage demain</numerusform>
            <numerusform>%n anniversaires de mariage demain</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n anniversaire demain</numerusform>
            <numerusform>%n anniversaires demain</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Afficher la liste</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n anniversaire de mariage</numerusform>
            <numerusform>%n anniversaires de mariage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n anniversaire</numerusform>
            <numerusform>%n anniversaires</numerusform>
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
        <translation>Écrire à %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n anniv.</numerusform>
            <numerusform>%n anniv.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n de mariage</numerusform>
            <numerusform>%n de mariage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>lu</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>illisible</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>synchronisé</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>synchronisé le %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>synchronisation…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>périmé depuis le %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>périmé depuis le %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contact</numerusform>
            <numerusform>%n contacts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>impossible d&apos;écrire la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>impossible d&apos;écrire le rapport&#xa0;: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Aucun carnet d&apos;adresses trouvé</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;option %1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today demande une date valide au format AAAA-MM-JJ, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts demande un chemin de fichier ou de dossier sans saut de ligne</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm demande un nombre de jours de 0 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output demande un nom de fichier</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format vaut text, tsv ou ics, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm demande --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>utilisation&#xa0;: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                             [--output FILE] [--config-dir DIR]
              nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                             [--output FILE [--allow-partial]] [--config-dir DIR]
              nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 n&apos;a pas été remplacé&#xa0;: un carnet d&apos;adresses n&apos;a pas pu être lu (--allow-partial écrit le calendrier sans lui)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days demande un nombre entier de jours à partir de 0, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir demande un nom de dossier</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Mot de passe de %1 sur %2&#xa0;: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>impossible d&apos;ajouter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>aucun mot de passe fourni</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>la première synchronisation de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>aucun compte %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>le mot de passe de %1 reste dans le trousseau de clés&#xa0;: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>la synchronisation de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 demande une valeur sans saut de ligne ni tabulation</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account et --accounts s&apos;emploient seules</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account demande --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user va avec --add-account ou --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>une commande de compte n&apos;accepte aucune option de rapport</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>              nelvora-report --add-account URL --user NAME   (le mot de passe sur l&apos;entrée standard)
              nelvora-report --add-account E-MAIL [--user NAME]
              nelvora-report --remove-account URL [--user NAME]
              nelvora-report --accounts
              nelvora-report --sync [autres options]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 ajouté, %n carnet d&apos;adresses&#xa0;:</numerusform>
            <numerusform>%1 ajouté, %n carnets d&apos;adresses&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>synchronisation…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>synchronisé, %n carte nouvelle ou modifiée</numerusform>
            <numerusform>synchronisé, %n cartes nouvelles ou modifiées</numerusform>
        </translation>
    </message>
</context>
</TS>
