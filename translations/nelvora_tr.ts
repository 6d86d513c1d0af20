<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CardDav</name>
    <message>
        <source>login failed: check the user name and the (app) password</source>
        <translation>oturum açılamadı: kullanıcı adını ve (uygulama) parolasını denetleyin</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>sunucunun sertifikasına güvenilmiyor</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>sunucuya ulaşılamıyor</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>sunucu zamanında yanıt vermedi</translation>
    </message>
    <message>
        <source>no address book was found at this address</source>
        <translation>bu adreste hiç adres defteri bulunamadı</translation>
    </message>
    <message>
        <source>the server sent the request to another host</source>
        <translation>sunucu isteği başka bir ana makineye yönlendirdi</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too large</source>
        <translation>sunucunun yanıtı çok büyüktü</translation>
    </message>
    <message>
        <source>this is not a server address</source>
        <translation>bu bir sunucu adresi değil</translation>
    </message>
    <message>
        <source>a password is sent over plain http only to this computer: use an https address</source>
        <translation>parola şifrelenmemiş http üzerinden yalnızca bu bilgisayara gönderilir: https adresi kullanın</translation>
    </message>
    <message>
        <source>no password is kept for this account</source>
        <translation>bu hesap için kayıtlı parola yok</translation>
    </message>
    <message>
        <source>no Secret Service is running (GNOME Keyring, KWallet or KeePassXC), so the password cannot be kept safely</source>
        <translation>çalışan bir Secret Service (GNOME Keyring, KWallet veya KeePassXC) yok, bu nedenle parola güvenle saklanamıyor</translation>
    </message>
    <message>
        <source>the keyring refused access</source>
        <translation>anahtarlık erişimi reddetti</translation>
    </message>
    <message>
        <source>the keyring failed</source>
        <translation>anahtarlık hatası</translation>
    </message>
    <message>
        <source>no address-book server was found for this e-mail address</source>
        <translation>bu e-posta adresi için adres defteri sunucusu bulunamadı</translation>
    </message>
    <message>
        <source>the server offers no log-in in the browser</source>
        <translation>sunucu tarayıcıda oturum açmayı desteklemiyor</translation>
    </message>
    <message>
        <source>the log-in in the browser was not finished in time</source>
        <translation>tarayıcıda oturum açma zamanında tamamlanmadı</translation>
    </message>
    <message>
        <source>the server refused the log-in in the browser</source>
        <translation>sunucu tarayıcıda oturum açmayı reddetti</translation>
    </message>
    <message>
        <source>the server&apos;s answer to the log-in in the browser could not be read</source>
        <translation>sunucunun tarayıcıda oturum açmaya verdiği yanıt okunamadı</translation>
    </message>
    <message>
        <source>the address book is larger than a sync may fetch</source>
        <translation>adres defteri bir eşitlemenin indirebileceğinden büyük</translation>
    </message>
    <message>
        <source>the server&apos;s list of changes did not end</source>
        <translation>sunucunun değişiklik listesi bitmedi</translation>
    </message>
    <message>
        <source>the server sent the request round in circles</source>
        <translation>sunucu isteği döngü içinde yönlendirdi</translation>
    </message>
    <message>
        <source>put the user name and the password in their own fields, not in the server address</source>
        <translation>kullanıcı adını ve parolayı sunucu adresine değil, kendi alanlarına yazın</translation>
    </message>
    <message>
        <source>the server refused access to the address book</source>
        <translation>sunucu adres defterine erişimi reddetti</translation>
    </message>
    <message>
        <source>the server&apos;s answer could not be read</source>
        <translation>sunucunun yanıtı okunamadı</translation>
    </message>
    <message>
        <source>the server answered with error %1</source>
        <extracomment>%1 is an HTTP status, 500.</extracomment>
        <translation>sunucu %1 hatasıyla yanıt verdi</translation>
    </message>
    <message>
        <source>the sync was stopped</source>
        <translation>eşitleme durduruldu</translation>
    </message>
    <message>
        <source>the account was removed</source>
        <translation>hesap kaldırıldı</translation>
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
        <translation>Doğum Günü Hatırlatıcısı</translation>
    </message>
    <message>
        <source>Reminds you of your contacts&apos; birthdays and anniversaries</source>
        <extracomment>Tooltip of the menu entry; also the software centre&apos;s one-line summary.</extracomment>
        <translation>Kişilerinizin doğum günlerini ve evlilik yıldönümlerini hatırlatır</translation>
    </message>
    <message>
        <source>birthday;anniversary;reminder;contacts;</source>
        <extracomment>Words a menu search finds the program by: separated by semicolons, with one at the end, no blanks around them. Keep the English words too where users of the language also search in English.</extracomment>
        <translation>doğum günü;yıldönümü;evlilik yıldönümü;hatırlatıcı;anımsatıcı;kişiler;adres defteri;</translation>
    </message>
    <message>
        <source>Nelvora sits in the notification area, reads your address books and shows whose birthday or wedding anniversary falls today, tomorrow or within the next days, with the years each date marks and the days left. It checks at log-in and again every day at the time you choose, and only ever reads your contacts.</source>
        <extracomment>First paragraph of the program&apos;s description in the software centre.</extracomment>
        <translation>Nelvora sistem tepsisinde çalışır, adres defterlerinizi okur ve kimin doğum gününün ya da evlilik yıldönümünün bugün, yarın veya önümüzdeki günlerde olduğunu, her tarihin kaçıncı yılı olduğu ve kaç gün kaldığıyla birlikte gösterir. Oturum açıldığında ve ardından her gün seçtiğiniz saatte denetler; kişilerinizi yalnızca okur, hiçbir zaman değiştirmez.</translation>
    </message>
    <message>
        <source>It reads the vCard files that desktop contact managers keep, and your online address books on CardDAV servers such as Nextcloud or Radicale, which it syncs itself. From a reminder you can write to the person or call them.</source>
        <extracomment>Second paragraph of the description. CardDAV, Nextcloud and Radicale are names: keep them.</extracomment>
        <translation>Masaüstü kişi yöneticilerinin tuttuğu vCard dosyalarını ve Nextcloud veya Radicale gibi CardDAV sunucularındaki çevrimiçi adres defterlerinizi okur; bunları kendisi eşitler. Bir hatırlatmadan kişiye yazabilir veya onu arayabilirsiniz.</translation>
    </message>
    <message>
        <source>The nelvora-report command prints the same list on a terminal, for scripts and cron.</source>
        <extracomment>Third paragraph of the description. nelvora-report and cron are names: keep them.</extracomment>
        <translation>nelvora-report komutu aynı listeyi betikler ve cron için uçbirimde yazdırır.</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>birthday</source>
        <extracomment>The kind of date in a calendar entry&apos;s title, after the contact&apos;s name (&quot;Anna – birthday (1990)&quot;).</extracomment>
        <translation>doğum günü</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>evlilik yıldönümü</translation>
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
        <translation>Ayrıntılı hata ayıklama günlüğünü görmek ister misiniz?

