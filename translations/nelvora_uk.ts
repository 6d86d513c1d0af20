<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>не вдалося увійти: перевірте ім&apos;я користувача та пароль (застосунку)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>сертифікат сервера не є довіреним</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>сервер недоступний</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>сервер не відповів вчасно</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>за цією адресою не знайдено жодної адресної книги</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>сервер переспрямував запит на інший вузол</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>відповідь сервера завелика</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>це не адреса сервера</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>пароль надсилається незашифрованим http лише на цей комп&apos;ютер: використайте адресу https</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>для цього облікового запису пароль не збережено</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>не запущено жодної служби Secret Service (GNOME Keyring, KWallet або KeePassXC), тому пароль не можна надійно зберегти</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>в&apos;язка ключів відмовила в доступі</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>помилка в&apos;язки ключів</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>для цієї адреси електронної пошти не знайдено сервера адресних книг</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>сервер не пропонує входу через браузер</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>вхід через браузер не завершено вчасно</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>сервер відхилив вхід через браузер</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>не вдалося прочитати відповідь сервера на вхід через браузер</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>адресна книга більша, ніж може завантажити одна синхронізація</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>список змін від сервера не закінчувався</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>сервер переспрямовував запит по колу</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>введіть ім’я користувача і пароль в окремі поля, а не в адресу сервера</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>сервер відмовив у доступі до адресної книги</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>не вдалося прочитати відповідь сервера</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>сервер відповів помилкою %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>синхронізацію зупинено</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>обліковий запис вилучено</translation>
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
        <translation>Нагадування про дні народження</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Нагадує про дні народження та річниці весілля ваших контактів</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>день народження;річниця;річниця весілля;нагадування;контакти;адресна книга;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora працює в системному лотку, читає ваші адресні книги й показує, чий день народження чи річниця весілля припадає на сьогодні, завтра або найближчі дні, — з кількістю років, які виповнюються, і днів, що лишилися. Програма перевіряє під час входу в систему і щодня у вибраний вами час, а ваші контакти лише читає, ніколи їх не змінюючи.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Вона читає файли vCard, які зберігають менеджери контактів стільниці, і ваші мережеві адресні книги на серверах CardDAV, як-от Nextcloud чи Radicale, які синхронізує сама. З нагадування можна написати людині або зателефонувати їй.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>Команда nelvora-report виводить той самий список у терміналі — для скриптів і cron.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>день народження</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>річниця весілля</translation>
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
        <translation>Показати докладний журнал налагодження?

