<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Напоминание о днях рождения</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Напоминает о днях рождения и годовщинах ваших контактов</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>день рождения;годовщина;напоминание;контакты;адресная книга;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address book and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again whenever the day changes, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora находится в области уведомлений, читает вашу адресную книгу и показывает, чей день рождения или годовщина свадьбы приходится на сегодня, завтра или ближайшие дни, с числом лет, которое отмечает каждая дата, и числом оставшихся дней. Программа проверяет при входе в систему и снова при каждой смене дня и только читает ваши контакты, никогда их не изменяя.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers and CardDAV sync tools keep. The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Second paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Программа читает файлы vCard, которые хранят менеджеры контактов рабочего стола и средства синхронизации CardDAV. Команда nelvora-report выводит тот же список в терминал — для скриптов и cron.</translation>
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
        <translation>Показать подробный журнал отладки?

ДА	показать журнал, скопировать его в буфер обмена и продолжить;
НЕТ	не показывать журнал и продолжить работу программы;
ОТМЕНА	завершить программу — несохранённые данные будут потеряны!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Необработанное исключение</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Произошла ошибка:</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
</TS>
