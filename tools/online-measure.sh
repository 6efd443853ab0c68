#!/usr/bin/env bash
# Online play measured on the simulated internet (tools/internet.sh), never on a real network:
#   join    time from `--join` to the joined copy's Register heard on LAN A, median of 5
#   relayjoin  the same through a relay (router A forwards nothing): with the link as printed
#           (it names the relay only, the host's own address being private), and with a direct
#           address added that cannot be reached, median of 5 each
#   flood   roll-call answer time on LAN A while a stranger sends 20,000 datagrams/s to the
#           gateway's port for 10 s, median and worst
#   cpu     the host's CPU in an 8-rider match at Speed 85: 7 copies joined online through it,
#           against the same match with all 8 copies on LAN A; and the UDP payload per second
#           that reaches one joined copy
#   tools/online-measure.sh [join|flood|cpu]...   (default: all three)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
game=${LUMIVEX_GAME:-$top/build/app/lumivex}
[ -x "$game" ] || { echo "build first: $game is missing" >&2; exit 1; }
what=("$@")
[ ${#what[@]} -gt 0 ] || what=(join relayjoin flood cpu)
dir="$(mktemp -d /tmp/lumivex-measure.XXXXXX)"
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen

# Listens on the group of LAN A: `first NAME` prints the time (s since the epoch) the first
# Register of that name is heard; `rollcall N` sends N roll calls 200 ms apart and prints each
# one's answer time in ms.
cat > "$dir/lan.py" <<'PY'
import socket, struct, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM, socket.IPPROTO_UDP)
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("", 31314))
s.setsockopt(socket.IPPROTO_IP, socket.IP_ADD_MEMBERSHIP, struct.pack("4s4s", socket.inet_aton("234.10.20.31"), socket.inet_aton(sys.argv[3])))
s.settimeout(0.5)
if sys.argv[1] == "first":
    end = time.time() + 30
    while time.time() < end:
        try: d, _ = s.recvfrom(2048)
        except socket.timeout: continue
        if d.startswith(b"9\x01") and d.split(b"\x01")[2] == sys.argv[2].encode():
            print(f"{time.time():.4f}"); sys.exit(0)
    sys.exit(1)
out = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
out.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF, socket.inet_aton(sys.argv[3]))
for _ in range(int(sys.argv[2])):
    t0 = time.time(); out.sendto(b"11\x01", ("234.10.20.31", 31314))
    got = None
    while time.time() - t0 < 2:
        try: d, _ = s.recvfrom(2048)
        except socket.timeout: continue
        if d.startswith(b"9\x01"): got = time.time(); break
    print(f"{(got - t0) * 1000:.1f}" if got else "none", flush=True)
    while time.time() - t0 < 0.2: time.sleep(0.01)
PY
# A stranger: 20,000 datagrams a second for 10 s, a third each of garbage, Hello and Sealed.
cat > "$dir/flood.py" <<'PY'
import os, socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
hello = bytes([1, 1]) + os.urandom(32) + bytes(30)
kinds = [os.urandom(100), hello, bytes([6]) + os.urandom(120)]
t0 = time.time(); sent = 0
while time.time() - t0 < 10:
    for i in range(200):
        s.sendto(kinds[i % 3], ("198.51.100.1", 31315)); sent += 1
    ahead = sent / 20000 - (time.time() - t0)
    if ahead > 0: time.sleep(ahead)
print(f"stranger sent {sent} datagrams in {time.time() - t0:.1f} s")
PY
cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for w in "${what[@]}"; do
case $w in
join)
    cat > "$dir/join.sh" <<'INNER'
dir=$1 game=$2 k=$3
case $LUMIVEX_COMPUTER in
A1) "$game" --config "$dir/A1-$k.ini" --open 31315 > "$dir/link-$k" 2>/dev/null & g=$!
    python3 "$dir/lan.py" first "Far$k" 10.1.0.2 > "$dir/heard-$k"
    sleep 0.5; kill $g ;;
