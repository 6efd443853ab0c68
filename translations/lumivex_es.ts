<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Di algo a todos en la partida y pulsa Intro</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Silenciar a %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: un juego de arena con estelas para hasta ocho jugadores en una misma red local.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Organizar ya una partida de N jugadores (2 a 8): el jugador 1 en piloto automático, los demás pilotos del ordenador difíciles; a cada partida le sigue otra.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Añadir al inicio K pilotos del ordenador (1 a 7) del último nivel elegido.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Escribir una línea al final de cada ronda: la ronda, un hash de la arena tal como se dibujó aquí y la memoria de este programa.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Enviar por la interfaz de red NAME en esta ejecución, diga lo que diga el menú Red.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Guardar los ajustes en FILE en lugar de ~/.config/lumivex.ini (para varias copias en un ordenador).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Sin ventana: enviar un llamado, escuchar los segundos que siguen (2 por defecto: --probe 5 escucha 5 s) y escribir una línea por respuesta (puesto, nombre, color, remitente). Sale con 0 si otra copia respondió, con 1 si ninguna.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Abrir en línea la partida de esta red, en el puerto UDP PORT si sigue un número (si no, el último elegido, al principio 31315), y escribir el enlace con el que se unen los amigos.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Unirse a la partida en línea de LINK (lumivex://...); «-» lee el enlace de la entrada estándar, donde otros usuarios no lo ven.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Funcionar como servidor de relé, sin pantalla ni ventanas: las partidas que los amigos no alcanzan directamente guardan aquí una sala. Escucha en el puerto UDP 31316 salvo que --port diga otra cosa.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Con --open: guardar una sala para la partida en el relé HOST:PORT, para que los amigos que no alcanzan este ordenador se unan a través de él.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Con --open y un relé: listar la partida públicamente en el relé como NAME, para que cualquiera la encuentre y se una.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Sin ventana: escribir las partidas públicas que lista el relé HOST[:PORT], una línea cada una (nombre, jugadores, jugando o esperando, enlace). Sale con 0, con 1 si el relé no responde en 5 s, con 2 si la dirección está mal formada.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Guardar cada datagrama que oye esta copia, con su hora, en el archivo de repetición FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Ver la repetición FILE (también: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Reproducir la repetición FILE tan rápido como se pueda, sin ventana, y escribir el resultado de cada ronda y el hash de su arena. Sale con 0, con 1 si el archivo está dañado, con 2 si no es una repetición.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Dejar unirse a los navegadores de esta red: servir la página en el puerto TCP PORT si sigue un número (si no, el último elegido, al principio 31317) y escribir su dirección.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Con --open: no pedir al router que redirija el puerto.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 espera un puerto %2 de 1 a 65535, no «%3»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe espera un número de segundos, no «%1»</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>un enlace se abre solo; para unirse con opciones, use --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>eso no es un enlace de Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>un archivo de repetición se abre solo; para verlo con opciones, use --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open y --join se excluyen</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port va con --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay funciona solo, sin --open, --join ni --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server va con --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server espera HOST:PORT, no «%1»</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public va con --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public espera el nombre con el que listar la partida</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games espera HOST o HOST:PORT, no «%1»</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record espera un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 existe y no es una repetición de Lumivex: se deja como está</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>una repetición se ve sola, sin --open, --join, --relay, --record, --demo ni --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>no hay ninguna interfaz de red «%1»; hay: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config espera un nombre de archivo</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo espera un número de jugadores de 2 a 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders espera un número de 1 a 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>sin pantalla: defina DISPLAY, o use --probe, que no la necesita</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>la partida no se pudo abrir en línea: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>los navegadores no pueden unirse: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>el relé no respondió en %1 s</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>No se puede usar el puerto UDP %1 (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 a través del relé</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Jugador 1 (tú)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Jugador local %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Pulsa el botón del mando para «%1».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Han vuelto las teclas predeterminadas.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Pulsa la tecla para «%1».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 ya es la tecla de «%2».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 ya es la tecla de «%2» de %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Pulsa una tecla…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Stick, cruceta</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Pulsa un botón…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>¡Nadie ha ganado!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>¡%1 ha ganado!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>¡Juego en pausa!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>¡El juego continúa!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>El anfitrión ha abandonado la partida</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>¡No hay cliente 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Atención!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Ninguna otra copia de Lumivex respondió %1 (grupo %2, puerto UDP %3). Los demás ordenadores deben estar en la misma red, y un cortafuegos debe dejar pasar el puerto UDP %3 y el grupo %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aquí</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Sin red: no se puede usar el puerto %1 (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Sin red: no se puede entrar en el grupo del juego (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 no está: se envía automáticamente</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Se envía de nuevo por %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Se envía %1 al grupo %2, puerto UDP %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>a ninguna parte</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Grupo unido en %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Grupo NO unido en %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Datagramas enviados: %1; recibidos: %2, de ellos descartados por mal formados: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Descartados porque su remitente envió demasiados: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Descartados sin leer por no ser de esta red (enviados solo a este ordenador, o desde más allá de un router): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Esta copia oye sus propios datagramas (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Esta copia NO oye sus propios datagramas.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>De %1: %2 datagramas, oído por última vez a las %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>en %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Los navegadores no pueden unirse: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Jugar desde un móvil</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Un móvil, una tableta o un ordenador de esta red juega aquí sin instalar nada: escanea el código o abre la dirección en su navegador. Cada navegador ocupa un puesto de esta copia.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Navegadores jugando: %1 de %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Los navegadores ya no pueden unirse.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Libera el puesto de cada navegador y deja de servir la página</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Buscar partidas en línea</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Relés a consultar (HOST:PUERTO, separados por comas):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Ida y vuelta</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>jugando</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 partida pública, de %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 partidas públicas, de %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>No hay relé al que preguntar. Lumivex no tiene servidor de listas propio: añade arriba relés que listen partidas (pregunta a tus amigos o monta uno con lumivex-relay), o elige uno con Red &gt; Servidor relé.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>no existe ese host</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Mostrar el &amp;enlace en línea…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Jugadores en línea…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Cerrar la partida en línea</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Abrir la partida en línea…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Salir de la partida en línea</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Unirse a una partida en línea…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Buscar partidas en línea…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Servidor &amp;relé…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Dejar unirse a los &amp;navegadores…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnóstico…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Red: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; ninguna otra copia de Lumivex respondió</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Estás solo aquí.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Compite contra pilotos del ordenador, abre una partida en línea para amigos de otros lugares o espera a amigos en esta red.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Añadir pilotos del ordenador</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Abrir una partida en línea…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Esperar a amigos en esta red</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Diagnóstico de red</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - En línea</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Servidor relé</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Las partidas abiertas en línea también mantienen una sala en este relé, para los amigos que no pueden llegar directamente a este ordenador.
HOST:PUERTO, o vacío para ninguno (Lumivex no mantiene ningún relé público):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>El relé se usará la próxima vez que se abra una partida en línea.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Abrir la partida en línea</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Los amigos de otros lugares se unen a esta partida con un enlace que te da la siguiente ventana para que se lo envíes.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Listar esta partida públicamente como:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>en el relé (HOST:PUERTO):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avanzado</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>Puerto UDP:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Una partida pública necesita un nombre con el que listarse.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Una partida pública se lista en un relé: «%1» no es HOST:PUERTO, como relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>No se pudo abrir la partida en línea: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Partida en línea</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Tus amigos se unen con este enlace (Red &gt; Unirse a una partida en línea). Contiene la clave de la partida: dáselo solo a quienes juegan contigo.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Dirección a la que pueden llegar tus amigos:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este ordenador</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Este ordenador solo tiene direcciones de su propia red, así que los amigos de fuera no pueden llegar a él: el enlace solo funciona en esta red.
Lo que funciona: un relé (Red &gt; Servidor relé…), redirigir el puerto UDP %1 del router a este ordenador (%2), o una VPN que os ponga a ti y a tus amigos en una misma red.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Unirse a una partida en línea</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>El enlace que envió un amigo (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Ese enlace no está completo: cópialo entero otra vez del mensaje de quien lo envió y pégalo aquí. (En detalle: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Eso no es un enlace de Lumivex: el enlace de una partida empieza por lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Jugadores en línea</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Copias que se unieron a esta partida desde otros lugares. Expulsar quita una y bloquea su dirección durante %1 minutos; Vetar la bloquea mientras la partida esté abierta.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Cerrar a nuevos jugadores</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>E&amp;xpulsar</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Vetar</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Esta partida en línea está cerrada a nuevos jugadores</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Esta partida en línea vuelve a estar abierta a nuevos jugadores</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Expulsar a %1 de la partida en línea</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Vetar a %1 en la partida en línea</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Una copia sin piloto</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) ha sido vetado en esta partida en línea</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) ha sido retirado de esta partida en línea durante %3 minutos</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>El relé %1 no tiene esa partida: se cerró o el enlace es antiguo</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>El relé %1 no dejó entrar a esta copia</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>El relé %1 no respondió</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>La partida en línea de %1 no respondió</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>La partida en línea de %1 no aceptó la clave del enlace</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (relé)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Sin red: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>No se encontró la dirección %1 de la partida en línea</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>No se encontró la dirección %1 del relé</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>La partida en línea está llena: ya tiene %1 jugadores de fuera</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>El anfitrión te ha retirado de la partida en línea</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>La partida en línea está cerrada a nuevos jugadores</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>La partida en línea no dejó unirse a esta copia</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Se perdió la conexión con la partida en línea</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Esta copia se ha unido a una partida en línea: sal de ella primero</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>El juego en línea no está disponible: no hay fuente de aleatoriedad</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Sin red: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>Se vetó a la copia de %1 en esta partida en línea</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>Se retiró a la copia de %1 de esta partida en línea durante %2 minutos</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>No se encontró el servidor relé %1</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>El relé %1 mantiene una sala para esta partida</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>El relé %1 está lleno: ahora no mantiene sala para esta partida</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>El relé %1 no responde; se vuelve a preguntar</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Abriendo una sala en el relé %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Sin listar: una partida pública se lista en un relé (menú Red, Servidor relé…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Listando esta partida en %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Listada públicamente en %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Sin listar en %1: su lista está llena</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Sin listar en %1: ya lista bastantes partidas de esta dirección</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Sin listar en %1: ve esta partida en otra dirección</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Sin listar en %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Esta copia ha abierto su partida en línea: ciérrala primero</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Esta copia ya se ha unido a una partida en línea</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>En línea: se ha unido 1 jugador</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>En línea: se han unido %1 jugadores</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Uniéndose a %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Unido a %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Unido a %1, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Abierta en línea en el puerto UDP %1; copias unidas desde fuera: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Cerrada a nuevos jugadores.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>En línea %1: ida y vuelta %2 ms, datagramas entrantes %3, salientes %4; descartados: %5 por encima de su cupo, %6 no auténticos.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Descartados en la pasarela: %1 de desconocidos, %2 no auténticos, %3 mal formados, %4 demasiado largos, %5 por encima del cupo. Cookies enviadas: %6; copias rechazadas: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Unido a %1 en línea: ida y vuelta %2 ms; %3 datagramas no auténticos descartados.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Mando de juego</translation>
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
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Pulsar stick izquierdo</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Pulsar stick derecho</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Gatillo superior izquierdo</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Gatillo superior derecho</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Cruceta arriba</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Cruceta abajo</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Cruceta izquierda</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Cruceta derecha</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Pidiendo al router que redirija el puerto…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>El puerto solo está redirigido en este router (%1, %2): hay otro router delante (doble NAT), así que los amigos de fuera necesitan un relé</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>El router redirige el puerto (%1): los amigos llegan a esta partida en %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Sin redirección automática de puertos: los amigos de fuera de esta red necesitan un relé o un puerto redirigido</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>El puerto UDP del relé (31316 por defecto).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>El máximo de salas que guarda el relé (4096 por defecto).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>El máximo de partidas públicas que lista el relé (1000 por defecto; 0 no lista ninguna). Una dirección, o un /64 de IPv6, lista como mucho 4, un /48 como mucho 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port espera un puerto UDP de 1 a 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms espera un número de 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address espera un número de 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games espera un número de 0 a 100000</translation>
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
        <translation>Abrir repetición</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Otro archivo…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Repeticiones de Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>no es una repetición de Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>no es una repetición de Lumivex (su cabecera está cortada)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>no es una repetición de Lumivex (su cabecera está dañada)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>una repetición hecha por un Lumivex más nuevo (versión de formato %1; este lee %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>no es una repetición de Lumivex (versión de formato 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>contiene más de lo que puede una repetición (%1 registros, %2 MiB de datagramas, %3 MiB en total): se reproduce hasta ahí</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>su marca final está cortada</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>su marca final está dañada</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>su marca final cuenta %1 registros, los bloques contienen %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>siguen bytes tras su marca final</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>el bloque %1 está cortado</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>el bloque %1 no es un bloque</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>el bloque %1 declara un tamaño imposible</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>el bloque %1 no pasa su comprobación</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>el bloque %1 no se descomprime a su tamaño</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>el bloque %1 termina dentro de un registro</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>el bloque %1 contiene un registro de longitud imposible</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>el bloque %1 retrocede en el tiempo</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>termina sin su marca final (cortada, o el programa no terminó limpiamente)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>la carpeta %1 no se puede crear</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Esta partida no se guarda como repetición: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
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
        <translation>¡%1 listo!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Solo 7 copias pueden hacer de clientes</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Cuatro jugadores como máximo en un teclado</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 se fue: su puesto fue ocupado</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 fue ocupado en otro lugar; corre como %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Volumen del &amp;chat</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
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
        <translation>Acerca de Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Estelas de luz para toda la red</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Ayuda:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>la guía del jugador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Añadir jugador local</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Cambiar teclas…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, Mayús izquierda para el turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - Ayuda</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>La ayuda no está instalada junto al programa.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>No se pudo abrir ningún navegador web para la ayuda. Abre este archivo con uno:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Aquí hay una partida en curso: primero reinicia la partida.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Aquí hay una partida en curso: primero sal de la partida.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Abrir repetición</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>No se puede reproducir %1: no es una repetición que este Lumivex sepa leer. (En detalle: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Añade pilotos del ordenador y pulsa Iniciar partida, o espera a amigos en esta red</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Pulsa Registro de cliente para ocupar un puesto en la partida</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Panel de control de Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Registro de cliente</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Ordenador:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Añadir piloto</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Quitar piloto</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Escanea para jugar desde un móvil</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - En línea</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reiniciar todo</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Grosor:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>En la rejilla:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
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
        <translation>Complejidad:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Partida:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Equipos:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Salida fija:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Diagonales:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arena:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Tu nombre, tal como lo ven los demás</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Color: el color de tu estela; Predeterminado da a cada puesto el suyo</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Fondo: el color de fondo de este panel y de la ventana de juego</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Grosor: lo ancha que es cada estela, de 1 (fina) a 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>En la rejilla: solo se gira en la rejilla de carriles, así que las estelas nunca se tocan</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Velocidad: 1 es la más rápida, 85 el ritmo habitual; los números mayores son más lentos</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: los pilotos pueden quemar combustible para ir el doble de rápido un rato</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: un piloto que sale de la arena por un borde vuelve por el otro</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Complejidad: los obstáculos; números mayores dan más y más pequeños, 4 o menos ninguno</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Partida: los puntos que un jugador o equipo necesita para ganar la partida</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Jugadores: cuántos pilotos tiene la partida, de 2 a 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Equipos: con 4, 6 u 8 jugadores, los pilotos corren en equipos; gana el último equipo en pista</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Salida fija: cada piloto sale del mismo lugar en cada ronda</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Diagonales: los pilotos también pueden ir en diagonal (solo estelas finas)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Ancho: el ancho de la arena en píxeles</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Alto: el alto de la arena en píxeles</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arena: el color de la arena en la próxima partida</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Ordenador: lo bien que juega el próximo piloto del ordenador</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Abrir &amp;repetición…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Añadir piloto del ordenador (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Añadir jugador local…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Quitar piloto del ordenador</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Salir de la partida</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Teclas…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex se actualiza con tu gestor de paquetes o tu instalador; esta es la versión %1. La guía del jugador se abre por su parte sobre versiones.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - Actualizaciones</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Visitar la página del autor…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex no tiene sitio web propio: en su lugar se abre su guía del jugador, instalada con él.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - Página principal</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;Acerca de Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Ida y vuelta: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arena: el color de la arena</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Color: el color de tu estela</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 es la tecla de «%2» de %3 y de %4: primero da otra tecla a uno de ellos en Ajustes &gt; Teclas.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 para dirigir, %2 para el turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>ninguna tecla</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Color de %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>sin decidir</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Nadie ha ganado</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 ha ganado</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Ronda %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>un jugador</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Repetición de Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Repetición de Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Velocidad (+ y - en la ventana de juego)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>Ronda &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>Ronda &amp;siguiente</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Esta repetición está dañada: se reproduce hasta %1 y se detiene ahí. (En detalle: %2, en el byte %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>La ronda otra vez: - para media velocidad, las demás teclas vuelven</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ausa</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
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
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>La cuenta atrás para la siguiente ronda; verde mientras los pilotos corren</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Ver la ronda otra vez (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Di algo; Intro envía, Esc cancela</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Te has estrellado</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>¡Has ganado la ronda!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Puntos de %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Nadie corre en este puesto</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Combustible turbo de %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>¿Jugar con este mando? Pulsa A en él para unirte como nuevo jugador local</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Ver la ronda otra vez (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Mejor ajuste</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Tal como se eligieron</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Aptos para &amp;daltónicos</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Nombres junto a los pilotos</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Mostrar la ventana de &amp;juego</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Ver la ronda otra vez</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Mostrar el panel de &amp;control</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Salir de la partida</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Arriba y derecha</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Abajo y derecha</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Abajo e izquierda</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Arriba e izquierda</translation>
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
        <translation>Ver la ronda otra vez</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 izquierda</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 derecha</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Tecl. num. %1</translation>
    </message>
</context>
</TS>
