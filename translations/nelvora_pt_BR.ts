<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>falha no login: verifique o nome de usuário e a senha (de app)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>o certificado do servidor não é confiável</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>não foi possível conectar ao servidor</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>o servidor não respondeu a tempo</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>nenhum catálogo de endereços foi encontrado neste endereço</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>o servidor redirecionou a requisição para outro host</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>a resposta do servidor era grande demais</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>isto não é um endereço de servidor</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>coloque o nome de usuário e a senha nos campos próprios, não no endereço do servidor</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>uma senha só é enviada por http sem criptografia para este computador: use um endereço https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>não há senha salva para esta conta</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>nenhum Secret Service está em execução (GNOME Keyring, KWallet ou KeePassXC), então a senha não pode ser salva com segurança</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>o chaveiro recusou o acesso</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>o chaveiro falhou</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>nenhum servidor de catálogos de endereços foi encontrado para este endereço de e-mail</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>o servidor não oferece login no navegador</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>o login no navegador não foi concluído a tempo</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>o servidor recusou o login no navegador</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>não foi possível ler a resposta do servidor ao login no navegador</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>o catálogo de endereços é maior do que uma sincronização pode baixar</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>a lista de alterações do servidor não terminava</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>o servidor redirecionou a requisição em círculos</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>o servidor recusou o acesso ao catálogo de endereços</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>não foi possível ler a resposta do servidor</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>o servidor respondeu com o erro %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>a sincronização foi interrompida</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>a conta foi removida</translation>
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
        <translation>Lembrete de aniversários</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Lembra você dos aniversários e aniversários de casamento dos seus contatos</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>aniversário;aniversário de casamento;bodas;lembrete;contatos;catálogo de endereços;agenda;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>O Nelvora fica na bandeja do sistema, lê seus catálogos de endereços e mostra quem faz aniversário ou aniversário de casamento hoje, amanhã ou nos próximos dias, com o número de anos e os dias que faltam. Ele verifica ao iniciar a sessão e de novo todos os dias no horário que você escolher, e apenas lê seus contatos, sem nunca alterá-los.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Ele lê os arquivos vCard mantidos pelos gerenciadores de contatos da área de trabalho e seus catálogos de endereços online em servidores CardDAV como Nextcloud ou Radicale, que ele mesmo sincroniza. A partir de um lembrete, você pode escrever para a pessoa ou ligar para ela.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>O comando nelvora-report mostra a mesma lista em um terminal, para scripts e cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>aniversário</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>aniversário de casamento</translation>
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
        <translation>Deseja ver o log de depuração detalhado?

