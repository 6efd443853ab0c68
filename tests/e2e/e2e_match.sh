#!/usr/bin/env bash
# End to end: three copies of the real program on three computers of a simulated network,
# and an observer on a fourth, under a fresh Xvfb. The test uses the windows as a player
# would (clicks and keys through the X server): computers 1 and 2 register as clients,
# computer 3 starts the match, the clients steer until the match is over, and computer 1
# leaves. Then it checks the recorded traffic, the observer's replay and the score boxes.
#   e2e_match.sh GAME OBSERVER
set -uo pipefail
game=$1
observer=$2
top="$(cd "$(dirname "$0")/../.." && pwd)"
dir="$(mktemp -d /tmp/lumivex-e2e.XXXXXX)"
fail() { echo "FAIL: $*"; echo "(files in $dir)"; exit 1; }

# A display nobody holds; its server must be up and answering before anything starts on it.
xvfb=
for _ in 1 2 3 4 5; do
    n=$((90 + RANDOM % 100))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    display=:$n
    Xvfb "$display" -screen 0 1100x1900x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    kill -0 "$xvfb" 2>/dev/null && DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    kill "$xvfb" 2>/dev/null
    xvfb=
done
[ -n "$xvfb" ] || fail "no virtual display would start (see $dir/xvfb.log)"
lanpid=
cleanup() {
    [ -n "$lanpid" ] && kill "$lanpid" 2>/dev/null
    sleep 0.5
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display

LUMIVEX_E2E_DIR=$dir LUMIVEX_E2E_GAME=$game LUMIVEX_E2E_OBSERVER=$observer \
    "$top/tools/lan.sh" -n 4 -- "$top/tests/e2e/computer.sh" &
lanpid=$!

# Six windows: a panel (654 wide, 560 high under its menu bar) and a game window for each of
# the three computers, one pair above the other with room between them, so that no window
# covers another and none is moved back onto the screen.
windows() { xdotool search --onlyvisible --name '^Lumivex$' 2>/dev/null; }
for _ in $(seq 100); do [ "$(windows | wc -l)" -ge 6 ] && break; sleep 0.2; done
kill -0 "$xvfb" 2>/dev/null || fail "the virtual display $display died (see $dir/xvfb.log)"
[ "$(windows | wc -l)" -ge 6 ] || fail "the three programs did not open their windows"
declare -A panel gamewin
pids=$(for w in $(windows); do xdotool getwindowpid "$w"; done | sort -un)
k=0
for pid in $pids; do
    k=$((k + 1))
    for w in $(windows); do
        [ "$(xdotool getwindowpid "$w")" = "$pid" ] || continue
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ "$WIDTH" -ge 600 ]; then panel[$k]=$w; else gamewin[$k]=$w; fi
    done
    xdotool windowmove "${panel[$k]}" 0 $(( (k - 1) * 610 ))
    xdotool windowmove "${gamewin[$k]}" 680 $(( (k - 1) * 610 ))
done
# Which process is which computer: the one whose name box says CompN. Registration order
# decides the slots, so map by the settings each wrote: computer k registers k-th.
sleep 1

click() { # window x y, in the panel's own coordinates (the menu bar is above the client area)
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
menu=$(( $(xdotool getwindowgeometry --shell "${panel[1]}" | grep HEIGHT | cut -d= -f2) - 560 ))
click "${panel[1]}" 266 $((176 + menu)); sleep 1
click "${panel[2]}" 266 $((176 + menu)); sleep 1
click "${panel[3]}" 580 $((68 + menu))

# The clients steer at random until the match is over. Each step presses one vertical and one
# horizontal key a few ticks apart, so whichever way the rider goes, one of them turns it.
end=$((SECONDS + 240))
while [ ! -e "$dir/match-over" ] && [ $SECONDS -lt $end ]; do
    c=$((1 + RANDOM % 2))
    keys=$(shuf -e "$(shuf -n1 -e Up Down)" "$(shuf -n1 -e Left Right)")
    for key in $keys; do
        xdotool windowfocus --sync "${gamewin[$c]}" key "$key" 2>/dev/null
        sleep 0.12
    done
done
[ -e "$dir/match-over" ] || fail "the match did not end within four minutes"
sleep 1

for k in 1 2 3; do import -window "${gamewin[$k]}" "$dir/game$k.png"; done
import -window root "$dir/screen.png"
for k in 1 2; do
    compare -metric AE -crop 260x22+100+28 "$dir/game3.png" "$dir/game$k.png" null: 2>"$dir/diff$k" ||
        fail "computer $k's score boxes differ from the host's ($(cat "$dir/diff$k") pixels)"
done

# Everybody closes the "won the match!" box, then computer 1 leaves through its File menu.
known=" ${panel[*]} ${gamewin[*]} "
for w in $(windows); do
    case "$known" in *" $w "*) continue ;; esac
    xdotool windowfocus --sync "$w" key Return 2>/dev/null
done
sleep 0.5
# Computer 1 leaves through its File menu.
xdotool windowfocus --sync "${panel[1]}" key alt+f; sleep 0.3; xdotool key x
for _ in $(seq 50); do [ -e "$dir/verdict.txt" ] && break; sleep 0.2; done
[ -e "$dir/verdict.txt" ] || fail "the observer did not finish"

traffic="$dir/traffic.log"
cat "$dir/verdict.txt"
grep -qx '4|295|360|85|0|0|3|2|8|1|0|Comp3|16777215|16777215|0|0|' "$traffic" ||
    fail "MatchSettings not as expected: $(grep -m1 '^4|' "$traffic")"
grep -qx '9|1|Comp1|16777215|' "$traffic" || fail "no Register from computer 1"
grep -qx '9|2|Comp2|16777215|' "$traffic" || fail "no Register from computer 2"
outcomes=$(grep -c '^3|' "$traffic")
obstacles=$(grep -c '^6|' "$traffic")
[ "$outcomes" -ge 2 ] || fail "only $outcomes rounds were played"
[ "$obstacles" -eq $((16 * outcomes)) ] || fail "$obstacles obstacles for $outcomes rounds (16 a round)"
first_steer=$(grep -n -m1 '^2|' "$traffic" | cut -d: -f1)
[ -n "$first_steer" ] || fail "no Steer was sent"
# One process, no pipe: under pipefail, grep -q stopping at its match would kill the writer
# with SIGPIPE and fail the check on a long log.
awk -v from="$first_steer" 'NR >= from && /^15\|[23]\|/ { found = 1; exit } END { exit !found }' "$traffic" ||
    fail "no Turn followed a client's Steer"
grep -qx '13|1|' "$traffic" || fail "no Unregister when computer 1 left"
grep -q '^outcomes disagreed 0$' "$dir/verdict.txt" || fail "an outcome disagrees with the recorded positions"
grep -q '^starts wrong 0$' "$dir/verdict.txt" || fail "a round did not start from the starting points"
grep -q '^outcomes agreed [1-9]' "$dir/verdict.txt" || fail "no outcome was checked"
echo "PASS: $outcomes rounds, $obstacles obstacles, traffic and screens consistent"
rm -rf "$dir"
