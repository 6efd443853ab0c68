#!/usr/bin/env bash
# Public games over a simulated internet (tools/internet.sh), through a relay on the public
# segment: A1 and B1, in two homes, open their games online and list them there as "Alpha" and
# "Beta"; C1, in a third home, finds both with --list-games, joins Alpha by its listed link,
# and a round is played. Then B1 is killed without a word: Beta leaves the list within
# 45 s. The times it took go to the log: the list, and from the join to the joined copy's
# Register on LAN A (A2 timestamps what LAN A's group carries).
#   public_games.sh GAME RELAY_PROGRAM
set -uo pipefail
game=$1
relay=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-public.XXXXXX)"
cat > "$dir/computer.sh" <<'INNER'
set -u
dir=$1 game=$2 relay=$3
me=$LUMIVEX_COMPUTER
printf '[Main]\nName=%s\nSpeed=4\nWidth=360\nHeight=295\n' "$me" > "$dir/$me.ini"
export QT_QPA_PLATFORM=offscreen
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null' EXIT # nothing outlives the test
run() { exec "$game" --config "$dir/$me.ini" --round-log "$@" >"$dir/$me.log" 2>"$dir/$me.err"; }
now() { date +%s%N; }
case $me in
R1) "$relay" > "$dir/relay.log" 2>&1 & pid=$! ;;
A2)
    python3 - "$dir" <<'PY' & pid=$!
import os, socket, struct, sys, time
d = sys.argv[1]
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("", 31314))
s.setsockopt(socket.IPPROTO_IP, socket.IP_ADD_MEMBERSHIP, struct.pack("4s4s", socket.inet_aton("234.10.20.31"), socket.inet_aton("0.0.0.0")))
s.settimeout(1)
with open(f"{d}/lan-a", "w") as out:
    while not os.path.exists(f"{d}/done"):
        try:
            data = s.recv(2048)
        except socket.timeout:
            continue
        out.write(f"{time.time_ns()} {data[:40]!r}\n")
        out.flush()
PY
    ;;
A1) sleep 0.5; run --open 31315 --relay-server "$LUMIVEX_RELAY" --no-port-mapping --public Alpha --demo 3 --demo-delay 20000 & pid=$! ;;
B1)
    sleep 0.5
    run --open 31315 --relay-server "$LUMIVEX_RELAY" --no-port-mapping --public Beta & pid=$!
    for _ in $(seq 600); do [ -e "$dir/kill-beta" ] && break; sleep 0.2; done
    kill -9 $pid; wait $pid 2>/dev/null; pid=
    touch "$dir/beta-killed"
    ;;
C1)
    for _ in $(seq 60); do
        t0=$(now)
        "$game" --list-games "$LUMIVEX_RELAY" > "$dir/list" 2> "$dir/list.err"
        t1=$(now)
        grep -q '^Alpha	' "$dir/list" && grep -q '^Beta	' "$dir/list" && break
        sleep 0.5
    done
    echo "list $(( (t1 - t0) / 1000000 )) ms" >> "$dir/times"
    grep '^Alpha	' "$dir/list" | cut -f4 > "$dir/link"
    echo "join-start $(now)" >> "$dir/times"
    sed -i 's/^Name=.*/Name=Finder/' "$dir/C1.ini"
    run --join - --register < "$dir/link" & pid=$!
    for _ in $(seq 450); do grep -q '^round .* arena' "$dir/C1.log" 2>/dev/null && break; sleep 0.2; done
    touch "$dir/kill-beta"
    for _ in $(seq 100); do [ -e "$dir/beta-killed" ] && break; sleep 0.1; done
    t0=$(now)
    for _ in $(seq 70); do
        "$game" --list-games "$LUMIVEX_RELAY" > "$dir/after" 2>/dev/null
        grep -q '^Beta	' "$dir/after" || break
        sleep 1
    done
    echo "beta-gone $(( ($(now) - t0) / 1000000 )) ms" >> "$dir/times"
    touch "$dir/done"
    ;;
esac
for _ in $(seq 1500); do [ -e "$dir/done" ] && break; sleep 0.2; done
[ -n "$pid" ] && kill $pid 2>/dev/null && wait $pid 2>/dev/null
exit 0
INNER
"$top/tools/internet.sh" -a 2 -b 1 -c 1 -n -r -- bash "$dir/computer.sh" "$dir" "$game" "$relay"
fail() { echo "FAIL: $*"; for f in "$dir"/*.log "$dir"/*.err "$dir"/list* "$dir"/times; do [ -e "$f" ] && { echo "== $f"; tail -5 "$f"; }; done; echo "(files in $dir)"; exit 1; }
[ -s "$dir/list" ] || fail "no list"
# One line a game: NAME, N/8, playing or waiting, and the link through the relay.
python3 - "$dir/list" <<'PY' || fail "the list's lines are not as they should be"
import re, sys
lines = open(sys.argv[1]).read().splitlines()
names = sorted(l.split("\t")[0] for l in lines)
assert names == ["Alpha", "Beta"], names
for l in lines:
    name, players, state, link = l.split("\t")
    assert re.fullmatch(r"[1-8]/8", players), players
    assert state in ("playing", "waiting"), state
    assert re.fullmatch(r"lumivex://203\.0\.113\.254:31316/[A-Za-z0-9_-]{22}#[A-Za-z0-9_-]{43}", link), link
PY
grep -q '^round .* arena' "$dir/C1.log" || fail "the copy that joined by the listed link played no round"
start=$(sed -n 's/^join-start //p' "$dir/times")
registered=$(grep -m1 "Finder" "$dir/lan-a" | cut -d' ' -f1)
[ -n "$registered" ] || fail "the joined player's Register never reached LAN A"
echo "join-to-register $(( (registered - start) / 1000000 )) ms" >> "$dir/times"
gone=$(sed -n 's/^beta-gone \([0-9]*\) ms/\1/p' "$dir/times")
[ -n "$gone" ] && [ "$gone" -le 47000 ] || fail "Beta stayed listed ${gone:-?} ms after its gateway went silent"
grep -q '^Beta	' "$dir/after" && fail "Beta is still listed"
echo "PASS: both games listed, Alpha joined by its listed link and a round played, Beta gone in $gone ms"
cat "$dir/times"
rm -rf "$dir"
exit 0