SIM	mostrar o log, copiá-lo para a área de transferência e continuar;
NÃO	não mostrar o log e continuar o programa;
CANCELAR	encerrar o programa – os dados não salvos serão perdidos!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Exceção não tratada</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Ocorreu um erro:</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Erro do Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Não foi possível carregar a configuração! Os valores padrão serão usados!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Não foi possível salvar a configuração!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Erro ao verificar o catálogo de endereços!</translation>
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
        <translation>Próximos eventos</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Aniversários e aniversários de casamento de hoje, de amanhã e dos próximos dias</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab e Ctrl+Page Down mostram a próxima página</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Modo de verificação de eventos</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Avisar por</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Procurar eventos nos próximos</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>dias, de %1 a %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Fechar a lista automaticamente depois de mostrá-la por</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>minutos, de %1 a %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Mantém a janela acima das outras</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Salva as opções para a próxima inicialização</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Catálogos de endereços</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Todos os catálogos de endereços encontrados na última verificação; desmarque um para ignorá-lo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Mostra a versão e a data de compilação</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Abre o site no navegador</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Esconde a janela na bandeja do sistema (Esc)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Lê o catálogo de endereços novamente</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Abre a página de ajuda no navegador</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Encerra o programa</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Eventos de hoje</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Eventos de amanhã</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Eventos em %n dia</numerusform>
            <numerusform>Eventos nos próximos %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n ano</numerusform>
            <numerusform>%n anos</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>em %n dia</numerusform>
            <numerusform>em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>aniversário</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>aniversário de casamento</translation>
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
        <translation>Catálogos de endereços online</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Adicionar…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Contas de catálogos de endereços online</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Não foi possível remover tudo: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Adicionar um catálogo de endereços online</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>A maioria dos provedores pede aqui uma senha de app: iCloud, Fastmail e Nextcloud criam uma nas configurações de segurança. Contas do Google passam, em vez disso, pelas Contas online do GNOME ou pelo Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>S&amp;enha:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Preencha o servidor, o nome de usuário e a senha.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Entrando…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Não adicionado: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Entrando</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Entrar pelo navegador</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Servidor ou endereço de e-mail:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Preencha o nome de usuário e a senha, ou entre pelo navegador.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Procurando o servidor de %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Nenhum navegador pôde ser aberto. Abra este endereço em um: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Entre e conceda o acesso no navegador; esta janela aguarda.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Cancelado: nada foi adicionado.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Sincronizar agora</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 de %3 contatos</translation>
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
        <translation>Nenhum catálogo de endereços encontrado</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln contato</numerusform>
            <numerusform>%Ln contatos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln catálogo de endereços</numerusform>
            <numerusform>%Ln catálogos de endereços</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln contato de %1</numerusform>
            <numerusform>%Ln contatos de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln não sincronizado, da última cópia)</numerusform>
            <numerusform> (%Ln não sincronizados, da última cópia)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln com arquivos que não podem ser lidos)</numerusform>
            <numerusform> (%Ln com arquivos que não podem ser lidos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>aniv.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>aniv. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>aniv. casam.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>aniv. casam. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 em %n dia</numerusform>
            <numerusform>%1 em %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Eventos de hoje -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Eventos de amanhã -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Eventos em %n dia -=-</numerusform>
            <numerusform>-=- Eventos nos próximos %n dias -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Apoie o autor visitando o site dele e/ou enviando sua opinião...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Clique para abrir o %1</translation>
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
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>&amp;Para a bandeja</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Modo de verificação:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Verificar uma vez e sair</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Verificar diariamente</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Procurar eventos nos próximos </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>dias</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Fechar a lista automaticamente depois de mostrá-la por</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Avisar por:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>janela e notificação</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>somente janela</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>somente notificação</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Salvar alterações</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Lembra você dos aniversários e aniversários de casamento.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Este programa é gratuito!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Visitar o site &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Mostrar catálogo de endereços</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Mostrar janela principal</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Sair do aplicativo</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>O modo de verificação voltou a ser “Verificar diariamente”.
Isso pode ser alterado na aba “Opções”.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Desculpe!
Nenhum navegador encontrado para abrir o site!
Visite %1 por conta própria.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Desculpe!
Não foi possível abrir o arquivo de ajuda!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Não foi possível iniciar o programa do catálogo de endereços!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Avisar às</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Desculpe!
Nenhum programa foi encontrado para escrever ou ligar!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Catálogos de endereços</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Feliz aniversário de casamento!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Feliz aniversário!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Escrever e-mail…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Copiar endereço de e-mail</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Copiar número de telefone</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n aniversário de casamento hoje</numerusform>
            <numerusform>%n aniversários de casamento hoje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n aniversário hoje</numerusform>
            <numerusform>%n aniversários hoje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n aniversário de casamento amanhã</numerusform>
            <numerusform>%n aniversários de casamento amanhã</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n aniversário amanhã</numerusform>
            <numerusform>%n aniversários amanhã</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>em %n dia</numerusform>
            <numerusform>em %n dias</numerusform>
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
            <numerusform>%n aniversário de casamento</numerusform>
            <numerusform>%n aniversários de casamento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n aniversário</numerusform>
            <numerusform>%n aniversários</numerusform>
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
        <translation>Escrever para %1</translation>
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
            <numerusform>%n aniversário</numerusform>
            <numerusform>%n aniversários</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n de casamento</numerusform>
            <numerusform>%n de casamento</numerusform>
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
        <translation>Contatos</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>lido</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>ignorado</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>ilegível (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>sincronizado</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>sincronizado em %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>sincronizando…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>desatualizado desde %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>desatualizado desde %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n contato</numerusform>
            <numerusform>%n contatos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>não foi possível gravar a lista: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>não foi possível gravar o relatório: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Nenhum catálogo de endereços encontrado</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>a opção %1 não aceita valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today precisa de uma data válida como AAAA-MM-DD, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts precisa de um caminho de arquivo ou pasta sem quebras de linha</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm precisa de um número de dias de 0 a %1, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format é text, tsv ou ics, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm precisa de --format ics</translation>
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
        <translation>%1 não foi substituído: não foi possível ler um catálogo de endereços (--allow-partial grava o calendário sem ele)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days precisa de um número inteiro de dias a partir de 0, não &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir precisa de um nome de pasta</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Senha de %1 em %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>não foi possível adicionar %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>nenhuma senha informada</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>a primeira sincronização de %1 falhou: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>nenhuma conta %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>a senha de %1 continua no chaveiro: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>a sincronização de %1 falhou: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 precisa de um valor sem quebras de linha nem tabulações</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account e --accounts são usadas sozinhas</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account precisa de --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user acompanha --add-account ou --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>um comando de conta não aceita opções de relatório</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>     nelvora-report --add-account URL --user NAME   (a senha pela entrada padrão)
     nelvora-report --add-account E-MAIL [--user NAME]
     nelvora-report --remove-account URL [--user NAME]
     nelvora-report --accounts
     nelvora-report --sync [outras opções]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 adicionada, %n catálogo de endereços:</numerusform>
            <numerusform>%1 adicionada, %n catálogos de endereços:</numerusform>
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
            <numerusform>sincronizado, %n cartão novo ou alterado</numerusform>
            <numerusform>sincronizado, %n cartões novos ou alterados</numerusform>
        </translation>
    </message>
</context>
</TS>
