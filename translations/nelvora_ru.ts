<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>не удалось войти: проверьте имя пользователя и пароль (приложения)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>сертификат сервера не является доверенным</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>сервер недоступен</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>сервер не ответил вовремя</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>по этому адресу не найдено ни одной адресной книги</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>сервер перенаправил запрос на другой узел</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>ответ сервера слишком велик</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>это не адрес сервера</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>введите имя пользователя и пароль в отдельные поля, а не в адрес сервера</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>пароль передаётся по незашифрованному http только на этот компьютер: используйте адрес https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>для этой учётной записи пароль не сохранён</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>не запущена служба Secret Service (GNOME Keyring, KWallet или KeePassXC), поэтому пароль нельзя надёжно сохранить</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>связка ключей отказала в доступе</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>ошибка связки ключей</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>для этого адреса электронной почты не найден сервер адресных книг</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>сервер не предлагает вход через браузер</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>вход через браузер не был завершён вовремя</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>сервер отклонил вход через браузер</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>не удалось прочитать ответ сервера на вход через браузер</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>адресная книга больше, чем может загрузить одна синхронизация</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>список изменений от сервера не заканчивался</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>сервер перенаправлял запрос по кругу</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>сервер отказал в доступе к адресной книге</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>не удалось прочитать ответ сервера</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>сервер ответил ошибкой %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>синхронизация остановлена</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>учётная запись удалена</translation>
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
        <translation>Напоминание о днях рождения</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Напоминает о днях рождения и годовщинах свадьбы ваших контактов</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>день рождения;годовщина;годовщина свадьбы;напоминание;контакты;адресная книга;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora работает в системном лотке, читает ваши адресные книги и показывает, чей день рождения или годовщина свадьбы приходится на сегодня, завтра или ближайшие дни, — с указанием, сколько лет исполняется и сколько дней осталось. Программа проверяет при входе в систему и снова каждый день в выбранное вами время и только читает ваши контакты, никогда их не изменяя.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Программа читает файлы vCard, которые хранят менеджеры контактов рабочего стола, и ваши сетевые адресные книги на серверах CardDAV, таких как Nextcloud или Radicale, которые она синхронизирует сама. Из напоминания можно написать человеку или позвонить ему.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Команда nelvora-report выводит тот же список в терминал — для скриптов и cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>день рождения</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>годовщина свадьбы</translation>
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
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Ошибка Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Не удалось загрузить настройки! Используются значения по умолчанию!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Не удалось сохранить настройки!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Ошибка при проверке адресной книги!</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Ближайшие события</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Дни рождения и годовщины свадьбы сегодня, завтра и в ближайшие дни</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab и Ctrl+Page Down открывают следующую страницу</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Режим проверки событий</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Способ напоминания</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Искать события на ближайшие</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>в днях, от %1 до %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Автоматически закрывать список через</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>в минутах, от %1 до %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Держит окно поверх других окон</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Сохраняет настройки для следующего запуска</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Адресные книги</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Все адресные книги, найденные при последней проверке; снимите флажок, чтобы пропустить книгу</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Показывает версию и дату сборки</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Посетить сайт</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Открывает сайт в браузере</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Сворачивает окно в системный лоток (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Заново читает адресную книгу</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Открывает справку в браузере</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Завершает программу</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>События сегодня</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>События завтра</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>События в течение %n дня</numerusform>
            <numerusform>События в течение %n дней</numerusform>
            <numerusform>События в течение %n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дня</numerusform>
            <numerusform>через %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>день рождения</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>годовщина свадьбы</translation>
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
        <translation>Сетевые адресные книги</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Добавить…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Учётные записи сетевых адресных книг</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Не удалось удалить всё: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Добавить сетевую адресную книгу</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Большинство провайдеров требуют здесь пароль приложения: iCloud, Fastmail и Nextcloud создают его в настройках безопасности. Учётные записи Google подключаются вместо этого через сетевые учётные записи GNOME или Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Имя пользователя:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Укажите сервер, имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Вход…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Не добавлено: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Войти через браузер</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Сервер или адрес эл. почты:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Введите имя пользователя и пароль или войдите через браузер.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Поиск сервера для %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Не удалось открыть браузер. Откройте этот адрес в браузере: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Войдите и разрешите доступ в браузере; это окно ждёт.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Отменено: ничего не добавлено.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Синхронизировать</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 из %3 контактов</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: синхронизация…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Синхронизация…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Адресная книга не найдена</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контакта</numerusform>
            <numerusform>%Ln контактов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln адресной книги</numerusform>
            <numerusform>%Ln адресных книг</numerusform>
            <numerusform>%Ln адресных книг</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln контакт из %1</numerusform>
            <numerusform>%Ln контакта из %1</numerusform>
            <numerusform>%Ln контактов из %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln не синхронизирована, из последней копии)</numerusform>
            <numerusform> (%Ln не синхронизированы, из последней копии)</numerusform>
            <numerusform> (%Ln не синхронизированы, из последней копии)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln с файлами, которые не удаётся прочитать)</numerusform>
            <numerusform> (%Ln с файлами, которые не удаётся прочитать)</numerusform>
            <numerusform> (%Ln с файлами, которые не удаётся прочитать)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>д.р.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>д.р. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>годовщ.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>годовщ. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 через %n день</numerusform>
            <numerusform>%1 через %n дня</numerusform>
            <numerusform>%1 через %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- События сегодня -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- События завтра -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- События в течение %n дня -=-</numerusform>
            <numerusform>-=- События в течение %n дней -=-</numerusform>
            <numerusform>-=- События в течение %n дней -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Поддержите автора: посетите его сайт и/или оставьте отзыв...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Нажмите, чтобы открыть %1</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>События</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>Свернуть в &amp;лоток</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Режим проверки:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Проверить при запуске и выйти</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Проверять ежедневно</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Искать события на ближайшие </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Автоматически закрывать список через</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Способ напоминания:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>окно и уведомление</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>только окно</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>только уведомление</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Напоминает о днях рождения и годовщинах свадьбы.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Эта программа бесплатна!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Посетить сайт &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Показать адресную книгу</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Показать главное окно</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Режим проверки снова установлен на «Проверять ежедневно».
