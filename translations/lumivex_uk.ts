<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Скажіть щось усім у грі й натисніть Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Заглушити %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: аренна гра зі світловими слідами для восьми гравців в одній локальній мережі.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Одразу провести матч на N гравців (від 2 до 8): гравець 1 на автопілоті, решта — складні комп&apos;ютерні гонщики; за кожним матчем іде новий.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Додати під час запуску K комп&apos;ютерних гонщиків (від 1 до 7) останнього вибраного рівня.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Друкувати рядок наприкінці кожного раунду: раунд, геш арени, як її намальовано тут, і пам&apos;ять цієї програми.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Надсилати через мережевий інтерфейс NAME у цьому запуску, хоч би що казало меню «Мережа».</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Зберігати налаштування у FILE замість ~/.config/lumivex.ini (для кількох копій на одному комп&apos;ютері).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Без вікон: надіслати одну перекличку, слухати вказану далі кількість секунд (типово 2: --probe 5 слухає 5 с) і друкувати рядок на кожну відповідь (місце, ім&apos;я, колір, відправник). Вихід 0, якщо відповіла інша копія, 1, якщо жодна.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Відкрити гру цієї мережі в інтернеті, на UDP-порту PORT, якщо далі йде число (інакше на останньому вибраному, спершу 31315), і надрукувати посилання, яким входять друзі.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Приєднатися до мережевої гри за LINK (lumivex://...); «-» читає посилання зі стандартного вводу, де його не бачать інші користувачі.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Працювати як сервер-ретранслятор, без екрана й вікон: ігри, до яких друзі не можуть дістатися напряму, тримають тут кімнату. Слухає UDP-порт 31316, якщо --port не каже інакше.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>З --open: тримати кімнату для гри на ретрансляторі HOST:PORT, щоб друзі, які не дістаються до цього комп&apos;ютера, входили через нього.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>З --open і ретранслятором: виставити гру публічно на ретрансляторі як NAME, щоб будь-хто міг її знайти й увійти.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Без вікон: надрукувати публічні ігри зі списку ретранслятора HOST[:PORT], по рядку на кожну (назва, гравці, іде чи чекає, посилання). Вихід 0; 1, якщо ретранслятор не відповів за 5 с; 2 для хибної адреси.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Зберігати кожну датаграму, яку чує ця копія, з її часом у файлі запису FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Дивитися запис FILE (також: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Прогнати запис FILE якомога швидше, без вікон, і надрукувати наслідок кожного раунду та геш його арени. Вихід 0; 1, якщо файл пошкоджено; 2, якщо це не запис.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Пускати браузери цієї мережі: віддавати сторінку на TCP-порту PORT, якщо далі йде число (інакше на останньому вибраному, спершу 31317), і надрукувати її адресу.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>З --open: не просити маршрутизатор переспрямувати порт.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 очікує %2-порт від 1 до 65535, а не «%3»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неочікуваний аргумент «%1»</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe очікує кількість секунд, а не «%1»</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>посилання відкривається саме; щоб увійти з параметрами, використайте --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>це не посилання Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>файл запису відкривається сам; щоб дивитися його з параметрами, використайте --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open і --join виключають одне одного</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port іде разом із --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay працює сам, без --open, --join і --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server іде разом із --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server очікує HOST:PORT, а не «%1»</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public іде разом із --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public очікує назву, під якою виставити гру</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games очікує HOST або HOST:PORT, а не «%1»</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record очікує назву файлу</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 існує і не є записом Lumivex: він лишається як є</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>запис дивляться окремо, без --open, --join, --relay, --record, --demo і --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>немає мережевого інтерфейсу «%1»; є: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config очікує назву файлу</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo очікує кількість гравців від 2 до 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders очікує число від 1 до 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>немає екрана: задайте DISPLAY або використайте --probe, якому екран не потрібен</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>не вдалося відкрити гру в інтернеті: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>браузери не можуть приєднатися: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>ретранслятор не відповів за %1 с</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>UDP-порт %1 недоступний (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 через ретранслятор</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Гравець 1 (ви)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Локальний гравець %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Натисніть кнопку геймпада для «%1».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Клавіші за замовчуванням повернуто.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Натисніть клавішу для «%1».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 уже призначено на «%2».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 уже призначено на «%2» для %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Натисніть клавішу…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Стік, хрестовина</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Стік</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Натисніть кнопку…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Ніхто не переміг!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 перемагає!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 виграє матч!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Гру призупинено!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Гра триває!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>Хост покинув матч</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Немає клієнта 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Увага!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Жодна інша копія Lumivex не відповіла %1 (група %2, UDP-порт %3). Інші комп&apos;ютери мають бути в тій самій мережі, а брандмауер має пропускати UDP-порт %3 і групу %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>тут</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Немає мережі: порт %1 недоступний (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Немає мережі: не вдається увійти до групи гри (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 немає: надсилання обирається автоматично</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Знову надсилання через %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Надсилання через %1 до групи %2, UDP-порт %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>нікуди</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Групу під&apos;єднано на %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Групу НЕ під&apos;єднано на %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Датаграм надіслано: %1; отримано: %2, з них відкинуто як пошкоджені: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Відкинуто, бо відправник надсилав забагато: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Відкинуто без читання як не з цієї мережі (надіслано лише цьому комп&apos;ютеру або з-за маршрутизатора): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Ця копія чує свої датаграми (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Ця копія НЕ чує своїх датаграм.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>Від %1: %2 датаграм, остання о %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>на %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Браузери не можуть приєднатися: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Грати з телефона</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Телефон, планшет чи комп&apos;ютер у цій мережі грає тут без встановлення: скануйте код або відкрийте адресу в браузері. Кожен браузер займає місце цієї копії.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Браузерів у грі: %1 з %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Браузери більше не можуть приєднатися.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Зупинити</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Звільняє місця всіх браузерів і перестає віддавати сторінку</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Знайти ігри в мережі</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Ретранслятори для запиту (ХОСТ:ПОРТ, через кому):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Увійти</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>йде гра</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>очікування</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>Публічних ігор: %1, від %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>Публічних ігор: %1, від %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Немає ретранслятора для запиту. Lumivex не має власного сервера списків: додайте вище ретранслятори, що публікують ігри (запитайте друзів або запустіть свій із lumivex-relay), або оберіть один у меню Мережа &gt; Сервер-ретранслятор.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>немає такого хоста</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Мережа</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Показати &amp;посилання…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Гравці в мережі…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Закрити мережеву гру</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Відкрити гру в мережі…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Покинути мережеву гру</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Приєднатися до мережевої гри…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Знайти ігри в мережі…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Сервер-&amp;ретранслятор…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Пустити &amp;браузери…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Діагностика…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Мережа: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; жодна інша копія Lumivex не відповіла</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Ви тут самі.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Позмагайтеся з комп&apos;ютерними гонщиками, відкрийте гру в мережі для друзів здалеку або дочекайтеся друзів у цій мережі.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Додати комп&apos;ютерних гонщиків</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Відкрити гру в мережі…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Чекати на друзів у цій мережі</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Діагностика мережі</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex — мережа</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Сервер-ретранслятор</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Ігри, відкриті в мережі, тримають також кімнату на цьому ретрансляторі — для друзів, які не можуть напряму дістатися до цього комп&apos;ютера.
ХОСТ:ПОРТ або порожньо, якщо не потрібен (Lumivex не має публічного ретранслятора):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Ретранслятор буде використано з наступного відкриття гри в мережі.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Відкрити гру в мережі</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Друзі здалеку приєднуються за посиланням, яке наступне вікно дасть вам для надсилання.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Публікувати гру під назвою:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>на ретрансляторі (ХОСТ:ПОРТ):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Додатково</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP-порт:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Публічній грі потрібна назва, під якою її видно в списку.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Публічна гра публікується на ретрансляторі: «%1» — не ХОСТ:ПОРТ, наприклад relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Не вдалося відкрити гру в мережі: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Гра в мережі</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Друзі приєднуються за цим посиланням (Мережа &gt; Приєднатися до мережевої гри). У ньому ключ гри: давайте його лише тим, з ким граєте.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Адреса, доступна друзям:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>цей комп&apos;ютер</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Цей комп&apos;ютер має лише адреси власної мережі, тож друзі здалеку до нього не дістануться: посилання працює лише в цій мережі.
Що допоможе: ретранслятор (Мережа &gt; Сервер-ретранслятор…), переадресація UDP-порту %1 на маршрутизаторі до цього комп&apos;ютера (%2) або VPN, що об&apos;єднує вас із друзями в одну мережу.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Приєднатися до мережевої гри</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Посилання від друга (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Посилання неповне: скопіюйте його повністю ще раз у того, хто його надіслав, і вставте сюди. (Докладно: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Це не посилання Lumivex: посилання гри починається з lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Гравці в мережі</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Копії, що приєдналися до гри здалеку. «Вигнати» вилучає копію й не пускає її адресу %1 хв; «Заблокувати» не пускає, доки гра відкрита.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Вхід</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Закрити для нових гравців</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;Вигнати</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>За&amp;блокувати</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Цю мережеву гру закрито для нових гравців</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Цю мережеву гру знову відкрито для нових гравців</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Вигнати %1 з мережевої гри</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Заблокувати %1 у мережевій грі</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Копія без гонщика</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) заблоковано в цій мережевій грі</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) вилучено з цієї мережевої гри на %3 хв</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>Ретранслятор %1 не має такої гри: її закрили або посилання застаріле</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Ретранслятор %1 не пустив цю копію</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Ретранслятор %1 не відповів</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>Мережева гра за адресою %1 не відповіла</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>Мережева гра за адресою %1 не прийняла ключ посилання</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (ретранслятор)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Немає мережі: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>Адресу мережевої гри %1 не знайдено</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>Адресу ретранслятора %1 не знайдено</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>Мережева гра заповнена: у ній уже %1 гравців здалеку</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>Хост вилучив вас із мережевої гри</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>Мережеву гру закрито для нових гравців</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>Мережева гра не пустила цю копію</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>З&apos;єднання з мережевою грою втрачено</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Ця копія в мережевій грі: спершу покиньте її</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Мережева гра недоступна: немає джерела випадковості</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Немає мережі: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>Копію за адресою %1 заблоковано в цій мережевій грі</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>Копію за адресою %1 вилучено з цієї мережевої гри на %2 хв</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Сервер-ретранслятор %1 не знайдено</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Ретранслятор %1 тримає кімнату для цієї гри</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Ретранслятор %1 заповнений: зараз він не тримає кімнату для цієї гри</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Ретранслятор %1 не відповідає; повторний запит</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Відкривається кімната на ретрансляторі %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Не опубліковано: публічна гра публікується на ретрансляторі (меню Мережа, Сервер-ретранслятор…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Гра публікується на %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Опубліковано на %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Не опубліковано на %1: список заповнений</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Не опубліковано на %1: з цієї адреси вже досить ігор</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Не опубліковано на %1: він бачить цю гру за іншою адресою</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Не опубліковано на %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Ця копія відкрила свою гру в мережі: спершу закрийте її</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Ця копія вже в мережевій грі</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>У мережі: приєднався 1 гравець</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>У мережі: приєдналося гравців: %1</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Підключення до %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Підключено до %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Підключено до %1, %2 мс</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Відкрито в мережі на UDP-порту %1; копій здалеку: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Закрито для нових гравців.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>У мережі %1: затримка %2 мс, датаграм вхід %3, вихід %4; відкинуто: %5 понад ліміт, %6 підроблених.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Відкинуто шлюзом: %1 від чужих, %2 підроблених, %3 пошкоджених, %4 задовгих, %5 понад ліміт. Cookie надіслано: %6; копій відхилено: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Підключено до %1 у мережі: затримка %2 мс; підроблених датаграм відкинуто: %3.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Ігровий контролер</translation>
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
        <translation>Назад</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Натискання лівого стіка</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Натискання правого стіка</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Лівий бампер</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Правий бампер</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Хрестовина вгору</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Хрестовина вниз</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Хрестовина ліворуч</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Хрестовина праворуч</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Маршрутизатор просять переадресувати порт…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Порт переадресовано лише на цьому маршрутизаторі (%1, %2): перед ним стоїть ще один (подвійний NAT), тож друзям ззовні потрібен ретранслятор</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Маршрутизатор переадресовує порт (%1): друзі потрапляють у цю гру за адресою %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Немає автоматичної переадресації порту: друзям поза цією мережею потрібен ретранслятор або переадресований порт</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>UDP-порт ретранслятора (типово 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Найбільше кімнат, які тримає ретранслятор (типово 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Найбільше публічних ігор у списку ретранслятора (типово 1000; 0 — жодної). Одна адреса чи одна мережа IPv6 /64 — щонайбільше 4, одна /48 — щонайбільше 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port очікує UDP-порт від 1 до 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms очікує число від 1 до 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address очікує число від 1 до 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games очікує число від 0 до 100000</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 хв %2 с</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Відкрити запис</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Гравці</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Інший файл…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Записи Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>не запис Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>не запис Lumivex (його заголовок обрізано)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>не запис Lumivex (його заголовок пошкоджено)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>запис зроблено новішим Lumivex (версія формату %1; цей читає %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>не запис Lumivex (версія формату 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>у ньому більше, ніж може бути в записі (%1 записів, %2 МіБ датаграм, %3 МіБ загалом): він відтворюється до цього місця</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>його мітку кінця обрізано</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>його мітку кінця пошкоджено</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>його мітка кінця налічує %1 записів, блоки містять %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>після його мітки кінця йдуть байти</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>блок %1 обрізано</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>блок %1 — не блок</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>блок %1 заявляє неможливий розмір</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>блок %1 не проходить перевірку</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>блок %1 не розпаковується до свого розміру</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>блок %1 закінчується посеред запису</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>блок %1 містить запис неможливої довжини</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>блок %1 іде назад у часі</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>він закінчується без мітки кінця (обрізаний, або програма завершилася некоректно)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не вдається прочитати: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>не вдається записати %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Цей матч не зберігається як запис: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
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
        <translation>%1 готовий!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Клієнтами можуть бути лише 7 копій</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Не більше чотирьох гравців за однією клавіатурою</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 пішов: його місце зайняли</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 зайняли в іншому місці; він їде як %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Без звуку</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Гучність</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Гучність &amp;чату</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
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
        <translation>Про Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Світлові сліди для всієї мережі</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Довідка:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>посібник гравця</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
        <translation>Додати локального гравця</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Змінити клавіші…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Клавіші:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, лівий Shift — турбо</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Вилучити %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex — довідка</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>Довідку не встановлено поруч із програмою.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Не вдалося відкрити браузер для довідки. Відкрийте цей файл у браузері:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Тут іде матч: спершу скиньте матч.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Тут іде матч: спершу покиньте матч.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Відкрити запис</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 не можна відтворити: це не запис, який розуміє цей Lumivex. (Докладно: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Додайте комп&apos;ютерних гонщиків і натисніть «Почати матч» або дочекайтеся друзів у цій мережі</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Натисніть «Реєстрація клієнта», щоб зайняти місце в матчі</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Пульт Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Загальне</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Колір:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Тло:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Реєстрація клієнта</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Комп&apos;ютер:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Додати гонщика</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Прибрати гонщика</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Скануйте, щоб грати з телефона</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex — мережа</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Почати матч</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Скинути матч</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Скинути все</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Товщина:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>По сітці:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>Турбо:</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>Варп:</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>Складність:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Матч:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Гравці:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Команди:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Старт на місці:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Діагоналі:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Висота:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Арена:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Ваше ім&apos;я, як його бачать інші</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Колір: колір вашого сліду; «За замовчуванням» дає кожному місцю свій</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Тло: колір тла цього пульта й вікна гри</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Товщина: ширина кожного сліду, від 1 (тонкий) до 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>По сітці: повороти лише по сітці доріжок, тому сліди ніколи не торкаються</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Швидкість: 1 — найшвидше, 85 — звичайний темп; більші числа повільніші</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Турбо: гонщики можуть палити пальне, щоб якийсь час їхати вдвічі швидше</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Варп: гонщик, що покинув арену біля одного краю, повертається біля іншого</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Складність: перешкоди; що більше число, то їх більше і вони дрібніші, 4 і менше — без них</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Матч: очки, які гравець чи команда мають набрати для перемоги в матчі</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Гравці: скільки гонщиків у матчі, від 2 до 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Команди: при 4, 6 чи 8 гравцях гонщики їдуть командами; перемагає остання команда на трасі</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Старт на місці: кожен гонщик стартує з того самого місця кожного раунду</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Діагоналі: гонщики можуть їхати й по діагоналі (лише тонкі сліди)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Ширина: ширина арени в пікселях</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Висота: висота арени в пікселях</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Арена: колір арени в наступному матчі</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Комп&apos;ютер: наскільки добре грає наступний комп&apos;ютерний гонщик</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Звичайний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Відкрити &amp;запис…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Матч</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Додати комп&apos;ютерного гонщика (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Додати локального гравця…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Прибрати комп&apos;ютерного гонщика</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Покинути матч</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Клавіші…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Перевірити оновлення…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex оновлюється менеджером пакетів або інсталятором; це версія %1. Посібник гравця відкриється на розділі про версії.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex — оновлення</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Відвідати сторінку автора…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex не має власного сайту: замість нього відкриється посібник гравця, встановлений разом із грою.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex — сайт</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;Про Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Згорнути</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Затримка: %1 мс</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Тло</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Арена: колір арени</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Колір: колір вашого сліду</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 призначено на «%2» для %3 і для %4: спершу дайте одному з них іншу клавішу в Налаштування &gt; Клавіші.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 — кермо, %2 — турбо</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>немає клавіші</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Колір для %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Як у системі</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>не вирішено</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Ніхто не переміг</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>Перемагає %1</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Раунд %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>гравець</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Запис Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Запис Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Швидкість (+ і - у вікні гри)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>&amp;Попередній раунд</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Наступний раунд</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Запис пошкоджено: він відтворюється до %1 і зупиняється. (Докладно: %2, байт %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Раунд ще раз: - — половинна швидкість, інші клавіші — назад</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Відтворити</translation>
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
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Згорнути</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Відлік до наступного раунду; зелений, поки гонщики їдуть</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Переглянути раунд ще раз (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Скажіть щось; Enter — надіслати, Esc — скасувати</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Ви розбилися</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Ви виграли раунд!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Гравець %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>На цьому місці ніхто не їде</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Турбопальне: %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Грати з цим геймпадом? Натисніть на ньому A, щоб увійти новим локальним гравцем</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Переглянути раунд ще раз (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ви</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Авто</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Більше</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Менше</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;За розміром</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;На весь екран</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Кольори</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Як обрано</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>&amp;Для дальтоніків</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Імена біля гонщиків</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Показати вікно &amp;гри</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Переглянути раунд ще раз</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Показати &amp;пульт</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Покинути матч</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Продовжити</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Вгору й праворуч</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Вниз і праворуч</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Вниз і ліворуч</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Вгору й ліворуч</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Турбо</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Переглянути раунд ще раз</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>Лівий %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Правий %1</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
