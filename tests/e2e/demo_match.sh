#!/usr/bin/env bash
# The demo on the wire: `lumivex --demo 4` under offscreen in a private network, watched by
# the observer. Its computer riders must announce slots 1..3, steer with Steer messages of
# their own slots, and the match must decide rounds.
#   demo_match.sh GAME OBSERVER
set -uo pipefail
game=$1
observer=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-demo.XXXXXX)"
mkdir -p "$dir/home/.config"
# Short rounds on the smallest arena, fast ticks.
printf '[Main]\nName=Demo\nSpeed=4\nWidth=360\nHeight=295\n' > "$dir/home/.config/lumivex.ini"
# The match runs until the wire shows everything looked for below, or LIMIT seconds: a sanitized
# build plays the same rounds several times slower than a Release one.
inner='"$1" "$2" "$5" & obs=$!; sleep 0.3
       HOME="$3" XDG_CONFIG_HOME="$3/.config" QT_QPA_PLATFORM=offscreen timeout "$5" "$4" --demo 4 >"$2/game.log" 2>&1 &
       game=$!
       while kill -0 $game 2>/dev/null; do
           if grep -q "^3|" "$2/traffic.log" && grep -q "^2|1|" "$2/traffic.log" &&
              grep -q "^2|2|" "$2/traffic.log" && grep -q "^2|3|" "$2/traffic.log"; then
               kill $game; break
           fi
           sleep 0.5
       done
       wait $game; kill $obs 2>/dev/null; wait $obs'
"$top/tools/netns-run" bash -c "$inner" demo "$observer" "$dir" "$dir/home" "$game" "${DEMO_LIMIT:-100}"
log=$dir/traffic.log
fail() { echo "FAIL: $*"; echo "(files in $dir)"; exit 1; }
[ -s "$log" ] || fail "nothing was heard on the wire"
for slot in 1 2 3; do
    grep -q "^9|$slot|Computer $((slot + 1)) (Hard)|" "$log" || fail "no Register for slot $slot"
    grep -q "^2|$slot|[1-8]|[01]|" "$log" || fail "no Steer from slot $slot"
done
grep -q '^4|' "$log" || fail "no MatchSettings"
outcomes=$(grep -c '^3|' "$log")
[ "$outcomes" -ge 1 ] || fail "no RoundOutcome"
echo "demo: $(grep -c '^2|' "$log") Steer messages, $outcomes rounds decided"
rm -rf "$dir"
