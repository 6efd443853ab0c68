#!/usr/bin/env bash
# The soak: 8 copies on the simulated LAN for SECONDS (default 600) at Speed 1, under
# offscreen. Copy 1 hosts on autopilot (--demo 8); each of the other seven owns one Hard
# computer rider (--riders 1), so every rider's steering crosses the network as Steer.
# Every copy logs a hash of its arena at every round end (--round-log), a round whose outcome
# it lost included (it learns of it from the next round's setup); the script then
# reports rounds, datagrams, memory at start and end, and whether the arenas agreed.
#   tools/soak.sh [SECONDS] [LOSS_PERCENT] [DUPLICATE_PERCENT]
# With LOSS_PERCENT, nftables in every computer drops that share of the game datagrams that
# come in from the other computers.
# With DUPLICATE_PERCENT, every computer sends that share of its game datagrams twice (an
# nftables dup on the card's way out; this kernel has no netem), so all others get both.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds=${1:-600}
loss=${2:-0}
duplicate=${3:-0}
game=${LUMIVEX_GAME:-$top/build/app/lumivex}
[ -x "$game" ] || { echo "build the game first (cmake --build build)" >&2; exit 1; }
dir="$(mktemp -d /tmp/lumivex-soak.XXXXXX)"
echo "lumivex soak: $seconds s, loss $loss%, duplication $duplicate%, logs in $dir"
export LUMIVEX_SOAK_DIR=$dir LUMIVEX_SOAK_GAME=$game LUMIVEX_SOAK_SECONDS=$seconds LUMIVEX_SOAK_LOSS=$loss \
    LUMIVEX_SOAK_DUPLICATE=$duplicate
"$top/tools/lan.sh" -n 8 -- bash -c '
    k=$LUMIVEX_COMPUTER
    mkdir -p "$HOME/.config"
    printf "[Main]\nName=Copy%s\nSpeed=0\nWidth=360\nHeight=295\n[Riders]\nLevel=Hard\n" "$k" > "$HOME/.config/lumivex.ini"
    if [ "$LUMIVEX_SOAK_LOSS" != 0 ]; then
        nft add table inet soak
        nft add chain inet soak in "{ type filter hook input priority 0; }"
        # Only what comes over the wire: a copy hears its own datagrams through the loopback,
        # which no network loses.
        nft add rule inet soak in udp dport 31314 fib saddr type != local \
            numgen random mod 100 "<" "$LUMIVEX_SOAK_LOSS" drop
    fi
    if [ "$LUMIVEX_SOAK_DUPLICATE" != 0 ]; then
        # The copy is marked, so that it is not sent twice again on its own way out.
        nft add table netdev soakdup
        nft add chain netdev soakdup out "{ type filter hook egress device eth0 priority 0; }"
        nft add rule netdev soakdup out meta mark != 1 udp dport 31314 \
            numgen random mod 100 "<" "$LUMIVEX_SOAK_DUPLICATE" meta mark set 1 dup to eth0
    fi
    if [ "$k" = 1 ]; then sleep 3; set -- --demo 8; else set -- --riders 1; fi
    QT_QPA_PLATFORM=offscreen timeout "$LUMIVEX_SOAK_SECONDS" "$LUMIVEX_SOAK_GAME" "$@" --round-log \
        > "$LUMIVEX_SOAK_DIR/copy$k.log" 2>"$LUMIVEX_SOAK_DIR/copy$k.err" || true
    # What the computer heard, and what its socket buffers had to drop.
    awk "/^Udp:/" /proc/net/snmp > "$LUMIVEX_SOAK_DIR/udp$k.txt"
'
python3 - "$dir" <<'PY'
import sys, glob, re, os
d = sys.argv[1]
logs = {}
for f in sorted(glob.glob(os.path.join(d, "copy*.log"))):
    k = int(re.search(r"copy(\d+)", f).group(1))
    rounds, start, first, last, when, lost, at = {}, None, None, None, 0.0, 0, []
    for line in open(f):
        m = re.match(r"round (\d+) arena (\w+) rss (\d+) anon (\d+) at ([\d.]+)( outcome lost)?", line)
        if m:
            rounds[int(m.group(1))] = m.group(2)
            lost += bool(m.group(6))
            at.append(float(m.group(5)))
            last = (int(m.group(3)), int(m.group(4)))
            first = first or last
            when = float(m.group(5))
        m = re.match(r"start rss (\d+) anon (\d+)", line)
        if m:
            start = (int(m.group(1)), int(m.group(2)))
    logs[k] = (rounds, start or (0, 0), first or (0, 0), last or (0, 0), when, lost, at)
def udp(k):
    try:
        head, values = [l.split()[1:] for l in open(os.path.join(d, f"udp{k}.txt"))][:2]
        return dict(zip(head, map(int, values)))
    except (OSError, ValueError):
        return {}
host = logs.get(1, ({},))[0]
hostHashes = set(host.values())
# The host starts 3 s after the others, so its last seconds come after they have stopped.
seconds = float(os.environ.get("LUMIVEX_SOAK_SECONDS", "600"))
hostTimes = logs.get(1, ({}, 0, 0, 0, 0, 0, []))[6]
print(f"rounds decided on the host: {len(host)}, "
      f"{sum(1 for t in hostTimes if t + 3 + 1 <= seconds)} of them while every other copy still ran")
for k, (rounds, start, first, last, when, lost, at) in sorted(logs.items()):
    u = udp(k)
    shared = sum(1 for h in rounds.values() if h in hostHashes)
    print(f"copy {k}: {len(rounds)} round ends ({lost} of them found by the next round's setup, the outcome "
          f"lost), {shared} with the host's arena exactly; "
          f"{u.get('InDatagrams', '?')} datagrams in, {u.get('RcvbufErrors', '?')} dropped by a full socket buffer; "
          f"RSS {start[0]} KiB at start, {first[0]} KiB at the first round end, {last[0]} KiB at the last "
          f"(growth since the first round {last[0] - first[0]} KiB, of it not backed by files {last[1] - first[1]} KiB); "
          f"last round end at {when:.0f} s")
PY