B1) for _ in $(seq 50); do grep -q lumivex: "$dir/link-$k" 2>/dev/null && break; sleep 0.1; done
    sleep 0.5
    printf '[Main]\nName=Far%s\n' "$k" > "$dir/B1-$k.ini"
    date +%s.%N > "$dir/start-$k"
    sed 's|^lumivex://[^:]*:|lumivex://198.51.100.1:|' "$dir/link-$k" |
        timeout 12 "$game" --config "$dir/B1-$k.ini" --join - --register >/dev/null 2>&1 ;;
esac
exit 0
INNER
    times=()
    for k in 1 2 3 4 5; do
        "$top/tools/internet.sh" -a 1 -b 1 -- bash "$dir/join.sh" "$dir" "$game" "$k"
        times+=("$(python3 -c "print(round(($(cat "$dir/heard-$k") - $(cat "$dir/start-$k")) * 1000))")")
    done
    echo "join to Register heard on LAN A (ms): ${times[*]}; median $(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)"
    ;;
relayjoin)
    cat > "$dir/rjoin.sh" <<'INNER'
dir=$1 game=$2 k=$3 direct=$4
case $LUMIVEX_COMPUTER in
R1) timeout 12 "$game" --relay >/dev/null 2>&1 ;;
A1) sleep 0.3
    "$game" --config "$dir/rA1-$k.ini" --open 31315 --relay-server "$LUMIVEX_RELAY" --no-port-mapping > "$dir/rlink-$k" 2>/dev/null & g=$!
    python3 "$dir/lan.py" first "Far$k" 10.1.0.2 > "$dir/rheard-$k"
    sleep 0.5; kill $g ;;
B1) for _ in $(seq 50); do grep -q lumivex: "$dir/rlink-$k" 2>/dev/null && break; sleep 0.1; done
    sleep 0.5
    printf '[Main]\nName=Far%s\n' "$k" > "$dir/rB1-$k.ini"
    date +%s.%N > "$dir/rstart-$k"
    link=$(grep lumivex: "$dir/rlink-$k")
    [ "$direct" = 1 ] && link=$(sed 's|#|?direct=198.51.100.1:31315#|' <<<"$link")
    timeout 12 "$game" --config "$dir/rB1-$k.ini" --join - --register <<<"$link" >/dev/null 2>&1 ;;
esac
exit 0
INNER
    for direct in 0 1; do
        times=()
        for k in 1 2 3 4 5; do
            "$top/tools/internet.sh" -a 1 -b 1 -n -r -- bash "$dir/rjoin.sh" "$dir" "$game" "$k" "$direct"
            times+=("$(python3 -c "print(round(($(cat "$dir/rheard-$k") - $(cat "$dir/rstart-$k")) * 1000))")")
        done
        what=$([ $direct = 1 ] && echo "with an unreachable direct address first" || echo "as printed")
        echo "join through the relay, $what, to Register heard on LAN A (ms): ${times[*]}; median $(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)"
    done
    ;;
flood)
    cat > "$dir/flood.sh" <<'INNER'
dir=$1 game=$2
case $LUMIVEX_COMPUTER in
A1) "$game" --config "$dir/fA1.ini" --open 31315 > "$dir/flink" 2>/dev/null & g=$!
    sleep 30; kill $g ;;
A2) sleep 3; python3 "$dir/lan.py" rollcall 5 10.1.0.3 > "$dir/before"
    touch "$dir/go"; python3 "$dir/lan.py" rollcall 40 10.1.0.3 > "$dir/during" ;;
B1) for _ in $(seq 100); do [ -e "$dir/go" ] && break; sleep 0.1; done; python3 "$dir/flood.py" ;;
esac
exit 0
INNER
    "$top/tools/internet.sh" -a 2 -b 1 -- bash "$dir/flood.sh" "$dir" "$game"
    python3 - "$dir" <<'PY'
import sys, statistics
d = sys.argv[1]
for name in ("before", "during"):
    v = [float(x) for x in open(f"{d}/{name}").read().split() if x != "none"]
    n = len(open(f"{d}/{name}").read().split())
    print(f"roll-call answer on LAN A {name} the flood: median {statistics.median(v):.1f} ms, worst {max(v):.1f} ms, {n - len(v)} of {n} unanswered")
PY
    ;;