Его можно изменить на вкладке «Настройки».</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Извините!
Не найден браузер для открытия сайта!
Посетите %1 самостоятельно.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Извините!
Не удалось открыть файл справки!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Не удалось запустить программу адресной книги!</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Напоминать в</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Извините!
Не найдена программа для отправки письма или звонка!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Адресные книги</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>С годовщиной свадьбы!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>С днём рождения!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Написать письмо…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Позвонить</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Копировать адрес электронной почты</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Копировать номер телефона</translation>
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
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n годовщина свадьбы сегодня</numerusform>
            <numerusform>%n годовщины свадьбы сегодня</numerusform>
            <numerusform>%n годовщин свадьбы сегодня</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n день рождения сегодня</numerusform>
            <numerusform>%n дня рождения сегодня</numerusform>
            <numerusform>%n дней рождения сегодня</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n годовщина свадьбы завтра</numerusform>
            <numerusform>%n годовщины свадьбы завтра</numerusform>
            <numerusform>%n годовщин свадьбы завтра</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n день рождения завтра</numerusform>
            <numerusform>%n дня рождения завтра</numerusform>
            <numerusform>%n дней рождения завтра</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дня</numerusform>
            <numerusform>через %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Показать список</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n годовщина свадьбы</numerusform>
            <numerusform>%n годовщины свадьбы</numerusform>
            <numerusform>%n годовщин свадьбы</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n день рождения</numerusform>
            <numerusform>%n дня рождения</numerusform>
            <numerusform>%n дней рождения</numerusform>
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
        <translation>Написать: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n день рождения</numerusform>
            <numerusform>%n дня рождения</numerusform>
            <numerusform>%n дней рождения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n годовщина</numerusform>
            <numerusform>%n годовщины</numerusform>
            <numerusform>%n годовщин</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Имя</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>прочитана</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>пропущена</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>не читается</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>синхронизирована</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>синхронизирована %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>синхронизация…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>устарела, синхронизирована %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>устарела, синхронизирована %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n контакт</numerusform>
            <numerusform>%n контакта</numerusform>
            <numerusform>%n контактов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>cannot write the list: %1</source>
        <translation>не удалось записать список: %1</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>не удалось записать отчёт: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Адресная книга не найдена</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>параметр %1 не принимает значения</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today требует правильную дату в виде ГГГГ-ММ-ДД, а не «%1»</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts требует путь к файлу или папке без переводов строки</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm требует число дней от 0 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output требует имя файла</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format может быть text, tsv или ics, а не «%1»</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm требует --format ics</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>использование: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                              [--output FILE] [--config-dir DIR]
               nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                              [--output FILE [--allow-partial]] [--config-dir DIR]
               nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 не заменён: не удалось прочитать адресную книгу (--allow-partial записывает календарь без неё)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days требует целое число дней от 0, а не «%1»</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir требует имя папки</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Пароль для %1 на %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>не удалось добавить %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>пароль не указан</translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>первая синхронизация %1 не удалась: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>нет учётной записи %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>пароль %1 остаётся в связке ключей: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>синхронизация %1 не удалась: %2</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 требует значения без переводов строки и табуляций</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account и --accounts указываются по отдельности</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account требует --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user указывается вместе с --add-account или --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>команда учётной записи не принимает параметров отчёта</translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>               nelvora-report --add-account URL --user NAME   (пароль со стандартного ввода)
               nelvora-report --add-account E-MAIL [--user NAME]
               nelvora-report --remove-account URL [--user NAME]
               nelvora-report --accounts
               nelvora-report --sync [другие параметры]
</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>добавлено %1, %n адресная книга:</numerusform>
            <numerusform>добавлено %1, %n адресные книги:</numerusform>
            <numerusform>добавлено %1, %n адресных книг:</numerusform>
        </translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>синхронизация…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>синхронизировано, %n новая или изменённая карточка</numerusform>
            <numerusform>синхронизировано, %n новые или изменённые карточки</numerusform>
            <numerusform>синхронизировано, %n новых или изменённых карточек</numerusform>
        </translation>
    </message>
</context>
</TS>
