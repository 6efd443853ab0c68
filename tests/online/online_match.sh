#!/usr/bin/env bash
# A whole match over a simulated internet (tools/internet.sh): the host opens its game online
# on LAN A, where a second copy plays as LAN copies always have; a copy on LAN B, behind a
# router of its own, joins by link with two computer riders. Every copy logs each round's
# scores and arena; they must agree over at least four rounds (two, once a remote rider scored), the remote riders must steer
# and be scored like the others, and when the remote copy is killed its seats must be freed
# on LAN A. (Riders owned by a client rarely beat the host's own, here as on a LAN, so a
# remote win is reported, not required.)
#   online_match.sh GAME OBSERVER [LAN_GAME]
# LAN_GAME, when given, is the program the second copy on LAN A runs: an older build, say.
# With ONLINE_VIA=relay, router A forwards no port: the host keeps a room at a relay on a
# public server, the remote copy joins through it (the link's direct address cannot be
# reached from LAN B), and the relay is restarted in the middle of the match; the remote
# copy must keep its seats and play on.
set -uo pipefail
game=$1
observer=$2
langame=${3:-$1}
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-online.XXXXXX)"
limit=${ONLINE_LIMIT:-150}
via=${ONLINE_VIA:-port}
cat > "$dir/computer.sh" <<'INNER'
set -u
dir=$1 game=$2 observer=$3 limit=$4 langame=$5 via=$6
me=$LUMIVEX_COMPUTER
printf '[Main]\nName=%s\nSpeed=4\nWidth=360\nHeight=295\n' "$me" > "$dir/$me.ini"
export QT_QPA_PLATFORM=offscreen
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null' EXIT # nothing outlives the test
run() { exec "${prog:-$game}" --config "$dir/$me.ini" --round-log "$@" >"$dir/$me.log" 2>"$dir/$me.err"; }
case $me in
R1)
    # The relay, restarted once the remote copy has played two rounds through it: first the
    # relay's own program (when given), then the game's --relay, which serve alike.
    ${LUMIVEX_RELAY_PROGRAM:-"$game" --relay} > "$dir/relay.log" 2>&1 & pid=$!
    for _ in $(seq "$((limit * 5))"); do
        [ "$(grep -c '^round .* arena' "$dir/B1.log" 2>/dev/null)" -ge 2 ] && break; sleep 0.2
    done
    [ "${ONLINE_RESTART:-1}" = 1 ] || { sleep "$limit"; exit 0; }
    grep '^round .* arena' "$dir/B1.log" | tail -1 | cut -d' ' -f2 > "$dir/restart-round"
    kill $pid; wait $pid
    sleep 2 # an outage of two seconds
    "$game" --relay >> "$dir/relay.log" 2>&1 & pid=$!
    ;;
A1)
    "$observer" "$dir" "$((limit + 30))" & obs=$!
    sleep 0.3
    if [ "$via" = relay ]; then
        run --open 31315 --relay-server "$LUMIVEX_RELAY" --no-port-mapping --demo 4 --demo-delay 9000 & pid=$!
    else # no router answers here: the link waits out the 3 s that asking it may take
        run --open 31315 --demo 4 --demo-delay 9000 & pid=$!
    fi
    for _ in $(seq 100); do grep -q '^lumivex://' "$dir/$me.log" 2>/dev/null && break; sleep 0.1; done
    if [ "$via" = relay ]; then # as printed: the relay, and this computer's own address first
        grep '^lumivex://' "$dir/$me.log" > "$dir/link"
    else # friends reach the game at the router's public address, which forwards the port
        sed -n 's|^lumivex://[^:]*:|lumivex://198.51.100.1:|p' "$dir/$me.log" > "$dir/link"
    fi
    ;;
A2) sleep 1; prog=$langame run --riders 1 & pid=$! ;;
B1)
    for _ in $(seq 100); do [ -s "$dir/link" ] && break; sleep 0.1; done
    run --join - --riders 2 < "$dir/link" & pid=$!
    # Killed without a word once the match has shown what it must.
    for _ in $(seq "$((limit * 5))"); do [ -e "$dir/kill-remote" ] && break; sleep 0.2; done
    kill -9 $pid; wait $pid 2>/dev/null
    touch "$dir/remote-killed"
    exit 0
    ;;
esac
if [ "$me" = A1 ]; then
    # Wait until a remote rider has scored in a round all three copies logged, or the limit.
    for _ in $(seq "$((limit * 2))"); do
        python3 "$dir/check.py" "$dir" quiet && break
        sleep 0.5
    done
    touch "$dir/kill-remote"
    for _ in $(seq 100); do [ -e "$dir/remote-killed" ] && break; sleep 0.1; done
    sleep 13 # the gateway drops a copy silent for 10 s
    kill $obs 2>/dev/null; wait $obs 2>/dev/null
    touch "$dir/done"
