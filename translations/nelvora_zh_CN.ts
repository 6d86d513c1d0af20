<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>登录失败：请检查用户名和（应用专用）密码</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>服务器的证书不受信任</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>无法连接到服务器</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>服务器未及时响应</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>在此地址未找到地址簿</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>服务器将请求重定向到了另一台主机</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>服务器的响应过大</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>这不是服务器地址</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>密码只能通过未加密的 http 发送到本机：请使用 https 地址</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>此账户未保存密码</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>Secret Service（GNOME Keyring、KWallet 或 KeePassXC）未运行，因此无法安全地保存密码</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>密钥环拒绝了访问</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>密钥环出错</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>未找到此电子邮件地址的地址簿服务器</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>服务器不提供浏览器登录</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>浏览器登录未在规定时间内完成</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>服务器拒绝了浏览器登录</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>无法读取服务器对浏览器登录的响应</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>地址簿超出了一次同步可获取的大小</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>服务器的更改列表没有结束</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>服务器将请求循环重定向</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>请将用户名和密码填入各自的字段，而不是服务器地址中</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>服务器拒绝访问通讯录</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>无法读取服务器的应答</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>服务器返回错误 %1</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>同步已停止</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>账户已移除</translation>
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
        <translation>生日提醒</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>提醒您联系人的生日和结婚纪念日</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>生日;纪念日;结婚纪念日;提醒;联系人;地址簿;birthday;anniversary;reminder;contacts;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora 驻留在系统托盘中，读取您的地址簿，显示今天、明天或接下来几天内谁过生日或结婚纪念日，并注明是多少周年以及还剩几天。它在登录时检查，之后每天在您选择的时间再次检查，并且只读取您的联系人，从不修改。</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>它读取桌面联系人管理程序保存的 vCard 文件，以及 Nextcloud 或 Radicale 等 CardDAV 服务器上的在线地址簿，并自行同步。您可以直接从提醒中给对方写信或打电话。</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>nelvora-report 命令在终端中输出同样的列表，供脚本和 cron 使用。</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>生日</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>结婚纪念日</translation>
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
        <translation>是否查看详细的调试日志？

