<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>no se pudo iniciar sesión: compruebe el nombre de usuario y la contraseña (de aplicación)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>el certificado del servidor no es de confianza</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>no se puede contactar con el servidor</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>el servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>no se encontró ninguna libreta de direcciones en esta dirección</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>el servidor redirigió la solicitud a otro host</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>la respuesta del servidor era demasiado grande</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>esta no es la dirección de un servidor</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>escriba el nombre de usuario y la contraseña en sus propios campos, no en la dirección del servidor</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>una contraseña solo se envía por http sin cifrar a este mismo equipo: use una dirección https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>no hay ninguna contraseña guardada para esta cuenta</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>no se está ejecutando ningún Secret Service (GNOME Keyring, KWallet o KeePassXC), así que la contraseña no se puede guardar de forma segura</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>el depósito de claves denegó el acceso</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>el depósito de claves falló</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>no se encontró ningún servidor de libretas de direcciones para esta dirección de correo</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>el servidor no ofrece inicio de sesión en el navegador</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>el inicio de sesión en el navegador no terminó a tiempo</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>el servidor rechazó el inicio de sesión en el navegador</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>no se pudo leer la respuesta del servidor al inicio de sesión en el navegador</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>la libreta de direcciones es más grande de lo que una sincronización puede descargar</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>la lista de cambios del servidor no terminaba</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>el servidor redirigió la solicitud en círculo</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>el servidor denegó el acceso a la libreta de direcciones</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>no se pudo leer la respuesta del servidor</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>el servidor respondió con el error %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>la sincronización se detuvo</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>la cuenta se eliminó</translation>
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
        <translation>Recordatorio de cumpleaños</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Le recuerda los cumpleaños y aniversarios de boda de sus contactos</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>cumpleaños;aniversario;aniversario de boda;recordatorio;contactos;libreta de direcciones;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora se aloja en la bandeja del sistema, lee sus libretas de direcciones y muestra quién cumple años o celebra su aniversario de boda hoy, mañana o en los próximos días, con los años que se cumplen y los días que faltan. Comprueba al iniciar sesión y de nuevo cada día a la hora que usted elija, y nunca hace otra cosa que leer sus contactos.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Lee los archivos vCard que guardan los gestores de contactos del escritorio y sus libretas de direcciones en línea de servidores CardDAV como Nextcloud o Radicale, que sincroniza por sí mismo. Desde un recordatorio puede escribir o llamar a la persona.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>La orden nelvora-report muestra la misma lista en un terminal, para scripts y cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>cumpleaños</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>aniversario de boda</translation>
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
        <translation>¿Desea ver el registro de depuración detallado?

SÍ	mostrar el registro, copiarlo al portapapeles y continuar;
NO	no mostrar el registro y continuar con el programa;
CANCELAR	cerrar el programa: ¡se perderán los datos no guardados!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Excepción no capturada</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Se ha producido un error:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Error de Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>¡No se puede cargar la configuración! ¡Se usan los valores predeterminados!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>¡No se puede guardar la configuración!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>¡Error al comprobar la libreta de direcciones!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Próximos eventos</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Cumpleaños y aniversarios de boda de hoy, mañana y los próximos días</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab y Ctrl+Av Pág muestran la página siguiente</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Modo de comprobación de eventos</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Avisarme con</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Buscar próximos eventos en los siguientes</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>días, de %1 a %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Cerrar la lista automáticamente tras mostrarla durante</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minutos, de %1 a %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Mantiene la ventana por encima de las demás</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Guarda las opciones para el próximo inicio</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Libretas de direcciones</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Todas las libretas de direcciones que encontró la última comprobación; desmarque una para omitirla</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Muestra la versión y la fecha de compilación</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Visitar la página web</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Abre la página web en el navegador</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Oculta la ventana en la bandeja del sistema (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Vuelve a leer la libreta de direcciones</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Abre la página de ayuda en el navegador</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Eventos de hoy</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Eventos de mañana</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Eventos en %n día</numerusform>
            <numerusform>Eventos en los próximos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>en %n día</numerusform>
            <numerusform>en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>cumpleaños</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>aniversario de boda</translation>
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
        <translation>Libretas de direcciones en línea</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Cuentas de libretas de direcciones en línea</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>No se pudo quitar todo: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Añadir una libreta de direcciones en línea</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>La mayoría de los proveedores piden aquí una contraseña de aplicación: iCloud, Fastmail y Nextcloud la crean en sus ajustes de seguridad. Las cuentas de Google pasan en cambio por las Cuentas en línea de GNOME o por Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Indique el servidor, el usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Iniciando sesión…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>No se añadió: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Iniciando sesión</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Iniciar sesión en el navegador</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Servidor o correo electrónico:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Escriba el usuario y la contraseña, o inicie sesión en el navegador.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Buscando el servidor de %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>No se pudo abrir ningún navegador. Abra esta dirección en uno: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Inicie sesión y conceda el acceso en el navegador; este diálogo lo espera.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Cancelado: no se añadió nada.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 de %3 contactos</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: sincronizando…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Sincronizando…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>No se encontró ninguna libreta de direcciones</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contacto</numerusform>
            <numerusform>%Ln contactos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln libreta de direcciones</numerusform>
            <numerusform>%Ln libretas de direcciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contacto de %1</numerusform>
            <numerusform>%Ln contactos de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln sin sincronizar, de la última copia)</numerusform>
            <numerusform> (%Ln sin sincronizar, de la última copia)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln con archivos que no se pueden leer)</numerusform>
            <numerusform> (%Ln con archivos que no se pueden leer)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>cumple</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>cumple %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>aniv.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>aniv. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 en %n día</numerusform>
            <numerusform>%1 en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Eventos de hoy -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Eventos de mañana -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Eventos en %n día -=-</numerusform>
            <numerusform>-=- Eventos en los próximos %n días -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Apoye al autor visitando su página web y/o enviando sus comentarios...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Pulse para abrir %1</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;A la bandeja</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Modo de comprobación:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Comprobar una vez y salir</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Comprobar a diario</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Buscar eventos en los próximos </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>días</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Cerrar la lista automáticamente tras mostrarla durante</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Avisarme con:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>ventana y notificación</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>solo ventana</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>solo notificación</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Le recuerda cumpleaños y aniversarios de boda.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>¡Este programa es gratuito!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Visitar la página web &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Mostrar libreta de direcciones</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Mostrar ventana principal</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>El modo de comprobación vuelve a ser «Comprobar a diario».
