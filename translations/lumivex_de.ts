<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Sag etwas zu allen im Spiel, dann Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>%1 stummschalten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: ein Arenaspiel mit Lichtspuren für bis zu acht Spieler in einem lokalen Netzwerk.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Sofort ein Match mit N Spielern (2 bis 8) ausrichten: Spieler 1 auf Autopilot, die anderen schwere Computerfahrer; nach jedem Match folgt ein neues.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Beim Start K Computerfahrer (1 bis 7) der zuletzt gewählten Stufe hinzufügen.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Am Ende jeder Runde eine Zeile ausgeben: die Runde, ein Hash der hier gezeichneten Arena und der Speicher dieses Programms.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>In diesem Lauf über die Netzwerkschnittstelle NAME senden, was auch immer das Netzwerk-Menü sagt.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Die Einstellungen in FILE statt in ~/.config/lumivex.ini speichern (für mehrere Kopien auf einem Computer).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Ohne Fenster: einen Namensaufruf senden, so viele Sekunden lauschen wie folgen (Standard 2: --probe 5 lauscht 5 s) und je Antwort eine Zeile ausgeben (Platz, Name, Farbe, Absender). Beendet mit 0, wenn eine andere Kopie antwortete, mit 1, wenn keine.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Das Spiel dieses Netzwerks online öffnen, auf UDP-Port PORT, wenn eine Zahl folgt (sonst dem zuletzt gewählten, anfangs 31315), und den Link ausgeben, mit dem Freunde beitreten.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Dem Onlinespiel von LINK (lumivex://...) beitreten; „-“ liest den Link von der Standardeingabe, wo andere Benutzer ihn nicht sehen.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Als Relais-Server laufen, ohne Anzeige und ohne Fenster: Spiele, die Freunde nicht direkt erreichen, halten hier einen Raum. Lauscht auf UDP-Port 31316, sofern --port nichts anderes sagt.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Mit --open: einen Raum für das Spiel am Relais HOST:PORT halten, damit Freunde, die diesen Computer nicht erreichen, darüber beitreten.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Mit --open und einem Relais: das Spiel am Relais öffentlich als NAME listen, damit jeder es finden und beitreten kann.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Ohne Fenster: die öffentlichen Spiele ausgeben, die das Relais HOST[:PORT] listet, je eine Zeile (Name, Spieler, läuft oder wartet, Link). Beendet mit 0, mit 1, wenn das Relais nicht binnen 5 s antwortet, mit 2 bei einer fehlerhaften Adresse.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Jedes Datagramm, das diese Kopie hört, mit seiner Zeit in der Wiederholungsdatei FILE aufbewahren.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Die Wiederholung FILE ansehen (auch: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Die Wiederholung FILE so schnell wie möglich ohne Fenster durchspielen und den Ausgang jeder Runde und den Hash ihrer Arena ausgeben. Beendet mit 0, mit 1, wenn die Datei beschädigt ist, mit 2, wenn sie keine Wiederholung ist.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Browser in diesem Netzwerk beitreten lassen: die Seite auf TCP-Port PORT anbieten, wenn eine Zahl folgt (sonst dem zuletzt gewählten, anfangs 31317), und ihre Adresse ausgeben.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Mit --open: den Router nicht bitten, den Port weiterzuleiten.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 erwartet einen %2-Port von 1 bis 65535, nicht „%3“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe erwartet eine Anzahl Sekunden, nicht „%1“</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>ein Link öffnet sich allein; um mit Optionen beizutreten, --join LINK verwenden</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>das ist kein Lumivex-Link: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>eine Wiederholungsdatei öffnet sich allein; um sie mit Optionen anzusehen, --replay FILE verwenden</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open und --join schließen einander aus</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port gehört zu --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay läuft allein, ohne --open, --join oder --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server gehört zu --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server erwartet HOST:PORT, nicht „%1“</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public gehört zu --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public erwartet den Namen, unter dem das Spiel gelistet wird</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games erwartet HOST oder HOST:PORT, nicht „%1“</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 existiert und ist keine Lumivex-Wiederholung: sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>eine Wiederholung wird allein angesehen, ohne --open, --join, --relay, --record, --demo oder --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>es gibt keine Netzwerkschnittstelle „%1“; es gibt: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo erwartet eine Spielerzahl von 2 bis 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders erwartet eine Zahl von 1 bis 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>keine Anzeige: DISPLAY setzen oder --probe verwenden, das keine braucht</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>das Spiel konnte nicht online geöffnet werden: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>Browser können nicht beitreten: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>das Relais hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>UDP-Port %1 kann nicht genutzt werden (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 über das Relais</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Spieler 1 (du)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Lokaler Spieler %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Drück die Taste des Gamepads für „%1“.</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Die Standardtasten sind zurück.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Drück die Taste für „%1“.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 ist schon die Taste für „%2“.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 ist schon die Taste für „%2“ von %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Drück eine Taste …</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Stick, Steuerkreuz</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Drück eine Gamepad-Taste …</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Niemand hat gewonnen!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 hat gewonnen!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 hat das Match gewonnen!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Spiel angehalten!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Spiel geht weiter!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>Der Gastgeber hat das Match verlassen</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Kein Client 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Keine andere Kopie von Lumivex hat %1 geantwortet (Gruppe %2, UDP-Port %3). Die anderen Computer müssen im selben Netzwerk sein, und eine Firewall muss UDP-Port %3 und die Gruppe %2 durchlassen.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>hier</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Kein Netzwerk: Port %1 kann nicht genutzt werden (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Kein Netzwerk: der Spielgruppe kann nicht beigetreten werden (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 ist nicht da: es wird automatisch gesendet</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Es wird wieder über %1 gesendet</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Sendet %1 an die Gruppe %2, UDP-Port %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nirgendwohin</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Gruppe beigetreten auf %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Gruppe NICHT beigetreten auf %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Datagramme gesendet: %1; empfangen: %2, davon als fehlerhaft verworfen: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Verworfen, weil ihr Absender zu viele schickte: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Ungelesen verworfen, weil nicht aus diesem Netzwerk (nur an diesen Computer gesendet oder von jenseits eines Routers): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Diese Kopie hört ihre eigenen Datagramme (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Diese Kopie hört ihre eigenen Datagramme NICHT.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>Von %1: %2 Datagramme, zuletzt gehört %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>auf %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Browser können nicht beitreten: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Vom Handy aus spielen</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Ein Handy, Tablet oder Computer in diesem Netzwerk spielt hier mit, ohne etwas zu installieren: Code scannen oder die Adresse im Browser öffnen. Jeder Browser nimmt einen Platz dieser Kopie ein.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Browser im Spiel: %1 von %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Browser können nicht mehr beitreten.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Gibt die Plätze aller Browser frei und stellt die Seite nicht mehr bereit</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Online-Spiele finden</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Zu fragende Relais (HOST:PORT, durch Kommas getrennt):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Umlaufzeit</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 öffentliches Spiel, von %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 öffentliche Spiele, von %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Kein Relais zum Fragen. Lumivex hat keinen eigenen Listenserver: trag oben Relais ein, die Spiele auflisten (frag deine Freunde oder betreib eins mit lumivex-relay), oder wähl eins unter Netzwerk &gt; Relais-Server.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>kein solcher Host</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Netzwerk</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Online-&amp;Link zeigen …</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>Online-&amp;Spieler …</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>Online-Spiel &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>Spiel &amp;online öffnen …</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>Online-Spiel &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>Online-Spiel &amp;beitreten …</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>Online-Spiele &amp;finden …</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>&amp;Relais-Server …</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>&amp;Browser beitreten lassen …</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnose …</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Netzwerk: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; keine andere Kopie von Lumivex hat geantwortet</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Du bist allein hier.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Fahr gegen Computerfahrer, öffne ein Spiel online für Freunde anderswo oder warte auf Freunde in diesem Netzwerk.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Computerfahrer hinzufügen</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Ein Spiel online öffnen …</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Auf Freunde in diesem Netzwerk warten</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Netzwerkdiagnose</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex – Online</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Relais-Server</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Online geöffnete Spiele halten auch einen Raum auf diesem Relais, für Freunde, die diesen Computer nicht direkt erreichen.
HOST:PORT, oder leer für keines (Lumivex betreibt kein öffentliches Relais):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Das Relais wird ab dem nächsten Mal genutzt, wenn ein Spiel online geöffnet wird.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Spiel online öffnen</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Freunde anderswo treten diesem Spiel mit einem Link bei, den dir das nächste Fenster zum Verschicken gibt.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>Dieses Spiel öffentlich &amp;listen als:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>beim Relais (HOST:PORT):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP-Port:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Ein öffentliches Spiel braucht einen Namen, unter dem es gelistet wird.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Ein öffentliches Spiel wird bei einem Relais gelistet: „%1“ ist nicht HOST:PORT, etwa relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Das Spiel konnte nicht online geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Spiel online</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Freunde treten mit diesem Link bei (Netzwerk &gt; Online-Spiel beitreten). Er enthält den Schlüssel des Spiels: gib ihn nur denen, mit denen du spielst.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Adresse, die Freunde erreichen:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Dieser Computer hat nur Adressen seines eigenen Netzwerks, Freunde anderswo erreichen ihn also nicht: der Link funktioniert nur in diesem Netzwerk.
Was hilft: ein Relais (Netzwerk &gt; Relais-Server …), UDP-Port %1 am Router an diesen Computer (%2) weiterleiten, oder ein VPN, das dich und deine Freunde in ein Netzwerk bringt.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Online-Spiel beitreten</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Der Link, den ein Freund geschickt hat (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Dieser Link ist nicht vollständig: kopier ihn noch einmal ganz von dem, der ihn geschickt hat, und füg ihn hier ein. (Im Einzelnen: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Das ist kein Lumivex-Link: der Link eines Spiels beginnt mit lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Online-Spieler</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Kopien, die diesem Spiel von anderswo beigetreten sind. Rauswerfen entfernt eine und sperrt ihre Adresse %1 Minuten lang; Sperren hält sie fern, solange das Spiel offen ist.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>Für neue Spieler &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;Rauswerfen</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Sperren</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Dieses Online-Spiel ist für neue Spieler geschlossen</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Dieses Online-Spiel ist wieder offen für neue Spieler</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>%1 aus dem Online-Spiel werfen</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>%1 im Online-Spiel sperren</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Eine Kopie ohne Fahrer</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) wurde in diesem Online-Spiel gesperrt</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) wurde für %3 Minuten aus diesem Online-Spiel entfernt</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>Das Relais bei %1 kennt dieses Spiel nicht: es wurde geschlossen, oder der Link ist alt</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Das Relais bei %1 hat diese Kopie nicht hereingelassen</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Das Relais bei %1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>Das Online-Spiel bei %1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>Das Online-Spiel bei %1 hat den Schlüssel des Links nicht angenommen</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (Relais)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Kein Netzwerk: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>Die Adresse %1 des Online-Spiels wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>Die Adresse %1 des Relais wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>Das Online-Spiel ist voll: es hat schon %1 Spieler von anderswo</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>Der Gastgeber hat dich aus dem Online-Spiel entfernt</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>Das Online-Spiel ist für neue Spieler geschlossen</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>Das Online-Spiel hat diese Kopie nicht beitreten lassen</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Die Verbindung zum Online-Spiel ist verloren</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Diese Kopie ist einem Online-Spiel beigetreten: verlass es zuerst</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Online-Spiel ist nicht möglich: keine Zufallsquelle</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Kein Netzwerk: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>Die Kopie bei %1 wurde in diesem Online-Spiel gesperrt</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>Die Kopie bei %1 wurde für %2 Minuten aus diesem Online-Spiel entfernt</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Der Relais-Server %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Das Relais %1 hält einen Raum für dieses Spiel</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Das Relais %1 ist voll: es hält jetzt keinen Raum für dieses Spiel</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Das Relais %1 antwortet nicht; es wird erneut gefragt</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Raum beim Relais %1 wird geöffnet …</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Nicht gelistet: ein öffentliches Spiel wird bei einem Relais gelistet (Menü Netzwerk, Relais-Server …)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Dieses Spiel wird bei %1 gelistet …</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Öffentlich gelistet bei %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Nicht gelistet bei %1: seine Liste ist voll</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Nicht gelistet bei %1: es listet genug Spiele von dieser Adresse</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Nicht gelistet bei %1: es sieht dieses Spiel unter einer anderen Adresse</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Nicht gelistet bei %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Diese Kopie hat ihr Spiel online geöffnet: schließ es zuerst</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Diese Kopie ist schon einem Online-Spiel beigetreten</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>Online: 1 Spieler beigetreten</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>Online: %1 Spieler beigetreten</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Beitritt zu %1 …</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>%1 beigetreten</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>%1 beigetreten, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Online offen auf UDP-Port %1; von anderswo beigetretene Kopien: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Für neue Spieler geschlossen.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>Online %1: Umlaufzeit %2 ms, Datagramme ein %3, aus %4; verworfen: %5 über dem Budget, %6 nicht echt.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Am Gateway verworfen: %1 von Fremden, %2 nicht echt, %3 fehlerhaft, %4 zu lang, %5 über dem Budget. Cookies gesendet: %6; abgewiesene Kopien: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>%1 online beigetreten: Umlaufzeit %2 ms; %3 unechte Datagramme verworfen.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Gamepad</translation>
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
        <translation>Zurück</translation>
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
        <translation>Linker Stick gedrückt</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Rechter Stick gedrückt</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Linke Schultertaste</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Rechte Schultertaste</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Steuerkreuz oben</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Steuerkreuz unten</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Steuerkreuz links</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Steuerkreuz rechts</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Der Router wird gebeten, den Port weiterzuleiten …</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Der Port ist nur auf diesem Router weitergeleitet (%1, %2): davor steht ein weiterer Router (doppeltes NAT), Freunde draußen brauchen also ein Relais</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Der Router leitet den Port weiter (%1): Freunde erreichen dieses Spiel unter %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Keine automatische Portweiterleitung: Freunde außerhalb dieses Netzwerks brauchen ein Relais oder einen weitergeleiteten Port</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>Der UDP-Port des Relais (Standard 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Die meisten Räume, die das Relais hält (Standard 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Die meisten öffentlichen Spiele, die das Relais listet (Standard 1000; 0 listet keine). Eine Adresse oder ein IPv6-/64 listet höchstens 4, ein /48 höchstens 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port erwartet einen UDP-Port von 1 bis 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms erwartet eine Zahl von 1 bis 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address erwartet eine Zahl von 1 bis 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games erwartet eine Zahl von 0 bis 100000</translation>
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
        <translation>Wiederholung öffnen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Andere Datei …</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Lumivex-Wiederholungen (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>keine Lumivex-Wiederholung</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>keine Lumivex-Wiederholung (ihr Kopf ist abgeschnitten)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>keine Lumivex-Wiederholung (ihr Kopf ist beschädigt)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>eine Wiederholung eines neueren Lumivex (Formatversion %1; dieses liest %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>keine Lumivex-Wiederholung (Formatversion 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>sie enthält mehr, als eine Wiederholung darf (%1 Einträge, %2 MiB Datagramme, %3 MiB insgesamt): sie spielt bis dorthin</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>ihre Endmarke ist abgeschnitten</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>ihre Endmarke ist beschädigt</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>ihre Endmarke zählt %1 Einträge, die Blöcke enthalten %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>nach ihrer Endmarke folgen Bytes</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>Block %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>Block %1 ist kein Block</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>Block %1 gibt eine unmögliche Größe an</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>Block %1 besteht seine Prüfung nicht</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>Block %1 entpackt nicht auf seine Größe</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>Block %1 endet mitten in einem Eintrag</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>Block %1 enthält einen Eintrag unmöglicher Länge</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>Block %1 geht in der Zeit zurück</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>sie endet ohne ihre Endmarke (abgeschnitten, oder das Programm endete nicht sauber)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Dieses Match wird nicht als Wiederholung aufbewahrt: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
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
        <translation>%1 bereit!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Nur 7 Kopien können als Clients dienen</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Höchstens vier Spieler an einer Tastatur</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 ist gegangen: sein Platz wurde belegt</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 wurde anderswo belegt; er fährt als %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Stumm</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>&amp;Chat-Lautstärke</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
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
        <translation>Über Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Spurfahren für das ganze Netzwerk</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Hilfe:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>das Spielerhandbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Lokalen Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Tasten ändern …</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasten:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, linke Umschalttaste für Turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex – Hilfe</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>Die Hilfe ist nicht neben dem Programm installiert.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Für die Hilfe konnte kein Webbrowser geöffnet werden. Öffne diese Datei mit einem:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Hier läuft ein Match: zuerst Match zurücksetzen.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Hier läuft ein Match: zuerst Match verlassen.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Wiederholung öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 kann nicht abgespielt werden: es ist keine Wiederholung, die dieses Lumivex lesen kann. (Im Einzelnen: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Füg Computerfahrer hinzu und drück Match starten, oder warte auf Freunde in diesem Netzwerk</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Drück Client-Anmeldung, um einen Platz im Match einzunehmen</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Lumivex-Steuerung</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Spurfarbe:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Client-Anmeldung</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Fahrer hinzufügen</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Fahrer entfernen</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Scannen, um vom Handy zu spielen</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex – Online</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Match starten</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Match zurücksetzen</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Dicke:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Am Raster:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
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
        <translation>Hindernisse:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Match:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Feste Plätze:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Diagonal:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arenafarbe:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Dein Name, wie die anderen ihn sehen</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Spurfarbe: die Farbe deiner Spur; Standard gibt jedem Platz seine eigene</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Hintergrund: die Hintergrundfarbe dieser Steuerzentrale und des Spielfensters</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Dicke: wie breit jede Spur ist, von 1 (dünn) bis 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Am Raster: abgebogen wird nur auf dem Raster der Bahnen, so berühren sich Spuren nie</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Tempo: 1 ist am schnellsten, 85 das übliche Tempo; höhere Zahlen sind langsamer</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: Fahrer dürfen Treibstoff verbrennen, um eine Weile doppelt so schnell zu fahren</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: wer die Arena an einem Rand verlässt, kommt am anderen zurück</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Hindernisse: höhere Zahlen geben mehr und kleinere, 4 oder weniger keine</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Match: die Punkte, die ein Spieler oder Team zum Sieg im Match braucht</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Spieler: wie viele Fahrer das Match hat, von 2 bis 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Team: bei 4, 6 oder 8 Spielern fahren die Fahrer in Teams; das letzte fahrende Team gewinnt</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Feste Plätze: jeder Fahrer startet jede Runde vom selben Platz</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Diagonal: Fahrer dürfen auch diagonal fahren (nur bei dünnen Spuren)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Breite: die Breite der Arena in Pixeln</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Höhe: die Höhe der Arena in Pixeln</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arenafarbe: die Farbe der Arena im nächsten Match</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Computer: wie gut der nächste Computerfahrer spielt</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>&amp;Wiederholung öffnen …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Computerfahrer hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Lokalen Spieler hinzufügen …</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Computerfahrer entfernen</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Match &amp;verlassen</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Tasten …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>Nach &amp;Updates suchen …</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex wird von deiner Paketverwaltung oder deinem Installationsprogramm aktualisiert; dies ist Version %1. Das Spielerhandbuch öffnet sich beim Teil über Versionen.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex – Updates</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Webseite des Autors besuchen …</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex hat keine eigene Webseite: stattdessen öffnet sich das mitinstallierte Spielerhandbuch.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex – Webseite</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;Über Lumivex …</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Umlaufzeit: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arenafarbe: die Farbe der Arena</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Spurfarbe: die Farbe deiner Spur</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 ist die Taste für „%2“ von %3 und von %4: gib einem von beiden zuerst unter Einstellungen &gt; Tasten eine andere Taste.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 zum Lenken, %2 für Turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>keine Taste</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Farbe von %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemvorgabe</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>nicht entschieden</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Niemand hat gewonnen</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Runde %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>ein Spieler</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Lumivex-Wiederholung: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Lumivex-Wiederholung</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Tempo (+ und - im Spielfenster)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>&amp;Vorige Runde</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Nächste Runde</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Diese Wiederholung ist beschädigt: sie läuft bis %1 und hält dort an. (Im Einzelnen: %2, bei Byte %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Die Runde noch einmal: - für halbes Tempo, andere Tasten kehren zurück</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 hat gewonnen</translation>
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
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Der Countdown zur nächsten Runde; grün, solange die Fahrer fahren</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Runde noch einmal ansehen (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Sag etwas; Enter sendet, Esc bricht ab</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Du bist gecrasht</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Du hast die Runde gewonnen!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Punkte von %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Auf diesem Platz fährt niemand</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Turbotreibstoff von %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Mit diesem Gamepad mitspielen? Drück darauf A, um als neuer lokaler Spieler beizutreten</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Runde noch einmal ansehen (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Beste Größe</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Wie gewählt</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>&amp;Farbenblind-sicher</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Namen an den Fahrern</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>&amp;Spielfenster zeigen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>Runde &amp;noch einmal ansehen</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>&amp;Steuerzentrale zeigen</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>Match &amp;verlassen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Hoch und rechts</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Runter und rechts</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Runter und links</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Hoch und links</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Runde noch einmal ansehen</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 links</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 rechts</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
