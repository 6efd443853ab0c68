<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Di&apos; qualcosa a tutti nella partita, poi Invio</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Silenzia %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: un gioco d&apos;arena con scie luminose per un massimo di otto giocatori su una stessa rete locale.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Ospita subito una partita di N giocatori (da 2 a 8): il giocatore 1 col pilota automatico, gli altri piloti del computer difficili; a ogni partita ne segue una nuova.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Aggiungi all&apos;avvio K piloti del computer (da 1 a 7) dell&apos;ultimo livello scelto.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Scrivi una riga a ogni fine round: il round, un hash dell&apos;arena come disegnata qui e la memoria di questo programma.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Invia tramite l&apos;interfaccia di rete NAME per questa esecuzione, qualunque cosa dica il menu Rete.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Tieni le impostazioni in FILE invece che in ~/.config/lumivex.ini (per più copie su un computer).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Senza finestre: invia un appello, ascolta per i secondi che seguono (2 di norma: --probe 5 ascolta 5 s) e scrivi una riga per risposta (posto, nome, colore, mittente). Esce con 0 se un&apos;altra copia ha risposto, con 1 se nessuna.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Apri online la partita di questa rete, sulla porta UDP PORT se segue un numero (altrimenti l&apos;ultima scelta, all&apos;inizio 31315), e scrivi il link con cui entrano gli amici.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Entra nella partita online di LINK (lumivex://...); &quot;-&quot; legge il link dall&apos;input standard, dove gli altri utenti non lo vedono.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Esegui come server relay, senza schermo né finestre: le partite che gli amici non raggiungono direttamente tengono qui una stanza. Ascolta sulla porta UDP 31316 se --port non dice altrimenti.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Con --open: tieni una stanza per la partita al relay HOST:PORT, così gli amici che non raggiungono questo computer entrano tramite esso.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Con --open e un relay: elenca la partita pubblicamente al relay come NAME, perché chiunque la trovi ed entri.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Senza finestre: scrivi le partite pubbliche che il relay HOST[:PORT] elenca, una riga ciascuna (nome, giocatori, in gioco o in attesa, link). Esce con 0, con 1 se il relay non risponde entro 5 s, con 2 per un indirizzo malformato.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Conserva ogni datagramma che questa copia sente, con la sua ora, nel file di replay FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Guarda il replay FILE (anche: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Riproduci il replay FILE il più in fretta possibile, senza finestre, e scrivi l&apos;esito di ogni round e l&apos;hash della sua arena. Esce con 0, con 1 se il file è danneggiato, con 2 se non è un replay.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Lascia entrare i browser di questa rete: servi la pagina sulla porta TCP PORT se segue un numero (altrimenti l&apos;ultima scelta, all&apos;inizio 31317) e scrivi il suo indirizzo.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Con --open: non chiedere al router di inoltrare la porta.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 vuole una porta %2 da 1 a 65535, non &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe vuole un numero di secondi, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>un link si apre da solo; per entrare con opzioni, usa --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>questo non è un link di Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>un file di replay si apre da solo; per guardarlo con opzioni, usa --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open e --join si escludono a vicenda</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port va con --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay va da solo, senza --open, --join o --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server va con --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server vuole HOST:PORT, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public va con --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public vuole il nome con cui elencare la partita</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games vuole HOST o HOST:PORT, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record vuole un nome di file</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 esiste e non è un replay di Lumivex: resta com&apos;è</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>un replay si guarda da solo, senza --open, --join, --relay, --record, --demo o --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>non c&apos;è nessuna interfaccia di rete &quot;%1&quot;; ci sono: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config vuole un nome di file</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo vuole un numero di giocatori da 2 a 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders vuole un numero da 1 a 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>nessuno schermo: imposta DISPLAY, o usa --probe, che non ne ha bisogno</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>non è stato possibile aprire la partita online: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>i browser non possono entrare: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>il relay non ha risposto entro %1 s</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>La porta UDP %1 non si può usare (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 tramite il relay</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Giocatore 1 (tu)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Giocatore locale %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Premi il pulsante del gamepad per «%1».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Sono tornati i tasti predefiniti.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Premi il tasto per «%1».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 è già il tasto per «%2».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 è già il tasto per «%2» di %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Premi un tasto…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Levetta, croce</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Levetta</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Premi un pulsante…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Nessuno ha vinto!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 ha vinto!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 ha vinto la partita!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Gioco in pausa!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Il gioco riprende!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>L&apos;host ha lasciato la partita</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Nessun client 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attenzione!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Nessun&apos;altra copia di Lumivex ha risposto %1 (gruppo %2, porta UDP %3). Gli altri computer devono essere sulla stessa rete, e un firewall deve lasciar passare la porta UDP %3 e il gruppo %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>qui</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Nessuna rete: la porta %1 non si può usare (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Nessuna rete: impossibile entrare nel gruppo del gioco (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 non c&apos;è: invio automatico</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Di nuovo invio su %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Invio di %1 al gruppo %2, porta UDP %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>da nessuna parte</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Gruppo raggiunto su %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Gruppo NON raggiunto su %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Datagrammi inviati: %1; ricevuti: %2, di cui scartati perché malformati: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Scartati perché il mittente ne inviava troppi: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Scartati senza leggerli perché non di questa rete (inviati solo a questo computer, o da oltre un router): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Questa copia sente i propri datagrammi (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Questa copia NON sente i propri datagrammi.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>Da %1: %2 datagrammi, sentito l&apos;ultima volta alle %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>su %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>I browser non possono unirsi: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Gioca da un telefono</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Un telefono, un tablet o un computer di questa rete gioca qui senza installare nulla: scansiona il codice o apri l&apos;indirizzo nel suo browser. Ogni browser occupa un posto di questa copia.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Browser in gioco: %1 di %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>I browser non possono più unirsi.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Libera il posto di ogni browser e smette di servire la pagina</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Trova partite online</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Relay da interrogare (HOST:PORTA, separati da virgole):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Andata e ritorno</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unisciti</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 partita pubblica, da %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 partite pubbliche, da %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Nessun relay da interrogare. Lumivex non ha un server di elenchi suo: aggiungi sopra dei relay che elencano partite (chiedi ai tuoi amici, o avviane uno con lumivex-relay), oppure scegline uno con Rete &gt; Server relay.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>host inesistente</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rete</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Mostra il &amp;link online…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Giocatori online…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Chiudi la partita online</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Apri la partita online…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Lascia la partita online</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Unisciti a una partita online…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Trova partite online…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Server &amp;relay…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Fai unire i &amp;browser…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnostica…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Rete: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; nessun&apos;altra copia di Lumivex ha risposto</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Sei l&apos;unico qui.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Sfida i piloti del computer, apri una partita online per amici altrove o aspetta amici su questa rete.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Aggiungi piloti del computer</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Apri una partita online…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Aspetta amici su questa rete</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Diagnostica di rete</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Online</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Server relay</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Le partite aperte online tengono anche una stanza su questo relay, per gli amici che non raggiungono direttamente questo computer.
HOST:PORTA, o vuoto per nessuno (Lumivex non gestisce alcun relay pubblico):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Il relay sarà usato dalla prossima volta che una partita viene aperta online.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Apri la partita online</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Gli amici altrove si uniscono a questa partita con un link che la finestra successiva ti dà da inviare loro.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Elenca questa partita pubblicamente come:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>sul relay (HOST:PORTA):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avanzate</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>Porta UDP:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Una partita pubblica ha bisogno di un nome con cui essere elencata.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Una partita pubblica è elencata su un relay: «%1» non è HOST:PORTA, come relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Non è stato possibile aprire la partita online: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Partita online</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Gli amici si uniscono con questo link (Rete &gt; Unisciti a una partita online). Contiene la chiave della partita: dallo solo a chi gioca con te.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Indirizzo che gli amici possono raggiungere:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>questo computer</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Questo computer ha solo indirizzi della sua rete, quindi gli amici altrove non possono raggiungerlo: il link funziona solo su questa rete.
Cosa funziona: un relay (Rete &gt; Server relay…), inoltrare la porta UDP %1 del router a questo computer (%2), o una VPN che metta te e i tuoi amici su un&apos;unica rete.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Unisciti a una partita online</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Il link inviato da un amico (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Quel link non è completo: copialo di nuovo per intero da chi l&apos;ha inviato e incollalo qui. (In dettaglio: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Non è un link di Lumivex: il link di una partita inizia con lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Giocatori online</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Copie che si sono unite a questa partita da altrove. Espelli ne toglie una e ne blocca l&apos;indirizzo per %1 minuti; Bandisci la blocca finché la partita è aperta.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Chiudi ai nuovi giocatori</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;Espelli</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Bandisci</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Questa partita online è chiusa ai nuovi giocatori</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Questa partita online è di nuovo aperta ai nuovi giocatori</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Espelli %1 dalla partita online</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Bandisci %1 dalla partita online</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Una copia senza pilota</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) è stato bandito da questa partita online</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) è stato rimosso da questa partita online per %3 minuti</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>Il relay %1 non ha questa partita: è stata chiusa, o il link è vecchio</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Il relay %1 non ha fatto entrare questa copia</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Il relay %1 non ha risposto</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>La partita online su %1 non ha risposto</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>La partita online su %1 non ha accettato la chiave del link</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (relay)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Nessuna rete: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>L&apos;indirizzo %1 della partita online non è stato trovato</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>L&apos;indirizzo %1 del relay non è stato trovato</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>La partita online è piena: ha già %1 giocatori da altrove</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>L&apos;host ti ha rimosso dalla partita online</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>La partita online è chiusa ai nuovi giocatori</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>La partita online non ha fatto unire questa copia</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Connessione alla partita online persa</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Questa copia si è unita a una partita online: lasciala prima</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Il gioco online non è disponibile: nessuna fonte di casualità</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Nessuna rete: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>La copia su %1 è stata bandita da questa partita online</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>La copia su %1 è stata rimossa da questa partita online per %2 minuti</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Il server relay %1 non è stato trovato</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Il relay %1 tiene una stanza per questa partita</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Il relay %1 è pieno: ora non tiene una stanza per questa partita</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Il relay %1 non risponde; nuova richiesta</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Apertura di una stanza sul relay %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Non elencata: una partita pubblica è elencata su un relay (menu Rete, Server relay…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Elenco di questa partita su %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Elencata pubblicamente su %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Non elencata su %1: il suo elenco è pieno</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Non elencata su %1: elenca già abbastanza partite da questo indirizzo</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Non elencata su %1: vede questa partita a un altro indirizzo</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Non elencata su %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Questa copia ha aperto la sua partita online: chiudila prima</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Questa copia si è già unita a una partita online</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>Online: 1 giocatore unito</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>Online: %1 giocatori uniti</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Unione a %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Unito a %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Unito a %1, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Aperta online sulla porta UDP %1; copie unite da altrove: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Chiusa ai nuovi giocatori.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>Online %1: andata e ritorno %2 ms, datagrammi in entrata %3, in uscita %4; scartati: %5 oltre il suo budget, %6 non autentici.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Scartati al gateway: %1 da sconosciuti, %2 non autentici, %3 malformati, %4 troppo lunghi, %5 oltre il budget. Cookie inviati: %6; copie rifiutate: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Unito a %1 online: andata e ritorno %2 ms; %3 datagrammi non autentici scartati.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Controller</translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Pressione levetta sinistra</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Pressione levetta destra</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Dorsale sinistro</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Dorsale destro</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Croce su</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Croce giù</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Croce sinistra</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Croce destra</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Richiesta al router di inoltrare la porta…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>La porta è inoltrata solo su questo router (%1, %2): davanti c&apos;è un altro router (doppio NAT), quindi gli amici da fuori hanno bisogno di un relay</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Il router inoltra la porta (%1): gli amici raggiungono questa partita su %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Nessun inoltro automatico delle porte: gli amici fuori da questa rete hanno bisogno di un relay o di una porta inoltrata</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>La porta UDP del relay (di norma 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Il massimo di stanze che il relay tiene (di norma 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Il massimo di partite pubbliche che il relay elenca (di norma 1000; 0 non ne elenca nessuna). Un indirizzo, o un /64 IPv6, ne elenca al massimo 4, un /48 al massimo 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port vuole una porta UDP da 1 a 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms vuole un numero da 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address vuole un numero da 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games vuole un numero da 0 a 100000</translation>
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
        <translation>Apri replay</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Altro file…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Replay di Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>non è un replay di Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>non è un replay di Lumivex (la sua intestazione è troncata)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>non è un replay di Lumivex (la sua intestazione è danneggiata)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>un replay fatto da un Lumivex più recente (versione di formato %1; questo legge la %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>non è un replay di Lumivex (versione di formato 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>contiene più di quanto possa un replay (%1 record, %2 MiB di datagrammi, %3 MiB in tutto): si riproduce fin lì</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>il suo segno di fine è troncato</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>il suo segno di fine è danneggiato</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>il suo segno di fine conta %1 record, i blocchi ne contengono %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>dopo il suo segno di fine seguono byte</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>il blocco %1 è troncato</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>il blocco %1 non è un blocco</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>il blocco %1 dichiara una dimensione impossibile</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>il blocco %1 non supera il suo controllo</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>il blocco %1 non si decomprime alla sua dimensione</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>il blocco %1 finisce dentro un record</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>il blocco %1 contiene un record di lunghezza impossibile</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>il blocco %1 torna indietro nel tempo</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>finisce senza il suo segno di fine (troncato, o il programma non è terminato correttamente)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non può essere letto: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 non può essere scritto: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>la cartella %1 non può essere creata</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Questa partita non viene conservata come replay: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
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
        <translation>%1 pronto!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Solo 7 copie possono fare da client</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Al massimo quattro giocatori su una tastiera</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 è uscito: il suo posto è stato preso</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 è stato preso altrove; corre come %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Muto</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Volume della &amp;chat</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
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
        <translation>Informazioni su Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Scie di luce per tutta la rete</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Aiuto:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>la guida del giocatore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Aggiungi giocatore locale</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Cambia tasti…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasti:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, Maiusc sinistro per il turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - Aiuto</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>L&apos;aiuto non è installato accanto al programma.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Non è stato possibile aprire un browser per l&apos;aiuto. Apri questo file con uno:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Qui c&apos;è una partita in corso: prima reimposta la partita.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Qui c&apos;è una partita in corso: prima lascia la partita.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Apri replay</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 non può essere riprodotto: non è un replay che questo Lumivex sa leggere. (In dettaglio: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Aggiungi piloti del computer e premi Avvia partita, o aspetta amici su questa rete</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Premi Registrazione client per prendere un posto nella partita</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Pannello di controllo Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
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
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Registrazione client</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Aggiungi pilota</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Rimuovi pilota</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Scansiona per giocare da un telefono</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Online</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Avvia partita</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Reimposta partita</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reimposta tutto</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Spessore:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Sulla griglia:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
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
        <translation>Complessità:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Partita:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Giocatori:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Squadre:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Posto fisso:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Diagonali:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arena:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Il tuo nome, come lo vedono gli altri</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Colore: il colore della tua scia; Predefinito dà a ogni posto il suo</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Sfondo: il colore di sfondo di questo pannello e della finestra di gioco</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Spessore: quanto è larga ogni scia, da 1 (sottile) a 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Sulla griglia: si svolta solo sulla griglia delle corsie, così le scie non si toccano mai</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Velocità: 1 è la più rapida, 85 il ritmo solito; i numeri più alti sono più lenti</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: i piloti possono bruciare carburante per andare al doppio della velocità per un po&apos;</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: un pilota che esce dall&apos;arena da un bordo rientra dall&apos;altro</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Complessità: gli ostacoli; numeri più alti ne danno di più e più piccoli, 4 o meno nessuno</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Partita: i punti che un giocatore o una squadra deve fare per vincere la partita</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Giocatori: quanti piloti ha la partita, da 2 a 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Squadre: con 4, 6 o 8 giocatori i piloti corrono in squadre; vince l&apos;ultima squadra in pista</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Posto fisso: ogni pilota parte dallo stesso punto a ogni round</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Diagonali: i piloti possono anche andare in diagonale (solo scie sottili)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Larghezza: la larghezza dell&apos;arena in pixel</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Altezza: l&apos;altezza dell&apos;arena in pixel</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arena: il colore dell&apos;arena nella prossima partita</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Computer: quanto bene gioca il prossimo pilota del computer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Apri &amp;replay…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Aggiungi pilota del computer (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Aggiungi giocatore locale…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Rimuovi pilota del computer</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Lascia la partita</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Tasti…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex è aggiornato dal tuo gestore di pacchetti o dal tuo installatore; questa è la versione %1. La guida del giocatore si apre alla parte sulle versioni.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - Aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Visita la pagina dell&apos;autore…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex non ha un sito web suo: si apre invece la sua guida del giocatore, installata con esso.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - Pagina iniziale</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;Informazioni su Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Riduci a icona</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Andata e ritorno: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arena: il colore dell&apos;arena</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Colore: il colore della tua scia</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 è il tasto per «%2» di %3 e di %4: prima dai un altro tasto a uno dei due in Impostazioni &gt; Tasti.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 per sterzare, %2 per il turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>nessun tasto</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Colore di %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Lingua del sistema</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>non deciso</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Nessuno ha vinto</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 ha vinto</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Round %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>un giocatore</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Replay di Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Replay di Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Velocità (+ e - nella finestra di gioco)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>Round &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>Round &amp;successivo</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Questo replay è danneggiato: si riproduce fino a %1 e si ferma lì. (In dettaglio: %2, al byte %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>Il round di nuovo: - per metà velocità, gli altri tasti tornano indietro</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ausa</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
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
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Riduci a icona</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Il conto alla rovescia al prossimo round; verde mentre i piloti corrono</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Rivedi il round (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Di&apos; qualcosa; Invio invia, Esc annulla</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Ti sei schiantato</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Hai vinto il round!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Punti di %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Nessuno corre in questo posto</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Carburante turbo di %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Giocare con questo gamepad? Premi A per unirti come nuovo giocatore locale</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Rivedi il round (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
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
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ri&amp;duci</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Adatta</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Come scelti</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Adatti ai &amp;daltonici</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Nomi accanto ai piloti</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Mostra la finestra di &amp;gioco</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Rivedi il round</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Mostra il pannello di &amp;controllo</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Lascia la partita</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Su e destra</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Giù e destra</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Giù e sinistra</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Su e sinistra</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Rivedi il round</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 sinistro</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 destro</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Tast. num. %1</translation>
    </message>
</context>
</TS>
