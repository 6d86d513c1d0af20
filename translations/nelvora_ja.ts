<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>ログインに失敗しました: ユーザー名と (アプリ) パスワードを確認してください</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>サーバーの証明書が信頼されていません</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>サーバーに接続できません</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>サーバーが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>このアドレスにはアドレス帳が見つかりませんでした</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>サーバーがリクエストを別のホストにリダイレクトしました</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>サーバーの応答が大きすぎます</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>サーバーのアドレスではありません</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>暗号化されていない http でパスワードを送れるのはこのコンピューター宛てだけです: https のアドレスを使用してください</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>このアカウントのパスワードは保存されていません</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>Secret Service (GNOME Keyring、KWallet、KeePassXC) が動作していないため、パスワードを安全に保存できません</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>キーリングがアクセスを拒否しました</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>キーリングでエラーが発生しました</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>このメールアドレスのアドレス帳サーバーが見つかりませんでした</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>このサーバーはブラウザーでのログインに対応していません</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>ブラウザーでのログインが時間内に完了しませんでした</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>サーバーがブラウザーでのログインを拒否しました</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>ブラウザーでのログインに対するサーバーの応答を読み取れませんでした</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>アドレス帳が 1 回の同期で取得できる量を超えています</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>サーバーの変更一覧が終わりませんでした</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>サーバーがリクエストを循環してリダイレクトしました</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>ユーザー名とパスワードはサーバーのアドレスではなく、それぞれの欄に入力してください</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>サーバーがアドレス帳へのアクセスを拒否しました</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>サーバーの応答を読み取れませんでした</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>サーバーがエラー %1 を返しました</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>同期は中止されました</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>アカウントは削除されました</translation>
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
        <translation>誕生日リマインダー</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>連絡先の誕生日と結婚記念日をお知らせします</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>誕生日;記念日;結婚記念日;リマインダー;連絡先;アドレス帳;birthday;anniversary;reminder;contacts;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora はシステムトレイに常駐してアドレス帳を読み込み、今日、明日、またはこの先数日のうちに誰の誕生日や結婚記念日が来るかを、何年目にあたるかと残りの日数とともに表示します。ログイン時と、毎日指定した時刻に確認します。連絡先は読み込むだけで、変更することはありません。</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>デスクトップの連絡先管理アプリが保存する vCard ファイルと、Nextcloud や Radicale などの CardDAV サーバー上のオンラインのアドレス帳を読み込みます。オンラインのアドレス帳の同期も自分で行います。お知らせから、その人にメールを書いたり電話をかけたりできます。</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>nelvora-report コマンドは同じ一覧を端末に出力します。スクリプトや cron で利用できます。</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>結婚記念日</translation>
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
        <translation>詳細なデバッグログを表示しますか？

はい	デバッグログを表示してクリップボードにコピーし、続行します。
いいえ	ログを表示せずにプログラムを続行します。
キャンセル	プログラムを終了します。保存されていないデータは失われます！</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora のエラー</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>設定を読み込めません！既定値を使用します！</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>設定を保存できません！</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>アドレス帳の確認中にエラーが発生しました！</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>捕捉されない例外</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>エラーが発生しました:</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>近日中のイベント</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>今日、明日、および近日中の誕生日と結婚記念日</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab または Ctrl+Page Down で次のページを表示します</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>イベントの確認モード</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>お知らせ方法</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>今後のイベントを確認する期間</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>日数、%1 から %2 まで</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>イベント一覧を自動的に閉じるまでの時間</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>分数、%1 から %2 まで</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>ウィンドウを他のウィンドウより手前に表示します</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>次回の起動に備えて設定を保存します</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>前回の確認で見つかったすべてのアドレス帳です。除外するにはチェックを外してください</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>バージョンとビルド日を表示します</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>ホームページを開く</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>ホームページをウェブブラウザーで開きます</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>ウィンドウをシステムトレイに格納します (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>アドレス帳を読み込み直します</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>ヘルプページをウェブブラウザーで開きます</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>今日のイベント</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>明日のイベント</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>%n 日以内のイベント</numerusform>
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
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 日後</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>見出し</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>結婚記念日</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>TAccountsPanel</name>
    <message>
        <source>Online address books</source>
        <translation>オンラインのアドレス帳</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>追加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>オンラインのアドレス帳のアカウント</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>一部を削除できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>オンラインのアドレス帳を追加</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>ほとんどのプロバイダーでは、ここにアプリパスワードが必要です。iCloud、Fastmail、Nextcloud ではセキュリティ設定で作成できます。Google アカウントは、代わりに GNOME オンラインアカウントまたは Thunderbird から追加してください。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>サーバー、ユーザー名、パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>ログイン中…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>追加できませんでした: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>ログイン中</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>ブラウザーでログイン</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>サーバーまたはメールアドレス(&amp;S):</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>ユーザー名とパスワードを入力するか、ブラウザーでログインしてください。</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>%1 のサーバーを検索中…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>ブラウザーを開けませんでした。このアドレスをブラウザーで開いてください: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>ブラウザーでログインしてアクセスを許可してください。このダイアログは完了を待っています。</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>キャンセルしました: 何も追加されていません。</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: カード %2 / %3 件</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: 同期中…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>同期中…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>アドレス帳が見つかりません</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln 件の連絡先</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln 個のアドレス帳</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%1から %Ln 件の連絡先</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln 個は同期できず、前回のコピーを使用)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform>（%Ln 件に読み込めないファイルあり）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>誕生日</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>誕生日 (%1 歳)</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>結婚記念日</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>結婚記念日 (%1 周年)</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%n 日後に%1</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- 今日のイベント -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- 明日のイベント -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- %n 日以内のイベント -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>ホームページの閲覧やフィードバックで作者を応援してください...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>クリックして %1 を開きます</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>確認モードを「毎日確認」に戻しました。
