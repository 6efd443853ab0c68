<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Czat</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Powiedz coś wszystkim w grze i naciśnij Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Wycisz %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: gra zręcznościowa na arenie ze świetlnymi śladami dla maksymalnie ośmiu graczy w jednej sieci lokalnej.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Od razu poprowadź mecz N graczy (od 2 do 8): gracz 1 na autopilocie, pozostali to trudni kierowcy komputerowi; po każdym meczu następuje nowy.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Dodaj przy starcie K kierowców komputerowych (od 1 do 7) ostatnio wybranego poziomu.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Wypisz wiersz na końcu każdej rundy: rundę, skrót areny narysowanej tutaj i pamięć tego programu.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>W tym uruchomieniu wysyłaj przez interfejs sieciowy NAME, niezależnie od menu Sieć.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Trzymaj ustawienia w FILE zamiast w ~/.config/lumivex.ini (dla kilku kopii na jednym komputerze).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Bez okna: wyślij jedno wywołanie, nasłuchuj przez podaną dalej liczbę sekund (domyślnie 2: --probe 5 nasłuchuje 5 s) i wypisz wiersz na odpowiedź (miejsce, nazwa, kolor, nadawca). Kończy z 0, gdy odpowiedziała inna kopia, z 1, gdy żadna.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Otwórz grę tej sieci online, na porcie UDP PORT, jeśli następuje liczba (inaczej na ostatnio wybranym, początkowo 31315), i wypisz link, którym dołączają znajomi.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Dołącz do gry online z LINK (lumivex://...); „-” czyta link ze standardowego wejścia, gdzie inni użytkownicy go nie widzą.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Działaj jako serwer przekaźnika, bez ekranu i bez okien: gry, do których znajomi nie docierają bezpośrednio, trzymają tu pokój. Nasłuchuje na porcie UDP 31316, chyba że --port mówi inaczej.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Z --open: trzymaj pokój dla gry na przekaźniku HOST:PORT, aby znajomi, którzy nie docierają do tego komputera, dołączali przez niego.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Z --open i przekaźnikiem: wystaw grę publicznie na przekaźniku jako NAME, aby każdy mógł ją znaleźć i dołączyć.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Bez okna: wypisz gry publiczne z listy przekaźnika HOST[:PORT], po wierszu na każdą (nazwa, gracze, trwa lub czeka, link). Kończy z 0, z 1, gdy przekaźnik nie odpowie w 5 s, z 2 przy błędnym adresie.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Zapisuj każdy datagram, który słyszy ta kopia, wraz z czasem, w pliku powtórki FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Obejrzyj powtórkę FILE (także: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Odtwórz powtórkę FILE tak szybko, jak się da, bez okna, i wypisz wynik każdej rundy oraz skrót jej areny. Kończy z 0, z 1, gdy plik jest uszkodzony, z 2, gdy to nie jest powtórka.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Pozwól dołączać przeglądarkom w tej sieci: udostępnij stronę na porcie TCP PORT, jeśli następuje liczba (inaczej na ostatnio wybranym, początkowo 31317), i wypisz jej adres.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Z --open: nie proś routera o przekierowanie portu.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 przyjmuje port %2 od 1 do 65535, a nie „%3”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe przyjmuje liczbę sekund, a nie „%1”</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>link otwiera się sam; aby dołączyć z opcjami, użyj --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>to nie jest link Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>plik powtórki otwiera się sam; aby obejrzeć go z opcjami, użyj --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open i --join wykluczają się</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port idzie w parze z --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay działa sam, bez --open, --join ani --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server idzie w parze z --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server przyjmuje HOST:PORT, a nie „%1”</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public idzie w parze z --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public przyjmuje nazwę, pod którą wystawić grę</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games przyjmuje HOST lub HOST:PORT, a nie „%1”</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record przyjmuje nazwę pliku</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 istnieje i nie jest powtórką Lumivex: zostaje bez zmian</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>powtórkę ogląda się osobno, bez --open, --join, --relay, --record, --demo ani --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>nie ma interfejsu sieciowego „%1”; są: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config przyjmuje nazwę pliku</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo przyjmuje liczbę graczy od 2 do 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders przyjmuje liczbę od 1 do 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>brak ekranu: ustaw DISPLAY albo użyj --probe, które go nie potrzebuje</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>nie udało się otworzyć gry online: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>przeglądarki nie mogą dołączyć: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>przekaźnik nie odpowiedział w ciągu %1 s</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>Nie można użyć portu UDP %1 (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 przez przekaźnik</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Gracz 1 (ty)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Gracz lokalny %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Naciśnij przycisk pada dla „%1”.</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Przywrócono domyślne klawisze.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Naciśnij klawisz dla „%1”.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 to już klawisz dla „%2”.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 to już klawisz dla „%2” gracza %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Naciśnij klawisz…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Gałka, krzyżak</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Gałka</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Naciśnij przycisk…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Nikt nie wygrał!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 wygrywa!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 wygrywa mecz!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Gra wstrzymana!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Gra wznowiona!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>Gospodarz opuścił mecz</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Brak klienta 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Żadna inna kopia Lumivex nie odpowiedziała %1 (grupa %2, port UDP %3). Pozostałe komputery muszą być w tej samej sieci, a zapora musi przepuszczać port UDP %3 i grupę %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>tutaj</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Brak sieci: nie można użyć portu %1 (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Brak sieci: nie można dołączyć do grupy gry (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>Brak %1: wysyłanie automatyczne</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Znów wysyłanie przez %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Wysyłanie przez %1 do grupy %2, port UDP %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>donikąd</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Dołączono do grupy na %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>NIE dołączono do grupy na %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Wysłane datagramy: %1; odebrane: %2, w tym odrzucone jako uszkodzone: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Odrzucone, bo nadawca wysyłał za dużo: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Odrzucone bez czytania jako spoza tej sieci (wysłane tylko do tego komputera lub zza routera): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Ta kopia słyszy własne datagramy (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Ta kopia NIE słyszy własnych datagramów.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>Od %1: %2 datagramów, ostatnio o %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>na %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Przeglądarki nie mogą dołączyć: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Graj z telefonu</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Telefon, tablet lub komputer w tej sieci gra tutaj bez instalowania czegokolwiek: zeskanuj kod albo otwórz adres w jego przeglądarce. Każda przeglądarka zajmuje miejsce tej kopii.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Przeglądarki w grze: %1 z %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Przeglądarki nie mogą już dołączyć.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Zwalnia miejsce każdej przeglądarki i przestaje udostępniać stronę</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Znajdź gry online</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Przekaźniki do zapytania (HOST:PORT, rozdzielone przecinkami):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>trwa gra</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>Gry publiczne: %1, z %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>Gry publiczne: %1, z %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Brak przekaźnika do zapytania. Lumivex nie ma własnego serwera list: dodaj powyżej przekaźniki, które publikują gry (zapytaj znajomych albo uruchom własny za pomocą lumivex-relay), lub wybierz jeden w Sieć &gt; Serwer przekaźnika.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>nie ma takiego hosta</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Sieć</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Pokaż &amp;link online…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Gracze online…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Zamknij grę online</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Otwórz grę online…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Opuść grę online</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Dołącz do gry online…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Znajdź gry online…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Serwer &amp;przekaźnika…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Wpuść &amp;przeglądarki…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnostyka…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Sieć: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; żadna inna kopia Lumivex nie odpowiedziała</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Jesteś tu sam.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Ścigaj się z kierowcami komputerowymi, otwórz grę online dla znajomych z daleka albo czekaj na znajomych w tej sieci.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Dodaj kierowców komputerowych</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Otwórz grę online…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Czekaj na znajomych w tej sieci</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Diagnostyka sieci</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex – online</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Serwer przekaźnika</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Gry otwarte online trzymają też pokój na tym przekaźniku, dla znajomych, którzy nie mogą dotrzeć do tego komputera bezpośrednio.
HOST:PORT albo puste, jeśli żaden (Lumivex nie prowadzi publicznego przekaźnika):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Przekaźnik zostanie użyty od następnego otwarcia gry online.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Otwórz grę online</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Znajomi z daleka dołączają do tej gry przez link, który następne okno da ci do wysłania.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Publikuj tę grę pod nazwą:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>na przekaźniku (HOST:PORT):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Zaawansowane</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>Port UDP:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Gra publiczna potrzebuje nazwy, pod którą będzie na liście.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Gra publiczna jest publikowana na przekaźniku: „%1” to nie HOST:PORT, np. relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Nie udało się otworzyć gry online: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Gra online</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Znajomi dołączają przez ten link (Sieć &gt; Dołącz do gry online). Zawiera klucz gry: daj go tylko tym, z którymi grasz.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Adres dostępny dla znajomych:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>ten komputer</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Ten komputer ma tylko adresy własnej sieci, więc znajomi z daleka do niego nie dotrą: link działa tylko w tej sieci.
Co działa: przekaźnik (Sieć &gt; Serwer przekaźnika…), przekierowanie portu UDP %1 na routerze do tego komputera (%2) albo VPN, który łączy ciebie i znajomych w jedną sieć.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Dołącz do gry online</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Link od znajomego (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Ten link jest niepełny: skopiuj go jeszcze raz w całości od osoby, która go wysłała, i wklej tutaj. (Szczegóły: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>To nie jest link Lumivex: link do gry zaczyna się od lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Gracze online</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Kopie, które dołączyły do tej gry z daleka. Wyrzuć usuwa jedną i blokuje jej adres na %1 min; Zbanuj blokuje go, dopóki gra jest otwarta.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Przychodzące</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Wychodzące</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Zamknij dla nowych graczy</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;Wyrzuć</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>Z&amp;banuj</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Ta gra online jest zamknięta dla nowych graczy</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Ta gra online jest znów otwarta dla nowych graczy</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Wyrzuć %1 z gry online</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Zbanuj %1 w grze online</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Kopia bez kierowcy</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) został zbanowany w tej grze online</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) został usunięty z tej gry online na %3 min</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>Przekaźnik %1 nie ma takiej gry: została zamknięta albo link jest stary</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Przekaźnik %1 nie wpuścił tej kopii</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Przekaźnik %1 nie odpowiedział</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>Gra online pod %1 nie odpowiedziała</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>Gra online pod %1 nie przyjęła klucza z linku</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (przekaźnik)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Brak sieci: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>Nie znaleziono adresu gry online %1</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>Nie znaleziono adresu przekaźnika %1</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>Gra online jest pełna: ma już %1 graczy z daleka</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>Gospodarz usunął cię z gry online</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>Gra online jest zamknięta dla nowych graczy</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>Gra online nie wpuściła tej kopii</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Utracono połączenie z grą online</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Ta kopia dołączyła do gry online: najpierw ją opuść</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Gra online jest niedostępna: brak źródła losowości</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Brak sieci: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>Zbanowano kopię pod %1 w tej grze online</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>Usunięto kopię pod %1 z tej gry online na %2 min</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Nie znaleziono serwera przekaźnika %1</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Przekaźnik %1 trzyma pokój dla tej gry</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Przekaźnik %1 jest pełny: teraz nie trzyma pokoju dla tej gry</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Przekaźnik %1 nie odpowiada; ponowne zapytanie</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Otwieranie pokoju na przekaźniku %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Nieopublikowana: gra publiczna jest publikowana na przekaźniku (menu Sieć, Serwer przekaźnika…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Publikowanie tej gry na %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Opublikowana na %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Nieopublikowana na %1: jego lista jest pełna</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Nieopublikowana na %1: ma już dość gier z tego adresu</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Nieopublikowana na %1: widzi tę grę pod innym adresem</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Nieopublikowana na %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Ta kopia otworzyła swoją grę online: najpierw ją zamknij</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Ta kopia już dołączyła do gry online</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>Online: dołączył 1 gracz</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>Online: dołączyło graczy: %1</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Dołączanie do %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Dołączono do %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Dołączono do %1, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Otwarta online na porcie UDP %1; kopie z daleka: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Zamknięta dla nowych graczy.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>Online %1: opóźnienie %2 ms, datagramy przychodzące %3, wychodzące %4; odrzucone: %5 ponad limit, %6 nieautentyczne.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Odrzucone na bramie: %1 od obcych, %2 nieautentyczne, %3 uszkodzone, %4 za długie, %5 ponad limit. Wysłane cookie: %6; odrzucone kopie: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Dołączono do %1 online: opóźnienie %2 ms; odrzucone nieautentyczne datagramy: %3.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Kontroler gier</translation>
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
        <translation>Wstecz</translation>
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
        <translation>Wciśnięcie lewej gałki</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Wciśnięcie prawej gałki</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Lewy bumper</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Prawy bumper</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Krzyżak w górę</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Krzyżak w dół</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Krzyżak w lewo</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Krzyżak w prawo</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Prośba do routera o przekierowanie portu…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Port jest przekierowany tylko na tym routerze (%1, %2): przed nim stoi drugi router (podwójny NAT), więc znajomi z zewnątrz potrzebują przekaźnika</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Router przekierowuje port (%1): znajomi docierają do tej gry pod %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Brak automatycznego przekierowania portu: znajomi spoza tej sieci potrzebują przekaźnika lub przekierowanego portu</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>Port UDP przekaźnika (domyślnie 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Najwięcej pokoi, jakie trzyma przekaźnik (domyślnie 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Najwięcej gier publicznych, jakie wystawia przekaźnik (domyślnie 1000; 0 nie wystawia żadnej). Jeden adres lub /64 IPv6 wystawia najwyżej 4, jedno /48 najwyżej 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port przyjmuje port UDP od 1 do 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms przyjmuje liczbę od 1 do 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address przyjmuje liczbę od 1 do 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games przyjmuje liczbę od 0 do 100000</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Otwórz powtórkę</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Inny plik…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Powtórki Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>to nie jest powtórka Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>to nie jest powtórka Lumivex (jej nagłówek jest ucięty)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>to nie jest powtórka Lumivex (jej nagłówek jest uszkodzony)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>powtórka z nowszego Lumivex (wersja formatu %1; ten czyta %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>to nie jest powtórka Lumivex (wersja formatu 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>zawiera więcej, niż może powtórka (%1 wpisów, %2 MiB datagramów, %3 MiB łącznie): odtwarza się do tego miejsca</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>jej znacznik końca jest ucięty</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>jej znacznik końca jest uszkodzony</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>jej znacznik końca liczy %1 wpisów, bloki zawierają %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>po jej znaczniku końca są bajty</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>blok %1 jest ucięty</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>blok %1 nie jest blokiem</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>blok %1 podaje niemożliwy rozmiar</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>blok %1 nie przechodzi kontroli</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>blok %1 nie rozpakowuje się do swojego rozmiaru</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>blok %1 kończy się w środku wpisu</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>blok %1 zawiera wpis o niemożliwej długości</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>blok %1 cofa się w czasie</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>kończy się bez znacznika końca (ucięta albo program nie zakończył się poprawnie)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Ten mecz nie jest zapisywany jako powtórka: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
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
        <translation>%1 gotowy!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Tylko 7 kopii może być klientami</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Najwyżej czterech graczy przy jednej klawiaturze</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 odszedł: jego miejsce zostało zajęte</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 zajęto gdzie indziej; jedzie jako %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Wycisz</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Głośność</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Głośność &amp;czatu</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
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
        <translation>O Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Świetlne ślady dla całej sieci</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Pomoc:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>przewodnik gracza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Dodaj gracza lokalnego</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Zmień klawisze…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Klawisze:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, lewy Shift – turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex – pomoc</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>Pomoc nie jest zainstalowana obok programu.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Nie udało się otworzyć przeglądarki z pomocą. Otwórz ten plik w przeglądarce:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Tutaj trwa mecz: najpierw zresetuj mecz.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Tutaj trwa mecz: najpierw opuść mecz.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Otwórz powtórkę</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>Nie można odtworzyć %1: to nie jest powtórka, którą ten Lumivex potrafi odczytać. (Szczegóły: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Dodaj kierowców komputerowych i naciśnij Rozpocznij mecz albo czekaj na znajomych w tej sieci</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Naciśnij Rejestracja klienta, by zająć miejsce w meczu</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Pulpit Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Tło:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Rejestracja klienta</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Komputer:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Dodaj kierowcę</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Usuń kierowcę</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Zeskanuj, by grać z telefonu</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex – online</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Rozpocznij mecz</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Resetuj mecz</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Resetuj wszystko</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Grubość:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Na siatce:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
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
        <translation>Złożoność:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Mecz:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Gracze:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Drużyny:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Stały start:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Ukosy:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arena:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Twoja nazwa, jak widzą ją inni</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Kolor: kolor twojego śladu; Domyślny daje każdemu miejscu własny</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Tło: kolor tła tego pulpitu i okna gry</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Grubość: szerokość każdego śladu, od 1 (cienki) do 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Na siatce: skręca się tylko na siatce pasów, więc ślady nigdy się nie stykają</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Szybkość: 1 to najszybciej, 85 to zwykłe tempo; większe liczby są wolniejsze</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: kierowcy mogą spalać paliwo, by przez chwilę jechać dwa razy szybciej</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: kierowca, który opuści arenę jedną krawędzią, wraca drugą</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Złożoność: przeszkody; większe liczby dają ich więcej i mniejszych, 4 lub mniej – żadnych</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Mecz: punkty, których gracz lub drużyna potrzebuje do wygrania meczu</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Gracze: ilu kierowców ma mecz, od 2 do 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Drużyny: przy 4, 6 lub 8 graczach kierowcy jadą w drużynach; wygrywa ostatnia drużyna na torze</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Stały start: każdy kierowca startuje co rundę z tego samego miejsca</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Ukosy: kierowcy mogą jeździć też po skosie (tylko cienkie ślady)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Szerokość: szerokość areny w pikselach</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Wysokość: wysokość areny w pikselach</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arena: kolor areny w następnym meczu</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Komputer: jak dobrze gra następny kierowca komputerowy</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Otwórz &amp;powtórkę…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Mecz</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Dodaj kierowcę komputerowego (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Dodaj gracza lokalnego…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Usuń kierowcę komputerowego</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Opuść mecz</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Klawisze…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex jest aktualizowany przez menedżera pakietów lub instalator; to wersja %1. Przewodnik gracza otworzy się na części o wersjach.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex – aktualizacje</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Odwiedź stronę autora…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex nie ma własnej strony: zamiast niej otworzy się przewodnik gracza zainstalowany razem z grą.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex – strona</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;O Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimalizuj</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Opóźnienie: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arena: kolor areny</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Kolor: kolor twojego śladu</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 to klawisz dla „%2” graczy %3 i %4: najpierw daj jednemu z nich inny klawisz w Ustawienia &gt; Klawisze.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 do kierowania, %2 – turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>brak klawisza</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Kolor gracza %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemu</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>nierozstrzygnięta</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Nikt nie wygrał</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 wygrywa</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Runda %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>gracz</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Powtórka Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Powtórka Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Szybkość (+ i - w oknie gry)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>&amp;Poprzednia runda</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Następna runda</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Ta powtórka jest uszkodzona: odtwarza się do %1 i tam zatrzymuje. (Szczegóły: %2, bajt %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Runda jeszcze raz: - połowa szybkości, inne klawisze wracają</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;auza</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
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
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimalizuj</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Odliczanie do następnej rundy; zielone, gdy kierowcy jadą</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Obejrzyj rundę jeszcze raz (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Powiedz coś; Enter wysyła, Esc anuluje</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Rozbiłeś się</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Wygrałeś rundę!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Punkty: %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Na tym miejscu nikt nie jedzie</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Paliwo turbo: %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Grać tym padem? Naciśnij na nim A, by dołączyć jako nowy gracz lokalny</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Obejrzyj rundę jeszcze raz (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Powiększenie</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Najlepsze dopasowanie</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Jak wybrane</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Dla &amp;daltonistów</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Nazwy przy kierowcach</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Pokaż okno &amp;gry</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Obejrzyj rundę jeszcze raz</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Pokaż &amp;pulpit</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Opuść mecz</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Wznów</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Góra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dół</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewo</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Góra i prawo</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Dół i prawo</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Dół i lewo</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Góra i lewo</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Czat</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Obejrzyj rundę jeszcze raz</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>Lewy %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>Prawy %1</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