EVET	günlüğü göster, panoya kopyala ve devam et;
HAYIR	günlüğü gösterme ve programa devam et;
İPTAL	programı sonlandır - kaydedilmemiş veriler kaybolacak!</translation>
    </message>
    <message>
        <source>Nelvora Error</source>
        <extracomment>Caption of a box about a failure.</extracomment>
        <translation>Nelvora Hatası</translation>
    </message>
    <message>
        <source>Can&apos;t load configuration! Defaults are used!</source>
        <translation>Yapılandırma yüklenemedi! Varsayılanlar kullanılıyor!</translation>
    </message>
    <message>
        <source>Can&apos;t save configuration!</source>
        <translation>Yapılandırma kaydedilemedi!</translation>
    </message>
    <message>
        <source>An error while checking address book!</source>
        <translation>Adres defteri denetlenirken bir hata oluştu!</translation>
    </message>
    <message>
        <source>Uncaught exception</source>
        <extracomment>Caption of the box for a failure that nothing else caught; the program ends after it.</extracomment>
        <translation>Yakalanmamış istisna</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Bir hata oluştu:</translation>
    </message>
</context>
<context>
    <name>TAccessibleNames</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Due events</source>
        <translation>Yaklaşan etkinlikler</translation>
    </message>
    <message>
        <source>Birthdays and anniversaries due today, tomorrow and in the coming days</source>
        <translation>Bugün, yarın ve önümüzdeki günlerdeki doğum günleri ve evlilik yıldönümleri</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>Ctrl+Tab and Ctrl+Page Down show the next page</source>
        <translation>Ctrl+Tab ve Ctrl+Page Down sonraki sayfayı gösterir</translation>
    </message>
    <message>
        <source>Check mode for due events</source>
        <translation>Etkinlikler için denetim kipi</translation>
    </message>
    <message>
        <source>Remind me with</source>
        <translation>Hatırlatma biçimi</translation>
    </message>
    <message>
        <source>Check forward for due events within</source>
        <translation>Etkinlikleri arama süresi</translation>
    </message>
    <message>
        <source>days, from %1 to %2</source>
        <translation>gün, %1 ile %2 arası</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <translation>Etkinlik listesini şu süre sonra otomatik kapat</translation>
    </message>
    <message>
        <source>minutes, from %1 to %2</source>
        <translation>dakika, %1 ile %2 arası</translation>
    </message>
    <message>
        <source>Keeps the window above other windows</source>
        <translation>Pencereyi diğer pencerelerin üstünde tutar</translation>
    </message>
    <message>
        <source>Stores the options for the next start</source>
        <translation>Seçenekleri bir sonraki başlatma için kaydeder</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adres defterleri</translation>
    </message>
    <message>
        <source>Every address book the last check found; untick one to leave it out</source>
        <translation>Son denetimde bulunan tüm adres defterleri; birini dışarıda bırakmak için işaretini kaldırın</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Shows the version and the build date</source>
        <translation>Sürümü ve derleme tarihini gösterir</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Ana sayfayı ziyaret et</translation>
    </message>
    <message>
        <source>Opens the home page in the web browser</source>
        <translation>Ana sayfayı web tarayıcısında açar</translation>
    </message>
    <message>
        <source>Hides the window in the tray (Escape)</source>
        <translation>Pencereyi sistem tepsisine gizler (Escape)</translation>
    </message>
    <message>
        <source>Reads the address book again</source>
        <translation>Adres defterini yeniden okur</translation>
    </message>
    <message>
        <source>Opens the help page in the web browser</source>
        <translation>Yardım sayfasını web tarayıcısında açar</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Programı sonlandırır</translation>
    </message>
    <message>
        <source>Events for today</source>
        <translation>Bugünkü etkinlikler</translation>
    </message>
    <message>
        <source>Events for tomorrow</source>
        <translation>Yarınki etkinlikler</translation>
    </message>
    <message numerus="yes">
        <source>Events within %n days</source>
        <translation>
            <numerusform>%n gün içindeki etkinlikler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n yıl</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>yarın</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n gün sonra</numerusform>
        </translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Başlık</translation>
    </message>
    <message>
        <source>birthday</source>
        <translation>doğum günü</translation>
    </message>
    <message>
        <source>anniversary</source>
        <translation>evlilik yıldönümü</translation>
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
        <translation>Çevrimiçi adres defterleri</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ekle…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Online address book accounts</source>
        <translation>Çevrimiçi adres defteri hesapları</translation>
    </message>
    <message>
        <source>Could not remove everything: %1</source>
        <translation>Her şey kaldırılamadı: %1</translation>
    </message>