fi
for _ in $(seq "$((limit * 5 + 100))"); do [ -e "$dir/done" ] && break; sleep 0.2; done
kill $pid 2>/dev/null; wait $pid 2>/dev/null
exit 0
INNER
cat > "$dir/check.py" <<'PY'
import re, sys
d = sys.argv[1]
quiet = len(sys.argv) > 2
def rounds(name):
    out = {}
    try:
        for line in open(f"{d}/{name}.log"):
            t = line.split()
            if len(t) < 4 or t[0] != "round" or t[2] != "arena" or "outcome lost" in line:
                continue
            # An older build logs no scores or seats: only its arena is compared.
            scores = t[t.index("scores") + 1].split(",") if "scores" in t else None
            mine = t[t.index("mine") + 1] if "mine" in t and t.index("mine") + 1 < len(t) else ""
            out[int(t[1])] = (t[3], scores, mine)
    except FileNotFoundError:
        pass
    return out
logs = {n: rounds(n) for n in ("A1", "A2", "B1")}
common = sorted(set(logs["A1"]) & set(logs["A2"]) & set(logs["B1"]))
# An outage at the relay loses datagrams, a round's end among them, after which the remote
# copy counts rounds apart from the others: rounds are compared up to the restart, and after
# it the remote copy must play on in its seats.
try:
    restart = int(open(f"{d}/restart-round").read())
except (FileNotFoundError, ValueError):
    restart = None
import os
relayed = os.path.exists(f"{d}/relay.log")
after = [r for r in logs["B1"] if restart is not None and r > restart]
if restart is not None:
    common = [r for r in common if r <= restart]
problems = []
remote = []
scored = False
for r in common:
    a1, a2, b1 = logs["A1"][r], logs["A2"][r], logs["B1"][r]
    if not (a1[1] == b1[1] and a2[1] in (None, a1[1])): problems.append(f"round {r}: scores differ: {a1[1]} {a2[1]} {b1[1]}")
    if not (a1[0] == a2[0] == b1[0]): problems.append(f"round {r}: arenas differ: {a1[0]} {a2[0]} {b1[0]}")
    remote = [int(s) for s in b1[2].split(",") if s]
    if any(s < len(b1[1]) and b1[1][s] not in ("", "0") for s in remote): scored = True
enough = len(common) >= 4 or (scored and len(common) >= 2)
if relayed: # through a relay: two rounds before it restarts, two after
    enough = len(common) >= 2 and len(after) >= 2
if quiet:
    sys.exit(0 if enough else 1)
print(f"{len(common)} rounds logged by every copy; remote seats {remote}; a remote rider scored: {scored}")
for p in problems: print("FAIL:", p)
if problems or not enough or len(remote) != 2 or any(len(logs["B1"][r][1]) != 4 for r in common):
    if relayed and not enough: print("FAIL: too few rounds before and after the relay restarted")
    sys.exit(1)
traffic = open(f"{d}/traffic.log", encoding="latin-1").read()
for s in remote:
    if not re.search(rf"^2\|{s}\|", traffic, re.M): print(f"FAIL: no Steer from remote seat {s} on LAN A"); sys.exit(1)
    if not re.search(rf"^13\|{s}\|", traffic, re.M): print(f"FAIL: remote seat {s} was not freed on LAN A"); sys.exit(1)
if relayed:
    seats = {logs["B1"][r][2] for r in logs["B1"]}
    relay = open(f"{d}/relay.log").read()
    print(f"relay restarted after round {restart}; the remote copy logged {len(after)} rounds since; remote seats {sorted(seats)}")
    if len(after) < 2: print("FAIL: fewer than two rounds after the relay restarted"); sys.exit(1)
    if any(len(logs["B1"][r][1]) != 4 for r in after): print("FAIL: the match changed its players"); sys.exit(1)
    if len(seats) != 1: print("FAIL: the remote copy's seats changed"); sys.exit(1)
    if relay.count(" opened by ") < 2: print("FAIL: the room was not opened again at the restarted relay"); sys.exit(1)
    if "Lost the connection" in open(f"{d}/B1.err").read(): print("FAIL: the remote copy lost the game"); sys.exit(1)
print("PASS: the remote copy played, agreed and had its seats freed when killed")
PY
flags=()
[ "$via" = relay ] && flags=(-n -r)
"$top/tools/internet.sh" -a 2 -b 1 "${flags[@]}" -- bash "$dir/computer.sh" "$dir" "$game" "$observer" "$limit" "$langame" "$via"
if python3 "$dir/check.py" "$dir"; then
    rm -rf "$dir"
    exit 0
fi
for f in "$dir"/*.log "$dir"/*.err; do echo "== $f"; grep -v '^[0-9]*|' "$f" | tail -5; done
echo "(files in $dir)"
exit 1
