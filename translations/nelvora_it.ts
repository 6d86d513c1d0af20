<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>accesso non riuscito: controlla il nome utente e la password (per le app)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>il certificato del server non è attendibile</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>il server non è raggiungibile</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>il server non ha risposto in tempo</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>nessuna rubrica trovata a questo indirizzo</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>il server ha reindirizzato la richiesta a un altro host</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>la risposta del server era troppo grande</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>questo non è l&apos;indirizzo di un server</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>inserisci il nome utente e la password nei loro campi, non nell&apos;indirizzo del server</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>una password viaggia su http non cifrato solo verso questo computer: usa un indirizzo https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>nessuna password salvata per questo account</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>nessun Secret Service è in esecuzione (GNOME Keyring, KWallet o KeePassXC), quindi la password non può essere conservata in modo sicuro</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>il portachiavi ha negato l&apos;accesso</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>errore del portachiavi</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>nessun server di rubriche trovato per questo indirizzo e-mail</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>il server non offre l&apos;accesso nel browser</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>l&apos;accesso nel browser non è stato completato in tempo</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>il server ha rifiutato l&apos;accesso nel browser</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>la risposta del server all&apos;accesso nel browser non è leggibile</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>la rubrica è più grande di quanto una sincronizzazione possa scaricare</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>l’elenco delle modifiche del server non terminava</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>il server ha reindirizzato la richiesta in un ciclo</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>il server ha negato l’accesso alla rubrica</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>la risposta del server non è leggibile</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>il server ha risposto con l’errore %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>la sincronizzazione è stata interrotta</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>l’account è stato rimosso</translation>
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
        <translation>Promemoria compleanni</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Ti ricorda i compleanni e gli anniversari di matrimonio dei tuoi contatti</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>compleanno;anniversario;anniversario di matrimonio;promemoria;contatti;rubrica;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora risiede nell&apos;area di notifica, legge le tue rubriche e mostra di chi cade il compleanno o l&apos;anniversario di matrimonio oggi, domani o nei prossimi giorni, con gli anni che si compiono e i giorni che mancano. Controlla all&apos;accesso e di nuovo ogni giorno all&apos;ora che scegli, e si limita sempre a leggere i tuoi contatti.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Legge i file vCard conservati dai gestori di contatti del desktop e le tue rubriche online su server CardDAV come Nextcloud o Radicale, che sincronizza da sé. Da un promemoria puoi scrivere alla persona o chiamarla.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Il comando nelvora-report stampa lo stesso elenco in un terminale, per script e cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>compleanno</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversario di matrimonio</translation>
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
        <translation>Vuoi vedere il registro di debug dettagliato?

SÌ	mostra il registro, copialo negli appunti e continua;
NO	non mostrare il registro e prosegui con il programma;
ANNULLA	chiudi il programma: i dati non salvati andranno persi!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Eccezione non gestita</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Si è verificato un errore:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Errore di Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Impossibile caricare la configurazione! Si usano i valori predefiniti!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Impossibile salvare la configurazione!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Errore durante il controllo della rubrica!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Prossimi eventi</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Compleanni e anniversari di matrimonio di oggi, domani e dei prossimi giorni</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab e Ctrl+Pag giù mostrano la pagina successiva</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Modalità di controllo degli eventi</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Avvisami con</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Cerca eventi nei prossimi</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>giorni, da %1 a %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Chiudi automaticamente l&apos;elenco dopo averlo mostrato per</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minuti, da %1 a %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Mantiene la finestra sopra le altre</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Salva le opzioni per il prossimo avvio</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Rubriche</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Tutte le rubriche trovate dall&apos;ultimo controllo; togli la spunta per escluderne una</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Mostra la versione e la data di compilazione</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Visita il sito web</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Apre il sito web nel browser</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Nasconde la finestra nell&apos;area di notifica (Esc)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Rilegge la rubrica</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Apre la pagina di aiuto nel browser</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Eventi di oggi</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Eventi di domani</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Eventi entro %n giorno</numerusform>
            <numerusform>Eventi entro %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n anno</numerusform>
            <numerusform>%n anni</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>compleanno</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>anniversario di matrimonio</translation>
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
        <translation>Rubriche online</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Aggiungi…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Account delle rubriche online</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Impossibile rimuovere tutto: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Aggiungi una rubrica online</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>La maggior parte dei fornitori richiede qui una password per le app: iCloud, Fastmail e Nextcloud ne creano una nelle impostazioni di sicurezza. Gli account Google passano invece dagli Account online di GNOME o da Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Compila server, nome utente e password.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Accesso in corso…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non aggiunta: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Accesso in corso</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Accedi nel browser</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Server o indirizzo e-mail:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Inserisci il nome utente e la password, oppure accedi nel browser.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Ricerca del server di %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Impossibile aprire un browser. Apri questo indirizzo in un browser: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Accedi e concedi l&apos;accesso nel browser; questa finestra attende.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Annullato: non è stato aggiunto nulla.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Sincronizza ora</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 di %3 contatti</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: sincronizzazione…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Sincronizzazione…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Nessuna rubrica trovata</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contatto</numerusform>
            <numerusform>%Ln contatti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln rubrica</numerusform>
            <numerusform>%Ln rubriche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contatto da %1</numerusform>
            <numerusform>%Ln contatti da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln non sincronizzata, dall&apos;ultima copia)</numerusform>
            <numerusform> (%Ln non sincronizzate, dall&apos;ultima copia)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln con file che non si possono leggere)</numerusform>
            <numerusform> (%Ln con file che non si possono leggere)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>compl.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>compl. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>anniv.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>anniv. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 tra %n giorno</numerusform>
            <numerusform>%1 tra %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Eventi di oggi -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Eventi di domani -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Eventi entro %n giorno -=-</numerusform>
            <numerusform>-=- Eventi entro %n giorni -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Sostieni l&apos;autore visitando il suo sito web e/o inviando un commento...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Fai clic per aprire %1</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Controlla ora</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Modalità di controllo:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Controlla all&apos;avvio ed esci</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Controlla ogni giorno</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Cerca eventi nei prossimi </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Chiudi automaticamente l&apos;elenco dopo averlo mostrato per</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Avvisami con:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>finestra e notifica</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>solo finestra</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>solo notifica</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Salva modifiche</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Ti ricorda compleanni e anniversari di matrimonio.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Questo programma è gratuito!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Visita il sito web &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Mostra rubrica</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Mostra finestra principale</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>La modalità di controllo torna a «Controlla ogni giorno».