</context>
<context>
    <name>TAddAccountDialog</name>
    <message>
        <source>Add an online address book</source>
        <translation>Çevrimiçi adres defteri ekle</translation>
    </message>
    <message>
        <source>Most providers want an app password here: iCloud, Fastmail and Nextcloud make one in their security settings. Google accounts go through GNOME Online Accounts or Thunderbird instead.</source>
        <translation>Çoğu sağlayıcı burada bir uygulama parolası ister: iCloud, Fastmail ve Nextcloud bunu güvenlik ayarlarında oluşturur. Google hesapları ise GNOME Çevrimiçi Hesaplar veya Thunderbird üzerinden bağlanır.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Kullanıcı a&amp;dı:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
    <message>
        <source>Fill in the server, the user name and the password.</source>
        <translation>Sunucuyu, kullanıcı adını ve parolayı girin.</translation>
    </message>
    <message>
        <source>Logging in…</source>
        <translation>Oturum açılıyor…</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Eklenmedi: %1</translation>
    </message>
    <message>
        <source>Logging in</source>
        <translation>Oturum açılıyor</translation>
    </message>
    <message>
        <source>Log in with the browser</source>
        <translation>Tarayıcıda oturum aç</translation>
    </message>
    <message>
        <source>&amp;Server or e-mail address:</source>
        <translation>&amp;Sunucu veya e-posta adresi:</translation>
    </message>
    <message>
        <source>Fill in the user name and the password, or log in with the browser.</source>
        <translation>Kullanıcı adını ve parolayı girin ya da tarayıcıda oturum açın.</translation>
    </message>
    <message>
        <source>Looking for the server of %1…</source>
        <translation>%1 için sunucu aranıyor…</translation>
    </message>
    <message>
        <source>No browser could be opened. Open this address in one: %1</source>
        <translation>Hiçbir tarayıcı açılamadı. Bu adresi bir tarayıcıda kendiniz açın: %1</translation>
    </message>
    <message>
        <source>Log in and grant the access in the browser; this dialog waits for it.</source>
        <translation>Tarayıcıda oturum açın ve erişime izin verin; bu iletişim kutusu bunu bekliyor.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was added.</source>
        <translation>İptal edildi: hiçbir şey eklenmedi.</translation>
    </message>
