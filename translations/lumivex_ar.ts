<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ChatPane</name>
    <message>
        <source>Chat</source>
        <translation>الدردشة</translation>
    </message>
    <message>
        <source>Say something to everyone in the match, then Enter</source>
        <translation>قل شيئًا للجميع في المباراة، ثم Enter</translation>
    </message>
    <message>
        <source>Mute %1</source>
        <translation>كتم %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Lumivex: a trail-riding arena game for up to eight players on one local network.</source>
        <translation>Lumivex: لعبة ساحة بمسارات مضيئة لما يصل إلى ثمانية لاعبين على شبكة محلية واحدة.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>عرض هذه المساعدة والخروج.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>عرض الإصدار والخروج.</translation>
    </message>
    <message>
        <source>Host a match of N players (2 to 8) at once: player 1 on autopilot, the others Hard computer riders; a new match follows each one.</source>
        <translation>استضافة مباراة من N لاعبين (من 2 إلى 8) فورًا: اللاعب 1 على الطيار الآلي، والباقون سائقو حاسوب صعبون؛ تتبع كل مباراة مباراةٌ جديدة.</translation>
    </message>
    <message>
        <source>Add K computer riders (1 to 7) of the level last chosen at start-up.</source>
        <translation>إضافة K من سائقي الحاسوب (من 1 إلى 7) من آخر مستوى اختير عند البدء.</translation>
    </message>
    <message>
        <source>Print a line at every round end: the round, a hash of the arena as drawn here, and this program&apos;s memory.</source>
        <translation>طباعة سطر عند نهاية كل جولة: الجولة، وبصمة الساحة كما رُسمت هنا، وذاكرة هذا البرنامج.</translation>
    </message>
    <message>
        <source>Send through the network interface NAME for this run, whatever the Network menu says.</source>
        <translation>الإرسال عبر واجهة الشبكة NAME في هذا التشغيل، أيًّا كان ما تقوله قائمة الشبكة.</translation>
    </message>
    <message>
        <source>Keep the settings in FILE instead of ~/.config/lumivex.ini (for several copies on one computer).</source>
        <translation>حفظ الإعدادات في FILE بدلًا من ‎~/.config/lumivex.ini (لعدة نسخ على حاسوب واحد).</translation>
    </message>
    <message>
        <source>Without any window: send one roll call, listen for the number of seconds that follows (default 2: --probe 5 listens 5 s) and print a line per answer (slot, name, colour, sender). Exits 0 when another copy answered, 1 when none did.</source>
        <translation>دون نافذة: إرسال نداء واحد، والاستماع لعدد الثواني الذي يلي (الافتراضي 2: ‎--probe 5 يستمع 5 ث) وطباعة سطر لكل رد (المقعد، الاسم، اللون، المرسل). يخرج بـ 0 إن ردّت نسخة أخرى، وبـ 1 إن لم تردّ أي نسخة.</translation>
    </message>
    <message>
        <source>Open this network&apos;s game online, on UDP port PORT if a number follows (else the one last chosen, first 31315), and print the link friends join with.</source>
        <translation>فتح لعبة هذه الشبكة على الإنترنت، على منفذ UDP رقم PORT إن تلاه رقم (وإلا فآخر منفذ اختير، وأولًا 31315)، وطباعة الرابط الذي ينضم به الأصدقاء.</translation>
    </message>
    <message>
        <source>Join the online game of LINK (lumivex://...); &quot;-&quot; reads the link from standard input, where other users cannot see it.</source>
        <translation>الانضمام إلى اللعبة على الإنترنت من LINK ‏(lumivex://...)؛ &quot;-&quot; يقرأ الرابط من الدخل القياسي، حيث لا يراه المستخدمون الآخرون.</translation>
    </message>
    <message>
        <source>Run as a relay server, with no display and no windows: games that friends cannot reach directly keep a room here. It listens on UDP port 31316 unless --port says otherwise.</source>
        <translation>التشغيل كخادم مُرحِّل، دون شاشة ودون نوافذ: الألعاب التي لا يصل إليها الأصدقاء مباشرة تحتفظ هنا بغرفة. يستمع على منفذ UDP رقم 31316 ما لم يقل ‎--port غير ذلك.</translation>
    </message>
    <message>
        <source>With --open: keep a room for the game at the relay HOST:PORT, so that friends who cannot reach this computer join through it.</source>
        <translation>مع ‎--open: الاحتفاظ بغرفة للعبة لدى المُرحِّل HOST:PORT، لينضم عبره الأصدقاء الذين لا يصلون إلى هذا الحاسوب.</translation>
    </message>
    <message>
        <source>With --open and a relay: list the game publicly at the relay as NAME, for anyone to find and join.</source>
        <translation>مع ‎--open ومُرحِّل: إدراج اللعبة علنًا لدى المُرحِّل باسم NAME، ليجدها أي أحد وينضم.</translation>
    </message>
    <message>
        <source>Without any window: print the public games the relay HOST[:PORT] lists, one line each (name, players, playing or waiting, link). Exits 0, 1 when the relay does not answer within 5 s, 2 for a malformed address.</source>
        <translation>دون نافذة: طباعة الألعاب العامة التي يدرجها المُرحِّل HOST[:PORT]، سطرًا لكل لعبة (الاسم، اللاعبون، تُلعب أو تنتظر، الرابط). يخرج بـ 0، وبـ 1 إن لم يردّ المُرحِّل خلال 5 ث، وبـ 2 لعنوان غير سليم.</translation>
    </message>
    <message>
        <source>Keep every datagram this copy hears, with its time, in the replay file FILE.</source>
        <translation>حفظ كل مخطط بيانات تسمعه هذه النسخة، مع وقته، في ملف الإعادة FILE.</translation>
    </message>
    <message>
        <source>Watch the replay FILE (also: lumivex FILE.lumivex-replay).</source>
        <translation>مشاهدة الإعادة FILE (أيضًا: lumivex FILE.lumivex-replay).</translation>
    </message>
    <message>
        <source>Play the replay FILE through as fast as possible, with no window, and print each round&apos;s outcome and the hash of its arena. Exit 0, 1 when the file is damaged, 2 when it is no replay.</source>
        <translation>تشغيل الإعادة FILE بأسرع ما يمكن دون نافذة، وطباعة نتيجة كل جولة وبصمة ساحتها. يخرج بـ 0، وبـ 1 إن كان الملف تالفًا، وبـ 2 إن لم يكن إعادة.</translation>
    </message>
    <message>
        <source>Let browsers on this network join: serve the page on TCP port PORT if a number follows (else the one last chosen, first 31317) and print its address.</source>
        <translation>السماح للمتصفحات على هذه الشبكة بالانضمام: تقديم الصفحة على منفذ TCP رقم PORT إن تلاه رقم (وإلا فآخر منفذ اختير، وأولًا 31317) وطباعة عنوانها.</translation>
    </message>
    <message>
        <source>With --open: do not ask the router to forward the port.</source>
        <translation>مع ‎--open: عدم مطالبة الموجّه بتمرير المنفذ.</translation>
    </message>
    <message>
        <source>%1 takes a %2 port from 1 to 65535, not &apos;%3&apos;</source>
        <translation>%1 يأخذ منفذ %2 من 1 إلى 65535، لا &apos;%3&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--probe takes a number of seconds, not &apos;%1&apos;</source>
        <translation>‎--probe يأخذ عددًا من الثواني، لا &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a link opens alone; to join with options, use --join LINK</source>
        <translation>الرابط يُفتح وحده؛ للانضمام مع خيارات استخدم ‎--join LINK</translation>
    </message>
    <message>
        <source>that is not a Lumivex link: %1</source>
        <translation>هذا ليس رابط Lumivex: ‏%1</translation>
    </message>
    <message>
        <source>a replay file opens alone; to watch it with options, use --replay FILE</source>
        <translation>ملف الإعادة يُفتح وحده؛ لمشاهدته مع خيارات استخدم ‎--replay FILE</translation>
    </message>
    <message>
        <source>--open and --join exclude each other</source>
        <translation>‎--open و‎--join لا يجتمعان</translation>
    </message>
    <message>
        <source>--port goes with --relay</source>
        <translation>‎--port يأتي مع ‎--relay</translation>
    </message>
    <message>
        <source>--relay runs alone, without --open, --join or --web</source>
        <translation>‎--relay يعمل وحده، دون ‎--open أو ‎--join أو ‎--web</translation>
    </message>
    <message>
        <source>--relay-server goes with --open</source>
        <translation>‎--relay-server يأتي مع ‎--open</translation>
    </message>
    <message>
        <source>--relay-server takes HOST:PORT, not &apos;%1&apos;</source>
        <translation>‎--relay-server يأخذ HOST:PORT، لا &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--public goes with --open</source>
        <translation>‎--public يأتي مع ‎--open</translation>
    </message>
    <message>
        <source>--public takes the name to list the game as</source>
        <translation>‎--public يأخذ الاسم الذي تُدرج به اللعبة</translation>
    </message>
    <message>
        <source>--list-games takes HOST or HOST:PORT, not &apos;%1&apos;</source>
        <translation>‎--list-games يأخذ HOST أو HOST:PORT، لا &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--record takes a file name</source>
        <translation>‎--record يأخذ اسم ملف</translation>
    </message>
    <message>
        <source>%1 exists and is not a Lumivex replay: it is left as it is</source>
        <translation>%1 موجود وليس إعادة Lumivex: يُترك كما هو</translation>
    </message>
    <message>
        <source>a replay is watched alone, without --open, --join, --relay, --record, --demo or --web</source>
        <translation>الإعادة تُشاهد وحدها، دون ‎--open أو ‎--join أو ‎--relay أو ‎--record أو ‎--demo أو ‎--web</translation>
    </message>
    <message>
        <source>there is no network interface &apos;%1&apos;; there are: %2</source>
        <translation>لا توجد واجهة شبكة &apos;%1&apos;؛ الموجود: %2</translation>
    </message>
    <message>
        <source>--config takes a file name</source>
        <translation>‎--config يأخذ اسم ملف</translation>
    </message>
    <message>
        <source>--demo takes a number of players from 2 to 8</source>
        <translation>‎--demo يأخذ عدد لاعبين من 2 إلى 8</translation>
    </message>
    <message>
        <source>--riders takes a number from 1 to 7</source>
        <translation>‎--riders يأخذ رقمًا من 1 إلى 7</translation>
    </message>
    <message>
        <source>no display: set DISPLAY, or use --probe, which needs none</source>
        <translation>لا شاشة: اضبط DISPLAY، أو استخدم ‎--probe الذي لا يحتاج إلى شاشة</translation>
    </message>
    <message>
        <source>the game could not be opened online: %1</source>
        <translation>تعذّر فتح اللعبة على الإنترنت: %1</translation>
    </message>
    <message>
        <source>browsers cannot join: %1</source>
        <translation>لا تستطيع المتصفحات الانضمام: %1</translation>
    </message>
</context>
<context>
    <name>GameFinder</name>
    <message>
        <source>the relay did not answer within %1 s</source>
        <translation>لم يُجب المُرحِّل خلال %1 ث</translation>
    </message>
</context>
<context>
    <name>Gateway</name>
    <message>
        <source>UDP port %1 cannot be used (%2)</source>
        <translation>لا يمكن استخدام منفذ UDP ‏%1 (%2)</translation>
    </message>
    <message>
        <source>%1 through the relay</source>
        <translation>%1 عبر المُرحِّل</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Player 1 (you)</source>
        <translation>اللاعب 1 (أنت)</translation>
    </message>
    <message>
        <source>Local player %1</source>
        <translation>اللاعب المحلي %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Press the pad&apos;s button for &quot;%1&quot;.</source>
        <translation>اضغط زر ذراع التحكم لـ«%1».</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>ذراع التحكم</translation>
    </message>
    <message>
        <source>The default keys are back.</source>
        <translation>عادت المفاتيح الافتراضية.</translation>
    </message>
    <message>
        <source>Press the key for &quot;%1&quot;.</source>
        <translation>اضغط المفتاح لـ«%1».</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot;.</source>
        <translation>%1 هو مفتاح «%2» أصلًا.</translation>
    </message>
    <message>
        <source>%1 is already the key for &quot;%2&quot; of %3.</source>
        <translation>%1 هو مفتاح «%2» لـ%3 أصلًا.</translation>
    </message>
    <message>
        <source>Press a key...</source>
        <translation>اضغط مفتاحًا…</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Stick, D-pad</source>
        <translation>العصا، أزرار الاتجاه</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>العصا</translation>
    </message>
    <message>
        <source>Press a button...</source>
        <translation>اضغط زرًّا…</translation>
    </message>
</context>
<context>
    <name>MatchControl</name>
    <message>
        <source>Nobody won!</source>
        <translation>لم يفز أحد!</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>فاز %1!</translation>
    </message>
    <message>
        <source>%1 won the match!</source>
        <translation>فاز %1 بالمباراة!</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Game Paused!</source>
        <translation>اللعبة متوقفة مؤقتًا!</translation>
    </message>
    <message>
        <source>Game Resumed!</source>
        <translation>استُؤنفت اللعبة!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>اللاعب %1</translation>
    </message>
    <message>
        <source>The host has left the match</source>
        <translation>غادر المضيف المباراة</translation>
    </message>
    <message>
        <source>No Client 1!</source>
        <translation>لا يوجد عميل 1!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
</context>
<context>
    <name>MulticastTransport</name>
    <message>
        <source>No other copy of Lumivex answered %1 (group %2, UDP port %3). The other computers must be on the same network, and a firewall must let UDP port %3 and the group %2 through.</source>
        <translation>لم تُجب أي نسخة أخرى من Lumivex %1 (المجموعة %2، منفذ UDP ‏%3). يجب أن تكون الحواسيب الأخرى على الشبكة نفسها، وأن يسمح الجدار الناري بمرور منفذ UDP ‏%3 والمجموعة %2.</translation>
    </message>
    <message>
        <source>here</source>
        <translation>هنا</translation>
    </message>
    <message>
        <source>No network: port %1 cannot be used (%2)</source>
        <translation>لا شبكة: لا يمكن استخدام المنفذ %1 (%2)</translation>
    </message>
    <message>
        <source>No network: cannot join the game group (%1)</source>
        <translation>لا شبكة: لا يمكن الانضمام إلى مجموعة اللعبة (%1)</translation>
    </message>
    <message>
        <source>%1 is not there: sending automatically</source>
        <translation>%1 غير موجودة: يجري الإرسال تلقائيًا</translation>
    </message>
    <message>
        <source>Sending on %1 again</source>
        <translation>يجري الإرسال عبر %1 من جديد</translation>
    </message>
    <message>
        <source>Sending %1 to the group %2, UDP port %3.</source>
        <translation>يجري الإرسال عبر %1 إلى المجموعة %2، منفذ UDP ‏%3.</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>إلى لا مكان</translation>
    </message>
    <message>
        <source>Group joined on %1.</source>
        <translation>انضمّت إلى المجموعة على %1.</translation>
    </message>
    <message>
        <source>Group NOT joined on %1.</source>
        <translation>لم تنضمّ إلى المجموعة على %1.</translation>
    </message>
    <message>
        <source>Datagrams sent: %1; received: %2, of them dropped as malformed: %3.</source>
        <translation>الرُّزَم المرسلة: %1؛ المستلمة: %2، منها ما أُهمل لأنه تالف: %3.</translation>
    </message>
    <message>
        <source>Dropped because their sender sent too many: %1.</source>
        <translation>أُهملت لأن مرسلها أرسل الكثير: %1.</translation>
    </message>
    <message>
        <source>Dropped unread as not from this network (sent to this computer alone, or from beyond a router): %1.</source>
        <translation>أُهملت دون قراءة لأنها ليست من هذه الشبكة (أُرسلت إلى هذا الحاسوب وحده، أو من خلف موجّه): %1.</translation>
    </message>
    <message>
        <source>This copy hears its own datagrams (%1).</source>
        <translation>هذه النسخة تسمع رُزَمها (%1).</translation>
    </message>
    <message>
        <source>This copy does NOT hear its own datagrams.</source>
        <translation>هذه النسخة لا تسمع رُزَمها.</translation>
    </message>
    <message>
        <source>From %1: %2 datagrams, last heard %3.</source>
        <translation>من %1: ‏%2 رزمة، آخرها في %3.</translation>
    </message>
    <message>
        <source>on %1, %2</source>
        <translation>على %1، %2</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>Browsers cannot join: %1</source>
        <translation>لا يمكن للمتصفحات الانضمام: %1</translation>
    </message>
    <message>
        <source>Play from a Phone</source>
        <translation>العب من الهاتف</translation>
    </message>
    <message>
        <source>A phone, tablet or computer on this network plays here with nothing installed: scan the code, or open the address in its browser. Each browser takes a seat of this copy.</source>
        <translation>يلعب هنا هاتف أو جهاز لوحي أو حاسوب على هذه الشبكة دون تثبيت أي شيء: امسح الرمز أو افتح العنوان في متصفحه. يأخذ كل متصفح مقعدًا من هذه النسخة.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;%1&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Browsers riding: %1 of %2</source>
        <translation>المتصفحات في اللعب: %1 من %2</translation>
    </message>
    <message>
        <source>Browsers can no longer join.</source>
        <translation>لم يعد بإمكان المتصفحات الانضمام.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>إي&amp;قاف</translation>
    </message>
    <message>
        <source>Frees every browser&apos;s seat and stops serving the page</source>
        <translation>يُخلي مقعد كل متصفح ويتوقف عن تقديم الصفحة</translation>
    </message>
    <message>
        <source>Find Games Online</source>
        <translation>البحث عن ألعاب على الإنترنت</translation>
    </message>
    <message>
        <source>Relays to ask (HOST:PORT, separated by commas):</source>
        <translation>المُرحِّلات التي تُسأل (المضيف:المنفذ، مفصولة بفواصل):</translation>
    </message>
    <message>
        <source>relay.example.org:31316</source>
        <translation>relay.example.org:31316</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>اللاعبون</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>زمن الذهاب والإياب</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>ا&amp;نضمام</translation>
    </message>
    <message>
        <source>%1/8</source>
        <translation>%1/8</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>قيد اللعب</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>بانتظار</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 م‌ث</translation>
    </message>
    <message>
        <source>%1 public game, from %2.</source>
        <translation>%1 لعبة عامة، من %2.</translation>
    </message>
    <message>
        <source>%1 public games, from %2.</source>
        <translation>%1 ألعاب عامة، من %2.</translation>
    </message>
    <message>
        <source>No relay to ask. Lumivex has no list server of its own: add relays that list games above (ask your friends, or run one with lumivex-relay), or choose one with Network &gt; Relay Server.</source>
        <translation>لا مُرحِّل لسؤاله. ليس لـLumivex خادم قوائم خاص به: أضف أعلاه مُرحِّلات تُدرج الألعاب (اسأل أصدقاءك، أو شغّل واحدًا بـlumivex-relay)، أو اختر واحدًا من الشبكة &gt; خادم المُرحِّل.</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>لا يوجد مضيف كهذا</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>ال&amp;شبكة</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Show Online &amp;Link...</source>
        <translation>عرض &amp;رابط الإنترنت…</translation>
    </message>
    <message>
        <source>Online &amp;Players...</source>
        <translation>ال&amp;لاعبون على الإنترنت…</translation>
    </message>
    <message>
        <source>&amp;Close Online Game</source>
        <translation>إ&amp;غلاق لعبة الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Open Game Online...</source>
        <translation>ف&amp;تح اللعبة على الإنترنت…</translation>
    </message>
    <message>
        <source>&amp;Leave Online Game</source>
        <translation>م&amp;غادرة لعبة الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Join Online Game...</source>
        <translation>الا&amp;نضمام إلى لعبة على الإنترنت…</translation>
    </message>
    <message>
        <source>&amp;Find Games Online...</source>
        <translation>ا&amp;لبحث عن ألعاب على الإنترنت…</translation>
    </message>
    <message>
        <source>&amp;Relay Server...</source>
        <translation>خادم ال&amp;مُرحِّل…</translation>
    </message>
    <message>
        <source>Let &amp;Browsers Join...</source>
        <translation>السماح للم&amp;تصفحات بالانضمام…</translation>
    </message>
    <message>
        <source>&amp;Diagnostics...</source>
        <translation>الت&amp;شخيص…</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>الشبكة: %1</translation>
    </message>
    <message>
        <source>; no other copy of Lumivex answered</source>
        <translation>؛ لم تُجب أي نسخة أخرى من Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>You are the only one here.</source>
        <translation>أنت وحدك هنا.</translation>
    </message>
    <message>
        <source>Ride against computer riders, open a game online for friends elsewhere, or wait for friends on this network.</source>
        <translation>سابق سائقي الحاسوب، أو افتح لعبة على الإنترنت لأصدقاء بعيدين، أو انتظر أصدقاء على هذه الشبكة.</translation>
    </message>
    <message>
        <source>Add Computer Riders</source>
        <translation>إضافة سائقي الحاسوب</translation>
    </message>
    <message>
        <source>Open a Game Online...</source>
        <translation>فتح لعبة على الإنترنت…</translation>
    </message>
    <message>
        <source>Wait for Friends on This Network</source>
        <translation>انتظار الأصدقاء على هذه الشبكة</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>تشخيص الشبكة</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - على الإنترنت</translation>
    </message>
    <message>
        <source>Relay Server</source>
        <translation>خادم المُرحِّل</translation>
    </message>
    <message>
        <source>Games opened online also keep a room at this relay, for friends who cannot reach this computer directly.
HOST:PORT, or empty for none (Lumivex runs no public relay):</source>
        <translation>تحتفظ الألعاب المفتوحة على الإنترنت أيضًا بغرفة على هذا المُرحِّل، للأصدقاء الذين لا يصلون إلى هذا الحاسوب مباشرة.
المضيف:المنفذ، أو فارغ إن لم يُرد (لا يشغّل Lumivex أي مُرحِّل عام):</translation>
    </message>
    <message>
        <source>The relay is used from the next time a game is opened online.</source>
        <translation>سيُستخدم المُرحِّل من المرة القادمة التي تُفتح فيها لعبة على الإنترنت.</translation>
    </message>
    <message>
        <source>Open Game Online</source>
        <translation>فتح اللعبة على الإنترنت</translation>
    </message>
    <message>
        <source>Friends elsewhere join this game with a link that the next window gives you to send them.</source>
        <translation>ينضم الأصدقاء البعيدون إلى هذه اللعبة برابط تعطيك إياه النافذة التالية لترسله إليهم.</translation>
    </message>
    <message>
        <source>&amp;List this game publicly as:</source>
        <translation>إ&amp;دراج هذه اللعبة علنًا باسم:</translation>
    </message>
    <message>
        <source>at the relay (HOST:PORT):</source>
        <translation>على المُرحِّل (المضيف:المنفذ):</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;متقدم</translation>
    </message>
    <message>
        <source>UDP port:</source>
        <translation>منفذ UDP:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>A public game needs a name to be listed under.</source>
        <translation>تحتاج اللعبة العامة إلى اسم تُدرج به.</translation>
    </message>
    <message>
        <source>A public game is listed at a relay: &quot;%1&quot; is not HOST:PORT, such as relay.example.org:31316.</source>
        <translation>تُدرج اللعبة العامة على مُرحِّل: «%1» ليس المضيف:المنفذ، مثل relay.example.org:31316.</translation>
    </message>
    <message>
        <source>The game could not be opened online: %1</source>
        <translation>تعذّر فتح اللعبة على الإنترنت: %1</translation>
    </message>
    <message>
        <source>Game Online</source>
        <translation>اللعبة على الإنترنت</translation>
    </message>
    <message>
        <source>Friends join with this link (Network &gt; Join Online Game). It holds the game&apos;s key: give it only to those you play with.</source>
        <translation>ينضم الأصدقاء بهذا الرابط (الشبكة &gt; الانضمام إلى لعبة على الإنترنت). فيه مفتاح اللعبة: لا تعطه إلا لمن تلعب معهم.</translation>
    </message>
    <message>
        <source>Address friends can reach:</source>
        <translation>العنوان الذي يصل إليه الأصدقاء:</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>هذا الحاسوب</translation>
    </message>
    <message>
        <source>This computer has only addresses of its own network, so friends elsewhere cannot reach it: the link works only on this network.
What works: a relay (Network &gt; Relay Server...), forwarding UDP port %1 on the router to this computer (%2), or a VPN that puts you and your friends on one network.</source>
        <translation>ليس لهذا الحاسوب إلا عناوين شبكته، فلا يصل إليه الأصدقاء البعيدون: الرابط يعمل على هذه الشبكة فقط.
ما ينفع: مُرحِّل (الشبكة &gt; خادم المُرحِّل…)، أو توجيه منفذ UDP ‏%1 في الموجّه إلى هذا الحاسوب (%2)، أو شبكة VPN تجمعك بأصدقائك في شبكة واحدة.</translation>
    </message>
    <message>
        <source>Join Online Game</source>
        <translation>الانضمام إلى لعبة على الإنترنت</translation>
    </message>
    <message>
        <source>The link a friend sent (lumivex://...):</source>
        <translation>الرابط الذي أرسله صديق (lumivex://…):</translation>
    </message>
    <message>
        <source>That link is not whole: copy all of it again from the one who sent it, and paste it here. (In detail: %1.)</source>
        <translation>هذا الرابط ناقص: انسخه كاملًا من جديد ممن أرسله، والصقه هنا. (بالتفصيل: %1.)</translation>
    </message>
    <message>
        <source>That is not a Lumivex link: a game&apos;s link starts with lumivex://</source>
        <translation>هذا ليس رابط Lumivex: رابط اللعبة يبدأ بـlumivex://</translation>
    </message>
    <message>
        <source>Online Players</source>
        <translation>اللاعبون على الإنترنت</translation>
    </message>
    <message>
        <source>Copies that joined this game from elsewhere. Kick removes one and keeps its address out for %1 minutes; Ban keeps it out while the game is open.</source>
        <translation>نسخ انضمت إلى هذه اللعبة من مكان آخر. «طرد» يُخرج نسخة ويمنع عنوانها %1 دقيقة؛ «حظر» يمنعه ما دامت اللعبة مفتوحة.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>In</source>
        <translation>وارد</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>صادر</translation>
    </message>
    <message>
        <source>&amp;Close to new players</source>
        <translation>إ&amp;غلاق أمام اللاعبين الجدد</translation>
    </message>
    <message>
        <source>&amp;Kick</source>
        <translation>&amp;طرد</translation>
    </message>
    <message>
        <source>&amp;Ban</source>
        <translation>&amp;حظر</translation>
    </message>
    <message>
        <source>This online game is closed to new players</source>
        <translation>هذه اللعبة على الإنترنت مغلقة أمام اللاعبين الجدد</translation>
    </message>
    <message>
        <source>This online game is open to new players again</source>
        <translation>هذه اللعبة على الإنترنت مفتوحة للاعبين الجدد من جديد</translation>
    </message>
    <message>
        <source>Kick %1 from the Online Game</source>
        <translation>طرد %1 من لعبة الإنترنت</translation>
    </message>
    <message>
        <source>Ban %1 from the Online Game</source>
        <translation>حظر %1 من لعبة الإنترنت</translation>
    </message>
    <message>
        <source>A copy with no rider</source>
        <translation>نسخة بلا سائق</translation>
    </message>
    <message>
        <source>%1 (%2) was banned from this online game</source>
        <translation>حُظر %1 (%2) من هذه اللعبة على الإنترنت</translation>
    </message>
    <message>
        <source>%1 (%2) was removed from this online game for %3 minutes</source>
        <translation>أُخرج %1 (%2) من هذه اللعبة على الإنترنت لمدة %3 دقيقة</translation>
    </message>
</context>
<context>
    <name>OnlineClient</name>
    <message>
        <source>The relay at %1 has no such game: it was closed, or the link is old</source>
        <translation>ليست لدى المُرحِّل في %1 لعبة كهذه: أُغلقت أو الرابط قديم</translation>
    </message>
    <message>
        <source>The relay at %1 did not let this copy in</source>
        <translation>لم يُدخل المُرحِّل في %1 هذه النسخة</translation>
    </message>
    <message>
        <source>The relay at %1 did not answer</source>
        <translation>لم يُجب المُرحِّل في %1</translation>
    </message>
    <message>
        <source>The online game at %1 did not answer</source>
        <translation>لم تُجب اللعبة على الإنترنت في %1</translation>
    </message>
    <message>
        <source>The online game at %1 did not accept the link&apos;s key</source>
        <translation>لم تقبل اللعبة على الإنترنت في %1 مفتاح الرابط</translation>
    </message>
    <message>
        <source>%1 (relay)</source>
        <translation>%1 (مُرحِّل)</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>لا شبكة: %1</translation>
    </message>
    <message>
        <source>The online game&apos;s address %1 was not found</source>
        <translation>لم يُعثر على عنوان اللعبة على الإنترنت %1</translation>
    </message>
    <message>
        <source>The relay&apos;s address %1 was not found</source>
        <translation>لم يُعثر على عنوان المُرحِّل %1</translation>
    </message>
    <message>
        <source>The online game is full: it has %1 players from elsewhere already</source>
        <translation>اللعبة على الإنترنت ممتلئة: فيها %1 لاعبين من أماكن أخرى</translation>
    </message>
    <message>
        <source>The host removed you from the online game</source>
        <translation>أخرجك المضيف من اللعبة على الإنترنت</translation>
    </message>
    <message>
        <source>The online game is closed to new players</source>
        <translation>اللعبة على الإنترنت مغلقة أمام اللاعبين الجدد</translation>
    </message>
    <message>
        <source>The online game refused to let this copy join</source>
        <translation>رفضت اللعبة على الإنترنت انضمام هذه النسخة</translation>
    </message>
    <message>
        <source>Lost the connection to the online game</source>
        <translation>انقطع الاتصال باللعبة على الإنترنت</translation>
    </message>
</context>
<context>
    <name>OnlineTransport</name>
    <message>
        <source>This copy has joined an online game: leave it first</source>
        <translation>انضمت هذه النسخة إلى لعبة على الإنترنت: غادرها أولًا</translation>
    </message>
    <message>
        <source>Online play is not available: no source of randomness</source>
        <translation>اللعب على الإنترنت غير متاح: لا مصدر للعشوائية</translation>
    </message>
    <message>
        <source>No network: %1</source>
        <translation>لا شبكة: %1</translation>
    </message>
    <message>
        <source>Banned the copy at %1 from this online game</source>
        <translation>حُظرت النسخة في %1 من هذه اللعبة على الإنترنت</translation>
    </message>
    <message>
        <source>Removed the copy at %1 from this online game for %2 minutes</source>
        <translation>أُخرجت النسخة في %1 من هذه اللعبة على الإنترنت لمدة %2 دقيقة</translation>
    </message>
    <message>
        <source>The relay server %1 was not found</source>
        <translation>لم يُعثر على خادم المُرحِّل %1</translation>
    </message>
    <message>
        <source>The relay %1 keeps a room for this game</source>
        <translation>يحتفظ المُرحِّل %1 بغرفة لهذه اللعبة</translation>
    </message>
    <message>
        <source>The relay %1 is full: it keeps no room for this game now</source>
        <translation>المُرحِّل %1 ممتلئ: لا يحتفظ الآن بغرفة لهذه اللعبة</translation>
    </message>
    <message>
        <source>The relay %1 does not answer; asking again</source>
        <translation>المُرحِّل %1 لا يجيب؛ يُعاد السؤال</translation>
    </message>
    <message>
        <source>Opening a room at the relay %1...</source>
        <translation>يجري فتح غرفة على المُرحِّل %1…</translation>
    </message>
    <message>
        <source>Not listed: a public game is listed at a relay (Network menu, Relay Server...)</source>
        <translation>غير مُدرجة: تُدرج اللعبة العامة على مُرحِّل (قائمة الشبكة، خادم المُرحِّل…)</translation>
    </message>
    <message>
        <source>Listing this game at %1...</source>
        <translation>يجري إدراج هذه اللعبة على %1…</translation>
    </message>
    <message>
        <source>Listed publicly at %1</source>
        <translation>مُدرجة علنًا على %1</translation>
    </message>
    <message>
        <source>Not listed at %1: its list is full</source>
        <translation>غير مُدرجة على %1: قائمته ممتلئة</translation>
    </message>
    <message>
        <source>Not listed at %1: it lists enough games from this address</source>
        <translation>غير مُدرجة على %1: يُدرج ما يكفي من الألعاب من هذا العنوان</translation>
    </message>
    <message>
        <source>Not listed at %1: it sees this game at another address</source>
        <translation>غير مُدرجة على %1: يرى هذه اللعبة على عنوان آخر</translation>
    </message>
    <message>
        <source>Not listed at %1</source>
        <translation>غير مُدرجة على %1</translation>
    </message>
    <message>
        <source>This copy has opened its game online: close it first</source>
        <translation>فتحت هذه النسخة لعبتها على الإنترنت: أغلقها أولًا</translation>
    </message>
    <message>
        <source>This copy has joined an online game already</source>
        <translation>انضمت هذه النسخة إلى لعبة على الإنترنت أصلًا</translation>
    </message>
    <message>
        <source>Online: 1 player joined</source>
        <translation>على الإنترنت: انضم لاعب واحد</translation>
    </message>
    <message>
        <source>Online: %1 players joined</source>
        <translation>على الإنترنت: انضم %1 لاعبين</translation>
    </message>
    <message>
        <source>Joining %1...</source>
        <translation>يجري الانضمام إلى %1…</translation>
    </message>
    <message>
        <source>Joined %1</source>
        <translation>انضمت إلى %1</translation>
    </message>
    <message>
        <source>Joined %1, %2 ms</source>
        <translation>انضمت إلى %1، %2 م‌ث</translation>
    </message>
    <message>
        <source>Open online on UDP port %1; copies joined from elsewhere: %2.</source>
        <translation>مفتوحة على الإنترنت على منفذ UDP ‏%1؛ النسخ المنضمة من أماكن أخرى: %2.</translation>
    </message>
    <message>
        <source>Closed to new players.</source>
        <translation>مغلقة أمام اللاعبين الجدد.</translation>
    </message>
    <message>
        <source>Online %1: round trip %2 ms, datagrams in %3, out %4; dropped: %5 over its budget, %6 not genuine.</source>
        <translation>على الإنترنت %1: ذهاب وإياب %2 م‌ث، رزم واردة %3، صادرة %4؛ أُهمل: %5 فوق الحصة، %6 غير أصلية.</translation>
    </message>
    <message>
        <source>Dropped at the gateway: %1 from strangers, %2 not genuine, %3 malformed, %4 too long, %5 over budget. Cookies sent: %6; copies refused: %7.</source>
        <translation>أُهمل عند البوابة: %1 من غرباء، %2 غير أصلية، %3 تالفة، %4 طويلة جدًا، %5 فوق الحصة. ملفات تعريف أُرسلت: %6؛ نسخ رُفضت: %7.</translation>
    </message>
    <message>
        <source>Joined %1 online: round trip %2 ms; %3 datagrams not genuine dropped.</source>
        <translation>انضمت إلى %1 على الإنترنت: ذهاب وإياب %2 م‌ث؛ أُهملت %3 رزمة غير أصلية.</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>Game controller</source>
        <translation>ذراع ألعاب</translation>
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
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>الدليل</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Left stick press</source>
        <translation>ضغط العصا اليسرى</translation>
    </message>
    <message>
        <source>Right stick press</source>
        <translation>ضغط العصا اليمنى</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>الزر الكتفي الأيسر</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>الزر الكتفي الأيمن</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>أزرار الاتجاه أعلى</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>أزرار الاتجاه أسفل</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>أزرار الاتجاه يسار</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>أزرار الاتجاه يمين</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Asking the router to forward the port...</source>
        <translation>يُطلب من الموجّه توجيه المنفذ…</translation>
    </message>
    <message>
        <source>The port is mapped on this router only (%1, %2): another router stands before it (a double NAT), so friends outside need a relay</source>
        <translation>المنفذ موجَّه على هذا الموجّه فقط (%1، %2): أمامه موجّه آخر (NAT مزدوج)، فيحتاج الأصدقاء في الخارج إلى مُرحِّل</translation>
    </message>
    <message>
        <source>The router forwards the port (%1): friends reach this game at %2</source>
        <translation>يوجّه الموجّه المنفذ (%1): يصل الأصدقاء إلى هذه اللعبة على %2</translation>
    </message>
    <message>
        <source>No automatic port mapping: friends outside this network need a relay or a forwarded port</source>
        <translation>لا توجيه تلقائي للمنافذ: يحتاج الأصدقاء خارج هذه الشبكة إلى مُرحِّل أو منفذ موجَّه</translation>
    </message>
</context>
<context>
    <name>RelayOptions</name>
    <message>
        <source>The relay&apos;s UDP port (default 31316).</source>
        <translation>منفذ UDP للمُرحِّل (الافتراضي 31316).</translation>
    </message>
    <message>
        <source>The most rooms the relay keeps (default 4096).</source>
        <translation>أكبر عدد من الغرف يحتفظ به المُرحِّل (الافتراضي 4096).</translation>
    </message>
    <message>
        <source>The most public games the relay lists (default 1000; 0 lists none). One address, or IPv6 /64, lists at most 4, one /48 at most 16.</source>
        <translation>أكبر عدد من الألعاب العامة يدرجه المُرحِّل (الافتراضي 1000؛ 0 لا يدرج شيئًا). العنوان الواحد، أو ‎/64 في IPv6، يدرج 4 على الأكثر، و‎/48 الواحد 16 على الأكثر.</translation>
    </message>
    <message>
        <source>--port takes a UDP port from 1 to 65535</source>
        <translation>‎--port يأخذ منفذ UDP من 1 إلى 65535</translation>
    </message>
    <message>
        <source>--relay-rooms takes a number from 1 to 1000000</source>
        <translation>‎--relay-rooms يأخذ رقمًا من 1 إلى 1000000</translation>
    </message>
    <message>
        <source>--relay-rooms-per-address takes a number from 1 to 1000000</source>
        <translation>‎--relay-rooms-per-address يأخذ رقمًا من 1 إلى 1000000</translation>
    </message>
    <message>
        <source>--relay-games takes a number from 0 to 100000</source>
        <translation>‎--relay-games يأخذ رقمًا من 0 إلى 100000</translation>
    </message>
</context>
<context>
    <name>ReplayChooser</name>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 د %2 ث</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>فتح إعادة</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>اللاعبون</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>ملف آخر…</translation>
    </message>
    <message>
        <source>Lumivex replays (*.lumivex-replay)</source>
        <translation>إعادات Lumivex ‏(*.lumivex-replay)</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>not a Lumivex replay</source>
        <translation>ليست إعادة Lumivex</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is cut short)</source>
        <translation>ليست إعادة Lumivex (ترويستها مقطوعة)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (its header is damaged)</source>
        <translation>ليست إعادة Lumivex (ترويستها تالفة)</translation>
    </message>
    <message>
        <source>a replay made by a newer Lumivex (format version %1; this one reads %2)</source>
        <translation>إعادة صنعها Lumivex أحدث (إصدار الصيغة %1؛ هذا يقرأ %2)</translation>
    </message>
    <message>
        <source>not a Lumivex replay (format version 0)</source>
        <translation>ليست إعادة Lumivex (إصدار الصيغة 0)</translation>
    </message>
    <message>
        <source>it holds more than a replay may (%1 records, %2 MiB of datagrams, %3 MiB in all): it plays up to there</source>
        <translation>تحوي أكثر مما يحق للإعادة (%1 سجلًا، %2 MiB من مخططات البيانات، %3 MiB في المجموع): تُشغَّل حتى ذلك الموضع</translation>
    </message>
    <message>
        <source>its end mark is cut short</source>
        <translation>علامة نهايتها مقطوعة</translation>
    </message>
    <message>
        <source>its end mark is damaged</source>
        <translation>علامة نهايتها تالفة</translation>
    </message>
    <message>
        <source>its end mark counts %1 records, the blocks hold %2</source>
        <translation>علامة نهايتها تعدّ %1 سجلًا، والكتل تحوي %2</translation>
    </message>
    <message>
        <source>bytes follow its end mark</source>
        <translation>تلي علامةَ نهايتها بايتات</translation>
    </message>
    <message>
        <source>block %1 is cut short</source>
        <translation>الكتلة %1 مقطوعة</translation>
    </message>
    <message>
        <source>block %1 is not a block</source>
        <translation>الكتلة %1 ليست كتلة</translation>
    </message>
    <message>
        <source>block %1 claims an impossible size</source>
        <translation>الكتلة %1 تدّعي حجمًا مستحيلًا</translation>
    </message>
    <message>
        <source>block %1 fails its check</source>
        <translation>الكتلة %1 تفشل في فحصها</translation>
    </message>
    <message>
        <source>block %1 does not unpack to its size</source>
        <translation>الكتلة %1 لا تُفك إلى حجمها</translation>
    </message>
    <message>
        <source>block %1 ends inside a record</source>
        <translation>الكتلة %1 تنتهي داخل سجل</translation>
    </message>
    <message>
        <source>block %1 holds a record of an impossible length</source>
        <translation>الكتلة %1 تحوي سجلًا بطول مستحيل</translation>
    </message>
    <message>
        <source>block %1 goes back in time</source>
        <translation>الكتلة %1 ترجع في الزمن</translation>
    </message>
    <message>
        <source>it ends without its end mark (cut short, or the program did not end cleanly)</source>
        <translation>تنتهي دون علامة نهايتها (مقطوعة، أو لم ينتهِ البرنامج على نحو سليم)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>تتعذّر قراءته: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>تتعذّر الكتابة في %1: %2</translation>
    </message>
</context>
<context>
    <name>ReplayKeeper</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>يتعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>This match is not kept as a replay: %1</source>
        <translation>لا تُحفظ هذه المباراة كإعادة: %1</translation>
    </message>
</context>
<context>
    <name>ReplayPlayer</name>
    <message>
        <source>Player %1</source>
        <translation>اللاعب %1</translation>
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
        <translation>%1 جاهز!</translation>
    </message>
    <message>
        <source>Only 7 instances can serve as clients</source>
        <translation>لا يمكن أن تكون العملاء إلا 7 نسخ</translation>
    </message>
    <message>
        <source>Four players at one keyboard at most</source>
        <translation>أربعة لاعبين على لوحة مفاتيح واحدة على الأكثر</translation>
    </message>
    <message>
        <source>%1 left: its slot was taken</source>
        <translation>غادر %1: أُخذ مكانه</translation>
    </message>
    <message>
        <source>%1 was taken elsewhere; it rides as %2</source>
        <translation>أُخذ %1 في مكان آخر؛ يسير باسم %2</translation>
    </message>
</context>
<context>
    <name>SoundBoard</name>
    <message>
        <source>&amp;Sound</source>
        <translation>ال&amp;صوت</translation>
    </message>
    <message>
        <source>&amp;Mute</source>
        <translation>&amp;كتم</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>ال&amp;مستوى</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>&amp;Chat Volume</source>
        <translation>مستوى صوت ال&amp;دردشة</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
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
        <translation>عن Lumivex</translation>
    </message>
    <message>
        <source>Lumivex</source>
        <translation>Lumivex</translation>
    </message>
    <message>
        <source>Trail riding for the whole network</source>
        <translation>سباق الأثر الضوئي للشبكة كلها</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>المساعدة:</translation>
    </message>
    <message>
        <source>the player&apos;s guide</source>
        <translation>دليل اللاعب</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
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
        <translation>إضافة لاعب محلي</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Change Keys...</source>
        <translation>تغيير المفاتيح…</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>المفاتيح:</translation>
    </message>
    <message>
        <source>W A S D, left Shift for turbo</source>
        <translation>W A S D، وShift الأيسر للتوربو</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>إزالة %1</translation>
    </message>
    <message>
        <source>Lumivex - Help</source>
        <translation>Lumivex - المساعدة</translation>
    </message>
    <message>
        <source>The help is not installed beside the program.</source>
        <translation>المساعدة غير مثبّتة بجانب البرنامج.</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help. Open this file with one:
%1</source>
        <translation>تعذّر فتح متصفح ويب للمساعدة. افتح هذا الملف بمتصفح:
%1</translation>
    </message>
    <message>
        <source>A match is running here: Reset Match first.</source>
        <translation>تجري مباراة هنا: أعد ضبط المباراة أولًا.</translation>
    </message>
    <message>
        <source>A match is running here: Leave Match first.</source>
        <translation>تجري مباراة هنا: غادر المباراة أولًا.</translation>
    </message>
    <message>
        <source>Open Replay</source>
        <translation>فتح إعادة</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is no replay this Lumivex can read. (In detail: %2.)</source>
        <translation>لا يمكن تشغيل %1: ليس إعادة يستطيع Lumivex هذا قراءتها. (بالتفصيل: %2.)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Add computer riders and press Start Match, or wait for friends on this network</source>
        <translation>أضف سائقي الحاسوب واضغط «بدء المباراة»، أو انتظر أصدقاء على هذه الشبكة</translation>
    </message>
    <message>
        <source>Press Client Registration to take a seat in the match</source>
        <translation>اضغط «تسجيل العميل» لتأخذ مقعدًا في المباراة</translation>
    </message>
    <message>
        <source>Lumivex Control panel</source>
        <translation>لوحة تحكم Lumivex</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>العميل</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>الخادم</translation>
    </message>
    <message>
        <source>Point Color:</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>الخلفية:</translation>
    </message>
    <message>
        <source>Client Registration</source>
        <translation>تسجيل العميل</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>الحاسوب:</translation>
    </message>
    <message>
        <source>Add Rider</source>
        <translation>إضافة سائق</translation>
    </message>
    <message>
        <source>Remove Rider</source>
        <translation>إزالة سائق</translation>
    </message>
    <message>
        <source>Scan to play from a phone</source>
        <translation>امسح للعب من الهاتف</translation>
    </message>
    <message>
        <source>Lumivex - Online</source>
        <translation>Lumivex - على الإنترنت</translation>
    </message>
    <message>
        <source>Start Match</source>
        <translation>بدء المباراة</translation>
    </message>
    <message>
        <source>Reset Match</source>
        <translation>إعادة المباراة</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>إعادة الكل</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>السُّمك:</translation>
    </message>
    <message>
        <source>Snap to grid:</source>
        <translation>على الشبكة:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Turbo:</source>
        <translation>التوربو:</translation>
    </message>
    <message>
        <source>Warp:</source>
        <translation>العبور:</translation>
    </message>
    <message>
        <source>Complexity:</source>
        <translation>التعقيد:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>المباراة:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>اللاعبون:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>الفرق:</translation>
    </message>
    <message>
        <source>Fixed position:</source>
        <translation>موضع ثابت:</translation>
    </message>
    <message>
        <source>Diagonal motion:</source>
        <translation>قطري:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>العرض:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>الارتفاع:</translation>
    </message>
    <message>
        <source>Grid Color:</source>
        <translation>الساحة:</translation>
    </message>
    <message>
        <source>Your name, as the others see it</source>
        <translation>اسمك كما يراه الآخرون</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour; Default gives each seat its own</source>
        <translation>اللون: لون أثرك؛ «افتراضي» يعطي كل مقعد لونه</translation>
    </message>
    <message>
        <source>Back Color: the colour of this panel&apos;s and the game window&apos;s background</source>
        <translation>الخلفية: لون خلفية هذه اللوحة ونافذة اللعب</translation>
    </message>
    <message>
        <source>Thickness: how wide every trail is, from 1 (thin) to 4</source>
        <translation>السُّمك: عرض كل أثر، من 1 (رفيع) إلى 4</translation>
    </message>
    <message>
        <source>Snap to grid: turns are taken only on the grid of lanes, so trails never touch</source>
        <translation>على الشبكة: لا انعطاف إلا على شبكة المسارات، فلا تتلامس الآثار أبدًا</translation>
    </message>
    <message>
        <source>Speed: 1 is fastest, 85 is the usual pace; higher numbers are slower</source>
        <translation>السرعة: 1 الأسرع، و85 الإيقاع المعتاد؛ الأعداد الأكبر أبطأ</translation>
    </message>
    <message>
        <source>Turbo: riders may burn fuel to go twice as fast for a while</source>
        <translation>التوربو: يحرق السائقون وقودًا ليسيروا بضعف السرعة مدةً</translation>
    </message>
    <message>
        <source>Warp: a rider leaving the arena at one edge comes back at the other</source>
        <translation>العبور: السائق الذي يغادر الساحة من حافة يعود من الأخرى</translation>
    </message>
    <message>
        <source>Complexity: the obstacles; higher numbers give more and smaller ones, 4 or less none</source>
        <translation>التعقيد: العوائق؛ الأعداد الأكبر تعطي عوائق أكثر وأصغر، و4 أو أقل لا شيء</translation>
    </message>
    <message>
        <source>Match: the points a player or team needs to win the match</source>
        <translation>المباراة: النقاط التي يحتاجها لاعب أو فريق للفوز بالمباراة</translation>
    </message>
    <message>
        <source>Players: how many riders the match has, from 2 to 8</source>
        <translation>اللاعبون: عدد السائقين في المباراة، من 2 إلى 8</translation>
    </message>
    <message>
        <source>Team: with 4, 6 or 8 players, riders ride in teams; the last team riding wins</source>
        <translation>الفرق: مع 4 أو 6 أو 8 لاعبين يسير السائقون فرقًا؛ يفوز آخر فريق يسير</translation>
    </message>
    <message>
        <source>Fixed position: every rider starts from the same place each round</source>
        <translation>موضع ثابت: يبدأ كل سائق من المكان نفسه في كل جولة</translation>
    </message>
    <message>
        <source>Diagonal motion: riders may also ride diagonally (thin trails only)</source>
        <translation>قطري: يمكن للسائقين السير قطريًا أيضًا (الآثار الرفيعة فقط)</translation>
    </message>
    <message>
        <source>Width: the arena&apos;s width in pixels</source>
        <translation>العرض: عرض الساحة بالبكسل</translation>
    </message>
    <message>
        <source>Height: the arena&apos;s height in pixels</source>
        <translation>الارتفاع: ارتفاع الساحة بالبكسل</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour in the next match</source>
        <translation>الساحة: لون الساحة في المباراة القادمة</translation>
    </message>
    <message>
        <source>Computer: how well the next computer rider plays</source>
        <translation>الحاسوب: مدى إجادة سائق الحاسوب القادم</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Open &amp;Replay...</source>
        <translation>فتح &amp;إعادة…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>ال&amp;مباراة</translation>
    </message>
    <message>
        <source>Add Computer Rider (%1)</source>
        <translation>إضافة سائق حاسوب (%1)</translation>
    </message>
    <message>
        <source>Add Local Player...</source>
        <translation>إضافة لاعب محلي…</translation>
    </message>
    <message>
        <source>Remove Computer Rider</source>
        <translation>إزالة سائق حاسوب</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>م&amp;غادرة المباراة</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>الإ&amp;عدادات</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>ال&amp;مفاتيح…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>المح&amp;تويات</translation>
    </message>
    <message>
        <source>C&amp;heck for updates...</source>
        <translation>التحقق من الت&amp;حديثات…</translation>
    </message>
    <message>
        <source>Lumivex is updated by your package manager or installer; this is version %1. The player&apos;s guide opens at its part about versions.</source>
        <translation>يُحدَّث Lumivex عبر مدير الحزم أو المثبّت؛ هذا الإصدار %1. يفتح دليل اللاعب على جزئه عن الإصدارات.</translation>
    </message>
    <message>
        <source>Lumivex - Updates</source>
        <translation>Lumivex - التحديثات</translation>
    </message>
    <message>
        <source>&amp;Visit the Author&apos;s Homepage...</source>
        <translation>&amp;زيارة صفحة المؤلف…</translation>
    </message>
    <message>
        <source>Lumivex has no web site of its own: its player&apos;s guide, installed with it, opens instead.</source>
        <translation>ليس لـLumivex موقع ويب خاص: يُفتح بدلًا منه دليل اللاعب المثبّت معه.</translation>
    </message>
    <message>
        <source>Lumivex - Homepage</source>
        <translation>Lumivex - الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>&amp;About Lumivex...</source>
        <translation>&amp;عن Lumivex…</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>اس&amp;تعادة</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;عن</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Round trip: %1 ms</source>
        <translation>زمن الذهاب والإياب: %1 م‌ث</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Grid Color: the arena&apos;s colour</source>
        <translation>الساحة: لون الساحة</translation>
    </message>
    <message>
        <source>Point Color: your trail&apos;s colour</source>
        <translation>اللون: لون أثرك</translation>
    </message>
    <message>
        <source>%1 is the key for &quot;%2&quot; of %3 and of %4: give one of them another key in Settings &gt; Keys first.</source>
        <translation>%1 هو مفتاح «%2» لـ%3 ولـ%4: أعطِ أحدهما مفتاحًا آخر أولًا من الإعدادات &gt; المفاتيح.</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>اللاعب %1</translation>
    </message>
    <message>
        <source>%1 to steer, %2 for turbo</source>
        <translation>%1 للتوجيه، و%2 للتوربو</translation>
    </message>
    <message>
        <source>no key</source>
        <translation>لا مفتاح</translation>
    </message>
    <message>
        <source>Colour of %1</source>
        <translation>لون %1</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>افتراضي النظام</translation>
    </message>
</context>
<context>
    <name>frmReplay</name>
    <message>
        <source>not decided</source>
        <translation>لم تُحسم</translation>
    </message>
    <message>
        <source>Nobody won</source>
        <translation>لم يفز أحد</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>فاز %1</translation>
    </message>
    <message>
        <source>Round %1 · %2 · %3</source>
        <translation>الجولة %1 · %2 · %3</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>لاعب</translation>
    </message>
    <message>
        <source>Lumivex Replay: %1, %2</source>
        <translation>إعادة Lumivex: ‏%1، %2</translation>
    </message>
    <message>
        <source>Lumivex Replay</source>
        <translation>إعادة Lumivex</translation>
    </message>
    <message>
        <source>Speed (+ and - in the game window)</source>
        <translation>السرعة (+ و- في نافذة اللعب)</translation>
    </message>
    <message>
        <source>&amp;Previous Round</source>
        <translation>الجولة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>&amp;Next Round</source>
        <translation>الجولة ال&amp;تالية</translation>
    </message>
    <message>
        <source>This replay is damaged: it plays up to %1 and stops there. (In detail: %2, at byte %3.)</source>
        <translation>هذه الإعادة تالفة: تُشغَّل حتى %1 وتتوقف هناك. (بالتفصيل: %2، عند البايت %3.)</translation>
    </message>
    <message>
        <source>The round again: - for half speed, other keys return</source>
        <translation>الجولة مرة أخرى: - لنصف السرعة، والمفاتيح الأخرى تعود</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>إي&amp;قاف مؤقت</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;تشغيل</translation>
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
        <translation>اس&amp;تعادة</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;عن</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>The countdown to the next round; green while the riders ride</source>
        <translation>العد التنازلي للجولة القادمة؛ أخضر ما دام السائقون يسيرون</translation>
    </message>
    <message>
        <source>Watch the round again (R)</source>
        <translation>مشاهدة الجولة مرة أخرى (R)</translation>
    </message>
    <message>
        <source>Say something; Enter sends, Esc cancels</source>
        <translation>قل شيئًا؛ Enter يرسل، وEsc يلغي</translation>
    </message>
    <message>
        <source>You crashed</source>
        <translation>اصطدمت</translation>
    </message>
    <message>
        <source>You won the round!</source>
        <translation>فزت بالجولة!</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>اللاعب %1</translation>
    </message>
    <message>
        <source>%1&apos;s points</source>
        <translation>نقاط %1</translation>
    </message>
    <message>
        <source>Nobody rides in this seat</source>
        <translation>لا أحد يسير في هذا المقعد</translation>
    </message>
    <message>
        <source>%1&apos;s turbo fuel</source>
        <translation>وقود توربو %1</translation>
    </message>
    <message>
        <source>Join with this pad? Press A on it to join as a new local player</source>
        <translation>الانضمام بذراع التحكم هذه؟ اضغط A عليها لتنضم لاعبًا محليًا جديدًا</translation>
    </message>
    <message>
        <source>Watch the round again (%1)</source>
        <translation>مشاهدة الجولة مرة أخرى (%1)</translation>
    </message>
    <message>
        <source>You</source>
        <translation>أنت</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>ال&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>الت&amp;كبير</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <translation>&amp;تلقائي</translation>
    </message>
    <message>
        <source>&amp;%1×</source>
        <translation>&amp;%1×</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Best Fit</source>
        <translation>أ&amp;فضل ملاءمة</translation>
    </message>
    <message>
        <source>&amp;Fullscreen</source>
        <translation>&amp;ملء الشاشة</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>الأ&amp;لوان</translation>
    </message>
    <message>
        <source>&amp;As chosen</source>
        <translation>&amp;كما اختيرت</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>آمنة لعمى ال&amp;ألوان</translation>
    </message>
    <message>
        <source>&amp;Names at Riders</source>
        <translation>الأ&amp;سماء عند السائقين</translation>
    </message>
    <message>
        <source>Show the &amp;Game Window</source>
        <translation>إظهار نافذة ال&amp;لعب</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>إيقاف &amp;مؤقت</translation>
    </message>
    <message>
        <source>&amp;Watch the Round Again</source>
        <translation>مشاهدة الجولة &amp;مرة أخرى</translation>
    </message>
    <message>
        <source>Show the &amp;Control Panel</source>
        <translation>إظهار لوحة ال&amp;تحكم</translation>
    </message>
    <message>
        <source>&amp;Leave Match</source>
        <translation>م&amp;غادرة المباراة</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>ا&amp;ستئناف</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Up</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Up and right</source>
        <translation>أعلى ويمين</translation>
    </message>
    <message>
        <source>Down and right</source>
        <translation>أسفل ويمين</translation>
    </message>
    <message>
        <source>Down and left</source>
        <translation>أسفل ويسار</translation>
    </message>
    <message>
        <source>Up and left</source>
        <translation>أعلى ويسار</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>توربو</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>الدردشة</translation>
    </message>
    <message>
        <source>Watch the round again</source>
        <translation>مشاهدة الجولة مرة أخرى</translation>
    </message>
    <message>
        <source>Left %1</source>
        <translation>%1 الأيسر</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>%1 الأيمن</translation>
    </message>
    <message>
        <source>Num+%1</source>
        <translation>Num+%1</translation>
    </message>
</context>
</TS>
