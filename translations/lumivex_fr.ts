<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>Discussion</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>Dites quelque chose à tout le monde dans la partie, puis Entrée</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>Couper %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex : un jeu d&apos;arène à traînées lumineuses pour huit joueurs au plus sur un même réseau local.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>Héberger tout de suite une partie de N joueurs (2 à 8) : le joueur 1 en pilote automatique, les autres pilotes ordinateur difficiles ; une nouvelle partie suit chacune.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>Ajouter au démarrage K pilotes ordinateur (1 à 7) du dernier niveau choisi.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>Écrire une ligne à chaque fin de manche : la manche, une empreinte de l&apos;arène telle que dessinée ici et la mémoire de ce programme.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>Envoyer par l&apos;interface réseau NAME pour cette exécution, quoi que dise le menu Réseau.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>Garder les réglages dans FILE au lieu de ~/.config/lumivex.ini (pour plusieurs copies sur un ordinateur).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>Sans fenêtre : envoyer un appel, écouter le nombre de secondes qui suit (2 par défaut : --probe 5 écoute 5 s) et écrire une ligne par réponse (place, nom, couleur, expéditeur). Sort avec 0 si une autre copie a répondu, 1 sinon.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>Ouvrir en ligne la partie de ce réseau, sur le port UDP PORT si un nombre suit (sinon le dernier choisi, d&apos;abord 31315), et écrire le lien avec lequel les amis rejoignent.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>Rejoindre la partie en ligne de LINK (lumivex://...) ; « - » lit le lien sur l&apos;entrée standard, où les autres utilisateurs ne le voient pas.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>Fonctionner en serveur relais, sans affichage ni fenêtre : les parties que les amis ne peuvent atteindre directement y gardent un salon. Il écoute sur le port UDP 31316 sauf si --port en décide autrement.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>Avec --open : garder un salon pour la partie au relais HOST:PORT, pour que les amis qui ne peuvent atteindre cet ordinateur rejoignent par lui.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>Avec --open et un relais : lister publiquement la partie au relais sous le nom NAME, pour que chacun la trouve et la rejoigne.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>Sans fenêtre : écrire les parties publiques que liste le relais HOST[:PORT], une ligne chacune (nom, joueurs, en jeu ou en attente, lien). Sort avec 0, 1 si le relais ne répond pas en 5 s, 2 pour une adresse mal formée.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>Garder chaque datagramme que cette copie entend, avec son heure, dans le fichier de replay FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>Regarder le replay FILE (aussi : lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>Jouer le replay FILE aussi vite que possible, sans fenêtre, et écrire l&apos;issue de chaque manche et l&apos;empreinte de son arène. Sort avec 0, 1 si le fichier est endommagé, 2 si ce n&apos;est pas un replay.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>Laisser les navigateurs de ce réseau rejoindre : servir la page sur le port TCP PORT si un nombre suit (sinon le dernier choisi, d&apos;abord 31317) et écrire son adresse.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>Avec --open : ne pas demander au routeur de rediriger le port.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 attend un port %2 de 1 à 65535, pas « %3 »</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe attend un nombre de secondes, pas « %1 »</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>un lien s&apos;ouvre seul ; pour rejoindre avec des options, utilisez --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>ce n&apos;est pas un lien Lumivex : %1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>un fichier de replay s&apos;ouvre seul ; pour le regarder avec des options, utilisez --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open et --join s&apos;excluent</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port va avec --relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay fonctionne seul, sans --open, --join ni --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server va avec --open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server attend HOST:PORT, pas « %1 »</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public va avec --open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public attend le nom sous lequel lister la partie</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games attend HOST ou HOST:PORT, pas « %1 »</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record attend un nom de fichier</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 existe et n&apos;est pas un replay Lumivex : il est laissé tel quel</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>un replay se regarde seul, sans --open, --join, --relay, --record, --demo ni --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>il n&apos;y a pas d&apos;interface réseau « %1 » ; il y a : %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config attend un nom de fichier</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo attend un nombre de joueurs de 2 à 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders attend un nombre de 1 à 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>pas d&apos;affichage : définissez DISPLAY, ou utilisez --probe, qui n&apos;en a pas besoin</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>la partie n&apos;a pas pu être ouverte en ligne : %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>les navigateurs ne peuvent pas rejoindre : %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>le relais n&apos;a pas répondu en %1 s</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>Le port UDP %1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 par le relais</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>Joueur 1 (vous)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>Joueur local %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>Appuyez sur le bouton de la manette pour « %1 ».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>Les touches par défaut sont revenues.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>Appuyez sur la touche pour « %1 ».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 est déjà la touche de « %2 ».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 est déjà la touche de « %2 » pour %3.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>Appuyez sur une touche…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>Stick, croix</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>Appuyez sur un bouton…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>Personne n&apos;a gagné !</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 a gagné !</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 a gagné le match !</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>Jeu en pause !</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>Le jeu reprend !</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>L&apos;hôte a quitté le match</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>Pas de client 1 !</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attention !</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>Aucune autre copie de Lumivex n&apos;a répondu %1 (groupe %2, port UDP %3). Les autres ordinateurs doivent être sur le même réseau, et un pare-feu doit laisser passer le port UDP %3 et le groupe %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>ici</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>Pas de réseau : le port %1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>Pas de réseau : impossible de rejoindre le groupe du jeu (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 n&apos;est pas là : envoi automatique</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>Envoi de nouveau par %1</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>Envoi de %1 au groupe %2, port UDP %3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nulle part</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>Groupe rejoint sur %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>Groupe NON rejoint sur %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>Datagrammes envoyés : %1 ; reçus : %2, dont rejetés comme mal formés : %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>Rejetés parce que leur expéditeur en envoyait trop : %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>Rejetés sans lecture car hors de ce réseau (envoyés à cet ordinateur seul, ou venus d&apos;au-delà d&apos;un routeur) : %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>Cette copie entend ses propres datagrammes (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>Cette copie n&apos;entend PAS ses propres datagrammes.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>De %1 : %2 datagrammes, entendu pour la dernière fois à %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>sur %1, %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>Les navigateurs ne peuvent pas rejoindre : %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>Jouer depuis un téléphone</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>Un téléphone, une tablette ou un ordinateur de ce réseau joue ici sans rien installer : scannez le code ou ouvrez l&apos;adresse dans son navigateur. Chaque navigateur prend une place de cette copie.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>Navigateurs en jeu : %1 sur %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>Les navigateurs ne peuvent plus rejoindre.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>Libère la place de chaque navigateur et cesse de servir la page</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>Trouver des parties en ligne</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>Relais à interroger (HÔTE:PORT, séparés par des virgules) :</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Aller-retour</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Rejoindre</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 partie publique, de %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 parties publiques, de %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>Aucun relais à interroger. Lumivex n&apos;a pas de serveur de liste à lui : ajoutez ci-dessus des relais qui listent des parties (demandez à vos amis, ou lancez-en un avec lumivex-relay), ou choisissez-en un avec Réseau &gt; Serveur relais.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Réseau</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>Afficher le &amp;lien en ligne…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>&amp;Joueurs en ligne…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>&amp;Fermer la partie en ligne</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>&amp;Ouvrir la partie en ligne…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>&amp;Quitter la partie en ligne</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>&amp;Rejoindre une partie en ligne…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>&amp;Trouver des parties en ligne…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>Serveur &amp;relais…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>Laisser les &amp;navigateurs rejoindre…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>&amp;Diagnostic…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Réseau : %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>; aucune autre copie de Lumivex n&apos;a répondu</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>Vous êtes seul ici.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>Affrontez des pilotes ordinateur, ouvrez une partie en ligne pour des amis ailleurs, ou attendez des amis sur ce réseau.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>Ajouter des pilotes ordinateur</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>Ouvrir une partie en ligne…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>Attendre des amis sur ce réseau</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Diagnostic réseau</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - En ligne</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>Serveur relais</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>Les parties ouvertes en ligne gardent aussi une salle sur ce relais, pour les amis qui ne peuvent pas joindre cet ordinateur directement.
HÔTE:PORT, ou vide pour aucun (Lumivex ne fait tourner aucun relais public) :</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>Le relais servira la prochaine fois qu&apos;une partie sera ouverte en ligne.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>Ouvrir la partie en ligne</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>Des amis ailleurs rejoignent cette partie avec un lien que la fenêtre suivante vous donne à leur envoyer.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>&amp;Lister cette partie publiquement sous le nom :</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>au relais (HÔTE:PORT) :</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avancé</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>Port UDP :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>Une partie publique a besoin d&apos;un nom sous lequel être listée.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>Une partie publique est listée sur un relais : « %1 » n&apos;est pas HÔTE:PORT, comme relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>La partie n&apos;a pas pu être ouverte en ligne : %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>Partie en ligne</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>Vos amis rejoignent avec ce lien (Réseau &gt; Rejoindre une partie en ligne). Il contient la clé de la partie : ne le donnez qu&apos;à ceux avec qui vous jouez.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>Adresse que vos amis peuvent joindre :</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>Cet ordinateur n&apos;a que des adresses de son propre réseau, des amis ailleurs ne peuvent donc pas le joindre : le lien ne marche que sur ce réseau.
Ce qui marche : un relais (Réseau &gt; Serveur relais…), rediriger le port UDP %1 du routeur vers cet ordinateur (%2), ou un VPN qui vous met, vous et vos amis, sur un même réseau.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>Rejoindre une partie en ligne</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>Le lien envoyé par un ami (lumivex://…) :</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>Ce lien n&apos;est pas complet : recopiez-le en entier depuis le message de celui qui l&apos;a envoyé, et collez-le ici. (En détail : %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Ce n&apos;est pas un lien Lumivex : le lien d&apos;une partie commence par lumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>Joueurs en ligne</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>Copies qui ont rejoint cette partie depuis ailleurs. Exclure en retire une et bloque son adresse pendant %1 minutes ; Bannir la bloque tant que la partie est ouverte.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrant</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortant</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>&amp;Fermer aux nouveaux joueurs</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>E&amp;xclure</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;Bannir</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>Cette partie en ligne est fermée aux nouveaux joueurs</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>Cette partie en ligne est de nouveau ouverte aux nouveaux joueurs</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>Exclure %1 de la partie en ligne</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>Bannir %1 de la partie en ligne</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>Une copie sans pilote</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1 (%2) a été banni de cette partie en ligne</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1 (%2) a été retiré de cette partie en ligne pour %3 minutes</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>Le relais %1 ne connaît pas cette partie : elle a été fermée, ou le lien est ancien</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>Le relais %1 n&apos;a pas laissé entrer cette copie</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>Le relais %1 n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>La partie en ligne à %1 n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>La partie en ligne à %1 n&apos;a pas accepté la clé du lien</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (relais)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Pas de réseau : %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>L&apos;adresse %1 de la partie en ligne est introuvable</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>L&apos;adresse %1 du relais est introuvable</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>La partie en ligne est pleine : elle a déjà %1 joueurs venus d&apos;ailleurs</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>L&apos;hôte vous a retiré de la partie en ligne</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>La partie en ligne est fermée aux nouveaux joueurs</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>La partie en ligne a refusé que cette copie la rejoigne</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>Connexion à la partie en ligne perdue</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>Cette copie a rejoint une partie en ligne : quittez-la d&apos;abord</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>Le jeu en ligne est indisponible : aucune source d&apos;aléa</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>Pas de réseau : %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>La copie à %1 a été bannie de cette partie en ligne</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>La copie à %1 a été retirée de cette partie en ligne pour %2 minutes</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>Le serveur relais %1 est introuvable</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>Le relais %1 garde une salle pour cette partie</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>Le relais %1 est plein : il ne garde pas de salle pour cette partie pour l&apos;instant</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>Le relais %1 ne répond pas ; nouvelle demande</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>Ouverture d&apos;une salle au relais %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>Non listée : une partie publique est listée sur un relais (menu Réseau, Serveur relais…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>Listage de cette partie sur %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>Listée publiquement sur %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>Non listée sur %1 : sa liste est pleine</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>Non listée sur %1 : il liste assez de parties de cette adresse</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>Non listée sur %1 : il voit cette partie à une autre adresse</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>Non listée sur %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>Cette copie a ouvert sa partie en ligne : fermez-la d&apos;abord</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>Cette copie a déjà rejoint une partie en ligne</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>En ligne : 1 joueur a rejoint</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>En ligne : %1 joueurs ont rejoint</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>%1 rejoint</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>%1 rejoint, %2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>Ouverte en ligne sur le port UDP %1 ; copies venues d&apos;ailleurs : %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>Fermée aux nouveaux joueurs.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>En ligne %1 : aller-retour %2 ms, datagrammes entrants %3, sortants %4 ; rejetés : %5 au-delà de son budget, %6 non authentiques.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>Rejetés à la passerelle : %1 d&apos;inconnus, %2 non authentiques, %3 mal formés, %4 trop longs, %5 au-delà du budget. Cookies envoyés : %6 ; copies refusées : %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>%1 rejoint en ligne : aller-retour %2 ms ; %3 datagrammes non authentiques rejetés.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>Manette de jeu</translation>
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
        <translation>Retour</translation>
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
        <translation>Clic du stick gauche</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>Clic du stick droit</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Gâchette haute gauche</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Gâchette haute droite</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Croix haut</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Croix bas</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Croix gauche</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Croix droite</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>Demande au routeur de rediriger le port…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>Le port n&apos;est redirigé que sur ce routeur (%1, %2) : un autre routeur se trouve devant (double NAT), les amis à l&apos;extérieur ont donc besoin d&apos;un relais</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>Le routeur redirige le port (%1) : les amis joignent cette partie à %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>Pas de redirection automatique de port : les amis hors de ce réseau ont besoin d&apos;un relais ou d&apos;un port redirigé</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>Le port UDP du relais (31316 par défaut).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>Le plus de salons que garde le relais (4096 par défaut).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>Le plus de parties publiques que liste le relais (1000 par défaut ; 0 n&apos;en liste aucune). Une adresse, ou un /64 IPv6, en liste 4 au plus, un /48 16 au plus.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port attend un port UDP de 1 à 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms attend un nombre de 1 à 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address attend un nombre de 1 à 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games attend un nombre de 0 à 100000</translation>
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
        <translation>Ouvrir un replay</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>Autre fichier…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Replays Lumivex (*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>pas un replay Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>pas un replay Lumivex (son en-tête est tronqué)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>pas un replay Lumivex (son en-tête est endommagé)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>un replay fait par un Lumivex plus récent (version de format %1 ; celui-ci lit %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>pas un replay Lumivex (version de format 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>il contient plus qu&apos;un replay ne peut (%1 enregistrements, %2 Mio de datagrammes, %3 Mio en tout) : il se joue jusque-là</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>sa marque de fin est tronquée</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>sa marque de fin est endommagée</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>sa marque de fin compte %1 enregistrements, les blocs en contiennent %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>des octets suivent sa marque de fin</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>le bloc %1 est tronqué</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>le bloc %1 n&apos;est pas un bloc</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>le bloc %1 annonce une taille impossible</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>le bloc %1 échoue à sa vérification</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>le bloc %1 ne se décompresse pas à sa taille</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>le bloc %1 se termine au milieu d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>le bloc %1 contient un enregistrement de longueur impossible</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>le bloc %1 remonte le temps</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>il se termine sans sa marque de fin (tronqué, ou le programme ne s&apos;est pas terminé proprement)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>Cette partie n&apos;est pas gardée en replay : %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
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
        <translation>%1 prêt !</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>Seules 7 copies peuvent servir de clients</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>Quatre joueurs au plus sur un clavier</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 est parti : sa place a été prise</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 a été pris ailleurs ; il roule en tant que %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;Muet</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>Volume de la &amp;discussion</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Coupé</translation>
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
        <translation>À propos de Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>Des traînées lumineuses pour tout le réseau</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Aide :</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>le guide du joueur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Ajouter un joueur local</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>Changer les touches…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Touches :</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D, Maj gauche pour le turbo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - Aide</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>L&apos;aide n&apos;est pas installée à côté du programme.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert pour l&apos;aide. Ouvrez ce fichier avec l&apos;un d&apos;eux :
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>Un match est en cours ici : réinitialisez d&apos;abord le match.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>Un match est en cours ici : quittez d&apos;abord le match.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>Ouvrir un replay</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 ne peut pas être joué : ce n&apos;est pas un replay que ce Lumivex sait lire. (En détail : %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>Ajoutez des pilotes ordinateur et appuyez sur Lancer le match, ou attendez des amis sur ce réseau</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>Appuyez sur Inscription client pour prendre une place dans le match</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Panneau de contrôle Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>Inscription client</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Ordinateur :</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>Ajouter pilote</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>Retirer pilote</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>Scannez pour jouer depuis un téléphone</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - En ligne</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>Lancer le match</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>Réinit. match</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinit.</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Épaisseur :</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>Sur la grille :</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>Turbo :</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>Warp :</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>Complexité :</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Match :</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Joueurs :</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Équipes :</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>Places fixes :</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>Diagonales :</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>Arène :</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>Votre nom, tel que les autres le voient</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>Couleur : la couleur de votre traînée ; Par défaut donne à chaque place la sienne</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>Fond : la couleur de fond de ce panneau et de la fenêtre de jeu</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>Épaisseur : la largeur de chaque traînée, de 1 (fine) à 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>Sur la grille : on ne tourne que sur la grille des couloirs, les traînées ne se touchent donc jamais</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>Vitesse : 1 est le plus rapide, 85 l&apos;allure habituelle ; les nombres plus grands sont plus lents</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>Turbo : les pilotes peuvent brûler du carburant pour aller deux fois plus vite un moment</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>Warp : un pilote qui sort de l&apos;arène par un bord revient par l&apos;autre</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>Complexité : les obstacles ; plus le nombre est grand, plus ils sont nombreux et petits, 4 ou moins aucun</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>Match : les points qu&apos;un joueur ou une équipe doit marquer pour gagner le match</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>Joueurs : combien de pilotes compte le match, de 2 à 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>Équipes : à 4, 6 ou 8 joueurs, les pilotes roulent en équipes ; la dernière équipe en course gagne</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>Places fixes : chaque pilote part du même endroit à chaque manche</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>Diagonales : les pilotes peuvent aussi rouler en diagonale (traînées fines seulement)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>Largeur : la largeur de l&apos;arène en pixels</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>Hauteur : la hauteur de l&apos;arène en pixels</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>Arène : la couleur de l&apos;arène au prochain match</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>Ordinateur : le niveau du prochain pilote ordinateur</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>Ouvrir un &amp;replay…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>Ajouter un pilote ordinateur (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>Ajouter un joueur local…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>Retirer un pilote ordinateur</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Quitter le match</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Touches…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>&amp;Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex est mis à jour par votre gestionnaire de paquets ou votre installateur ; ceci est la version %1. Le guide du joueur s&apos;ouvre à sa partie sur les versions.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - Mises à jour</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;Visiter la page de l&apos;auteur…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex n&apos;a pas de site web à lui : son guide du joueur, installé avec lui, s&apos;ouvre à la place.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - Page d&apos;accueil</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>À &amp;propos de Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>Aller-retour : %1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>Arène : la couleur de l&apos;arène</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>Couleur : la couleur de votre traînée</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 est la touche de « %2 » pour %3 et pour %4 : donnez d&apos;abord une autre touche à l&apos;un d&apos;eux dans Réglages &gt; Touches.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 pour diriger, %2 pour le turbo</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>aucune touche</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>Couleur de %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>non décidée</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>Personne n&apos;a gagné</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>Manche %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>un joueur</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Replay Lumivex : %1, %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Replay Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>Vitesse (+ et - dans la fenêtre de jeu)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>Manche &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>Manche &amp;suivante</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>Ce replay est endommagé : il se lit jusqu&apos;à %1 et s&apos;arrête là. (En détail : %2, à l&apos;octet %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>La manche encore : - pour demi-vitesse, les autres touches reviennent</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
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
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>Le compte à rebours jusqu&apos;à la prochaine manche ; vert tant que les pilotes roulent</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>Revoir la manche (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>Dites quelque chose ; Entrée envoie, Échap annule</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>Vous vous êtes écrasé</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>Vous avez gagné la manche !</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>Points de %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>Personne ne roule à cette place</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>Carburant turbo de %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>Jouer avec cette manette ? Appuyez sur A pour rejoindre comme nouveau joueur local</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>Revoir la manche (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
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
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>&amp;Meilleur ajustement</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;Telles que choisies</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Adaptées aux &amp;daltoniens</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>&amp;Noms près des pilotes</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>Afficher la fenêtre de &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>&amp;Revoir la manche</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>Afficher le panneau de &amp;contrôle</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>&amp;Quitter le match</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>Haut et droite</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>Bas et droite</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>Bas et gauche</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>Haut et gauche</translation>
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
        <translation>Discussion</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>Revoir la manche</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 gauche</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 droite</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Pavé num. %1</translation>
    </message>
</context>
</TS>