</context>
<context>
    <name>TAddressBooksPage</name>
    <message>
        <source>Sync Now</source>
        <extracomment>A button: reads the online address books from their servers now.</extracomment>
        <translation>Şimdi eşitle</translation>
    </message>
    <message>
        <source>%1: %2 of %3 cards</source>
        <extracomment>While an online address book syncs: %1 is the account, %2 the cards read so far, %3 all of them.</extracomment>
        <translation>%1: %2 / %3 kart</translation>
    </message>
    <message>
        <source>%1: syncing…</source>
        <extracomment>While an online address book syncs and the number of its cards is not known yet; %1 is the account.</extracomment>
        <translation>%1: eşitleniyor…</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <extracomment>While the online address books sync, before the first account is named.</extracomment>
        <translation>Eşitleniyor…</translation>
    </message>
</context>
<context>
    <name>TCheckSummary</name>
    <message>
        <source>No address book found</source>
        <translation>Adres defteri bulunamadı</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts</source>
        <translation>
            <numerusform>%Ln kişi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln address books</source>
        <translation>
            <numerusform>%Ln adres defterinden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln contacts from %1</source>
        <translation>
            <numerusform>%1 %Ln kişi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln not synced, from the last copy)</source>
        <extracomment>Appended to the line below the list: online address books whose last sync failed, read from their copy.</extracomment>
        <translation>
            <numerusform> (%Ln tanesi eşitlenemedi, son kopyadan)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%Ln with files that cannot be read)</source>
        <extracomment>Appended to the line below the list: address books of which some files could not be read.</extracomment>
        <translation>
            <numerusform> (%Ln tanesinde okunamayan dosyalar var)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TEventReport</name>
    <message>
        <source>bday.</source>
        <extracomment>The event column of a birthday row; a short form, as a diary abbreviates it.</extracomment>
        <translation>d.g.</translation>
    </message>
    <message>
        <source>bday. %1</source>
        <extracomment>A birthday row; %1 is the age reached.</extracomment>
        <translation>d.g. %1</translation>
    </message>
    <message>
        <source>anniv.</source>
        <extracomment>The event column of a wedding-anniversary row; a short form, as a diary abbreviates it.</extracomment>
        <translation>yıld.</translation>
    </message>
    <message>
        <source>anniv. %1</source>
        <extracomment>An anniversary row; %1 is the number of years married.</extracomment>
        <translation>yıld. %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 occurs in %n days</source>
        <extracomment>A row of the coming days: %1 is the event (&quot;bday. 30&quot;), %n the days until it.</extracomment>
        <translation>
            <numerusform>%1, %n gün sonra</numerusform>
        </translation>
    </message>
    <message>
        <source>-=- Events for today -=- </source>
        <translation>-=- Bugünkü etkinlikler -=- </translation>
    </message>
    <message>
        <source>-=- Events for tomorrow -=-</source>
        <translation>-=- Yarınki etkinlikler -=-</translation>
    </message>
    <message numerus="yes">
        <source>-=- Events within %n days -=-</source>
        <translation>
            <numerusform>-=- %n gün içindeki etkinlikler -=-</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Please support the author by visiting his home page and/or providing feedback...</source>
        <extracomment>Runs in one character at a time on the About page; keep it to one line.</extracomment>
        <translation>Lütfen ana sayfasını ziyaret ederek ve/veya geri bildirimde bulunarak yazarı destekleyin...</translation>
    </message>
    <message>
        <source>Click to open %1</source>
        <extracomment>The tray icon&apos;s tooltip; %1 is the program&apos;s name.</extracomment>
        <translation>%1 uygulamasını açmak için tıklayın</translation>
    </message>
    <message>
        <source>Check mode is set back to &apos;Check Daily&apos;.