ТАК	показати журнал, скопіювати його до буфера обміну і продовжити;
НІ	не показувати журнал і продовжити роботу програми;
СКАСУВАТИ	завершити програму — незбережені дані буде втрачено!</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Помилка Nelvora</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Не вдалося завантажити налаштування! Використано типові значення!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Не вдалося зберегти налаштування!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Помилка під час перевірки адресної книги!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Неперехоплений виняток</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Сталася помилка:</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Найближчі події</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Дні народження та річниці весілля сьогодні, завтра й найближчими днями</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Сторінки</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab і Ctrl+Page Down відкривають наступну сторінку</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Режим перевірки подій</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Спосіб нагадування</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Шукати події на найближчі</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>у днях, від %1 до %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Автоматично закривати список через</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>у хвилинах, від %1 до %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Тримає вікно над іншими вікнами</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Зберігає налаштування для наступного запуску</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Адресні книги</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Усі адресні книги, знайдені під час останньої перевірки; зніміть позначку, щоб пропустити книгу</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Показує версію та дату збирання</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Відвідати сайт</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Відкриває сайт у браузері</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Згортає вікно в системний лоток (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Заново читає адресну книгу</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Відкриває довідку в браузері</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Завершує роботу програми</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Події на сьогодні</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Події на завтра</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>Події протягом %n дня</numerusform>
            <numerusform>Події протягом %n днів</numerusform>
            <numerusform>Події протягом %n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n рік</numerusform>
            <numerusform>%n роки</numerusform>
            <numerusform>%n років</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дні</numerusform>
            <numerusform>через %n днів</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>день народження</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>річниця весілля</translation>
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
        <translation>Мережеві адресні книги</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Додати…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Облікові записи мережевих адресних книг</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Не вдалося вилучити все: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Додати мережеву адресну книгу</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Більшість постачальників вимагає тут пароль застосунку: iCloud, Fastmail і Nextcloud створюють його у своїх налаштуваннях безпеки. Облікові записи Google натомість під&apos;єднуються через мережеві облікові записи GNOME або Thunderbird.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Додати</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Ім&apos;я &amp;користувача:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Вкажіть сервер, ім&apos;я користувача та пароль.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Вхід…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Не додано: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Вхід</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Увійти через браузер</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Сервер або адреса ел. пошти:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Вкажіть ім&apos;я користувача та пароль або увійдіть через браузер.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>Пошук сервера для %1…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Не вдалося відкрити браузер. Відкрийте цю адресу в браузері самостійно: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Увійдіть і дозвольте доступ у браузері; це вікно чекає на завершення.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>Скасовано: нічого не додано.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Синхронізувати</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 з %3 карток</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: синхронізація…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Синхронізація…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Адресної книги не знайдено</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контакти</numerusform>
            <numerusform>%Ln контактів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln адресної книги</numerusform>
            <numerusform>%Ln адресних книг</numerusform>
            <numerusform>%Ln адресних книг</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%Ln контакт з %1</numerusform>
            <numerusform>%Ln контакти з %1</numerusform>
            <numerusform>%Ln контактів з %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln не синхронізована, з останньої копії)</numerusform>
            <numerusform> (%Ln не синхронізовані, з останньої копії)</numerusform>
            <numerusform> (%Ln не синхронізовано, з останньої копії)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln з файлами, які не вдається прочитати)</numerusform>
            <numerusform> (%Ln з файлами, які не вдається прочитати)</numerusform>
            <numerusform> (%Ln з файлами, які не вдається прочитати)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>д.н.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>д.н. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>річн.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>річн. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1 через %n день</numerusform>
            <numerusform>%1 через %n дні</numerusform>
            <numerusform>%1 через %n днів</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Події на сьогодні -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Події на завтра -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- Події протягом %n дня -=-</numerusform>
            <numerusform>-=- Події протягом %n днів -=-</numerusform>
            <numerusform>-=- Події протягом %n днів -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Підтримайте автора: відвідайте його сайт і/або залиште відгук...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>Натисніть, щоб відкрити %1</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Режим перевірки знову встановлено на «Перевіряти щодня».