是	显示调试日志并复制到剪贴板，然后继续；
否	不显示日志，继续运行程序；
取消	结束程序——未保存的数据将会丢失！</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora 错误</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>无法加载配置！将使用默认值！</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>无法保存配置！</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>检查地址簿时出错！</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>未捕获的异常</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>发生错误：</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>即将到来的事件</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>今天、明天及未来几天的生日和结婚纪念日</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>按 Ctrl+Tab 或 Ctrl+Page Down 显示下一页</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>事件检查模式</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>提醒方式</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>提前检查事件的天数</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>天，范围为 %1 到 %2</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>事件列表自动关闭前的显示时间</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>分钟，范围为 %1 到 %2</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>使窗口保持在其他窗口之上</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>保存选项，供下次启动时使用</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>地址簿</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>上次检查找到的所有地址簿；取消勾选即可将其排除</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>显示版本和构建日期</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>访问主页</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>在网页浏览器中打开主页</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>将窗口隐藏到系统托盘（Escape）</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>重新读取地址簿</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>在网页浏览器中打开帮助页面</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>今天的事件</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>明天的事件</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>%n 天内的事件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明天</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 天后</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>结婚纪念日</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>TAccountsPanel</name>
    <message>
        <source>Online address books</source>
        <translation>在线地址簿</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>添加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>在线地址簿账户</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>未能全部移除：%1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>添加在线地址簿</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>大多数服务提供商要求在此处使用应用专用密码：iCloud、Fastmail 和 Nextcloud 可在其安全设置中生成。Google 账户请改为通过 GNOME 在线账户或 Thunderbird 添加。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>用户名(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>请填写服务器、用户名和密码。</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>正在登录…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>未添加：%1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>正在登录</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>通过浏览器登录</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>服务器或电子邮件地址(&amp;S)：</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>请填写用户名和密码，或通过浏览器登录。</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>正在查找 %1 的服务器…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>无法打开浏览器。请自行在浏览器中打开此地址：%1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>请在浏览器中登录并授予访问权限；此对话框正在等待。</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>已取消：未添加任何内容。</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>立即同步</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1：%2 / %3 张卡片</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1：正在同步…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>正在同步…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>未找到地址簿</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln 个联系人</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln 个地址簿</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>来自 %1 的 %Ln 个联系人</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform>（%Ln 个未同步，读取自上次的副本）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform>（%Ln 个含有无法读取的文件）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>生日</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>生日（%1 岁）</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>结婚纪念日</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>结婚纪念日（%1 周年）</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%n 天后：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- 今天的事件 -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- 明天的事件 -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- %n 天内的事件 -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>欢迎访问作者的主页或提供反馈，以支持作者...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>点击打开 %1</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>检查模式已恢复为“每天检查”。
可在“选项”选项卡中更改此设置。</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>隐藏到托盘(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>立即检查(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>退出程序(&amp;Q)</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>事件检查模式：</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>启动时检查后退出</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>每天检查</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>提前检查事件的天数：</translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>天</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>事件列表自动关闭前的显示时间</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>提醒时间</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>提醒方式：</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>窗口和通知</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>仅窗口</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>仅通知</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>保存更改(&amp;S)</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>提醒您生日和结婚纪念日。</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>本程序可免费使用！</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; 访问主页 &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>显示地址簿</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>显示主窗口</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>退出应用程序</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>抱歉！
找不到可用于访问主页的网页浏览器！
请自行访问 %1。</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>抱歉！
无法打开帮助文件！
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>无法运行地址簿程序！</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>抱歉！
找不到可用于写邮件或打电话的程序！</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>地址簿</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>结婚纪念日快乐！</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>生日快乐！</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>写邮件…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>打电话</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>复制电子邮件地址</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>复制电话号码</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>今天有 %n 个结婚纪念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>今天有 %n 个生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>明天有 %n 个结婚纪念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>明天有 %n 个生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n 个结婚纪念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n 个生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 天后</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How many events come when: %1 is the count of events (&quot;2 birthdays&quot;), %2 when (&quot;in 5 days&quot;).</extracomment>
        <translation>%2有 %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1：%3是%2</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>显示列表</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>给 %1 写邮件</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n 个生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n 个纪念日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1和 %2</translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>状态</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>已读取</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>已排除</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>已同步</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>同步于 %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>正在同步…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>已过期，上次同步于 %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>已过期，上次同步于 %1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n 个联系人</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>%2 上 %1 的密码：</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>无法添加 %1：%2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>未提供密码</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>已添加 %1，共 %n 个地址簿：</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>%1 的首次同步失败：%2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>没有账户 %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>%1 的密码仍保留在密钥环中：%2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>%1 同步失败：%2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>无法写入列表：%1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 未被替换：有地址簿无法读取（使用 --allow-partial 可在不含该地址簿的情况下写入日历）</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>无法写入报告：%1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>未找到地址簿</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>选项 %1 不接受值</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>意外的参数 %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today 需要 YYYY-MM-DD 格式的有效日期，而不是“%1”</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days 需要 0 或更大的整数天数，而不是“%1”</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts 需要不含换行符的文件或文件夹路径</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm 需要 0 到 %1 之间的天数，而不是“%2”</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output 需要文件名</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir 需要文件夹名</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format 只能是 text、tsv 或 ics，而不是“%1”</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm 需要 --format ics</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 需要不含换行符或制表符的值</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account、--remove-account 和 --accounts 只能单独使用</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account 需要 --user</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user 只能与 --add-account 或 --remove-account 一起使用</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>账户命令不接受报告选项</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>用法：nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                     [--output FILE] [--config-dir DIR]
      nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                     [--output FILE [--allow-partial]] [--config-dir DIR]
      nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>正在同步…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>已同步，%n 张新的或已更改的卡片</numerusform>
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
        <translation>      nelvora-report --add-account URL --user NAME   （密码从标准输入读取）
      nelvora-report --add-account E-MAIL [--user NAME]
      nelvora-report --remove-account URL [--user NAME]
      nelvora-report --accounts
      nelvora-report --sync [其他选项]
</translation>
    </message>
</context>
</TS>