この設定は「設定」タブで変更できます。</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>トレイに格納(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>今すぐ確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>確認モード:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>起動時に確認して終了</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>毎日確認</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>今後のイベントを確認する期間</translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>日間</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>イベント一覧を自動的に閉じるまでの時間</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>分</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>お知らせ時刻</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>お知らせ方法:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>ウィンドウと通知</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>ウィンドウのみ</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>通知のみ</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>変更を保存(&amp;S)</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>誕生日と結婚記念日をお知らせします。</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>このプログラムは無料でお使いいただけます！</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; ホームページを開く &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>アドレス帳を表示</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>メインウィンドウを表示</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>アプリケーションを終了</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>申し訳ありません。
ホームページを開くウェブブラウザーが見つかりません。
%1 にご自身でアクセスしてください。</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>申し訳ありません。
ヘルプファイルを開けません。
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>アドレス帳のプログラムを起動できません！</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>申し訳ありません。
メールの作成や電話の発信に使えるプログラムが見つかりません。</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>アドレス帳</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>結婚記念日おめでとう！</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>お誕生日おめでとう！</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>メールを作成…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>電話をかける</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>メールアドレスをコピー</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>電話番号をコピー</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>今日は %n 件の結婚記念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>今日は %n 件の誕生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>明日は %n 件の結婚記念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>明日は %n 件の誕生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n 件の結婚記念日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n 件の誕生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n 日後</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How many events come when: %1 is the count of events (&quot;2 birthdays&quot;), %2 when (&quot;in 5 days&quot;).</extracomment>
        <translation>%2に %1</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %3は%2</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>一覧を表示</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>%1 にメールを送る</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n 件の誕生日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n 件の記念日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1と %2</translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>状態</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>読み込み済み</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>除外</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>読み込めません (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>同期済み (%1)</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>同期中…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>古いデータ (最終同期: %1)</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>古いデータ (最終同期: %1、%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>連絡先 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>%2 の %1 のパスワード: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>%1 を追加できません: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>パスワードが入力されていません</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 を追加しました。アドレス帳は %n 個です:</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>%1 の最初の同期に失敗しました: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>アカウント %1 はありません</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>%1 のパスワードはキーリングに残っています: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>%1 の同期に失敗しました: %2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>一覧を書き込めません: %1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 は置き換えられませんでした: 読み込めないアドレス帳があります (--allow-partial を指定すると、そのアドレス帳を除いてカレンダーを書き込みます)</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>レポートを書き込めません: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>アドレス帳が見つかりません</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>オプション %1 は値を取りません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today には YYYY-MM-DD 形式の有効な日付が必要です (「%1」は使えません)</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days には 0 以上の整数の日数が必要です (「%1」は使えません)</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts には改行を含まないファイルまたはフォルダーのパスが必要です</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm には 0 から %1 までの日数が必要です (「%2」は使えません)</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir にはフォルダー名が必要です</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format には text、tsv、ics のいずれかを指定してください (「%1」は使えません)</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm には --format ics が必要です</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 には改行やタブを含まない値が必要です</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account、--remove-account、--accounts はそれぞれ単独で使用してください</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account には --user が必要です</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user は --add-account または --remove-account と一緒に使用してください</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>アカウントのコマンドにはレポートのオプションを指定できません</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>使い方: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                       [--output FILE] [--config-dir DIR]
        nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                       [--output FILE [--allow-partial]] [--config-dir DIR]
        nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>同期中…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>同期しました。新規または変更されたカードは %n 件です</numerusform>
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
        <translation>        nelvora-report --add-account URL --user NAME   (パスワードは標準入力から)
        nelvora-report --add-account E-MAIL [--user NAME]
        nelvora-report --remove-account URL [--user NAME]
        nelvora-report --accounts
        nelvora-report --sync [その他のオプション]
</translation>
    </message>
</context>
</TS>