This option can be changed from the &apos;Options&apos; tab.</source>
        <translation>Denetim kipi yeniden “Her gün denetle” olarak ayarlandı.
Bu seçenek “Seçenekler” sekmesinden değiştirilebilir.</translation>
    </message>
    <message>
        <source>Event List</source>
        <extracomment>A tab: the page with the list of due events.</extracomment>
        <translation>Etkinlik listesi</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A tab.
----------
The frame around the options.</extracomment>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>A tab.
----------
The frame of the About page.</extracomment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>&amp;Send to Tray</source>
        <translation>Sistem &amp;tepsisine gizle</translation>
    </message>
    <message>
        <source>&amp;Check Now</source>
        <translation>Şimdi &amp;denetle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Quit Program</source>
        <translation>Programdan &amp;çık</translation>
    </message>
    <message>
        <source>Check mode for due events:</source>
        <translation>Denetim kipi:</translation>
    </message>
    <message>
        <source>Check on start and quit</source>
        <translation>Başlangıçta denetle ve çık</translation>
    </message>
    <message>
        <source>Check daily</source>
        <translation>Her gün denetle</translation>
    </message>
    <message>
        <source>Check forward for due events within </source>
        <extracomment>Before a number of days (2 to 30) that follows in a box of its own.</extracomment>
        <translation>Etkinlikleri arama süresi: </translation>
    </message>
    <message>
        <source>days</source>
        <extracomment>After the number of days (2 to 30) of the line &quot;Check forward for due events within&quot;.</extracomment>
        <translation>gün</translation>
    </message>
    <message>
        <source>Automatically close event list after showing it for</source>
        <extracomment>Before a number of minutes (1 to 15) that follows in a box of its own.</extracomment>
        <translation>Etkinlik listesini şu süre sonra otomatik kapat:</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number of minutes (1 to 15) of the line &quot;Automatically close event list after showing it for&quot;.</extracomment>
        <translation>dakika</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Her zaman üstte</translation>
    </message>
    <message>
        <source>Remind at</source>
        <extracomment>Before a time of day (00:00 to 23:59) at which the new day&apos;s check comes; 00:00 is at midnight.</extracomment>
        <translation>Hatırlatma saati</translation>
    </message>
    <message>
        <source>Remind me with:</source>
        <translation>Hatırlatma biçimi:</translation>
    </message>
    <message>
        <source>window and notification</source>
        <translation>pencere ve bildirim</translation>
    </message>
    <message>
        <source>window only</source>
        <translation>yalnızca pencere</translation>
    </message>
    <message>
        <source>notification only</source>
        <translation>yalnızca bildirim</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Değişiklikleri &amp;kaydet</translation>
    </message>
    <message>
        <source>Reminds you of birthdays and anniversaries.</source>
        <translation>Doğum günlerini ve evlilik yıldönümlerini hatırlatır.</translation>
    </message>
    <message>
        <source>This program is free to use!</source>
        <translation>Bu programın kullanımı ücretsizdir!</translation>
    </message>
    <message>
        <source>-=&gt; Visit Home Page &lt;=-</source>
        <translation>-=&gt; Ana sayfayı ziyaret et &lt;=-</translation>
    </message>
    <message>
        <source>Show Address Book</source>
        <translation>Adres defterini göster</translation>
    </message>
    <message>
        <source>Show Main Window</source>
        <translation>Ana pencereyi göster</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Uygulamadan çık</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any web application to visit home page!
