<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Diga algo a todos na partida e tecle Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Silenciar %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: um jogo de arena com rastros para até oito jogadores numa mesma rede local.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Hospedar já uma partida de N jogadores (2 a 8): o jogador 1 no piloto automático, os outros pilotos do computador difíceis; uma nova partida segue cada uma.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Adicionar na partida K pilotos do computador (1 a 7) do último nível escolhido.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Escrever uma linha ao fim de cada rodada: a rodada, um hash da arena como desenhada aqui e a memória deste programa.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Enviar pela interface de rede NAME nesta execução, diga o que disser o menu Rede.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Guardar as configurações em FILE em vez de ~/.config/lumivex.ini (para várias cópias num computador).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Sem janela: enviar uma chamada, escutar os segundos que seguem (2 por padrão: --probe 5 escuta 5 s) e escrever uma linha por resposta (vaga, nome, cor, remetente). Sai com 0 se outra cópia respondeu, com 1 se nenhuma.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Abrir online a partida desta rede, na porta UDP PORT se um número seguir (senão a última escolhida, no início 31315), e escrever o link com que os amigos entram.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Entrar na partida online de LINK (lumivex://...); &quot;-&quot; lê o link da entrada padrão, onde outros usuários não o veem.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Rodar como servidor relay, sem tela e sem janelas: partidas que os amigos não alcançam diretamente mantêm uma sala aqui. Escuta na porta UDP 31316, a menos que --port diga outra coisa.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Com --open: manter uma sala para a partida no relay HOST:PORT, para que amigos que não alcançam este computador entrem por ele.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Com --open e um relay: listar a partida publicamente no relay como NAME, para qualquer um encontrar e entrar.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Sem janela: escrever as partidas públicas que o relay HOST[:PORT] lista, uma linha cada (nome, jogadores, jogando ou esperando, link). Sai com 0, com 1 se o relay não responder em 5 s, com 2 para um endereço malformado.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Guardar cada datagrama que esta cópia ouve, com seu horário, no arquivo de replay FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Assistir ao replay FILE (também: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Tocar o replay FILE o mais rápido possível, sem janela, e escrever o resultado de cada rodada e o hash de sua arena. Sai com 0, com 1 se o arquivo estiver danificado, com 2 se não for um replay.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Deixar entrar os navegadores desta rede: servir a página na porta TCP PORT se um número seguir (senão a última escolhida, no início 31317) e escrever seu endereço.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Com --open: não pedir ao roteador que encaminhe a porta.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 espera uma porta %2 de 1 a 65535, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe espera um número de segundos, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>um link abre sozinho; para entrar com opções, use --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>isso não é um link do Lumivex: %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>um arquivo de replay abre sozinho; para assisti-lo com opções, use --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open e --join se excluem</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port vai com --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay roda sozinho, sem --open, --join ou --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server vai com --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server espera HOST:PORT, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public vai com --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public espera o nome com que listar a partida</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games espera HOST ou HOST:PORT, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record espera um nome de arquivo</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 existe e não é um replay do Lumivex: fica como está</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>um replay é assistido sozinho, sem --open, --join, --relay, --record, --demo ou --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>não há interface de rede &quot;%1&quot;; há: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config espera um nome de arquivo</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo espera um número de jogadores de 2 a 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders espera um número de 1 a 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>sem tela: defina DISPLAY, ou use --probe, que não precisa de uma</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>não foi possível abrir a partida online: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>os navegadores não podem entrar: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>o relay não respondeu em %1 s</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>A porta UDP %1 não pode ser usada (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 pelo relay</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Jogador 1 (você)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Jogador local %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Aperte o botão do controle para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>As teclas padrão voltaram.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Aperte a tecla para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 já é a tecla de &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 já é a tecla de &quot;%2&quot; de %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Aperte uma tecla…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Analógico, direcional</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Analógico</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Aperte um botão…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Ninguém venceu!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 venceu!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 venceu a partida!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Jogo pausado!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Jogo retomado!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>O anfitrião saiu da partida</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Sem cliente 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Atenção!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Nenhuma outra cópia do Lumivex respondeu %1 (grupo %2, porta UDP %3). Os outros computadores precisam estar na mesma rede, e um firewall precisa deixar passar a porta UDP %3 e o grupo %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aqui</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Sem rede: a porta %1 não pode ser usada (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Sem rede: não é possível entrar no grupo do jogo (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 não está lá: enviando automaticamente</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Enviando por %1 de novo</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Enviando %1 ao grupo %2, porta UDP %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>lugar nenhum</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Grupo acessado em %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Grupo NÃO acessado em %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Datagramas enviados: %1; recebidos: %2, dos quais descartados por malformados: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Descartados porque o remetente enviou demais: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Descartados sem leitura por não serem desta rede (enviados só a este computador, ou de além de um roteador): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Esta cópia ouve seus próprios datagramas (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Esta cópia NÃO ouve seus próprios datagramas.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>De %1: %2 datagramas, ouvido por último às %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>em %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Navegadores não podem entrar: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Jogar pelo celular</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Um celular, tablet ou computador desta rede joga aqui sem instalar nada: escaneie o código ou abra o endereço no navegador dele. Cada navegador ocupa um lugar desta cópia.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Navegadores jogando: %1 de %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Navegadores não podem mais entrar.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Libera o lugar de cada navegador e para de servir a página</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Encontrar jogos online</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Relays a consultar (HOST:PORTA, separados por vírgulas):</translation>
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
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Ida e volta</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>jogando</translation>
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
        <translation>%1 jogo público, de %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 jogos públicos, de %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Nenhum relay para consultar. O Lumivex não tem servidor de listas próprio: adicione acima relays que listam jogos (pergunte aos seus amigos ou rode um com lumivex-relay), ou escolha um em Rede &gt; Servidor relay.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>host inexistente</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rede</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Mostrar &amp;link online…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Jogadores online…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Fechar jogo online</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Abrir jogo online…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Sair do jogo online</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Entrar em jogo online…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>E&amp;ncontrar jogos online…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Servidor &amp;relay…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Deixar &amp;navegadores entrarem…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnóstico…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Rede: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; nenhuma outra cópia do Lumivex respondeu</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Você está sozinho aqui.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Corra contra pilotos do computador, abra um jogo online para amigos em outro lugar ou espere amigos nesta rede.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Adicionar pilotos do computador</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Abrir um jogo online…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Esperar amigos nesta rede</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Diagnóstico de rede</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Online</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Servidor relay</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Jogos abertos online também mantêm uma sala neste relay, para amigos que não alcançam este computador diretamente.
HOST:PORTA, ou vazio para nenhum (o Lumivex não mantém relay público):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>O relay será usado a partir da próxima vez que um jogo for aberto online.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Abrir jogo online</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Amigos em outro lugar entram neste jogo com um link que a próxima janela lhe dá para enviar a eles.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Listar este jogo publicamente como:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>no relay (HOST:PORTA):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avançado</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>Porta UDP:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Um jogo público precisa de um nome para ser listado.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Um jogo público é listado em um relay: &quot;%1&quot; não é HOST:PORTA, como relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>Não foi possível abrir o jogo online: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Jogo online</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Os amigos entram com este link (Rede &gt; Entrar em jogo online). Ele contém a chave do jogo: dê só a quem joga com você.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Endereço que os amigos alcançam:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este computador</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Este computador só tem endereços da própria rede, então amigos de fora não o alcançam: o link só funciona nesta rede.
O que funciona: um relay (Rede &gt; Servidor relay…), redirecionar a porta UDP %1 do roteador para este computador (%2), ou uma VPN que coloque você e seus amigos em uma mesma rede.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Entrar em jogo online</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>O link que um amigo enviou (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Esse link não está completo: copie-o inteiro de novo de quem o enviou e cole aqui. (Em detalhe: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Isso não é um link do Lumivex: o link de um jogo começa com lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Jogadores online</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Cópias que entraram neste jogo de outro lugar. Expulsar remove uma e bloqueia o endereço dela por %1 minutos; Banir a bloqueia enquanto o jogo estiver aberto.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Fechar para novos jogadores</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>E&amp;xpulsar</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Banir</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Este jogo online está fechado para novos jogadores</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Este jogo online está aberto para novos jogadores de novo</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Expulsar %1 do jogo online</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Banir %1 do jogo online</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Uma cópia sem piloto</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) foi banido deste jogo online</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) foi removido deste jogo online por %3 minutos</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>O relay em %1 não tem esse jogo: ele foi fechado ou o link é antigo</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>O relay em %1 não deixou esta cópia entrar</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>O relay em %1 não respondeu</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>O jogo online em %1 não respondeu</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>O jogo online em %1 não aceitou a chave do link</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (relay)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Sem rede: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>O endereço %1 do jogo online não foi encontrado</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>O endereço %1 do relay não foi encontrado</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>O jogo online está cheio: já tem %1 jogadores de fora</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>O anfitrião removeu você do jogo online</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>O jogo online está fechado para novos jogadores</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>O jogo online recusou a entrada desta cópia</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>A conexão com o jogo online foi perdida</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Esta cópia entrou em um jogo online: saia dele primeiro</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>O jogo online não está disponível: sem fonte de aleatoriedade</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Sem rede: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>A cópia em %1 foi banida deste jogo online</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>A cópia em %1 foi removida deste jogo online por %2 minutos</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>O servidor relay %1 não foi encontrado</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>O relay %1 mantém uma sala para este jogo</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>O relay %1 está cheio: agora não mantém sala para este jogo</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>O relay %1 não responde; perguntando de novo</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Abrindo uma sala no relay %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Não listado: um jogo público é listado em um relay (menu Rede, Servidor relay…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Listando este jogo em %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Listado publicamente em %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Não listado em %1: a lista está cheia</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Não listado em %1: já lista jogos suficientes deste endereço</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Não listado em %1: vê este jogo em outro endereço</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Não listado em %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Esta cópia abriu seu jogo online: feche-o primeiro</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Esta cópia já entrou em um jogo online</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>Online: 1 jogador entrou</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>Online: %1 jogadores entraram</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Entrando em %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>Entrou em %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>Entrou em %1, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Aberto online na porta UDP %1; cópias vindas de fora: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Fechado para novos jogadores.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>Online %1: ida e volta %2 ms, datagramas de entrada %3, de saída %4; descartados: %5 acima da cota, %6 não autênticos.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Descartados no gateway: %1 de estranhos, %2 não autênticos, %3 malformados, %4 longos demais, %5 acima da cota. Cookies enviados: %6; cópias recusadas: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>Entrou em %1 online: ida e volta %2 ms; %3 datagramas não autênticos descartados.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Controle de jogo</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>Clique do analógico esquerdo</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Clique do analógico direito</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Botão de ombro esquerdo</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Botão de ombro direito</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Direcional para cima</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Direcional para baixo</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Direcional para a esquerda</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Direcional para a direita</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Pedindo ao roteador para redirecionar a porta…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>A porta só está redirecionada neste roteador (%1, %2): há outro roteador na frente (NAT duplo), então amigos de fora precisam de um relay</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>O roteador redireciona a porta (%1): os amigos alcançam este jogo em %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Sem redirecionamento automático de porta: amigos fora desta rede precisam de um relay ou de uma porta redirecionada</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>A porta UDP do relay (padrão 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>O máximo de salas que o relay mantém (padrão 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>O máximo de partidas públicas que o relay lista (padrão 1000; 0 não lista nenhuma). Um endereço, ou um /64 IPv6, lista no máximo 4, um /48 no máximo 16.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port espera uma porta UDP de 1 a 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms espera um número de 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address espera um número de 1 a 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games espera um número de 0 a 100000</translation>
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
        <translation>Abrir replay</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Outro arquivo…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Replays do Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>não é um replay do Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>não é um replay do Lumivex (seu cabeçalho está cortado)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>não é um replay do Lumivex (seu cabeçalho está danificado)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>um replay feito por um Lumivex mais novo (versão de formato %1; este lê %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>não é um replay do Lumivex (versão de formato 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>ele contém mais do que um replay pode (%1 registros, %2 MiB de datagramas, %3 MiB ao todo): ele toca até ali</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>sua marca final está cortada</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>sua marca final está danificada</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>sua marca final conta %1 registros, os blocos contêm %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>há bytes depois de sua marca final</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>o bloco %1 está cortado</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>o bloco %1 não é um bloco</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>o bloco %1 declara um tamanho impossível</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>o bloco %1 falha em sua verificação</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>o bloco %1 não descompacta para seu tamanho</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>o bloco %1 termina dentro de um registro</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>o bloco %1 contém um registro de tamanho impossível</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>o bloco %1 volta no tempo</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>ele termina sem sua marca final (cortado, ou o programa não terminou corretamente)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>a pasta %1 não pode ser criada</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Esta partida não é guardada como replay: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
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
        <translation>Só 7 cópias podem servir de clientes</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>No máximo quatro jogadores em um teclado</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 saiu: seu lugar foi ocupado</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 foi ocupado em outro lugar; corre como %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Mudo</translation>
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
        <translation>Volume do &amp;chat</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Sobre o Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Rastros de luz para a rede toda</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Ajuda:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>o guia do jogador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Adicionar jogador local</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Mudar teclas…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, Shift esquerdo para o turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - Ajuda</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>A ajuda não está instalada junto ao programa.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Nenhum navegador pôde ser aberto para a ajuda. Abra este arquivo com um:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Há uma partida em andamento aqui: reinicie a partida primeiro.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Há uma partida em andamento aqui: saia da partida primeiro.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Abrir replay</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 não pode ser reproduzido: não é um replay que este Lumivex saiba ler. (Em detalhe: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Adicione pilotos do computador e aperte Iniciar partida, ou espere amigos nesta rede</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Aperte Registro de cliente para ocupar um lugar na partida</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Painel de controle do Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Geral</translation>
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
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Registro de cliente</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computador:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Adicionar piloto</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Remover piloto</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Escaneie para jogar pelo celular</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - Online</translation>
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
        <translation>Reiniciar tudo</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Espessura:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Na grade:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
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
        <translation>Complexidade:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Partida:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Equipes:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Posição fixa:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Diagonais:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arena:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Seu nome, como os outros o veem</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Cor: a cor do seu rastro; Padrão dá a cada lugar a sua</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Fundo: a cor de fundo deste painel e da janela do jogo</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Espessura: a largura de cada rastro, de 1 (fino) a 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Na grade: só se vira na grade de faixas, então os rastros nunca se tocam</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Velocidade: 1 é a mais rápida, 85 o ritmo habitual; números maiores são mais lentos</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo: os pilotos podem queimar combustível para andar duas vezes mais rápido por um tempo</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp: um piloto que sai da arena por uma borda volta pela outra</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Complexidade: os obstáculos; números maiores dão mais e menores, 4 ou menos nenhum</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Partida: os pontos que um jogador ou equipe precisa para vencer a partida</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Jogadores: quantos pilotos a partida tem, de 2 a 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Equipes: com 4, 6 ou 8 jogadores, os pilotos correm em equipes; vence a última equipe na pista</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Posição fixa: cada piloto larga do mesmo lugar a cada rodada</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Diagonais: os pilotos também podem andar na diagonal (só rastros finos)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Largura: a largura da arena em pixels</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Altura: a altura da arena em pixels</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arena: a cor da arena na próxima partida</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Computador: o quão bem joga o próximo piloto do computador</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Abrir &amp;replay…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Adicionar piloto do computador (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Adicionar jogador local…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Remover piloto do computador</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Sair da partida</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Teclas…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Procurar atualizações…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>O Lumivex é atualizado pelo seu gerenciador de pacotes ou instalador; esta é a versão %1. O guia do jogador abre na parte sobre versões.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - Atualizações</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Visitar a página do autor…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>O Lumivex não tem site próprio: em vez disso abre o guia do jogador, instalado junto com ele.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - Página inicial</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;Sobre o Lumivex…</translation>
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
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Ida e volta: %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arena: a cor da arena</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Cor: a cor do seu rastro</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 é a tecla de &quot;%2&quot; de %3 e de %4: primeiro dê outra tecla a um deles em Configurações &gt; Teclas.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 para dirigir, %2 para o turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>nenhuma tecla</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Cor de %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>indefinida</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Ninguém venceu</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 venceu</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Rodada %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>um jogador</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Replay do Lumivex: %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Replay do Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Velocidade (+ e - na janela do jogo)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>Rodada &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>&amp;Próxima rodada</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Este replay está danificado: ele toca até %1 e para aí. (Em detalhe: %2, no byte %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>A rodada de novo: - para meia velocidade, as outras teclas voltam</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ausar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
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
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>A contagem regressiva para a próxima rodada; verde enquanto os pilotos correm</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Ver a rodada de novo (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Diga algo; Enter envia, Esc cancela</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Você bateu</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Você venceu a rodada!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Pontos de %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Ninguém corre neste lugar</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Combustível turbo de %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Jogar com este controle? Aperte A nele para entrar como novo jogador local</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Ver a rodada de novo (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
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
        <translation>&amp;Aproximar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;fastar</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Melhor ajuste</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Como escolhidas</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Seguras para &amp;daltônicos</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Nomes junto aos pilotos</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Mostrar a janela do &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Ver a rodada de novo</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Mostrar o painel de &amp;controle</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Sair da partida</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Cima e direita</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Baixo e direita</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Baixo e esquerda</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Cima e esquerda</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Ver a rodada de novo</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 esquerdo</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 direito</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
