<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Lembra você dos aniversários de nascimento e de casamento dos seus contatos</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>aniversário;aniversário de casamento;bodas;lembrete;contatos;agenda;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address book and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again whenever the day changes, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>O Nelvora fica na área de notificação, lê seu catálogo de endereços e mostra quem faz aniversário ou comemora bodas hoje, amanhã ou nos próximos dias, com os anos que cada data marca e os dias que faltam. Ele verifica ao iniciar a sessão e de novo sempre que o dia muda, e apenas lê seus contatos, sem nunca alterá-los.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers and CardDAV sync tools keep. The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Second paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Ele lê os arquivos vCard mantidos pelos gerenciadores de contatos da área de trabalho e pelas ferramentas de sincronização CardDAV. O comando nelvora-report mostra a mesma lista em um terminal, para scripts e cron.</translation>
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
</TS>
