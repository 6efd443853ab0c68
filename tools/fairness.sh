#!/usr/bin/env bash
# Whether a computer rider's chance depends on the copy that runs it (long; not part of the
# test command). In a private network, a host whose own player is a Hard autopilot (--demo 2)
# plays a client whose one Hard computer rider takes seat 1, on the default arena with its
# obstacles, at Speed SPEED, until ROUNDS rounds were decided (rounds nobody won do not count).
#   tools/fairness.sh ROUNDS SPEED      (LUMIVEX_GAME names the program; default build/app/lumivex)
# Ends with: host H, client C, decided N, host share P% (95% interval LO-HI%)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
game=${LUMIVEX_GAME:-$top/build/app/lumivex}
rounds=${1:?usage: tools/fairness.sh ROUNDS SPEED}
speed=${2:?usage: tools/fairness.sh ROUNDS SPEED}
[ -x "$game" ] || { echo "build first: $game is missing" >&2; exit 1; }
dir="$(mktemp -d /tmp/lumivex-fairness.XXXXXX)"
trap 'rm -rf "$dir"' EXIT
# Long matches (a new one follows each anyway), the speed asked for, everything else default.
printf '[Main]\nName=Host\nSpeed=%d\nMatch=99\n' $((speed - 1)) > "$dir/host.ini"
printf '[Main]\nName=Client\n[Riders]\nLevel=Hard\n' > "$dir/client.ini"
# Every round a minute at most: the whole run is bounded.
limit=$((rounds * 60 + 60))
export QT_QPA_PLATFORM=offscreen
# The copies' replays stay with the run, not among the player's own.
export XDG_DATA_HOME="$dir/data"
"$top/tools/netns-run" timeout "$limit" bash -c '
    game=$1 dir=$2 rounds=$3
    "$game" --config "$dir/client.ini" --riders 1 >"$dir/client.log" 2>&1 &
    client=$!
    "$game" --config "$dir/host.ini" --demo 2 --demo-delay 2000 --round-log 2>"$dir/host.err" |
        python3 -c "
import sys
want = int(sys.argv[1]); last = None; host = client = 0
for line in sys.stdin:
    if not line.startswith(\"round \") or \" scores \" not in line: continue
    s = [int(x) for x in line.split(\" scores \")[1].split()[0].split(\",\")]
    if last is None or s[0] < last[0] or s[1] < last[1]: last = [0, 0]  # a new match
    host += s[0] > last[0]; client += s[1] > last[1]; last = s
    if host + client >= want: break
print(host, client)
" "$rounds" > "$dir/result"
    kill "$client" 2>/dev/null || true
' fairness "$game" "$dir" "$rounds" || true
[ -s "$dir/result" ] || { echo "fairness: no result (see the host's errors below)" >&2; cat "$dir/host.err" >&2; exit 1; }
read -r host client < "$dir/result"
python3 - "$host" "$client" <<'PY'
import math, sys
h, c = int(sys.argv[1]), int(sys.argv[2]); n = h + c
p = h / n if n else 0.0
z = 1.96  # Wilson's score interval
centre = (p + z * z / (2 * n)) / (1 + z * z / n) if n else 0
half = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n) if n else 0
print(f"host {h}, client {c}, decided {n}, host share {100 * p:.0f}% "
      f"(95% interval {100 * (centre - half):.0f}-{100 * (centre + half):.0f}%)")
PY
