<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>チャット</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>試合の全員に何か言って Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>%1 をミュート</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex：同じローカルネットワークで最大 8 人が遊べる、光の軌跡のアリーナゲーム。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>すぐに N 人（2～8）の試合を主催します：プレイヤー 1 は自動操縦、ほかはむずかしいコンピューターライダー。試合ごとに次の試合が続きます。</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>起動時に、最後に選んだレベルのコンピューターライダーを K 人（1～7）追加します。</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>ラウンドの終わりごとに 1 行出力します：ラウンド、ここで描かれたアリーナのハッシュ、このプログラムのメモリ。</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>この実行では、ネットワークメニューの設定にかかわらず、ネットワークインターフェース NAME から送信します。</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>設定を ~/.config/lumivex.ini ではなく FILE に保存します（1 台で複数のコピーを動かすとき）。</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>ウィンドウなし：点呼を 1 回送り、続く秒数だけ待ち受け（既定 2：--probe 5 で 5 秒）、応答ごとに 1 行出力します（席、名前、色、送信元）。他のコピーが応答すれば 0、なければ 1 で終了します。</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>このネットワークのゲームをオンラインで公開します。数字が続けば UDP ポート PORT で（なければ前回のポート、初回は 31315）、友だちが参加するためのリンクを出力します。</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>LINK（lumivex://...）のオンラインゲームに参加します。「-」は、他のユーザーに見えない標準入力からリンクを読みます。</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>画面もウィンドウもなしでリレーサーバーとして動きます：友だちが直接届かないゲームがここに部屋を持ちます。--port で指定しない限り UDP ポート 31316 で待ち受けます。</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>--open と併用：リレー HOST:PORT にゲームの部屋を持ち、このコンピューターに届かない友だちがリレー経由で参加できるようにします。</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>--open とリレーと併用：ゲームをリレーで NAME として公開し、だれでも見つけて参加できるようにします。</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>ウィンドウなし：リレー HOST[:PORT] が公開しているゲームを 1 行ずつ出力します（名前、人数、対戦中か待機中か、リンク）。0 で終了、リレーが 5 秒以内に応答しなければ 1、アドレスが不正なら 2。</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>このコピーが受信したすべてのデータグラムを、時刻とともにリプレイファイル FILE に保存します。</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>リプレイ FILE を見ます（lumivex FILE.lumivex-replay でも可）。</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>リプレイ FILE をウィンドウなしでできるだけ速く再生し、各ラウンドの結果とアリーナのハッシュを出力します。0 で終了、ファイルが壊れていれば 1、リプレイでなければ 2。</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>このネットワークのブラウザーの参加を許可します：数字が続けば TCP ポート PORT で（なければ前回のポート、初回は 31317）ページを提供し、そのアドレスを出力します。</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>--open と併用：ルーターにポート転送を頼みません。</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 には 1～65535 の %2 ポートを指定してください（「%3」ではなく）</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe には秒数を指定してください（「%1」ではなく）</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>リンクは単独で開きます。オプション付きで参加するには --join LINK を使ってください</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>Lumivex のリンクではありません：%1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>リプレイファイルは単独で開きます。オプション付きで見るには --replay FILE を使ってください</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open と --join は同時に使えません</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port は --relay と併用します</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay は --open、--join、--web なしで単独で動きます</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server は --open と併用します</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server には HOST:PORT を指定してください（「%1」ではなく）</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public は --open と併用します</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public にはゲームを公開する名前を指定してください</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games には HOST または HOST:PORT を指定してください（「%1」ではなく）</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record にはファイル名を指定してください</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 は存在し、Lumivex のリプレイではありません：そのまま残します</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>リプレイは --open、--join、--relay、--record、--demo、--web なしで単独で見ます</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>ネットワークインターフェース「%1」はありません。あるのは：%2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config にはファイル名を指定してください</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo には 2～8 の人数を指定してください</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders には 1～7 の数を指定してください</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>画面がありません：DISPLAY を設定するか、画面の要らない --probe を使ってください</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>ゲームをオンラインで公開できませんでした：%1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>ブラウザーは参加できません：%1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>リレーが %1 秒以内に応答しませんでした</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>UDP ポート %1 を使えません（%2）</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>リレー経由の %1</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>プレイヤー 1（あなた）</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>ローカルプレイヤー %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>「%1」に使うパッドのボタンを押してください。</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>パッド</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>既定のキーに戻しました。</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>「%1」に使うキーを押してください。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 はすでに「%2」のキーです。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 はすでに %3 の「%2」のキーです。</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>キーを押してください…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>スティック、十字キー</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>スティック</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>ボタンを押してください…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>勝者なし！</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 の勝ち！</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 が試合に勝ちました！</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>一時停止中！</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>再開！</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>ホストが試合を抜けました</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>クライアント 1 がいません！</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>ほかの Lumivex は %1 応答しませんでした（グループ %2、UDP ポート %3）。ほかのコンピューターは同じネットワーク上にあり、ファイアウォールが UDP ポート %3 とグループ %2 を通す必要があります。</translation>
    </message>
    <message>
        <source>here</source>
        <translation>ここで</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>ネットワークなし：ポート %1 を使えません（%2）</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>ネットワークなし：ゲームのグループに参加できません（%1）</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 がありません：送信先を自動で選びます</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>再び %1 から送信します</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>%1 からグループ %2、UDP ポート %3 へ送信します。</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>どこにも</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>%1 でグループに参加しました。</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>%1 でグループに参加できませんでした。</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>送信したデータグラム：%1、受信：%2（うち不正な形式で破棄：%3）。</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>送り手が多く送りすぎたため破棄：%1。</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>このネットワーク外のため読まずに破棄（このコンピューターだけ宛て、またはルーターの向こうから）：%1。</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>このコピーは自分のデータグラムを受信しています（%1）。</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>このコピーは自分のデータグラムを受信していません。</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>%1 から：%2 データグラム、最後は %3。</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>ブラウザーは参加できません：%1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>スマホで遊ぶ</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>このネットワーク上のスマホ、タブレット、コンピューターは何もインストールせずにここで遊べます。コードを読み取るか、ブラウザーでアドレスを開いてください。ブラウザーごとにこのコピーの席を一つ使います。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>プレイ中のブラウザー：%1 / %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>ブラウザーはもう参加できません。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>すべてのブラウザーの席を空け、ページの提供をやめます</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>オンラインゲームを探す</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>問い合わせるリレー（ホスト:ポート、カンマ区切り）：</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>往復時間</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>参加(&amp;J)</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>プレイ中</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>公開ゲーム %1 件（%2 から）。</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>公開ゲーム %1 件（%2 から）。</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>問い合わせるリレーがありません。Lumivex には専用のリストサーバーがありません。ゲームを掲載するリレーを上に追加するか（友だちに聞くか、lumivex-relay で自分で動かしてください）、「ネットワーク &gt; リレーサーバー」で選んでください。</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>そのホストはありません</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>ネットワーク(&amp;N)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>オンラインリンクを表示(&amp;L)…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>オンラインのプレイヤー(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>オンラインゲームを閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>ゲームをオンラインで開く(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>オンラインゲームを抜ける(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>オンラインゲームに参加(&amp;J)…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>オンラインゲームを探す(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>リレーサーバー(&amp;R)…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>ブラウザーを参加させる(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>診断(&amp;D)…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>ネットワーク：%1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>、ほかの Lumivex は応答しませんでした</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>ここにいるのはあなただけです。</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>コンピューターのライダーと対戦するか、遠くの友だちのためにゲームをオンラインで開くか、このネットワークの友だちを待ちましょう。</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>コンピューターライダーを追加</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>ゲームをオンラインで開く…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>このネットワークの友だちを待つ</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>ネットワーク診断</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - オンライン</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>リレーサーバー</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>オンラインで開いたゲームは、このコンピューターに直接つながれない友だちのために、このリレーにも部屋を持ちます。
ホスト:ポート、使わないなら空欄（Lumivex は公開リレーを運営していません）：</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>リレーは次にゲームをオンラインで開くときから使われます。</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>ゲームをオンラインで開く</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>遠くの友だちは、次のウィンドウで渡されるリンクを送ればこのゲームに参加できます。</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>このゲームを公開する名前(&amp;L)：</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>リレー（ホスト:ポート）：</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>詳細(&amp;A)</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP ポート：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>公開ゲームには掲載用の名前が必要です。</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>公開ゲームはリレーに掲載されます。「%1」はホスト:ポートではありません（例：relay.example.org:31316）。</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>ゲームをオンラインで開けませんでした：%1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>オンラインのゲーム</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>友だちはこのリンクで参加します（ネットワーク &gt; オンラインゲームに参加）。ゲームの鍵が入っているので、一緒に遊ぶ人にだけ渡してください。</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>友だちがつなげるアドレス：</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>このコンピューターには自分のネットワークのアドレスしかないため、遠くの友だちはつなげません。リンクはこのネットワーク内でしか使えません。
使える方法：リレー（ネットワーク &gt; リレーサーバー…）、ルーターで UDP ポート %1 をこのコンピューター（%2）へ転送する、またはあなたと友だちを同じネットワークにする VPN。</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>オンラインゲームに参加</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>友だちから届いたリンク（lumivex://…）：</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>そのリンクは途中までしかありません。送ってくれた人からもう一度すべてコピーして、ここに貼り付けてください。（詳細：%1。）</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>Lumivex のリンクではありません。ゲームのリンクは lumivex:// で始まります</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>オンラインのプレイヤー</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>ほかの場所からこのゲームに参加したコピーです。「キック」は一つを外し、そのアドレスを %1 分間締め出します。「BAN」はゲームが開いている間締め出します。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>In</source>
        <translation>受信</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>新しいプレイヤーを締め切る(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>キック(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>BAN(&amp;B)</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>このオンラインゲームは新しいプレイヤーを締め切りました</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>このオンラインゲームは再び新しいプレイヤーを受け付けます</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>%1 をオンラインゲームからキック</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>%1 をオンラインゲームで BAN</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>ライダーのいないコピー</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1（%2）はこのオンラインゲームで BAN されました</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1（%2）はこのオンラインゲームから %3 分間外されました</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>%1 のリレーにそのゲームはありません。閉じられたか、リンクが古いです</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>%1 のリレーはこのコピーを入れませんでした</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>%1 のリレーが応答しませんでした</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>%1 のオンラインゲームが応答しませんでした</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>%1 のオンラインゲームはリンクの鍵を受け付けませんでした</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1（リレー）</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>ネットワークなし：%1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>オンラインゲームのアドレス %1 が見つかりません</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>リレーのアドレス %1 が見つかりません</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>オンラインゲームは満員です。ほかの場所からのプレイヤーがすでに %1 人います</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>ホストがあなたをオンラインゲームから外しました</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>オンラインゲームは新しいプレイヤーを締め切っています</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>オンラインゲームはこのコピーの参加を断りました</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>オンラインゲームとの接続が切れました</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>このコピーはオンラインゲームに参加中です。先に抜けてください</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>オンラインプレイは使えません：乱数源がありません</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>ネットワークなし：%1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>%1 のコピーをこのオンラインゲームで BAN しました</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>%1 のコピーをこのオンラインゲームから %2 分間外しました</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>リレーサーバー %1 が見つかりません</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>リレー %1 がこのゲームの部屋を持っています</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>リレー %1 は満員です。今はこのゲームの部屋を持てません</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>リレー %1 が応答しません。もう一度問い合わせます</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>リレー %1 に部屋を開いています…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>未掲載：公開ゲームはリレーに掲載されます（ネットワークメニュー、リレーサーバー…）</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>このゲームを %1 に掲載しています…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>%1 に公開掲載しました</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>%1 に未掲載：リストが満杯です</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>%1 に未掲載：このアドレスからのゲームはもう十分です</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>%1 に未掲載：このゲームを別のアドレスで見ています</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>%1 に未掲載</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>このコピーはゲームをオンラインで開いています。先に閉じてください</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>このコピーはすでにオンラインゲームに参加しています</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>オンライン：1 人参加</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>オンライン：%1 人参加</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>%1 に参加中…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>%1 に参加しました</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>%1 に参加しました、%2 ms</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>UDP ポート %1 でオンライン公開中。ほかの場所から参加したコピー：%2。</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>新しいプレイヤーは締め切り。</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>オンライン %1：往復 %2 ms、データグラム受信 %3、送信 %4。破棄：予算超過 %5、不正 %6。</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>ゲートウェイで破棄：見知らぬ相手から %1、不正 %2、不正な形式 %3、長すぎ %4、予算超過 %5。送ったクッキー：%6、断ったコピー：%7。</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>%1 にオンラインで参加：往復 %2 ms、不正なデータグラム %3 件を破棄。</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>ゲームコントローラー</translation>
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
        <translation>戻る</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>左スティック押し込み</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>右スティック押し込み</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>左ショルダー</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>右ショルダー</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>十字キー上</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>十字キー下</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>十字キー左</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>十字キー右</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>ルーターにポート転送を依頼しています…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>ポートはこのルーターでしか転送されていません（%1、%2）。前にもう一台ルーターがある（二重 NAT）ため、外の友だちにはリレーが必要です</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>ルーターがポートを転送しています（%1）。友だちは %2 でこのゲームにつなげます</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>自動ポート転送はありません。このネットワーク外の友だちにはリレーか転送済みのポートが必要です</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>リレーの UDP ポート（既定 31316）。</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>リレーが持つ部屋の最大数（既定 4096）。</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>リレーが公開するゲームの最大数（既定 1000、0 で公開なし）。1 つのアドレスまたは IPv6 の /64 ごとに最大 4、/48 ごとに最大 16。</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port には 1～65535 の UDP ポートを指定してください</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms には 1～1000000 の数を指定してください</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address には 1～1000000 の数を指定してください</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games には 0～100000 の数を指定してください</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>リプレイを開く</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>ほかのファイル…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Lumivex リプレイ（*.lumivex-replay）</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>Lumivex のリプレイではありません</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>Lumivex のリプレイではありません（ヘッダーが途切れています）</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>Lumivex のリプレイではありません（ヘッダーが壊れています）</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>新しい Lumivex で作られたリプレイです（形式バージョン %1、このバージョンが読めるのは %2）</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>Lumivex のリプレイではありません（形式バージョン 0）</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>リプレイに許される量を超えています（%1 件、データグラム %2 MiB、合計 %3 MiB）：そこまで再生します</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>終了マークが途切れています</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>終了マークが壊れています</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>終了マークは %1 件と数えていますが、ブロックには %2 件あります</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>終了マークの後にバイトが続いています</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>ブロック %1 が途切れています</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>ブロック %1 はブロックではありません</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>ブロック %1 はありえないサイズを示しています</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>ブロック %1 は検査に通りません</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>ブロック %1 は元のサイズに展開できません</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>ブロック %1 はレコードの途中で終わっています</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>ブロック %1 にありえない長さのレコードがあります</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>ブロック %1 は時間がさかのぼっています</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>終了マークなしで終わっています（途切れたか、プログラムが正常に終了しませんでした）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み込めません：%1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>この試合はリプレイとして保存されません：%1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー %1</translation>
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
        <translation>%1 準備完了！</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>クライアントになれるのは 7 コピーまでです</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>一つのキーボードでは 4 人までです</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 が抜けました：席が取られました</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 はほかで取られました。%2 として走ります</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>ミュート(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>音量(&amp;V)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>チャット音量(&amp;C)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
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
        <translation>Lumivex について</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>ネットワーク全体で光の軌跡レース</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>ヘルプ：</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>プレイヤーガイド</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>ローカルプレイヤーを追加</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>キーを変更…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>キー：</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D、ターボは左 Shift</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を外す</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - ヘルプ</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>ヘルプがプログラムの隣にインストールされていません。</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>ヘルプ用の Web ブラウザーを開けませんでした。このファイルをブラウザーで開いてください：
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>ここで試合中です。先に試合をリセットしてください。</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>ここで試合中です。先に試合を抜けてください。</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>リプレイを開く</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>%1 は再生できません：この Lumivex が読めるリプレイではありません。（詳細：%2。）</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>コンピューターライダーを追加して「試合開始」を押すか、このネットワークの友だちを待ちましょう</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>「クライアント登録」を押して試合の席に着きましょう</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Lumivex コントロールパネル</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>クライアント</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>色：</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>クライアント登録</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>コンピューター：</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>ライダー追加</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>ライダー削除</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>スキャンしてスマホで遊ぶ</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - オンライン</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>試合開始</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>試合リセット</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全リセット</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>太さ：</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>グリッド：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速さ：</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>ターボ：</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>ワープ：</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>複雑さ：</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>試合：</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>人数：</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>チーム：</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>固定位置：</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>斜め移動：</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ：</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>アリーナ色：</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>ほかの人に見える、あなたの名前</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>色：あなたの軌跡の色。「既定」なら席ごとに自分の色</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>背景：このパネルとゲームウィンドウの背景色</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>太さ：軌跡の幅。1（細い）から 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>グリッド：曲がれるのはレーンのグリッド上だけなので、軌跡が触れ合うことはありません</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>速さ：1 が最速、85 が標準。数字が大きいほど遅くなります</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>ターボ：燃料を燃やして、しばらく 2 倍の速さで走れます</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>ワープ：アリーナの端から出たライダーは反対側から戻ってきます</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>複雑さ：障害物。数字が大きいほど多く小さくなり、4 以下ならなし</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>試合：試合に勝つのにプレイヤーかチームが必要な点数</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>人数：試合のライダーの数。2 から 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>チーム：4、6、8 人のときはチームで走り、最後まで残ったチームの勝ち</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>固定位置：毎ラウンド、各ライダーは同じ場所からスタート</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>斜め移動：斜めにも走れます（細い軌跡のみ）</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>幅：アリーナの幅（ピクセル）</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>高さ：アリーナの高さ（ピクセル）</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>アリーナ色：次の試合のアリーナの色</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>コンピューター：次のコンピューターライダーの強さ</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>やさしい</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>リプレイを開く(&amp;R)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>試合(&amp;M)</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>コンピューターライダーを追加（%1）</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>ローカルプレイヤーを追加…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>コンピューターライダーを削除</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>試合を抜ける(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>設定(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>キー(&amp;K)…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>更新を確認(&amp;H)…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex はパッケージマネージャーかインストーラーで更新されます。これはバージョン %1 です。プレイヤーガイドがバージョンの章で開きます。</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - 更新</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>作者のホームページへ(&amp;V)…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex には専用の Web サイトがありません。代わりに、一緒にインストールされたプレイヤーガイドが開きます。</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - ホームページ</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>Lumivex について(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>往復時間：%1 ms</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>アリーナ色：アリーナの色</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>色：あなたの軌跡の色</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 は %3 と %4 の「%2」のキーです。先に「設定 &gt; キー」でどちらかに別のキーを割り当ててください。</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 で操作、%2 でターボ</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>キーなし</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>%1 の色</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>未決着</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>勝者なし</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 の勝ち</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>ラウンド %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>あるプレイヤー</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Lumivex リプレイ：%1、%2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Lumivex リプレイ</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>速さ（ゲームウィンドウで + と -）</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>前のラウンド(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>次のラウンド(&amp;N)</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>このリプレイは壊れています。%1 まで再生してそこで止まります。（詳細：%2、%3 バイト目。）</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>もう一度このラウンド：- で半分の速さ、ほかのキーで戻る</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
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
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>次のラウンドまでのカウントダウン。ライダーが走っている間は緑</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>ラウンドをもう一度見る（R）</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>何か言う：Enter で送信、Esc で取り消し</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>クラッシュしました</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>ラウンドに勝ちました！</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>プレイヤー %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>%1 の得点</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>この席には誰も走っていません</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>%1 のターボ燃料</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>このパッドで参加しますか？ A を押すと新しいローカルプレイヤーとして参加します</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>ラウンドをもう一度見る（%1）</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>自動(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>最適なサイズ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>全画面(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>選んだとおり(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>色覚に配慮(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>ライダーの横に名前(&amp;N)</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>ゲームウィンドウを表示(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>ラウンドをもう一度見る(&amp;W)</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>コントロールパネルを表示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>試合を抜ける(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>ターボ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>チャット</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>ラウンドをもう一度見る</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>左 %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>右 %1</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>テンキー %1</translation>
    </message>
</context>
</TS>