Puede cambiarlo en la pestaña «Opciones».</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>¡Lo sentimos!
¡No se encontró ningún navegador web para abrir la página!
Visite %1 por su cuenta.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>¡Lo sentimos!
¡No se pudo abrir el archivo de ayuda!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>¡No se puede iniciar el programa de la libreta de direcciones!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Avisar a las</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>¡Lo sentimos!
¡No se encontró ningún programa para escribir o llamar!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Libretas de direcciones</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>¡Feliz aniversario de boda!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>¡Feliz cumpleaños!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Escribir correo…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Copiar dirección de correo</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Copiar número de teléfono</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n aniversario de boda hoy</numerusform>
            <numerusform>%n aniversarios de boda hoy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n cumpleaños hoy</numerusform>
            <numerusform>%n cumpleaños hoy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n aniversario de boda mañana</numerusform>
            <numerusform>%n aniversarios de boda mañana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n cumpleaños mañana</numerusform>
            <numerusform>%n cumpleaños mañana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>en %n día</numerusform>
            <numerusform>en %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Mostrar lista</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n aniversario de boda</numerusform>
            <numerusform>%n aniversarios de boda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n cumpleaños</numerusform>
            <numerusform>%n cumpleaños</numerusform>
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
        <translation>Escribir a %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n cumpleaños</numerusform>
            <numerusform>%n cumpleaños</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n aniversario</numerusform>
            <numerusform>%n aniversarios</numerusform>
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
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>leída</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>omitida</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>ilegible (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>sincronizada</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>sincronizada el %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>sincronizando…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>desactualizada desde %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>desactualizada desde %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contacto</numerusform>
            <numerusform>%n contactos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>no se puede escribir la lista: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>no se puede escribir el informe: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>No se encontró ninguna libreta de direcciones</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today necesita una fecha válida como AAAA-MM-DD, no «%1»</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts necesita una ruta de archivo o carpeta sin saltos de línea</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm necesita un número de días de 0 a %1, no «%2»</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format es text, tsv o ics, no «%1»</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm necesita --format ics</translation>
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
        <translation>%1 no se ha reemplazado: no se ha podido leer una libreta de direcciones (--allow-partial escribe el calendario sin ella)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days necesita un número entero de días a partir de 0, no «%1»</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir necesita un nombre de carpeta</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>no se puede añadir %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>falló la primera sincronización de %1: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>no existe la cuenta %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>la contraseña de %1 sigue en el depósito de claves: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>falló la sincronización de %1: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 necesita un valor sin saltos de línea ni tabuladores</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account y --accounts van solas</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account necesita --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user va con --add-account o --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>una orden de cuenta no admite opciones del informe</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>     nelvora-report --add-account URL --user NAME   (la contraseña desde la entrada estándar)
     nelvora-report --add-account E-MAIL [--user NAME]
     nelvora-report --remove-account URL [--user NAME]
     nelvora-report --accounts
     nelvora-report --sync [otras opciones]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 añadida, %n libreta de direcciones:</numerusform>
            <numerusform>%1 añadida, %n libretas de direcciones:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>sincronizando…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>sincronizado, %n tarjeta nueva o modificada</numerusform>
            <numerusform>sincronizado, %n tarjetas nuevas o modificadas</numerusform>
        </translation>
    </message>
</context>
</TS>