cpu)
    printf '[Main]\nName=Host\nSpeed=85\nPlayers=8\n' > "$dir/host.ini"
    cat > "$dir/cpu.sh" <<'INNER'
dir=$1 game=$2 mode=$3
me=$LUMIVEX_COMPUTER
if [ "$me" = A1 ]; then
    if [ "$mode" = online ]; then "$game" --config "$dir/host.ini" --open 31315 --demo 8 --demo-delay 8000 > "$dir/clink" 2>/dev/null & g=$!
    else "$game" --config "$dir/host.ini" --demo 8 --demo-delay 8000 >/dev/null 2>&1 & g=$!; fi
    sleep 14; read -r u0 s0 < <(awk '{print $14, $15}' /proc/$g/stat); t0=$(date +%s.%N)
    sleep 20; read -r u1 s1 < <(awk '{print $14, $15}' /proc/$g/stat); t1=$(date +%s.%N)
    python3 -c "t = $(getconf CLK_TCK) * ($t1 - $t0) / 100; print(round(($u1 - $u0) / t, 2), round(($s1 - $s0) / t, 2))" > "$dir/cpu-$mode"
    touch "$dir/end-$mode"; kill $g
else
    sleep 1
    if [ "$mode" = online ]; then
        for _ in $(seq 50); do grep -q lumivex: "$dir/clink" 2>/dev/null && break; sleep 0.1; done
        sed 's|^lumivex://[^:]*:|lumivex://198.51.100.1:|' "$dir/clink" |
            "$game" --config "$dir/$me.ini" --join - --riders 1 >/dev/null 2>&1 & g=$!
    else "$game" --config "$dir/$me.ini" --riders 1 >/dev/null 2>&1 & g=$!; fi
    if [ "$me" = B1 ]; then # the bytes that reach this copy while the host measures
        sleep 13; r0=$(awk '/eth0/ {print $2, $3}' /proc/net/dev); sleep 20; r1=$(awk '/eth0/ {print $2, $3}' /proc/net/dev)
        echo "$r0 $r1" > "$dir/bytes"
    fi
    for _ in $(seq 400); do [ -e "$dir/end-$mode" ] && break; sleep 0.1; done
    kill $g
fi
exit 0
INNER
    # Taking turns, RUNS times each (default 3): the host's own rider makes one match cost
    # more than another.
    for run in $(seq "${RUNS:-3}"); do
        rm -f "$dir"/end-* "$dir/clink"
        "$top/tools/lan.sh" -n 8 -- bash -c 'LUMIVEX_COMPUTER=$([ $LUMIVEX_COMPUTER = 1 ] && echo A1 || echo A$LUMIVEX_COMPUTER) exec bash "$@"' x "$dir/cpu.sh" "$dir" "$game" lan
        "$top/tools/internet.sh" -a 1 -b 7 -- bash "$dir/cpu.sh" "$dir" "$game" online
        echo "$(cat "$dir/cpu-lan") $(cat "$dir/cpu-online") $(cat "$dir/bytes")" >> "$dir/runs"
    done
    python3 - "$dir/runs" <<'PY'
import sys, statistics as st
runs = [list(map(float, line.split())) for line in open(sys.argv[1])]
lu, ls, ou, os_ = (st.median(r[i] for r in runs) for i in range(4))
lan = st.median(r[0] + r[1] for r in runs); online = st.median(r[2] + r[3] for r in runs)
print(f"host CPU, 8-rider match at Speed 85, median of {len(runs)}: all on LAN A {lan:.2f} %, gateway to 7 joined copies {online:.2f} % of a core; ratio {online / lan:.2f}")
# The simulated routers forward in the sender's system time: the program's own share is its user time.
print(f"  user time {lu:.2f} % and {ou:.2f} % (ratio {ou / lu:.2f}); system time {ls:.2f} % and {os_:.2f} %")
# Ethernet, IPv4 and UDP headers are 42 bytes a datagram; what is left is UDP payload.
rates = [((r[6] - r[4]) - 42 * (r[7] - r[5])) / 20 / 1000 for r in runs]
print(f"UDP payload reaching one joined copy, median of {len(runs)}: {st.median(rates):.1f} KB/s")
PY
    ;;
esac
done