Puoi cambiarla nella scheda «Opzioni».</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Spiacenti!
Nessun browser web trovato per aprire il sito!
Visita %1 manualmente.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Spiacenti!
Impossibile aprire il file di aiuto!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Impossibile avviare il programma della rubrica!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Avvisa alle</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Spiacenti!
Nessun programma trovato per scrivere o chiamare!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Rubriche</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Buon anniversario di matrimonio!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Buon compleanno!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Scrivi e-mail…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Chiama</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Copia indirizzo e-mail</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Copia numero di telefono</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n anniversario di matrimonio oggi</numerusform>
            <numerusform>%n anniversari di matrimonio oggi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n compleanno oggi</numerusform>
            <numerusform>%n compleanni oggi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n anniversario di matrimonio domani</numerusform>
            <numerusform>%n anniversari di matrimonio domani</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n compleanno domani</numerusform>
            <numerusform>%n compleanni domani</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Mostra elenco</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n anniversario di matrimonio</numerusform>
            <numerusform>%n anniversari di matrimonio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n compleanno</numerusform>
            <numerusform>%n compleanni</numerusform>
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
        <translation>Scrivi a %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n compleanno</numerusform>
            <numerusform>%n compleanni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n anniversario</numerusform>
            <numerusform>%n anniversari</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>letta</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>esclusa</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>illeggibile (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>sincronizzata</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>sincronizzata il %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>sincronizzazione…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>non aggiornata dal %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>non aggiornata dal %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contatto</numerusform>
            <numerusform>%n contatti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>impossibile scrivere l&apos;elenco: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>impossibile scrivere il resoconto: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Nessuna rubrica trovata</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;opzione %1 non accetta valori</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today richiede una data valida come AAAA-MM-GG, non «%1»</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts richiede un percorso di file o cartella senza a capo</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm richiede un numero di giorni da 0 a %1, non «%2»</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output richiede un nome di file</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format è text, tsv o ics, non «%1»</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm richiede --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>uso: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                    [--output FILE] [--config-dir DIR]
     nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                    [--output FILE [--allow-partial]] [--config-dir DIR]
     nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 non è stato sostituito: non è stato possibile leggere una rubrica (--allow-partial scrive il calendario senza di essa)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days richiede un numero intero di giorni da 0 in su, non «%1»</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir richiede un nome di cartella</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>impossibile aggiungere %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>nessuna password fornita</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>la prima sincronizzazione di %1 non è riuscita: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>nessun account %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>la password di %1 resta nel portachiavi: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>sincronizzazione di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 richiede un valore senza a capo né tabulazioni</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account e --accounts vanno da sole</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account richiede --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user va con --add-account o --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>un comando per gli account non accetta opzioni del resoconto</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>     nelvora-report --add-account URL --user NAME   (la password dallo standard input)
     nelvora-report --add-account E-MAIL [--user NAME]
     nelvora-report --remove-account URL [--user NAME]
     nelvora-report --accounts
     nelvora-report --sync [altre opzioni]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 aggiunto, %n rubrica:</numerusform>
            <numerusform>%1 aggiunto, %n rubriche:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>sincronizzazione…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>sincronizzato, %n scheda nuova o modificata</numerusform>
            <numerusform>sincronizzato, %n schede nuove o modificate</numerusform>
        </translation>
    </message>
</context>
</TS>
