<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>对比赛中的所有人说点什么，然后按回车</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>屏蔽 %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex：一款光迹竞技场游戏，同一局域网内最多八名玩家。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>立即主持一场 N 名玩家（2 到 8）的比赛：玩家 1 自动驾驶，其余为困难的电脑车手；每场比赛后接着开始新的一场。</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>启动时添加 K 名（1 到 7）最近所选级别的电脑车手。</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>每轮结束时打印一行：轮次、此处所绘竞技场的哈希值以及本程序的内存。</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>本次运行通过网络接口 NAME 发送，无论“网络”菜单如何设置。</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>将设置保存在 FILE 中，而不是 ~/.config/lumivex.ini（用于一台电脑上的多个副本）。</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>无窗口：发送一次点名，监听随后给出的秒数（默认 2：--probe 5 监听 5 秒），每个应答打印一行（座位、名字、颜色、发送者）。有其他副本应答时以 0 退出，无人应答时以 1 退出。</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>将本网络的游戏在线开放：如后跟数字则用 UDP 端口 PORT（否则用上次所选，最初为 31315），并打印朋友加入用的链接。</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>加入 LINK（lumivex://...）的在线游戏；“-”从标准输入读取链接，其他用户看不到。</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>作为中继服务器运行，无显示、无窗口：朋友无法直接连到的游戏在此保留一个房间。除非 --port 另行指定，监听 UDP 端口 31316。</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>与 --open 一起：在中继 HOST:PORT 为游戏保留一个房间，让连不到这台电脑的朋友经由它加入。</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>与 --open 和中继一起：以 NAME 在中继上公开列出游戏，任何人都能找到并加入。</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>无窗口：打印中继 HOST[:PORT] 列出的公开游戏，每个一行（名称、玩家、进行中或等待中、链接）。以 0 退出；中继 5 秒内无应答时为 1；地址格式错误时为 2。</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>将本副本听到的每个数据报连同时间保存到回放文件 FILE 中。</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>观看回放 FILE（也可：lumivex FILE.lumivex-replay）。</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>无窗口地尽快播放回放 FILE，并打印每轮的结果及其竞技场的哈希值。以 0 退出；文件损坏时为 1；不是回放时为 2。</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>让本网络中的浏览器加入：如后跟数字则在 TCP 端口 PORT 上提供页面（否则用上次所选，最初为 31317），并打印其地址。</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>与 --open 一起：不请求路由器转发端口。</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 需要 1 到 65535 之间的 %2 端口，而不是“%3”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--probe 需要秒数，而不是“%1”</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>链接须单独打开；如需带选项加入，请使用 --join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>这不是 Lumivex 链接：%1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>回放文件须单独打开；如需带选项观看，请使用 --replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>--open 与 --join 互斥</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>--port 需与 --relay 一起使用</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>--relay 须单独运行，不能带 --open、--join 或 --web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>--relay-server 需与 --open 一起使用</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>--relay-server 需要 HOST:PORT，而不是“%1”</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>--public 需与 --open 一起使用</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>--public 需要列出游戏所用的名称</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>--list-games 需要 HOST 或 HOST:PORT，而不是“%1”</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>--record 需要文件名</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 已存在且不是 Lumivex 回放：保持原样</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>回放须单独观看，不能带 --open、--join、--relay、--record、--demo 或 --web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>没有网络接口“%1”；现有：%2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>--config 需要文件名</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>--demo 需要 2 到 8 的玩家人数</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>--riders 需要 1 到 7 的数字</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>没有显示：请设置 DISPLAY，或使用无需显示的 --probe</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>无法在线开放游戏：%1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>浏览器无法加入：%1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>中继在 %1 秒内没有应答</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>无法使用 UDP 端口 %1（%2）</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>经由中继的 %1</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>玩家 1（你）</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>本地玩家 %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>请按下手柄上用于“%1”的按钮。</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>手柄</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>已恢复默认按键。</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>请按下用于“%1”的按键。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 已是“%2”的按键。</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 已是 %3 的“%2”按键。</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>请按一个键……</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>摇杆、方向键</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>摇杆</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>请按一个按钮……</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>无人获胜！</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 获胜！</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>%1 赢得了比赛！</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>游戏已暂停！</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>游戏继续！</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>主机已离开比赛</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>没有客户端 1！</translation>
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
        <translation>没有其他 Lumivex 副本应答%1（组 %2，UDP 端口 %3）。其他电脑必须在同一网络中，且防火墙必须放行 UDP 端口 %3 和组 %2。</translation>
    </message>
    <message>
        <source>here</source>
        <translation>这里</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>无网络：无法使用端口 %1（%2）</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>无网络：无法加入游戏组（%1）</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 不在：自动选择发送接口</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>重新经由 %1 发送</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>经由 %1 发送到组 %2，UDP 端口 %3。</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>无处</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>已在 %1 上加入组。</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>未能在 %1 上加入组。</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>已发送数据报：%1；已接收：%2，其中因格式错误丢弃：%3。</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>因发送者发送过多而丢弃：%1。</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>因不属于本网络而未读丢弃（仅发给本机，或来自路由器之外）：%1。</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>本副本能收到自己的数据报（%1）。</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>本副本收不到自己的数据报。</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>来自 %1：%2 个数据报，最后一次于 %3。</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>在 %1，%2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>浏览器无法加入：%1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>用手机玩</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>本网络中的手机、平板或电脑无需安装任何东西即可在这里玩：扫描二维码，或在浏览器中打开地址。每个浏览器占用本副本的一个座位。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>正在游戏的浏览器：%1 / %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>浏览器已不能再加入。</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>释放所有浏览器的座位并停止提供页面</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>查找在线游戏</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>要询问的中继（主机:端口，用逗号分隔）：</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>往返时间</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>加入(&amp;J)</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 个公开游戏，来自 %2。</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 个公开游戏，来自 %2。</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>没有可询问的中继。Lumivex 没有自己的列表服务器：请在上方添加列出游戏的中继（问问朋友，或用 lumivex-relay 自己运行一个），或通过“网络 &gt; 中继服务器”选择一个。</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>找不到该主机</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>显示在线链接(&amp;L)……</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>在线玩家(&amp;P)……</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>关闭在线游戏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>在线开放游戏(&amp;O)……</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>离开在线游戏(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>加入在线游戏(&amp;J)……</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>查找在线游戏(&amp;F)……</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>中继服务器(&amp;R)……</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>让浏览器加入(&amp;B)……</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>诊断(&amp;D)……</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>网络：%1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>；没有其他 Lumivex 副本应答</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>这里只有你一个人。</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>与电脑车手对战，为远方的朋友在线开放游戏，或等待本网络中的朋友。</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>添加电脑车手</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>在线开放游戏……</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>等待本网络中的朋友</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>网络诊断</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - 在线</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>中继服务器</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>在线开放的游戏也会在这个中继上保留一个房间，供无法直接连到本机的朋友使用。
主机:端口，留空则不用（Lumivex 不运营公共中继）：</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>下次在线开放游戏时将使用该中继。</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>在线开放游戏</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>远方的朋友通过下一个窗口给你的链接加入这个游戏，请把链接发给他们。</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>公开列出此游戏，名称(&amp;L)：</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>在中继（主机:端口）：</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>高级(&amp;A)</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>UDP 端口：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开放</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>公开游戏需要一个用于列出的名称。</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>公开游戏列在中继上：“%1”不是主机:端口，例如 relay.example.org:31316。</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>无法在线开放游戏：%1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>在线游戏</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>朋友通过此链接加入（网络 &gt; 加入在线游戏）。它包含游戏的密钥：只给一起玩的人。</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>朋友能连到的地址：</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>本机只有其自身网络的地址，远方的朋友无法连到：此链接只在本网络内有效。
可行的办法：中继（网络 &gt; 中继服务器……），在路由器上把 UDP 端口 %1 转发到本机（%2），或用 VPN 让你和朋友处于同一网络。</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>加入在线游戏</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>朋友发来的链接（lumivex://……）：</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>该链接不完整：请从发送者处重新完整复制并粘贴到这里。（详情：%1。）</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>这不是 Lumivex 链接：游戏链接以 lumivex:// 开头</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>在线玩家</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>从别处加入此游戏的副本。“踢出”移除一个副本并在 %1 分钟内拒绝其地址；“封禁”在游戏开放期间一直拒绝。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>In</source>
        <translation>入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>出</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>不再接受新玩家(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>踢出(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>封禁(&amp;B)</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>此在线游戏不再接受新玩家</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>此在线游戏重新接受新玩家</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>将 %1 踢出在线游戏</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>在在线游戏中封禁 %1</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>没有车手的副本</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>%1（%2）已被此在线游戏封禁</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>%1（%2）已被移出此在线游戏 %3 分钟</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>%1 的中继没有这个游戏：它已关闭，或链接已过期</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>%1 的中继没有让本副本进入</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>%1 的中继没有应答</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>%1 的在线游戏没有应答</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>%1 的在线游戏不接受链接中的密钥</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1（中继）</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>无网络：%1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>找不到在线游戏的地址 %1</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>找不到中继的地址 %1</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>在线游戏已满：已有 %1 名外来玩家</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>主机已将你移出在线游戏</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>在线游戏不再接受新玩家</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>在线游戏拒绝本副本加入</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>与在线游戏的连接已断开</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>本副本已加入在线游戏：请先离开</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>无法进行在线游戏：没有随机数来源</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>无网络：%1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>已在此在线游戏中封禁 %1 的副本</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>已将 %1 的副本移出此在线游戏 %2 分钟</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>找不到中继服务器 %1</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>中继 %1 为此游戏保留了一个房间</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>中继 %1 已满：目前没有为此游戏保留房间</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>中继 %1 没有应答；正在重新询问</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>正在中继 %1 上开设房间……</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>未列出：公开游戏列在中继上（网络菜单，中继服务器……）</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>正在 %1 上列出此游戏……</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>已在 %1 上公开列出</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>未在 %1 上列出：其列表已满</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>未在 %1 上列出：它已列出足够多来自此地址的游戏</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>未在 %1 上列出：它看到此游戏在另一个地址</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>未在 %1 上列出</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>本副本已在线开放游戏：请先关闭</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>本副本已加入一个在线游戏</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>在线：1 名玩家已加入</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>在线：%1 名玩家已加入</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>正在加入 %1……</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>已加入 %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>已加入 %1，%2 毫秒</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>在 UDP 端口 %1 上在线开放；从别处加入的副本：%2。</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>不再接受新玩家。</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>在线 %1：往返 %2 毫秒，数据报入 %3，出 %4；丢弃：%5 超出配额，%6 非真实。</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>在网关丢弃：%1 来自陌生者，%2 非真实，%3 格式错误，%4 过长，%5 超出配额。已发送 Cookie：%6；拒绝的副本：%7。</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>已在线加入 %1：往返 %2 毫秒；丢弃 %3 个非真实数据报。</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>游戏手柄</translation>
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
        <translation>返回</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>按下左摇杆</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>按下右摇杆</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>左肩键</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>右肩键</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>方向键上</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>方向键下</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>方向键左</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>方向键右</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>正在请求路由器转发端口……</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>端口只在此路由器上映射（%1，%2）：前面还有一个路由器（双重 NAT），外面的朋友需要中继</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>路由器已转发端口（%1）：朋友可通过 %2 连到此游戏</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>没有自动端口映射：本网络外的朋友需要中继或已转发的端口</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>中继的 UDP 端口（默认 31316）。</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>中继最多保留的房间数（默认 4096）。</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>中继最多列出的公开游戏数（默认 1000；0 表示不列出）。一个地址或一个 IPv6 /64 最多列出 4 个，一个 /48 最多 16 个。</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>--port 需要 1 到 65535 之间的 UDP 端口</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>--relay-rooms 需要 1 到 1000000 之间的数字</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>--relay-rooms-per-address 需要 1 到 1000000 之间的数字</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>--relay-games 需要 0 到 100000 之间的数字</translation>
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
        <translation>打开回放</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>其他文件……</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>Lumivex 回放（*.lumivex-replay）</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>不是 Lumivex 回放</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>不是 Lumivex 回放（文件头被截断）</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>不是 Lumivex 回放（文件头已损坏）</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>由较新的 Lumivex 制作的回放（格式版本 %1；此版本读取 %2）</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>不是 Lumivex 回放（格式版本 0）</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>内容超出回放所允许的（%1 条记录，%2 MiB 数据报，共 %3 MiB）：播放到此为止</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>其结束标记被截断</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>其结束标记已损坏</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>其结束标记记有 %1 条记录，数据块中有 %2 条</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>结束标记之后还有字节</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>数据块 %1 被截断</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>数据块 %1 不是数据块</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>数据块 %1 声明了不可能的大小</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>数据块 %1 校验失败</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>数据块 %1 解压后与其大小不符</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>数据块 %1 在记录中间结束</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>数据块 %1 含有长度不可能的记录</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>数据块 %1 的时间倒退</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>没有结束标记就结束了（被截断，或程序未正常结束）</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>本场比赛未保存为回放：%1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
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
        <translation>%1 就绪！</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>只有 7 个副本可以作为客户端</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>一个键盘最多四名玩家</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>%1 已离开：其位置被占用</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>%1 在别处被占用；改为 %2 参赛</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>静音(&amp;M)</translation>
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
        <translation>聊天音量(&amp;C)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
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
        <translation>关于 Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>全网络的光迹竞速</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>帮助：</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>玩家指南</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>添加本地玩家</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>更改按键……</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>按键：</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D，左 Shift 为加速</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - 帮助</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>帮助未安装在程序旁边。</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>无法打开网页浏览器显示帮助。请用浏览器打开此文件：
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>这里正在进行比赛：请先重置比赛。</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>这里正在进行比赛：请先离开比赛。</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>打开回放</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>无法播放 %1：这不是此 Lumivex 能读取的回放。（详情：%2。）</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>添加电脑车手并按“开始比赛”，或等待本网络中的朋友</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>按“客户端注册”以在比赛中占一个座位</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>Lumivex 控制面板</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>客户端注册</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>电脑：</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>添加车手</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>移除车手</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>扫码用手机玩</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - 在线</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>开始比赛</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>重置比赛</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>粗细：</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>对齐网格：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>加速：</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>穿越：</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>复杂度：</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>比赛：</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>玩家：</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>团队：</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>固定位置：</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>斜向：</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>场地：</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>你的名字，即别人看到的名字</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>颜色：你的轨迹颜色；“默认”让每个座位使用各自的颜色</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>背景：此面板和游戏窗口的背景色</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>粗细：每条轨迹的宽度，从 1（细）到 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>对齐网格：只在车道网格上转弯，轨迹因此永不接触</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>速度：1 最快，85 为常用节奏；数字越大越慢</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>加速：车手可消耗燃料在一段时间内以两倍速度行驶</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>穿越：从场地一侧驶出的车手会从另一侧回来</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>复杂度：障碍物；数字越大障碍越多越小，4 或以下则没有</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>比赛：玩家或团队赢得比赛所需的分数</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>玩家：比赛中的车手数，从 2 到 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>团队：4、6 或 8 名玩家时车手分队比赛；最后留在场上的队伍获胜</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>固定位置：每个车手每轮都从同一位置出发</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>斜向：车手也可斜向行驶（仅限细轨迹）</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>宽度：场地的宽度（像素）</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>高度：场地的高度（像素）</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>场地：下一场比赛的场地颜色</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>电脑：下一个电脑车手的水平</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>打开回放(&amp;R)……</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>比赛(&amp;M)</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>添加电脑车手（%1）</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>添加本地玩家……</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>移除电脑车手</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>离开比赛(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>设置(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>按键(&amp;K)……</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>检查更新(&amp;H)……</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>Lumivex 由你的软件包管理器或安装程序更新；这是 %1 版。玩家指南将在介绍版本的部分打开。</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - 更新</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>访问作者主页(&amp;V)……</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>Lumivex 没有自己的网站：将改为打开随之安装的玩家指南。</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - 主页</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>关于 Lumivex(&amp;A)……</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>往返时间：%1 毫秒</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>场地：场地的颜色</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>颜色：你的轨迹颜色</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 同时是 %3 和 %4 的“%2”按键：请先在“设置 &gt; 按键”中给其中一个换个键。</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 控制方向，%2 加速</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>无按键</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>%1 的颜色</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>未决</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>无人获胜</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 获胜</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>第 %1 轮 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>一名玩家</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>Lumivex 回放：%1，%2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>Lumivex 回放</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>速度（在游戏窗口中按 + 和 -）</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>上一轮(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>下一轮(&amp;N)</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>此回放已损坏：播放到 %1 后停止。（详情：%2，位于第 %3 字节。）</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>本轮重放：按 - 半速，其他键返回</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
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
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>下一轮的倒计时；车手行驶时为绿色</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>重看本轮（R）</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>说点什么；回车发送，Esc 取消</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>你撞车了</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>你赢得了本轮！</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>玩家 %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>%1 的分数</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>此座位无人参赛</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>%1 的加速燃料</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>用这个手柄加入？按它上面的 A 以新本地玩家身份加入</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>重看本轮（%1）</translation>
    </message>
    <message>
        <source>You</source>
        <translation>你</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>缩放(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>自动(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>最佳大小(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>颜色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>按所选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>色盲友好(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>在车手旁显示名字(&amp;N)</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>显示游戏窗口(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>重看本轮(&amp;W)</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>显示控制面板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>离开比赛(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
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
        <translation>加速</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>重看本轮</translation>
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
        <translation>小键盘 %1</translation>
    </message>
</context>
</TS>
