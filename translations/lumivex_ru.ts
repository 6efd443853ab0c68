<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Скажите что-нибудь всем в игре и нажмите Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Заглушить %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: аренная игра со световыми следами для восьми игроков в одной локальной сети.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Сразу провести матч на N игроков (от 2 до 8): игрок 1 на автопилоте, остальные — сложные компьютерные гонщики; за каждым матчем следует новый.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Добавить при запуске K компьютерных гонщиков (от 1 до 7) последнего выбранного уровня.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Печатать строку в конце каждого раунда: раунд, хеш арены, как она нарисована здесь, и память этой программы.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Отправлять через сетевой интерфейс NAME в этом запуске, что бы ни говорило меню «Сеть».</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Хранить настройки в FILE вместо ~/.config/lumivex.ini (для нескольких копий на одном компьютере).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Без окон: отправить одну перекличку, слушать указанное далее число секунд (по умолчанию 2: --probe 5 слушает 5 с) и печатать строку на каждый ответ (место, имя, цвет, отправитель). Выход 0, если ответила другая копия, 1, если никто.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Открыть игру этой сети в интернете, на UDP-порту PORT, если следует число (иначе на последнем выбранном, сначала 31315), и напечатать ссылку, по которой входят друзья.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Присоединиться к сетевой игре по LINK (lumivex://...); «-» читает ссылку со стандартного ввода, где её не видят другие пользователи.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Работать как сервер-ретранслятор, без экрана и окон: игры, до которых друзья не могут достучаться напрямую, держат здесь комнату. Слушает UDP-порт 31316, если --port не указывает иное.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>С --open: держать комнату для игры на ретрансляторе HOST:PORT, чтобы друзья, не достающие до этого компьютера, входили через него.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>С --open и ретранслятором: выставить игру публично на ретрансляторе под именем NAME, чтобы любой мог найти её и войти.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Без окон: напечатать публичные игры из списка ретранслятора HOST[:PORT], по строке на каждую (имя, игроки, идёт или ждёт, ссылка). Выход 0; 1, если ретранслятор не ответил за 5 с; 2 при неверном адресе.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Сохранять каждую датаграмму, которую слышит эта копия, с её временем в файле записи FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Смотреть запись FILE (также: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Прогнать запись FILE как можно быстрее, без окон, и напечатать исход каждого раунда и хеш его арены. Выход 0; 1, если файл повреждён; 2, если это не запись.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Пускать браузеры этой сети: отдавать страницу на TCP-порту PORT, если следует число (иначе на последнем выбранном, сначала 31317), и напечатать её адрес.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>С --open: не просить маршрутизатор пробросить порт.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 ожидает %2-порт от 1 до 65535, а не «%3»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe ожидает число секунд, а не «%1»</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>ссылка открывается одна; чтобы войти с параметрами, используйте --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>это не ссылка Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>файл записи открывается один; чтобы смотреть его с параметрами, используйте --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open и --join исключают друг друга</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port идёт вместе с --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay работает один, без --open, --join и --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server идёт вместе с --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server ожидает HOST:PORT, а не «%1»</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public идёт вместе с --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public ожидает имя, под которым выставить игру</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games ожидает HOST или HOST:PORT, а не «%1»</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record ожидает имя файла</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 существует и не является записью Lumivex: он остаётся как есть</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>запись смотрят отдельно, без --open, --join, --relay, --record, --demo и --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>нет сетевого интерфейса «%1»; есть: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config ожидает имя файла</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo ожидает число игроков от 2 до 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders ожидает число от 1 до 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>нет экрана: задайте DISPLAY или используйте --probe, которому экран не нужен</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>не удалось открыть игру в интернете: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>браузеры не могут присоединиться: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>ретранслятор не ответил за %1 с</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>UDP-порт %1 недоступен (%2)</translation>
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
        <translation>Игрок 1 (вы)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Локальный игрок %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Нажмите кнопку геймпада для «%1».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Клавиши по умолчанию возвращены.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Нажмите клавишу для «%1».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 уже назначена на «%2».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 уже назначена на «%2» у %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Нажмите клавишу…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Стик, крестовина</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Стик</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Нажмите кнопку…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Никто не победил!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 побеждает!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 выигрывает матч!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Игра на паузе!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Игра продолжается!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>Хост покинул матч</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Нет клиента 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Ни одна другая копия Lumivex не ответила %1 (группа %2, UDP-порт %3). Другие компьютеры должны быть в той же сети, а брандмауэр должен пропускать UDP-порт %3 и группу %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>здесь</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Нет сети: порт %1 недоступен (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Нет сети: не удаётся войти в группу игры (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 нет: отправка выбирается автоматически</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Снова отправка через %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Отправка через %1 в группу %2, UDP-порт %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>никуда</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Группа подключена на %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Группа НЕ подключена на %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Датаграмм отправлено: %1; получено: %2, из них отброшено как повреждённые: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Отброшено, потому что отправитель слал слишком много: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Отброшено без чтения как не из этой сети (отправлено только этому компьютеру или из-за маршрутизатора): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Эта копия слышит свои датаграммы (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Эта копия НЕ слышит свои датаграммы.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>От %1: %2 датаграмм, последняя в %3.</translation>
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
        <translation>Браузеры не могут присоединиться: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Играть с телефона</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Телефон, планшет или компьютер в этой сети играет здесь, ничего не устанавливая: отсканируйте код или откройте адрес в браузере. Каждый браузер занимает место этой копии.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Браузеров в игре: %1 из %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Браузеры больше не могут присоединиться.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Освобождает места всех браузеров и перестаёт отдавать страницу</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Найти игры в сети</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Ретрансляторы для запроса (ХОСТ:ПОРТ, через запятую):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Войти</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>идёт игра</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидание</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>Публичных игр: %1, от %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>Публичных игр: %1, от %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Нет ретранслятора для запроса. У Lumivex нет своего сервера списков: добавьте выше ретрансляторы, которые публикуют игры (спросите друзей или запустите свой с lumivex-relay), или выберите один в меню Сеть &gt; Сервер-ретранслятор.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>нет такого хоста</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Сеть</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Показать &amp;ссылку…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Игроки в сети…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Закрыть сетевую игру</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Открыть игру в сети…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Покинуть сетевую игру</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Присоединиться к сетевой игре…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Найти игры в сети…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Сервер-&amp;ретранслятор…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Пустить &amp;браузеры…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Диагностика…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Сеть: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; ни одна другая копия Lumivex не ответила</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Вы здесь один.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Сразитесь с компьютерными гонщиками, откройте игру в сети для друзей издалека или дождитесь друзей в этой сети.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Добавить компьютерных гонщиков</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Открыть игру в сети…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Ждать друзей в этой сети</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Диагностика сети</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex — сеть</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Сервер-ретранслятор</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Игры, открытые в сети, держат также комнату на этом ретрансляторе — для друзей, которые не могут напрямую достучаться до этого компьютера.
ХОСТ:ПОРТ или пусто, если не нужен (у Lumivex нет публичного ретранслятора):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Ретранслятор будет использован со следующего открытия игры в сети.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Открыть игру в сети</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Друзья издалека присоединяются по ссылке, которую следующее окно даст вам для отправки.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Публиковать игру под именем:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>на ретрансляторе (ХОСТ:ПОРТ):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Дополнительно</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP-порт:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Публичной игре нужно имя, под которым её видно в списке.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Публичная игра публикуется на ретрансляторе: «%1» — не ХОСТ:ПОРТ, например relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Не удалось открыть игру в сети: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Игра в сети</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Друзья присоединяются по этой ссылке (Сеть &gt; Присоединиться к сетевой игре). В ней ключ игры: давайте её только тем, с кем играете.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Адрес, доступный друзьям:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>этот компьютер</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>У этого компьютера только адреса его собственной сети, поэтому друзья издалека до него не достучатся: ссылка работает только в этой сети.
Что поможет: ретранслятор (Сеть &gt; Сервер-ретранслятор…), проброс UDP-порта %1 на маршрутизаторе на этот компьютер (%2) или VPN, объединяющая вас с друзьями в одну сеть.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Присоединиться к сетевой игре</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Ссылка от друга (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Ссылка неполная: скопируйте её целиком ещё раз у того, кто её прислал, и вставьте сюда. (Подробно: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Это не ссылка Lumivex: ссылка игры начинается с lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Игроки в сети</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Копии, присоединившиеся к игре издалека. «Выгнать» удаляет копию и не пускает её адрес %1 минут; «Забанить» не пускает, пока игра открыта.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Закрыть для новых игроков</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;Выгнать</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Забанить</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Эта сетевая игра закрыта для новых игроков</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Эта сетевая игра снова открыта для новых игроков</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Выгнать %1 из сетевой игры</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Забанить %1 в сетевой игре</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Копия без гонщика</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) забанен в этой сетевой игре</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) удалён из этой сетевой игры на %3 мин</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>У ретранслятора %1 нет такой игры: её закрыли или ссылка устарела</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Ретранслятор %1 не пустил эту копию</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Ретранслятор %1 не ответил</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>Сетевая игра по адресу %1 не ответила</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>Сетевая игра по адресу %1 не приняла ключ ссылки</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (ретранслятор)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Нет сети: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>Адрес сетевой игры %1 не найден</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>Адрес ретранслятора %1 не найден</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>Сетевая игра заполнена: в ней уже %1 игроков издалека</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>Хост удалил вас из сетевой игры</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>Сетевая игра закрыта для новых игроков</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>Сетевая игра не пустила эту копию</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Соединение с сетевой игрой потеряно</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Эта копия в сетевой игре: сначала покиньте её</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Сетевая игра недоступна: нет источника случайности</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Нет сети: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>Копия по адресу %1 забанена в этой сетевой игре</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>Копия по адресу %1 удалена из этой сетевой игры на %2 мин</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Сервер-ретранслятор %1 не найден</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Ретранслятор %1 держит комнату для этой игры</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Ретранслятор %1 заполнен: сейчас он не держит комнату для этой игры</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Ретранслятор %1 не отвечает; повторный запрос</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Открывается комната на ретрансляторе %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Не опубликована: публичная игра публикуется на ретрансляторе (меню Сеть, Сервер-ретранслятор…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Игра публикуется на %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Опубликована на %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Не опубликована на %1: список заполнен</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Не опубликована на %1: с этого адреса уже достаточно игр</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Не опубликована на %1: он видит эту игру по другому адресу</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Не опубликована на %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Эта копия открыла свою игру в сети: сначала закройте её</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Эта копия уже в сетевой игре</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>В сети: присоединился 1 игрок</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>В сети: присоединилось игроков: %1</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Подключено к %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Подключено к %1, %2 мс</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Открыта в сети на UDP-порту %1; копий издалека: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Закрыта для новых игроков.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>В сети %1: задержка %2 мс, датаграмм вход %3, выход %4; отброшено: %5 сверх лимита, %6 поддельных.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Отброшено шлюзом: %1 от чужих, %2 поддельных, %3 повреждённых, %4 слишком длинных, %5 сверх лимита. Cookie отправлено: %6; копий отклонено: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Подключено к %1 в сети: задержка %2 мс; поддельных датаграмм отброшено: %3.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Игровой контроллер</translation>
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
        <translation>Нажатие левого стика</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Нажатие правого стика</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Левый бампер</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Правый бампер</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Крестовина вверх</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Крестовина вниз</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Крестовина влево</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Крестовина вправо</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Маршрутизатор просят пробросить порт…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Порт проброшен только на этом маршрутизаторе (%1, %2): перед ним стоит ещё один (двойной NAT), так что друзьям снаружи нужен ретранслятор</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Маршрутизатор пробрасывает порт (%1): друзья попадают в эту игру по адресу %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Нет автоматического проброса порта: друзьям вне этой сети нужен ретранслятор или проброшенный порт</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>UDP-порт ретранслятора (по умолчанию 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Наибольшее число комнат, которые держит ретранслятор (по умолчанию 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Наибольшее число публичных игр в списке ретранслятора (по умолчанию 1000; 0 — ни одной). Один адрес или одна сеть IPv6 /64 — не более 4, одна /48 — не более 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port ожидает UDP-порт от 1 до 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms ожидает число от 1 до 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address ожидает число от 1 до 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games ожидает число от 0 до 100000</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Открыть запись</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Другой файл…</translation>
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
        <translation>не запись Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>не запись Lumivex (её заголовок обрезан)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>не запись Lumivex (её заголовок повреждён)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>запись сделана более новым Lumivex (версия формата %1; этот читает %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>не запись Lumivex (версия формата 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>в ней больше, чем может быть в записи (%1 записей, %2 МиБ датаграмм, %3 МиБ всего): она воспроизводится до этого места</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>её метка конца обрезана</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>её метка конца повреждена</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>её метка конца насчитывает %1 записей, в блоках их %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>после её метки конца идут байты</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>блок %1 обрезан</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>блок %1 — не блок</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>блок %1 заявляет невозможный размер</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>блок %1 не проходит проверку</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>блок %1 не распаковывается до своего размера</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>блок %1 кончается посреди записи</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>блок %1 содержит запись невозможной длины</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>блок %1 идёт назад во времени</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>она кончается без метки конца (обрезана, или программа завершилась некорректно)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Этот матч не сохраняется как запись: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
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
        <translation>%1 готов!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Клиентами могут быть только 7 копий</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Не больше четырёх игроков за одной клавиатурой</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 ушёл: его место заняли</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 заняли в другом месте; он едет как %2</translation>
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
        <translation>&amp;Без звука</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Громкость</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Громкость &amp;чата</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
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
        <translation>О программе Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Световые следы для всей сети</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Справка:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>руководство игрока</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>Добавить локального игрока</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Изменить клавиши…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Клавиши:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, левый Shift — турбо</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Удалить %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex — справка</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>Справка не установлена рядом с программой.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Не удалось открыть браузер для справки. Откройте этот файл в браузере:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Здесь идёт матч: сначала сбросьте матч.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Здесь идёт матч: сначала покиньте матч.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Открыть запись</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 нельзя воспроизвести: это не запись, которую понимает этот Lumivex. (Подробно: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Добавьте компьютерных гонщиков и нажмите «Начать матч» или дождитесь друзей в этой сети</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Нажмите «Регистрация клиента», чтобы занять место в матче</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Пульт Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общее</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Фон:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Регистрация клиента</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Компьютер:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Добавить гонщика</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Убрать гонщика</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Отсканируйте, чтобы играть с телефона</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex — сеть</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Начать матч</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Сбросить матч</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Сбросить всё</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Толщина:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>По сетке:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
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
        <translation>Сложность:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Матч:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Игроки:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Старт на месте:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Диагонали:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Арена:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Ваше имя, как его видят другие</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Цвет: цвет вашего следа; «По умолчанию» даёт каждому месту свой</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Фон: цвет фона этого пульта и окна игры</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Толщина: ширина каждого следа, от 1 (тонкий) до 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>По сетке: повороты только по сетке дорожек, поэтому следы никогда не касаются</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Скорость: 1 — быстрее всего, 85 — обычный темп; большие числа медленнее</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Турбо: гонщики могут жечь топливо, чтобы какое-то время ехать вдвое быстрее</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Варп: гонщик, покинувший арену у одного края, возвращается у другого</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Сложность: препятствия; чем больше число, тем их больше и они мельче, 4 и меньше — без них</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Матч: очки, которые игрок или команда должны набрать для победы в матче</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Игроки: сколько гонщиков в матче, от 2 до 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Команды: при 4, 6 или 8 игроках гонщики едут командами; побеждает последняя команда на трассе</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Старт на месте: каждый гонщик стартует с одного места каждый раунд</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Диагонали: гонщики могут ехать и по диагонали (только тонкие следы)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Ширина: ширина арены в пикселях</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Высота: высота арены в пикселях</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Арена: цвет арены в следующем матче</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Компьютер: насколько хорошо играет следующий компьютерный гонщик</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Открыть &amp;запись…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Матч</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Добавить компьютерного гонщика (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Добавить локального игрока…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Убрать компьютерного гонщика</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Покинуть матч</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Клавиши…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Проверить обновления…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex обновляется менеджером пакетов или установщиком; это версия %1. Руководство игрока откроется на разделе о версиях.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex — обновления</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Посетить страницу автора…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>У Lumivex нет своего сайта: вместо него откроется руководство игрока, установленное вместе с игрой.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex — сайт</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;О программе Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Задержка: %1 мс</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Арена: цвет арены</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Цвет: цвет вашего следа</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 назначена на «%2» у %3 и у %4: сначала дайте одному из них другую клавишу в Настройки &gt; Клавиши.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 — руль, %2 — турбо</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>нет клавиши</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Цвет для %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>не решён</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Никто не победил</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>Побеждает %1</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Раунд %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>игрок</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Запись Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Запись Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Скорость (+ и - в окне игры)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>&amp;Предыдущий раунд</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Следующий раунд</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Запись повреждена: она воспроизводится до %1 и останавливается. (Подробно: %2, байт %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Раунд ещё раз: - — половинная скорость, другие клавиши — назад</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
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
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Отсчёт до следующего раунда; зелёный, пока гонщики едут</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Посмотреть раунд ещё раз (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Скажите что-нибудь; Enter — отправить, Esc — отмена</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Вы разбились</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Вы выиграли раунд!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Игрок %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>На этом месте никто не едет</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Турботопливо: %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Играть с этим геймпадом? Нажмите на нём A, чтобы войти новым локальным игроком</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Посмотреть раунд ещё раз (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
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
        <translation>&amp;Крупнее</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Мельче</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;По размеру</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Во весь экран</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Цвета</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Как выбраны</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>&amp;Для дальтоников</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Имена у гонщиков</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Показать окно &amp;игры</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Посмотреть раунд ещё раз</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Показать &amp;пульт</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Покинуть матч</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Продолжить</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Вверх и вправо</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Вниз и вправо</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Вниз и влево</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Вверх и влево</translation>
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
        <translation>Посмотреть раунд ещё раз</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>Левый %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Правый %1</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
