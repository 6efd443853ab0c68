<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Sohbet</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Oyundaki herkese bir şey söyle, sonra Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>%1 sesini kapat</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: aynı yerel ağda en çok sekiz oyuncu için ışık izli bir arena oyunu.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Bu yardımı göster ve çık.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Sürümü göster ve çık.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Hemen N oyunculu (2 ile 8 arası) bir maç aç: 1. oyuncu otomatik pilotta, diğerleri zor bilgisayar sürücüleri; her maçın ardından yenisi gelir.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Başlangıçta son seçilen seviyeden K bilgisayar sürücüsü (1 ile 7 arası) ekle.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Her tur sonunda bir satır yaz: tur, arenanın burada çizildiği hâlinin özeti ve bu programın belleği.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Bu çalıştırmada, Ağ menüsü ne derse desin, NAME ağ arayüzünden gönder.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Ayarları ~/.config/lumivex.ini yerine FILE içinde tut (bir bilgisayarda birkaç kopya için).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Pencere olmadan: bir yoklama gönder, ardından gelen saniye kadar dinle (varsayılan 2: --probe 5, 5 sn dinler) ve her yanıt için bir satır yaz (yer, ad, renk, gönderen). Başka bir kopya yanıtladıysa 0, hiçbiri yanıtlamadıysa 1 ile çıkar.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Bu ağın oyununu çevrimiçi aç: bir sayı gelirse UDP PORT bağlantı noktasında (yoksa son seçilende, ilk seferde 31315) ve arkadaşların katılacağı bağlantıyı yaz.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>LINK (lumivex://...) çevrimiçi oyununa katıl; &quot;-&quot; bağlantıyı diğer kullanıcıların göremediği standart girdiden okur.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Ekran ve pencere olmadan aktarıcı sunucusu olarak çalış: arkadaşların doğrudan ulaşamadığı oyunlar burada bir oda tutar. --port başka bir şey demedikçe UDP 31316 bağlantı noktasını dinler.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>--open ile: oyun için HOST:PORT aktarıcısında bir oda tut; bu bilgisayara ulaşamayan arkadaşlar onun üzerinden katılsın.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>--open ve bir aktarıcı ile: oyunu aktarıcıda herkesin bulup katılabileceği biçimde NAME adıyla herkese açık listele.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Pencere olmadan: HOST[:PORT] aktarıcısının listelediği açık oyunları her biri bir satırda yaz (ad, oyuncular, oynanıyor ya da bekliyor, bağlantı). 0 ile çıkar; aktarıcı 5 sn içinde yanıtlamazsa 1, bozuk adreste 2.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Bu kopyanın duyduğu her datagramı zamanıyla birlikte FILE tekrar dosyasında tut.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>FILE tekrarını izle (ayrıca: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>FILE tekrarını pencere olmadan olabildiğince hızlı oynat ve her turun sonucunu ve arenasının özetini yaz. 0 ile çıkar; dosya hasarlıysa 1, tekrar değilse 2.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Bu ağdaki tarayıcıların katılmasına izin ver: bir sayı gelirse sayfayı TCP PORT bağlantı noktasında (yoksa son seçilende, ilk seferde 31317) sun ve adresini yaz.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>--open ile: yönlendiriciden bağlantı noktasını iletmesini isteme.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1, 1 ile 65535 arası bir %2 bağlantı noktası bekler, &apos;%3&apos; değil</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>beklenmeyen argüman &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe bir saniye sayısı bekler, &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>bir bağlantı tek başına açılır; seçeneklerle katılmak için --join LINK kullanın</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>bu bir Lumivex bağlantısı değil: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>bir tekrar dosyası tek başına açılır; seçeneklerle izlemek için --replay FILE kullanın</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open ve --join birbirini dışlar</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port, --relay ile birlikte kullanılır</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay tek başına çalışır; --open, --join ya da --web olmadan</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server, --open ile birlikte kullanılır</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server HOST:PORT bekler, &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public, --open ile birlikte kullanılır</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public oyunun listeleneceği adı bekler</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games HOST ya da HOST:PORT bekler, &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record bir dosya adı bekler</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 var ve bir Lumivex tekrarı değil: olduğu gibi bırakıldı</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>bir tekrar tek başına izlenir; --open, --join, --relay, --record, --demo ya da --web olmadan</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>&apos;%1&apos; adında bir ağ arayüzü yok; olanlar: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config bir dosya adı bekler</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo 2 ile 8 arası bir oyuncu sayısı bekler</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders 1 ile 7 arası bir sayı bekler</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>ekran yok: DISPLAY ayarlayın ya da ekrana gerek duymayan --probe kullanın</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>oyun çevrimiçi açılamadı: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>tarayıcılar katılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>aktarıcı %1 sn içinde yanıt vermedi</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>UDP bağlantı noktası %1 kullanılamıyor (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>aktarıcı üzerinden %1</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Oyuncu 1 (sen)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Yerel oyuncu %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; için oyun kolu düğmesine bas.</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Oyun kolu</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Varsayılan tuşlar geri geldi.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; için tuşa bas.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 zaten &quot;%2&quot; tuşu.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 zaten %3 için &quot;%2&quot; tuşu.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Bir tuşa bas…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Çubuk, yön tuşları</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Çubuk</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Bir düğmeye bas…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Kimse kazanmadı!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 kazandı!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 maçı kazandı!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Oyun duraklatıldı!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Oyun devam ediyor!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Oyuncu %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>Ev sahibi maçtan ayrıldı</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>İstemci 1 yok!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uyarı!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Başka hiçbir Lumivex kopyası %1 yanıt vermedi (grup %2, UDP bağlantı noktası %3). Diğer bilgisayarlar aynı ağda olmalı ve güvenlik duvarı UDP bağlantı noktası %3 ile %2 grubunu geçirmeli.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>burada</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Ağ yok: bağlantı noktası %1 kullanılamıyor (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Ağ yok: oyun grubuna katılınamıyor (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 yok: otomatik gönderiliyor</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Yeniden %1 üzerinden gönderiliyor</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>%1 üzerinden %2 grubuna, UDP bağlantı noktası %3 ile gönderiliyor.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>hiçbir yere</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Gruba %1 üzerinde katılındı.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Gruba %1 üzerinde katılınAMADI.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Gönderilen datagram: %1; alınan: %2, bunlardan bozuk diye atılan: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Göndereni çok fazla gönderdiği için atılan: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Bu ağdan gelmediği için okunmadan atılan (yalnızca bu bilgisayara gönderilen ya da bir yönlendiricinin ötesinden gelen): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Bu kopya kendi datagramlarını duyuyor (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Bu kopya kendi datagramlarını DUYMUYOR.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>%1 kaynağından: %2 datagram, son duyulan %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>%1 üzerinde, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Tarayıcılar katılamaz: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Telefondan oyna</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Bu ağdaki bir telefon, tablet ya da bilgisayar hiçbir şey kurmadan burada oynar: kodu tara ya da adresi tarayıcısında aç. Her tarayıcı bu kopyanın bir yerini alır.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Oynayan tarayıcılar: %1 / %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Tarayıcılar artık katılamaz.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Durdur</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Her tarayıcının yerini boşaltır ve sayfayı sunmayı bırakır</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Çevrimiçi oyun bul</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Sorulacak aktarıcılar (HOST:PORT, virgülle ayrılmış):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Gidiş-dönüş</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Katıl</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>oynanıyor</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>bekliyor</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 herkese açık oyun, %2 kaynağından.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 herkese açık oyun, %2 kaynağından.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Sorulacak aktarıcı yok. Lumivex&apos;in kendi liste sunucusu yok: yukarıya oyun listeleyen aktarıcılar ekle (arkadaşlarına sor ya da lumivex-relay ile kendin çalıştır) veya Ağ &gt; Aktarıcı Sunucusu ile birini seç.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>böyle bir sunucu yok</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Ağ</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Çevrimiçi &amp;bağlantıyı göster…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>Çevrimiçi &amp;oyuncular…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>Çevrimiçi oyunu &amp;kapat</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>Oyunu çevrimiçi &amp;aç…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>Çevrimiçi oyundan &amp;ayrıl</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>Çevrimiçi oyuna &amp;katıl…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>Çevrimiçi oyun &amp;bul…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Aktarıcı &amp;sunucusu…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>&amp;Tarayıcıları katıl…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Tanılama…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Ağ: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; başka hiçbir Lumivex kopyası yanıt vermedi</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Burada yalnızsın.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Bilgisayar sürücülerine karşı yarış, uzaktaki arkadaşlar için çevrimiçi bir oyun aç ya da bu ağdaki arkadaşları bekle.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Bilgisayar sürücüsü ekle</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Çevrimiçi oyun aç…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Bu ağdaki arkadaşları bekle</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Ağ tanılama</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Çevrimiçi</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Aktarıcı sunucusu</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Çevrimiçi açılan oyunlar bu aktarıcıda da bir oda tutar; bu bilgisayara doğrudan ulaşamayan arkadaşlar için.
HOST:PORT ya da hiçbiri için boş (Lumivex herkese açık aktarıcı çalıştırmaz):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Aktarıcı, bir oyun bir dahaki sefer çevrimiçi açıldığında kullanılacak.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Oyunu çevrimiçi aç</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Uzaktaki arkadaşlar bu oyuna, sonraki pencerenin onlara göndermen için verdiği bir bağlantıyla katılır.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>Bu oyunu herkese açık &amp;listele, adı:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>aktarıcıda (HOST:PORT):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Gelişmiş</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP bağlantı noktası:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Herkese açık bir oyunun listeleneceği bir ada ihtiyacı var.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Herkese açık oyun bir aktarıcıda listelenir: &quot;%1&quot; HOST:PORT değil; örneğin relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Oyun çevrimiçi açılamadı: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Oyun çevrimiçi</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Arkadaşlar bu bağlantıyla katılır (Ağ &gt; Çevrimiçi oyuna katıl). Oyunun anahtarını içerir: yalnızca birlikte oynadıklarına ver.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Arkadaşların ulaşabileceği adres:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>bu bilgisayar</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Bu bilgisayarın yalnızca kendi ağına ait adresleri var, bu yüzden uzaktaki arkadaşlar ona ulaşamaz: bağlantı yalnızca bu ağda çalışır.
İşe yarayanlar: bir aktarıcı (Ağ &gt; Aktarıcı sunucusu…), yönlendiricide UDP bağlantı noktası %1&apos;i bu bilgisayara (%2) yönlendirmek ya da seni ve arkadaşlarını aynı ağa koyan bir VPN.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Çevrimiçi oyuna katıl</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Bir arkadaşın gönderdiği bağlantı (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Bu bağlantı eksik: gönderen kişiden tamamını yeniden kopyala ve buraya yapıştır. (Ayrıntı: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Bu bir Lumivex bağlantısı değil: bir oyunun bağlantısı lumivex:// ile başlar</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Çevrimiçi oyuncular</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Bu oyuna başka yerlerden katılan kopyalar. At, birini çıkarır ve adresini %1 dakika dışarıda tutar; Yasakla, oyun açık kaldıkça dışarıda tutar.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Gelen</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Giden</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>Yeni oyunculara &amp;kapat</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;At</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Yasakla</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Bu çevrimiçi oyun yeni oyunculara kapalı</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Bu çevrimiçi oyun yeniden yeni oyunculara açık</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>%1 çevrimiçi oyundan at</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>%1 çevrimiçi oyunda yasakla</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Sürücüsü olmayan bir kopya</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) bu çevrimiçi oyunda yasaklandı</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) bu çevrimiçi oyundan %3 dakikalığına çıkarıldı</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>%1 aktarıcısında böyle bir oyun yok: kapatıldı ya da bağlantı eski</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>%1 aktarıcısı bu kopyayı içeri almadı</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>%1 aktarıcısı yanıt vermedi</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>%1 adresindeki çevrimiçi oyun yanıt vermedi</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>%1 adresindeki çevrimiçi oyun bağlantının anahtarını kabul etmedi</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (aktarıcı)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Ağ yok: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>Çevrimiçi oyunun adresi %1 bulunamadı</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>Aktarıcının adresi %1 bulunamadı</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>Çevrimiçi oyun dolu: zaten %1 uzak oyuncusu var</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>Ev sahibi seni çevrimiçi oyundan çıkardı</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>Çevrimiçi oyun yeni oyunculara kapalı</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>Çevrimiçi oyun bu kopyanın katılmasını reddetti</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Çevrimiçi oyunla bağlantı koptu</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Bu kopya bir çevrimiçi oyuna katıldı: önce ondan ayrıl</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Çevrimiçi oyun kullanılamıyor: rastgelelik kaynağı yok</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Ağ yok: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>%1 adresindeki kopya bu çevrimiçi oyunda yasaklandı</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>%1 adresindeki kopya bu çevrimiçi oyundan %2 dakikalığına çıkarıldı</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Aktarıcı sunucusu %1 bulunamadı</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>%1 aktarıcısı bu oyun için bir oda tutuyor</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>%1 aktarıcısı dolu: şu an bu oyun için oda tutmuyor</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>%1 aktarıcısı yanıt vermiyor; yeniden soruluyor</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>%1 aktarıcısında oda açılıyor…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Listelenmedi: herkese açık oyun bir aktarıcıda listelenir (Ağ menüsü, Aktarıcı sunucusu…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Bu oyun %1 üzerinde listeleniyor…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>%1 üzerinde herkese açık listelendi</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>%1 üzerinde listelenmedi: listesi dolu</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>%1 üzerinde listelenmedi: bu adresten yeterince oyun listeliyor</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>%1 üzerinde listelenmedi: bu oyunu başka bir adreste görüyor</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>%1 üzerinde listelenmedi</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Bu kopya oyununu çevrimiçi açtı: önce onu kapat</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Bu kopya zaten bir çevrimiçi oyuna katıldı</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>Çevrimiçi: 1 oyuncu katıldı</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>Çevrimiçi: %1 oyuncu katıldı</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>%1 oyununa katılınıyor…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>%1 oyununa katılındı</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>%1 oyununa katılındı, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>UDP bağlantı noktası %1 üzerinde çevrimiçi açık; uzaktan katılan kopyalar: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Yeni oyunculara kapalı.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>Çevrimiçi %1: gidiş-dönüş %2 ms, gelen datagram %3, giden %4; atılan: %5 bütçe aşımı, %6 sahte.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Geçitte atılan: %1 yabancılardan, %2 sahte, %3 bozuk, %4 çok uzun, %5 bütçe aşımı. Gönderilen çerez: %6; reddedilen kopya: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>%1 oyununa çevrimiçi katılındı: gidiş-dönüş %2 ms; %3 sahte datagram atıldı.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Oyun kolu</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Kılavuz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Sol çubuğa basış</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Sağ çubuğa basış</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Sol omuz tuşu</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Sağ omuz tuşu</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Yön tuşu yukarı</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Yön tuşu aşağı</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Yön tuşu sol</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Yön tuşu sağ</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Yönlendiriciden bağlantı noktasını yönlendirmesi isteniyor…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Bağlantı noktası yalnızca bu yönlendiricide yönlendirildi (%1, %2): önünde başka bir yönlendirici var (çift NAT), bu yüzden dışarıdaki arkadaşların bir aktarıcıya ihtiyacı var</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Yönlendirici bağlantı noktasını yönlendiriyor (%1): arkadaşlar bu oyuna %2 adresinden ulaşır</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Otomatik bağlantı noktası yönlendirme yok: bu ağın dışındaki arkadaşların bir aktarıcıya ya da yönlendirilmiş bir bağlantı noktasına ihtiyacı var</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>Aktarıcının UDP bağlantı noktası (varsayılan 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Aktarıcının tuttuğu en çok oda sayısı (varsayılan 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Aktarıcının listelediği en çok açık oyun sayısı (varsayılan 1000; 0 hiçbirini listelemez). Bir adres ya da bir IPv6 /64 en çok 4, bir /48 en çok 16 listeler.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port 1 ile 65535 arası bir UDP bağlantı noktası bekler</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms 1 ile 1000000 arası bir sayı bekler</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address 1 ile 1000000 arası bir sayı bekler</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games 0 ile 100000 arası bir sayı bekler</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 dk %2 sn</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Tekrar aç</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Oyuncular</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Başka dosya…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Lumivex tekrarları (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>bir Lumivex tekrarı değil</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>bir Lumivex tekrarı değil (başlığı kesik)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>bir Lumivex tekrarı değil (başlığı hasarlı)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>daha yeni bir Lumivex ile yapılmış bir tekrar (biçim sürümü %1; bu sürüm %2 okur)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>bir Lumivex tekrarı değil (biçim sürümü 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>bir tekrarın tutabileceğinden fazlasını tutuyor (%1 kayıt, %2 MiB datagram, toplam %3 MiB): oraya kadar oynar</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>bitiş işareti kesik</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>bitiş işareti hasarlı</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>bitiş işareti %1 kayıt sayıyor, bloklarda %2 var</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>bitiş işaretinden sonra baytlar var</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>%1. blok kesik</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>%1. blok bir blok değil</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>%1. blok olanaksız bir boyut bildiriyor</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>%1. blok denetimini geçemiyor</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>%1. blok kendi boyutuna açılmıyor</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>%1. blok bir kaydın ortasında bitiyor</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>%1. blok olanaksız uzunlukta bir kayıt içeriyor</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>%1. blok zamanda geri gidiyor</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>bitiş işareti olmadan bitiyor (kesik ya da program düzgün kapanmadı)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>okunamıyor: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Bu maç tekrar olarak tutulmuyor: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Oyuncu %1</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>%1 ready!</source>
        <translation>%1 hazır!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Yalnızca 7 kopya istemci olabilir</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Bir klavyede en fazla dört oyuncu</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 ayrıldı: yeri alındı</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 başka yerde alındı; %2 olarak sürüyor</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Sessiz</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Ses &amp;düzeyi</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>&amp;Sohbet ses düzeyi</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Lumivex</source>
        <translation>Lumivex hakkında</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Tüm ağ için ışık izleri</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Yardım:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>oyuncu kılavuzu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Add Local Player</source>
        <translation>Yerel oyuncu ekle</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Tuşları değiştir…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tuşlar:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, turbo için sol Shift</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 kaldır</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - Yardım</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>Yardım programın yanına kurulmamış.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Yardım için hiçbir web tarayıcısı açılamadı. Bu dosyayı bir tarayıcıyla aç:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Burada bir maç sürüyor: önce maçı sıfırla.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Burada bir maç sürüyor: önce maçtan ayrıl.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Tekrar aç</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 oynatılamıyor: bu Lumivex&apos;in okuyabildiği bir tekrar değil. (Ayrıntı: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Bilgisayar sürücüleri ekle ve Maçı başlat&apos;a bas ya da bu ağdaki arkadaşları bekle</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Maçta yer almak için İstemci kaydı&apos;na bas</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Lumivex kontrol paneli</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>İstemci</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Renk:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Arka plan:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>İstemci kaydı</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Bilgisayar:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Sürücü ekle</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Sürücü kaldır</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Telefondan oynamak için tara</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Çevrimiçi</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Maçı başlat</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Maçı sıfırla</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tümünü sıfırla</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Kalınlık:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Izgaraya hizala:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Hız:</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>Turbo:</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>Warp:</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>Karmaşıklık:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Maç:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Oyuncular:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Takım:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Sabit konum:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Çapraz:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Genişlik:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Yükseklik:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arena:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Adın, diğerlerinin gördüğü gibi</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Renk: izinin rengi; Varsayılan her yere kendi rengini verir</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Arka plan: bu panelin ve oyun penceresinin arka plan rengi</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Kalınlık: her izin genişliği, 1&apos;den (ince) 4&apos;e</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Izgaraya hizala: dönüşler yalnızca şerit ızgarasında yapılır, böylece izler hiç değmez</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Hız: 1 en hızlısı, 85 olağan tempo; büyük sayılar daha yavaş</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: sürücüler bir süre iki kat hızlı gitmek için yakıt yakabilir</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: arenadan bir kenardan çıkan sürücü diğerinden geri gelir</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Karmaşıklık: engeller; büyük sayılar daha çok ve daha küçük engel verir, 4 ya da daha az hiç</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Maç: bir oyuncunun ya da takımın maçı kazanmak için gereken puanı</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Oyuncular: maçta kaç sürücü olduğu, 2&apos;den 8&apos;e</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Takım: 4, 6 ya da 8 oyuncuyla sürücüler takım halinde sürer; yolda kalan son takım kazanır</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Sabit konum: her sürücü her turda aynı yerden başlar</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Çapraz: sürücüler çapraz da gidebilir (yalnızca ince izler)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Genişlik: arenanın piksel cinsinden genişliği</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Yükseklik: arenanın piksel cinsinden yüksekliği</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arena: sonraki maçta arenanın rengi</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Bilgisayar: sonraki bilgisayar sürücüsünün ne kadar iyi oynadığı</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>&amp;Tekrar aç…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Maç</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Bilgisayar sürücüsü ekle (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Yerel oyuncu ekle…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Bilgisayar sürücüsü kaldır</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Maçtan &amp;ayrıl</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Tuşlar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>İ&amp;çindekiler</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Güncellemeleri denetle…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex paket yöneticin ya da yükleyicin tarafından güncellenir; bu sürüm %1. Oyuncu kılavuzu sürümler bölümünde açılır.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - Güncellemeler</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Yazarın sayfasını ziyaret et…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex&apos;in kendi web sitesi yok: onun yerine onunla birlikte kurulan oyuncu kılavuzu açılır.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - Ana sayfa</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>Lumivex &amp;hakkında…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Simge durumuna küçült</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Gidiş-dönüş: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arena: arenanın rengi</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Renk: izinin rengi</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1, %3 ve %4 için &quot;%2&quot; tuşu: önce Ayarlar &gt; Tuşlar&apos;dan birine başka bir tuş ver.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Oyuncu %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>Yön için %1, turbo için %2</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>tuş yok</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>%1 rengi</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>belirlenmedi</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Kimse kazanmadı</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 kazandı</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Tur %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>bir oyuncu</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Lumivex tekrarı: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Lumivex tekrarı</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Hız (oyun penceresinde + ve -)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>&amp;Önceki tur</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Sonraki tur</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Bu tekrar hasarlı: %1 noktasına kadar oynar ve orada durur. (Ayrıntı: %2, %3. baytta.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Tur yeniden: yarım hız için -, diğer tuşlar geri döner</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>D&amp;uraklat</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Oynat</translation>
    </message>
</context>
<context>
    <name>frmVyre</name>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Simge durumuna küçült</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Sonraki tura geri sayım; sürücüler sürerken yeşil</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Turu yeniden izle (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Bir şey söyle; Enter gönderir, Esc iptal eder</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Çarptın</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Turu kazandın!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Oyuncu %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>%1 puanı</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Bu yerde kimse sürmüyor</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>%1 turbo yakıtı</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Bu oyun koluyla katılmak mı? Yeni yerel oyuncu olarak katılmak için üzerinde A&apos;ya bas</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Turu yeniden izle (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Yakınlaştırma</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Otomatik</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>En &amp;iyi sığdır</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Tam ekran</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Renkler</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Seçildiği gibi</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>&amp;Renk körü için güvenli</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>Sürücülerin yanında &amp;adlar</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>&amp;Oyun penceresini göster</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Duraklat</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>Turu &amp;yeniden izle</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>&amp;Kontrol panelini göster</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Maçtan &amp;ayrıl</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Sürdür</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Yukarı ve sağ</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Aşağı ve sağ</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Aşağı ve sol</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Yukarı ve sol</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Sohbet</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Turu yeniden izle</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>Sol %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Sağ %1</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