Please visit %1 by your own.</source>
        <extracomment>%1 is the home page&apos;s address.</extracomment>
        <translation>Üzgünüz!
Ana sayfayı açacak bir web tarayıcısı bulunamadı!
Lütfen %1 adresini kendiniz ziyaret edin.</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t open help file!
</source>
        <translation>Üzgünüz!
Yardım dosyası açılamadı!
</translation>
    </message>
    <message>
        <source>Can&apos;t run address book program!</source>
        <translation>Adres defteri programı çalıştırılamadı!</translation>
    </message>
    <message>
        <source>Sorry!
Couldn&apos;t find any program to write or call with!</source>
        <extracomment>A mail or phone address could not be opened: no mail program, phone or softphone took it.</extracomment>
        <translation>Üzgünüz!
E-posta yazmak ya da arama yapmak için bir program bulunamadı!</translation>
    </message>
    <message>
        <source>Address books</source>
        <extracomment>A tab: the page with every address book the program reads.</extracomment>
        <translation>Adres defterleri</translation>
    </message>
</context>
<context>
    <name>TGreetingActions</name>
    <message>
        <source>Happy anniversary!</source>
        <extracomment>The subject of an e-mail written from a wedding-anniversary reminder.</extracomment>
        <translation>Evlilik yıldönümünüz kutlu olsun!</translation>
    </message>
    <message>
        <source>Happy birthday!</source>
        <extracomment>The subject of an e-mail written from a birthday reminder.</extracomment>
        <translation>Doğum gününüz kutlu olsun!</translation>
    </message>
    <message>
        <source>Write e-mail…</source>
        <translation>E-posta yaz…</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Copy e-mail address</source>
        <translation>E-posta adresini kopyala</translation>
    </message>
    <message>
        <source>Copy phone number</source>
        <translation>Telefon numarasını kopyala</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message numerus="yes">
        <source>%n anniversary(ies) today</source>
        <translation>
            <numerusform>%n evlilik yıldönümü bugün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) today</source>
        <translation>
            <numerusform>%n doğum günü bugün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies) tomorrow</source>
        <translation>
            <numerusform>%n evlilik yıldönümü yarın</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) tomorrow</source>
        <translation>
            <numerusform>%n doğum günü yarın</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <translation>
            <numerusform>%n evlilik yıldönümü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <translation>
            <numerusform>%n doğum günü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n gün sonra</numerusform>
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
            <numerusform>ve %n tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>yarın</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Listeyi göster</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>A button of the notification: writes an e-mail to the person (%1) whose date is today.</extracomment>
        <translation>E-posta yaz: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s)</source>
        <comment>summary</comment>
        <extracomment>The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the whole summary (&quot;3 birthdays and 1 anniversary today&quot;) should stay within 40 characters.</extracomment>
        <translation>
            <numerusform>%n doğum günü</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(ies)</source>
        <comment>summary</comment>
        <extracomment>Beside the birthdays in the summary: keep it short (&quot;1 anniversary&quot; rather than &quot;1 wedding anniversary&quot;).</extracomment>
        <translation>
            <numerusform>%n yıldönümü</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dates of one day in the notification&apos;s summary: %1 is the birthdays (&quot;3 birthdays&quot;), %2 the anniversaries (&quot;1 anniversary&quot;).</extracomment>
        <translation>%1 ve %2</translation>
    </message>
