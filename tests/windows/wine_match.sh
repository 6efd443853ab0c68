#!/usr/bin/env bash
# One wire for both systems: the Windows build under Wine and the Linux build play whole
# matches together in one private network (tools/wine-run), the Windows copy hosting the
# first and the Linux copy the second. The host runs the demo (its own player on autopilot,
# a Hard computer rider), the client brings a computer rider of its own. Both copies log
# every round; their arenas and scores must agree round by round until one player has the
# match's three points, and the client's rider must be among the scored.
#   wine_match.sh LINUX_GAME WINDOWS_GAME
set -uo pipefail
linux=$1
windows=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-winmatch.XXXXXX)"
cat > "$dir/inner.sh" <<'INNER'
set -u
dir=$1 linux=$2 windows=$3 host=$4 limit=$5
for who in W L; do # short rounds on the smallest arena, three points a match
    printf '[Main]\nName=%s\nSpeed=4\nWidth=360\nHeight=295\nMatch=2\n' "$who" > "$dir/$who.ini"
done
# Wine starts the program on drive Z:, the Linux root, so its paths are the same as here.
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT # nothing outlives the test
run() { # WHO ARGS...
    local who=$1; shift
    if [ "$who" = W ]; then
        timeout "$limit" wine "$windows" --config "$dir/W.ini" --round-log "$@" >"$dir/W.log" 2>"$dir/W.err" &
    else
        timeout "$limit" "$linux" --config "$dir/L.ini" --round-log "$@" >"$dir/L.log" 2>"$dir/L.err" &
    fi
    pids+=($!)
}
client=$([ "$host" = W ] && echo L || echo W)
run "$host" --demo 3 --demo-delay 8000
sleep 2
run "$client" --riders 1
# Until a common round gives someone the match, or the limit.
for _ in $(seq $((limit * 2))); do
    python3 "$dir/check.py" "$dir" quiet && break
    sleep 0.5
done
INNER
cat > "$dir/check.py" <<'PY'
import sys
d = sys.argv[1]
quiet = len(sys.argv) > 2
def rounds(name):
    out = {}
    try:
        for line in open(f"{d}/{name}.log", errors="replace"):
            t = line.split()
            if len(t) < 4 or t[0] != "round" or t[2] != "arena" or "outcome lost" in line or "scores" not in t:
                continue
            mine = t[t.index("mine") + 1] if "mine" in t and t.index("mine") + 1 < len(t) else ""
            out[int(t[1])] = (t[3], t[t.index("scores") + 1].split(","), mine)
    except FileNotFoundError:
        pass
    return out
w, l = rounds("W"), rounds("L")
common = sorted(set(w) & set(l))
problems = [f"round {r}: arena {w[r][0]} on Windows, {l[r][0]} on Linux" for r in common if w[r][0] != l[r][0]]
problems += [f"round {r}: scores {w[r][1]} on Windows, {l[r][1]} on Linux" for r in common if w[r][1] != l[r][1]]
won = [r for r in common if max(int(s or 0) for s in w[r][1]) >= 3]
client = "L" if open(f"{d}/host").read().strip() == "W" else "W"
seats = [int(s) for r in common for s in (w if client == "W" else l)[r][2].split(",") if s]
if quiet:
    sys.exit(0 if won or problems else 1)
print(f"{len(common)} rounds logged by both copies; the client's seats {sorted(set(seats))}; match won in round {won[0] if won else '-'}")
for p in problems: print("FAIL:", p)
if problems or not won or not seats or any(len(w[r][1]) != 3 for r in common):
    if not won: print("FAIL: no player reached the match's points in a round both copies logged")
    if not seats: print("FAIL: the client had no rider in the match")
    sys.exit(1)
PY
status=0
for host in W L; do
    rm -f "$dir"/W.* "$dir"/L.*
    echo "$host" > "$dir/host"
    name=$([ "$host" = W ] && echo "Windows hosts, Linux joins" || echo "Linux hosts, Windows joins")
    # Everything the copies start ends with the namespace's wineserver (tools/wine-run).
    QT_QPA_PLATFORM=offscreen \
        "$top/tools/wine-run" bash "$dir/inner.sh" "$dir" "$linux" "$windows" "$host" "${WINE_MATCH_LIMIT:-150}"
    echo "wine match: $name"
    if ! python3 "$dir/check.py" "$dir"; then
        for f in "$dir"/W.* "$dir"/L.*; do echo "== $f"; tail -5 "$f"; done
        status=1
    fi
done
[ $status -eq 0 ] && rm -rf "$dir" || echo "(files in $dir)"
exit $status