Його можна змінити на вкладці «Налаштування».</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Події</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>Згорнути в &amp;лоток</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>&amp;Перевірити</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Режим перевірки:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Перевірити один раз і вийти</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Перевіряти щодня</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Шукати події на найближчі </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Автоматично закривати список через</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>хв</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх усіх вікон</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Нагадувати о</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Спосіб нагадування:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>вікно та сповіщення</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>лише вікно</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>лише сповіщення</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Нагадує про дні народження та річниці весілля.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Ця програма безкоштовна!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Відвідати сайт &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Показати адресну книгу</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Показати головне вікно</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Вийти з програми</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Вибачте!
Не знайдено браузера, щоб відкрити сайт!
Відвідайте %1 самостійно.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Вибачте!
Не вдалося відкрити файл довідки!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Не вдалося запустити програму адресної книги!</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Вибачте!
Не знайдено програми для надсилання листа чи дзвінка!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Адресні книги</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>З річницею весілля!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>З днем народження!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>Написати листа…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Зателефонувати</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>Копіювати адресу електронної пошти</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Копіювати номер телефону</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n річниця весілля сьогодні</numerusform>
            <numerusform>%n річниці весілля сьогодні</numerusform>
            <numerusform>%n річниць весілля сьогодні</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n день народження сьогодні</numerusform>
            <numerusform>%n дні народження сьогодні</numerusform>
            <numerusform>%n днів народження сьогодні</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n річниця весілля завтра</numerusform>
            <numerusform>%n річниці весілля завтра</numerusform>
            <numerusform>%n річниць весілля завтра</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n день народження завтра</numerusform>
            <numerusform>%n дні народження завтра</numerusform>
            <numerusform>%n днів народження завтра</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n річниця весілля</numerusform>
            <numerusform>%n річниці весілля</numerusform>
            <numerusform>%n річниць весілля</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n день народження</numerusform>
            <numerusform>%n дні народження</numerusform>
            <numerusform>%n днів народження</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дні</numerusform>
            <numerusform>через %n днів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How many events come when: %1 is the count of events (&quot;2 birthdays&quot;), %2 when (&quot;in 5 days&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
            <numerusform>і ще %n</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>сьогодні</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>завтра</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Показати список</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>Написати: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n день народження</numerusform>
            <numerusform>%n дні народження</numerusform>
            <numerusform>%n днів народження</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n річниця</numerusform>
            <numerusform>%n річниці</numerusform>
            <numerusform>%n річниць</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 і %2</translation>
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
        <translation>Контакти</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Назва</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Стан</translation>
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
        <translation>не вдалося прочитати</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>не вдалося прочитати (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>синхронізована</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>синхронізована %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>синхронізація…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>застаріла, синхронізована %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>застаріла, синхронізована %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n контакт</numerusform>
            <numerusform>%n контакти</numerusform>
            <numerusform>%n контактів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>Пароль для %1 на %2: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>не вдалося додати %1: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>пароль не вказано</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>додано %1, %n адресна книга:</numerusform>
            <numerusform>додано %1, %n адресні книги:</numerusform>
            <numerusform>додано %1, %n адресних книг:</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>перша синхронізація %1 не вдалася: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>немає облікового запису %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>пароль %1 лишається у в&apos;язці ключів: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>синхронізація %1 не вдалася: %2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>не вдалося записати список: %1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 не замінено: не вдалося прочитати адресну книгу (--allow-partial записує календар без неї)</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>не вдалося записати звіт: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Адресної книги не знайдено</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 потрібне значення</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>параметр %1 не приймає значення</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неочікуваний аргумент %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today потребує коректної дати у форматі РРРР-ММ-ДД, а не «%1»</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days потребує цілого числа днів від 0, а не «%1»</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts потребує шляху до файла або теки без розривів рядка</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm потребує кількості днів від 0 до %1, а не «%2»</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output потребує назви файла</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir потребує назви теки</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format може бути text, tsv або ics, а не «%1»</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm потребує --format ics</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 потребує значення без розривів рядка і табуляцій</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account і --accounts вказуються окремо</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account потребує --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user вказується разом з --add-account або --remove-account</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>команда облікового запису не приймає параметрів звіту</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>використання: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                             [--output FILE] [--config-dir DIR]
              nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                             [--output FILE [--allow-partial]] [--config-dir DIR]
              nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>синхронізація…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>синхронізовано, %n нова або змінена картка</numerusform>
            <numerusform>синхронізовано, %n нові або змінені картки</numerusform>
            <numerusform>синхронізовано, %n нових або змінених карток</numerusform>
        </translation>
    </message>
    <message>
        <source>       nelvora-report --add-account URL --user NAME   (the password from standard input)
       nelvora-report --add-account E-MAIL [--user NAME]
       nelvora-report --remove-account URL [--user NAME]
       nelvora-report --accounts
       nelvora-report --sync [other options]
</source>
        <extracomment>The account options, printed after the command&apos;s synopsis; keep the options as they are.</extracomment>
        <translation>              nelvora-report --add-account URL --user NAME   (пароль зі стандартного введення)
              nelvora-report --add-account E-MAIL [--user NAME]
              nelvora-report --remove-account URL [--user NAME]
              nelvora-report --accounts
              nelvora-report --sync [інші параметри]
</translation>
    </message>
</context>
</TS>