</context>
<context>
    <name>TStoreListView</name>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kişiler</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>A column: the folder, profile or server address of an address book.</extracomment>
        <translation>Ad</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column: whether an address book was read, left out, synced...</extracomment>
        <translation>Durum</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>The state of an address book that the last check read.</extracomment>
        <translation>okundu</translation>
    </message>
    <message>
        <source>left out</source>
        <extracomment>The state of an address book the user left out.</extracomment>
        <translation>dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>%1 says why, in English as the reading gave it.</extracomment>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>okunamıyor (%1)</translation>
    </message>
    <message>
        <source>synced</source>
        <extracomment>An online address book; %1 is a date and time, 2026-05-01 10:00.</extracomment>
        <translation>eşitlendi</translation>
    </message>
    <message>
        <source>synced %1</source>
        <translation>eşitlendi: %1</translation>
    </message>
    <message>
        <source>syncing…</source>
        <extracomment>An online address book while its sync runs.</extracomment>
        <translation>eşitleniyor…</translation>
    </message>
    <message>
        <source>stale since %1</source>
        <extracomment>An online address book whose last sync failed; %1 is when it last synced (a date and time, or &quot;never&quot;), %2 why the sync failed.</extracomment>
        <translation>güncel değil, son eşitleme: %1</translation>
    </message>
    <message>
        <source>stale since %1 (%2)</source>
        <translation>güncel değil, son eşitleme: %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts</source>
        <extracomment>Spoken with an address book&apos;s row: how many contacts it gave.</extracomment>
        <translation>
            <numerusform>%n kişi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nelvora-report</name>
    <message>
        <source>Password for %1 at %2: </source>
        <translation>%2 üzerindeki %1 için parola: </translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>%1 eklenemiyor: %2</translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>parola verilmedi</translation>
    </message>
    <message numerus="yes">
        <source>added %1, %n address books:</source>
        <extracomment>After --add-account: %1 is the server&apos;s address, %n the number of address books found there, listed below.</extracomment>
        <translation>
            <numerusform>%1 eklendi, %n adres defteri:</numerusform>
        </translation>
    </message>
    <message>
        <source>the first sync of %1 failed: %2</source>
        <translation>%1 için ilk eşitleme başarısız oldu: %2</translation>
    </message>
    <message>
        <source>no account %1</source>
        <translation>böyle bir hesap yok: %1</translation>
    </message>
    <message>
        <source>the password of %1 stays in the keyring: %2</source>
        <translation>%1 için parola anahtarlıkta kalıyor: %2</translation>
    </message>
    <message>
        <source>sync of %1 failed: %2</source>
        <translation>%1 için eşitleme başarısız oldu: %2</translation>
    </message>
    <message>
        <source>cannot write the list: %1</source>
        <translation>liste yazılamıyor: %1</translation>
    </message>
    <message>
        <source>%1 was not replaced: an address book could not be read (--allow-partial writes the calendar without it)</source>
        <translation>%1 değiştirilmedi: bir adres defteri okunamadı (--allow-partial takvimi o olmadan yazar)</translation>
    </message>
    <message>
        <source>cannot write the report: %1</source>
        <translation>rapor yazılamıyor: %1</translation>
    </message>
    <message>
        <source>No address book found</source>
        <translation>Adres defteri bulunamadı</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>%1 seçeneği bir değer gerektirir</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>%1 seçeneği değer almaz</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>beklenmeyen argüman %1</translation>
    </message>
    <message>
        <source>--today needs a valid date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--today YYYY-AA-GG biçiminde geçerli bir tarih gerektirir, “%1” değil</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 0 up, not &apos;%1&apos;</source>
        <translation>--days 0 veya daha büyük bir tam gün sayısı gerektirir, “%1” değil</translation>
    </message>
    <message>
        <source>--contacts needs a file or folder path without line breaks</source>
        <translation>--contacts satır sonu içermeyen bir dosya ya da klasör yolu gerektirir</translation>
    </message>
    <message>
        <source>--alarm needs a number of days from 0 to %1, not &apos;%2&apos;</source>
        <translation>--alarm 0 ile %1 arasında bir gün sayısı gerektirir, “%2” değil</translation>
    </message>
    <message>
        <source>--output needs a file name</source>
        <translation>--output bir dosya adı gerektirir</translation>
    </message>
    <message>
        <source>--config-dir needs a folder name</source>
        <translation>--config-dir bir klasör adı gerektirir</translation>
    </message>
    <message>
        <source>--format is text, tsv or ics, not &apos;%1&apos;</source>
        <translation>--format text, tsv ya da ics olabilir, “%1” değil</translation>
    </message>
    <message>
        <source>--alarm needs --format ics</source>
        <translation>--alarm, --format ics gerektirir</translation>
    </message>
    <message>
        <source>%1 needs a value without line breaks or tabs</source>
        <translation>%1 satır sonu veya sekme içermeyen bir değer gerektirir</translation>
    </message>
    <message>
        <source>--add-account, --remove-account and --accounts go alone</source>
        <translation>--add-account, --remove-account ve --accounts tek başına kullanılır</translation>
    </message>
    <message>
        <source>--add-account needs --user</source>
        <translation>--add-account, --user gerektirir</translation>
    </message>
    <message>
        <source>--user goes with --add-account or --remove-account</source>
        <translation>--user, --add-account veya --remove-account ile birlikte kullanılır</translation>
    </message>
    <message>
        <source>an account command takes no report options</source>
        <translation>hesap komutu rapor seçeneği almaz</translation>
    </message>
    <message>
        <source>usage: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                      [--output FILE] [--config-dir DIR]
       nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                      [--output FILE [--allow-partial]] [--config-dir DIR]
       nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</source>
        <extracomment>The command&apos;s synopsis: translate only the word &quot;usage&quot; and keep the options as they are; the lines below the first are indented to stand under its options.</extracomment>
        <translation>kullanım: nelvora-report [--today YYYY-MM-DD] [--days N] [--contacts PATH]... [--format text|tsv]
                         [--output FILE] [--config-dir DIR]
          nelvora-report --format ics [--alarm DAYS]... [--today YYYY-MM-DD] [--contacts PATH]...
                         [--output FILE [--allow-partial]] [--config-dir DIR]
          nelvora-report --sources [--contacts PATH]... [--output FILE] [--config-dir DIR]
</translation>
    </message>
    <message>
        <source>syncing…</source>
        <translation>eşitleniyor…</translation>
    </message>
    <message numerus="yes">
        <source>synced, %n new or changed cards</source>
        <extracomment>On a terminal, after --sync: the account&apos;s line once its books are in the cache.</extracomment>
        <translation>
            <numerusform>eşitlendi, %n yeni veya değişmiş kart</numerusform>
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
        <translation>          nelvora-report --add-account URL --user NAME   (parola standart girdiden)
          nelvora-report --add-account E-MAIL [--user NAME]
          nelvora-report --remove-account URL [--user NAME]
          nelvora-report --accounts
          nelvora-report --sync [diğer seçenekler]
</translation>
    </message>
</context>
</TS>
